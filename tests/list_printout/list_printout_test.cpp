// The list printout's pages on a printer. The layout of whole pages, and the
// text sink's form feeds, are checked against a sample through lomvex-print.
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
  std::string contents = "h\r\nh\r\n";
  for (int i = 0; i < rows; ++i) contents += record + "\r\n";
  files.files["list"] = contents;
  AttackListModel list;
  LoadAttackList(list, "list", files);
  return list;
}

// The pages a printer gets, in the printout's own font.
TextPrinter Printed(const AttackListModel& list, std::string_view host) {
  TextPrinter printer;
  EXPECT_TRUE(PrintListOnPrinter({list, host}, kToday, EnglishTextLocale(),
                                 PageOrientation::kPortrait, printer));
  for (const PrinterFont& font : printer.line_fonts) EXPECT_EQ(font, kListPrintFont);
  return printer;
}

// The count ends in column 126 of the third line, with or without a host name.
TEST(ListPrintout, PageBreaksAfterEveryFortiethRow) {
  struct Case {
    int rows;
    std::vector<size_t> lines_per_page;
  } cases[] = {
      {0, {5}}, {1, {6}}, {39, {44}}, {40, {45, 5}}, {41, {45, 6}}, {80, {45, 45, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    const std::string host = c.rows == 0 ? "" : "SERVER1";
    TextPrinter printer = Printed(Loaded(c.rows), host);
    std::vector<size_t> sizes;
    for (const auto& page : printer.pages) sizes.push_back(page.size());
    EXPECT_EQ(sizes, c.lines_per_page);
    const std::string& count_line = printer.pages.back()[2];
    EXPECT_TRUE(count_line.ends_with("Number of Attacks: " + std::to_string(c.rows)));
    EXPECT_EQ(count_line.size(), 126u);
    EXPECT_TRUE(count_line.starts_with("    Host Computer: " + host + "  "));
  }
}

TEST(ListPrintout, OnlyTheNameIsCutLongFieldsPushTheRest) {
  AttackListModel list = Loaded(1, "10,2000-01-05 13:02:03,id," + std::string(25, 't') +
                                       ",10.0.0.1," + std::string(30, 'n') + ",H,0,,1");
  std::string fields = ListRowLine(list, 0).substr(4);
  EXPECT_EQ(fields.find(std::string(25, 't')), 44u);
  EXPECT_EQ(fields.find("10.0.0.1"), 69u);
  EXPECT_EQ(fields.find(std::string(27, 'n')), 87u);
  EXPECT_EQ(fields.find(std::string(28, 'n')), std::string::npos);
  EXPECT_EQ(fields.size(), 119u);
}

TEST(ListPrintJob, FontAndDocumentAfterThePrintout) {
  struct Case {
    const char* name;
    int fail_at_line;
    bool printed;
    PrinterFont font_after;
  } cases[] = {
      {"success", -1, true, PrinterFont{"Arial", 8, false}},
      {"no printer", 0, false, kListPrintFont},
      {"fails on a row", 7, false, kListPrintFont},
  };
  AttackListModel list = Loaded(41);
  for (const Case& c : cases) {
    TextPrinter printer;
    printer.fail_at_line = c.fail_at_line;
    EXPECT_EQ(PrintListOnPrinter({list, "H"}, kToday, EnglishTextLocale(),
                                 PageOrientation::kLandscape, printer),
              c.printed)
        << c.name;
    EXPECT_EQ(printer.font, c.font_after) << c.name;
    EXPECT_EQ(printer.orientation, PageOrientation::kLandscape) << c.name;
    EXPECT_EQ(printer.ended, c.printed) << c.name;
    EXPECT_EQ(printer.aborted, !c.printed) << c.name;
  }
}

}  // namespace
}  // namespace lomvex
