// The list printout on a printer; whole pages are checked against a sample through lomvex-print.
#include <gtest/gtest.h>

#include "attack_list_loader.h"
#include "list_print_job.h"
#include "memory_files.h"
#include "text_printer.h"

namespace lomvex {
namespace {

constexpr CalendarDate kToday{2026, 12, 6};

AttackListModel Loaded(int rows, const std::string& record =
                                     "90,2000-01-05 13:02:03,id,TCP probe,10.0.0.1,GATE,H,0,,12") {
  MemoryFiles files;
  std::string& contents = files.files["list"] = "h\r\nh\r\n";
  for (int i = 0; i < rows; ++i) contents += record + "\r\n";
  AttackListModel list;
  LoadAttackList(list, "list", files);
  return list;
}

// An exact multiple of the page still gets a page with the count; the count
// ends in column 126 of the third line, with or without a host name.
TEST(ListPrintout, PageBreaksAfterEveryFortiethRow) {
  const std::pair<int, std::vector<size_t>> cases[] = {{0, {5}}, {40, {45, 5}}};
  for (const auto& [rows, lines_per_page] : cases) {
    SCOPED_TRACE(rows);
    const std::string host = rows == 0 ? "" : "SERVER1";
    TextPrinter printer;
    EXPECT_TRUE(PrintListOnPrinter({Loaded(rows), host}, kToday, EnglishTextLocale(),
                                   PageOrientation::kPortrait, printer));
    for (const PrinterFont& font : printer.line_fonts) EXPECT_EQ(font, kListPrintFont);
    std::vector<size_t> sizes;
    for (const auto& page : printer.pages) sizes.push_back(page.size());
    EXPECT_EQ(sizes, lines_per_page);
    const std::string& count_line = printer.pages.back()[2];
    EXPECT_TRUE(count_line.ends_with("Number of Attacks: " + std::to_string(rows)));
    EXPECT_EQ(count_line.size(), 126u);
    EXPECT_TRUE(count_line.starts_with("    Host Computer: " + host + "  "));
  }
}

TEST(ListPrintout, OnlyTheNameIsCutLongFieldsPushTheRest) {
  AttackListModel list = Loaded(1, "10,2000-01-05 13:02:03,id," + std::string(25, 't') +
                                       ",10.0.0.1," + std::string(30, 'n') + ",H,0,,1");
  const std::string fields = ListRowLine(list, 0).substr(4);
  EXPECT_EQ((std::vector{fields.find(std::string(25, 't')), fields.find("10.0.0.1"),
                         fields.find(std::string(27, 'n')), fields.find(std::string(28, 'n')),
                         fields.size()}),
            (std::vector<size_t>{44, 69, 87, std::string::npos, 119}));
}

TEST(ListPrintJob, FontAndDocumentAfterThePrintout) {
  AttackListModel list = Loaded(41);
  // The line whose printing fails (-1: none), then the font left after it.
  for (auto [fail_at_line, font_after] :
       {std::pair{-1, PrinterFont{"Arial", 8, false}}, {0, kListPrintFont}, {7, kListPrintFont}}) {
    TextPrinter printer;
    printer.fail_at_line = fail_at_line;
    const bool printed = fail_at_line < 0;
    EXPECT_EQ(PrintListOnPrinter({list, "H"}, kToday, EnglishTextLocale(),
                                 PageOrientation::kLandscape, printer),
              printed)
        << fail_at_line;
    EXPECT_EQ(std::tuple(printer.font, printer.orientation, printer.ended, printer.aborted),
              std::tuple(font_after, PageOrientation::kLandscape, printed, !printed))
        << fail_at_line;
  }
}

}  // namespace
}  // namespace lomvex
