// The attack information view's rows and its printed page.
#include <gtest/gtest.h>

#include "attack_info_page.h"
#include "info_rows.h"
#include "record_line.h"

namespace lomvex {
namespace {

std::string Blanks(size_t count) { return std::string(count, ' '); }

const HostFacts kHost{"Office", "00-0C-29-AA-BB-CC", "DESK7", "desk7.example.net"};

TEST(AttackInfoRows, TakeTheListRowTrimmedAndTheHostFactsInViewOrder) {
  AttackListModel list;
  list.AdoptBuffer("45, 2000-10-12 13:45:00 ,id7, TCP probe , 10.0.0.1 , GATE ,HOST,0,, 12 ", 1);
  list.BeginRow(2);
  ASSERT_TRUE(list.FillCells(SplitRecordFields(list.BufferText()), EnglishTextLocale()));

  std::array<InfoRow, kAttackInfoRows> expected{{
      {"Date:", "Oct 12, 2000"},
      {"Time:", "01:45:00 PM"},
      {"Severity:", "Serious"},
      {"Attack Type:", "TCP probe"},
      {"Intruders IP:", "10.0.0.1"},
      {"Intruders Name:", "GATE"},
      {"Intruders Group:", "Office"},
      {"NetBIOS:", "DESK7"},
      {"MAC:", "00-0C-29-AA-BB-CC"},
      {"DNS:", "desk7.example.net"},
      {"Attacks:", "12"},
  }};
  EXPECT_EQ(BuildAttackInfoRows(SelectedRowTextsAt(list, 0), kHost), expected);
}

TEST(AttackInfoRows, WithoutARowOrHostFileEveryLabelStaysWithAnEmptyValue) {
  AttackListModel empty;
  for (const InfoRow& row : BuildAttackInfoRows(SelectedRowTextsAt(empty, 0), {})) {
    EXPECT_FALSE(row.label.empty());
    EXPECT_EQ(row.value, "") << row.label;
  }
}

// The whole page is checked against a reference page through lomvex-print;
// here a long value stays whole and empty ones keep their lines.
TEST(AttackInfoPage, LongValuesStayWholeAndEmptyOnesKeepTheirLines) {
  const auto rows =
      BuildAttackInfoRows({1, "Oct 04, 2000", "09:00:00 AM",
                           "A type of attack whose name is very long", "10.0.0.1", "", "3"},
                          kHost);
  const auto page = [&](std::string_view text, std::string_view host) {
    return AttackInfoPageLines(rows, text, host, {2000, 10, 4}, EnglishTextLocale());
  };
  std::vector<std::string> lines = page("Probes, then more probes.", "SERVER1");
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[14],
            "    Attack Type:" + Blanks(28) + "A type of attack whose name is very long");
  EXPECT_EQ(lines[16], "    Intruders Name:" + Blanks(25));
  EXPECT_EQ(lines.back(), "    Probes, then more probes.");
  lines = page("", "");
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[5], "    " + Blanks(32) + "Host Computer: " + Blanks(32));
  EXPECT_EQ(lines.back(), "    ");
}

}  // namespace
}  // namespace lomvex
