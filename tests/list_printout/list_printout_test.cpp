// The list printout's lines and pages, through the text sink.
#include <gtest/gtest.h>

#include "attack_list_loader.h"
#include "fake_file_access.h"
#include "list_printout.h"
#include "list_sorting.h"
#include "text_print_sink.h"

namespace lomvex {
namespace {

constexpr CalendarDate kToday{2026, 12, 6};

MainListState LoadedRows(int rows, const std::string& host = "SERVER1",
                         const std::string& record_tail = "") {
  FakeFileAccess files;
  std::string contents = "h\r\nh\r\n";
  for (int i = 0; i < rows; ++i) {
    contents += record_tail.empty()
                    ? "90,2000-01-05 13:02:03,id,TCP probe,10.0.0.1,GATEWAY," + host + ",0,,12\r\n"
                    : record_tail + "\r\n";
  }
  files.files["list"] = contents;
  MainListState state;
  state.FileLocation = "list";
  LoadAttackList(state, files);
  return state;
}

std::vector<std::string> Lines(const std::string& page) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = page.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(page.substr(start, end - start));
  }
  return lines;
}

std::vector<std::string> Pages(const MainListState& state) {
  TextPrintSink sink;
  PrintAttackList(state, kToday, EnglishTextLocale(), sink);
  std::vector<std::string> pages;
  size_t start = 0;
  for (size_t end; (end = sink.text().find('\f', start)) != std::string::npos; start = end + 1) {
    pages.push_back(sink.text().substr(start, end - start));
  }
  pages.push_back(sink.text().substr(start));
  EXPECT_EQ(static_cast<int>(pages.size()), sink.pages());
  return pages;
}

TEST(ListPrintout, HeaderBlock) {
  MainListState state = LoadedRows(12);
  std::vector<std::string> lines = Lines(Pages(state)[0]);
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[0], std::string(36, ' ') + "Lomvex - Attack List Printout for BlackIce Defender" +
                          std::string(36, ' '));
  EXPECT_EQ(lines[1].size(), 122u);
  EXPECT_EQ(lines[1].find("Sunday December 06, 2026"), 49u);
  EXPECT_EQ(lines[2], "    Host Computer: SERVER1" + std::string(35, ' ') + std::string(44, ' ') +
                          "Number of Attacks: 12");
  EXPECT_EQ(lines[2].size(), 126u);
  EXPECT_EQ(lines[3].size(), 122u);
  EXPECT_EQ(lines[3].find("Severity"), 8u);
  EXPECT_EQ(lines[4], "    " + std::string(122, '-'));
}

TEST(ListPrintout, RowLineColumns) {
  MainListState state = LoadedRows(1);
  std::string line = ListRowLine(state.list, 0);
  // Positions from 1 after the four-blank indent.
  std::string fields = line.substr(4);
  EXPECT_EQ(line.substr(0, 4), "    ");
  EXPECT_EQ(fields.substr(0, 17), "Critical         ");
  EXPECT_EQ(fields.find("Jan 05, 2000"), 18u);  // position 19: one blank of centring
  EXPECT_EQ(fields.find("01:02:03 PM"), 32u);   // position 33
  EXPECT_EQ(fields.find("TCP probe"), 44u);
  EXPECT_EQ(fields.find("10.0.0.1"), 66u);
  EXPECT_EQ(fields.find("GATEWAY"), 84u);
  EXPECT_EQ(fields.size(), 116u);
  EXPECT_EQ(fields.substr(111), "   12");  // the count ends at position 116
}

TEST(ListPrintout, OnlyTheNameIsCutLongFieldsPushTheRest) {
  MainListState state = LoadedRows(1, "",
                                   "10,2000-01-05 13:02:03,id," + std::string(25, 't') +
                                       ",10.0.0.1," + std::string(30, 'n') + ",H,0,,1");
  std::string fields = ListRowLine(state.list, 0).substr(4);
  EXPECT_EQ(fields.find(std::string(25, 't')), 44u);
  EXPECT_EQ(fields.find("10.0.0.1"), 69u);
  EXPECT_EQ(fields.find(std::string(27, 'n')), 87u);
  EXPECT_EQ(fields.find(std::string(28, 'n')), std::string::npos);
  EXPECT_EQ(fields.size(), 119u);
}

TEST(ListPrintout, PageBreaks) {
  struct Case {
    int rows;
    std::vector<size_t> lines_per_page;
  } cases[] = {
      {0, {5}},      {1, {6}},
      {39, {44}},    {40, {45, 5}},  // the break comes right after a page's fortieth row
      {41, {45, 6}}, {80, {45, 45, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    MainListState state = LoadedRows(c.rows);
    std::vector<size_t> sizes;
    for (const std::string& page : Pages(state)) sizes.push_back(Lines(page).size());
    EXPECT_EQ(sizes, c.lines_per_page);
  }
}

TEST(ListPrintout, EmptyListCountEndsInColumn126) {
  MainListState state;
  std::vector<std::string> lines = Lines(Pages(state)[0]);
  EXPECT_EQ(lines[2].size(), 126u);
  EXPECT_TRUE(lines[2].ends_with("Number of Attacks: 0"));
  EXPECT_EQ(lines[2].substr(0, 19), "    Host Computer: ");
}

TEST(ListPrintout, RowsFollowTheSortOrder) {
  FakeFileAccess files;
  files.files["list"] = "h\r\nh\r\n10,s,a,bbb,ip,n,H,0,,1\r\n90,s,b,aaa,ip,n,H,0,,2\r\n";
  MainListState state;
  state.FileLocation = "list";
  ASSERT_EQ(LoadAttackList(state, files), LoadOutcome::kLoaded);
  OnColumnClick(state, 4);
  std::vector<std::string> lines = Lines(Pages(state)[0]);
  EXPECT_EQ(lines[5].substr(4, 8), "Critical");
  EXPECT_EQ(lines[6].substr(4, 15), "Non-Threatening");
}

struct FailingSink final : PrintSink {
  explicit FailingSink(int lines) : lines_left(lines) {}
  int lines_left;
  void PrintLine(std::string_view) override {
    if (lines_left-- == 0) throw std::runtime_error("printer off-line");
  }
  void NewPage() override {}
};

TEST(ListPrintout, SinkFailureEndsThePrintout) {
  MainListState state = LoadedRows(3);
  FailingSink sink(6);
  EXPECT_THROW(PrintAttackList(state, kToday, EnglishTextLocale(), sink), std::runtime_error);
}

}  // namespace
}  // namespace lomvex
