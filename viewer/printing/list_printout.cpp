#include "list_printout.h"

#include "fit_text.h"
#include "severity.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

constexpr int kHeaderWidth = 122;
constexpr std::string_view kHeaderIndent = "    ";
// The printer's indent item with the argument 4: four blanks.
constexpr std::string_view kRowIndent = "    ";

}  // namespace

void PrintListHeader(const ListPrintout& printout, CalendarDate today, const TextLocale& locale,
                     PrintSink& sink) {
  sink.PrintLine(FitCenter(ViewerText(IDS_PRINT_TITLE), kHeaderWidth, kFitKeepWhole));
  sink.PrintLine(FitCenter(FormatLongDate(today, locale), kHeaderWidth, kFitKeepWhole));
  std::string host = "Host Computer: " + std::string(printout.host_name);
  std::string count = "Number of Attacks: " + std::to_string(printout.list.RowCount());
  sink.PrintLine(std::string(kHeaderIndent) + FitLeft(host, 57, kFitKeepWhole) +
                 FitRight(count, 65, kFitKeepWhole));
  sink.PrintLine(std::string(kHeaderIndent) + std::string(ViewerText(IDS_PRINT_COLUMNS)));
  sink.PrintLine(std::string(kHeaderIndent) + std::string(kHeaderWidth, '-'));
}

std::string ListRowLine(const AttackListModel& list, size_t row) {
  std::string line(kRowIndent);
  line += FitLeft(SeverityName(list.SeverityAt(row)), 17, kFitKeepWhole);
  line += FitCenter(list.SubItemAt(row, 1), 14, kFitKeepWhole);
  line += FitCenter(list.SubItemAt(row, 2), 13, kFitKeepWhole);
  line += FitLeft(list.SubItemAt(row, 3), 22, kFitKeepWhole);
  line += FitLeft(list.SubItemAt(row, 4), 18, kFitKeepWhole);
  line += FitLeft(list.SubItemAt(row, 5), 27, kFitKeepLeft);
  line += FitRight(list.SubItemAt(row, 6), 5, kFitKeepWhole);
  return line;
}

void PrintAttackList(const ListPrintout& printout, CalendarDate today, const TextLocale& locale,
                     PrintSink& sink) {
  PrintListHeader(printout, today, locale, sink);
  int line_count = kPrintHeaderLines;
  size_t rows = printout.list.RowCount();
  for (size_t row = 0; row < rows; ++row) {
    sink.PrintLine(ListRowLine(printout.list, row));
    if (++line_count == kPrintLinesPerPage) {
      sink.NewPage();
      line_count = kPrintHeaderLines;
      PrintListHeader(printout, today, locale, sink);
    }
  }
}

}  // namespace lomvex
