// The attack information view's "&Print" on a printer: one portrait page in
// the list printout's font, and the settings it leaves behind.
#pragma once

#include <span>
#include <string>

#include "list_print_job.h"
#include "printer.h"

namespace lomvex {

// Prints the page's lines in portrait, then sets the list printout's
// orientation choice back to landscape and the font back to its earlier name
// at 8 points, not bold. False when the printer failed: the caller reports
// it, and what was not reached by then is left as it was.
bool PrintEventOnPrinter(std::span<const std::string> lines, PageOrientation& list_orientation,
                         Printer& printer);

}  // namespace lomvex
