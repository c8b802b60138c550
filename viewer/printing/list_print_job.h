// File > Print List on a printer: set-up, the pages, and the font left behind.
#pragma once

#include "list_printout.h"
#include "printer.h"

namespace lomvex {

inline const PrinterFont kListPrintFont{"Courier New", 10, true};

// Prints the whole list in its current order. False when the printer failed:
// the caller reports it; the font stays the printout's own.
bool PrintListOnPrinter(const ListPrintout& printout, CalendarDate today, const TextLocale& locale,
                        PageOrientation orientation, Printer& printer);

}  // namespace lomvex
