#include "list_print_job.h"

#include <gtest/gtest.h>

#include "attack_list_loader.h"
#include "main_window_fakes.h"

namespace lomvex {
namespace {

using testing::AttackListFile;
using testing::MemoryFiles;
using testing::Record;
using testing::TextPrinter;

MainListState LoadedList(int rows) {
  MemoryFiles files;
  std::vector<std::string> records;
  for (int i = 0; i < rows; ++i) records.push_back(Record(10 + i % 90));
  files.files["C:\\bi\\attack-list.csv"] = AttackListFile(records);
  MainListState state;
  state.FileLocation = "C:\\bi\\attack-list.csv";
  EXPECT_EQ(LoadAttackList(state, files), LoadOutcome::kLoaded);
  return state;
}

struct PrintCase {
  const char* name;
  int fail_at_line;
  bool printed;
  PrinterFont font_after;
};

TEST(ListPrintJobTest, FontAndDocumentAfterThePrintout) {
  const PrintCase cases[] = {
      {"success", -1, true, PrinterFont{"Arial", 8, false}},
      {"no printer", 0, false, kListPrintFont},
      {"fails on a row", 7, false, kListPrintFont},
  };
  MainListState state = LoadedList(41);
  for (const PrintCase& c : cases) {
    TextPrinter printer;
    printer.fail_at_line = c.fail_at_line;
    EXPECT_EQ(PrintListOnPrinter(state, {2026, 12, 6}, EnglishTextLocale(),
                                 PageOrientation::kLandscape, printer),
              c.printed)
        << c.name;
    EXPECT_EQ(printer.font, c.font_after) << c.name;
    EXPECT_EQ(printer.orientation, PageOrientation::kLandscape) << c.name;
    EXPECT_EQ(printer.ended, c.printed) << c.name;
    EXPECT_EQ(printer.aborted, !c.printed) << c.name;
  }
}

TEST(ListPrintJobTest, EveryLineInBoldCourierOnFortyFiveLinePages) {
  MainListState state = LoadedList(41);
  TextPrinter printer;
  ASSERT_TRUE(PrintListOnPrinter(state, {2026, 12, 6}, EnglishTextLocale(),
                                 PageOrientation::kPortrait, printer));
  EXPECT_EQ(printer.orientation, PageOrientation::kPortrait);
  ASSERT_EQ(printer.pages.size(), 2u);
  EXPECT_EQ(printer.pages[0].size(), 45u);
  EXPECT_EQ(printer.pages[1].size(), 6u);
  for (const PrinterFont& font : printer.line_fonts) EXPECT_EQ(font, kListPrintFont);
  EXPECT_EQ(printer.pages[1][2].substr(printer.pages[1][2].size() - 21), "Number of Attacks: 41");
}

}  // namespace
}  // namespace lomvex
