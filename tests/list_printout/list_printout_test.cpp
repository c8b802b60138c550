// The list printout's pages, as text and on a printer. The layout of whole
// pages is checked against a sample through lomvex-print.
#include <gtest/gtest.h>

#include "attack_list_loader.h"
#include "list_print_job.h"
#include "memory_files.h"
#include "text_print_sink.h"
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

// The pages' lines.
std::vector<std::vector<std::string>> Pages(const AttackListModel& list, std::string_view host) {
  TextPrintSink sink;
  PrintAttackList({list, host}, kToday, EnglishTextLocale(), sink);
  std::vector<std::vector<std::string>> pages(1);
  for (size_t start = 0, end; (end = sink.text().find('\n', start)) != std::string::npos;
       start = end + 1) {
    if (sink.text()[start] == '\f') pages.emplace_back(), ++start;
    pages.back().push_back(sink.text().substr(start, end - start));
  }
  EXPECT_EQ(static_cast<int>(pages.size()), sink.pages());
  return pages;
}

TEST(ListPrintout, PageBreaksAfterEveryFortiethRow) {
  struct Case {
    int rows;
    std::vector<size_t> lines_per_page;
  } cases[] = {
      {0, {5}}, {1, {6}}, {39, {44}}, {40, {45, 5}}, {41, {45, 6}}, {80, {45, 45, 5}},
  };
  for (const Case& c : cases) {
    std::vector<size_t> sizes;
    for (const auto& page : Pages(Loaded(c.rows), "SERVER1")) sizes.push_back(page.size());
    EXPECT_EQ(sizes, c.lines_per_page) << c.rows << " rows";
  }
}

TEST(ListPrintout, CountEndsInColumn126) {
  for (std::string_view host : {"", "SERVER1"}) {
    std::string line = Pages(AttackListModel(), host)[0][2];
    EXPECT_EQ(line.substr(0, 19 + host.size()), "    Host Computer: " + std::string(host));
    EXPECT_EQ(line.size(), 126u) << host;
    EXPECT_TRUE(line.ends_with("Number of Attacks: 0")) << host;
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

TEST(ListPrintJob, EveryLineInBoldCourierOnFortyFiveLinePages) {
  TextPrinter printer;
  ASSERT_TRUE(PrintListOnPrinter({Loaded(41), "H"}, kToday, EnglishTextLocale(),
                                 PageOrientation::kPortrait, printer));
  EXPECT_EQ(printer.orientation, PageOrientation::kPortrait);
  ASSERT_EQ(printer.pages.size(), 2u);
  EXPECT_EQ(printer.pages[0].size(), 45u);
  EXPECT_EQ(printer.pages[1].size(), 6u);
  for (const PrinterFont& font : printer.line_fonts) EXPECT_EQ(font, kListPrintFont);
  EXPECT_TRUE(printer.pages[1][2].ends_with("Number of Attacks: 41"));
}

}  // namespace
}  // namespace lomvex
