// Routines shared by several members: platform family, process search and the
// administrators' group test.
#pragma once

#include <string>

#include "services.h"

namespace pelmar {

// Refreshes the apartment's version record; true on the NT family. A failing
// query leaves the record as it was.
bool IsWinNT(Services& services);

// True when a running process's executable path contains `name`, compared
// without regard to case.
bool FindRunningApp(Services& services, const std::string& name, bool nt_family);

// True when the caller's token holds the Administrators group (S-1-5-32-544).
bool InAdminGroup(SystemPlatform& system);

inline constexpr const char* kAdministratorsSid = "S-1-5-32-544";

}  // namespace pelmar
