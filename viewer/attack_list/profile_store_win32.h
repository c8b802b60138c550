// The platform's profile functions (GetPrivateProfileStringA and
// WritePrivateProfileStringA) as a ProfileStore.
#pragma once

#include "profile_store.h"

namespace lomvex {

std::unique_ptr<ProfileStore> OpenPlatformProfile(std::string path);

}  // namespace lomvex
