// The About view's system facts from the system library's SysCls class,
// reached only through automation: created by its programmatic identifier,
// read by property name, released at the end.
#pragma once

#include "info_view.h"

namespace lomvex {

// TotalMemory, AvailMemory and CPUType, each read just before the next; a
// library that is not registered, or a property that fails, gives nothing for
// it. COM must be initialised on the calling thread.
SystemFacts ReadSystemFacts();

}  // namespace lomvex
