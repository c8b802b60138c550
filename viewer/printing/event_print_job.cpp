#include "event_print_job.h"

namespace lomvex {

bool PrintEventOnPrinter(std::span<const std::string> lines, PageOrientation& list_orientation,
                         Printer& printer) {
  try {
    printer.SetOrientation(PageOrientation::kPortrait);
    std::string previous_font_name = printer.Font().name;
    printer.SetFont(kListPrintFont);
    for (const std::string& line : lines) printer.PrintLine(line);
    list_orientation = PageOrientation::kLandscape;
    printer.SetFont(PrinterFont{previous_font_name, 8, false});
    printer.EndDocument();
    return true;
  } catch (...) {
    // A document left half-way is dropped, so the spooler holds no stray job.
    printer.AbortDocument();
    return false;
  }
}

}  // namespace lomvex
