// Which family of the platform the library runs on: the NT family or the older one.
#pragma once

#include "services.h"

namespace pelmar {

// Refreshes the apartment's version record; true on the NT family. A failing
// query leaves the record as it was.
bool IsWinNT(Services& services);

}  // namespace pelmar
