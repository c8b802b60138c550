#include "list_print_job.h"

namespace lomvex {

bool PrintListOnPrinter(const ListPrintout& printout, CalendarDate today, const TextLocale& locale,
                        PageOrientation orientation, Printer& printer) {
  try {
    printer.SetOrientation(orientation);
    std::string previous_font_name = printer.Font().name;
    printer.SetFont(kListPrintFont);
    PrintAttackList(printout, today, locale, printer);
    printer.EndDocument();
    printer.SetFont(PrinterFont{previous_font_name, 8, false});
    return true;
  } catch (...) {
    // A document left half-way is dropped, so the spooler holds no stray job.
    printer.AbortDocument();
    return false;
  }
}

}  // namespace lomvex
