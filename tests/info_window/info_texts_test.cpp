// The information views' texts: scrambled texts, the About view, the attack view and its page.
#include <gtest/gtest.h>

#include "about_texts.h"
#include "attack_info_page.h"
#include "info_rows.h"
#include "record_line.h"
#include "scramble.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

const std::string_view kStoredRightsHolder = ViewerText(IDS_RIGHTS_HOLDER);

// The rows as "label:value|" each.
std::string Shown(const auto& rows) {
  std::string shown;
  for (const InfoRow& row : rows) shown += row.label + row.value + "|";
  return shown;
}

// Stored texts unscramble to the notices' words and are plain literals.
TEST(Scramble, BothWaysIn16BitArithmeticAndNothingForANonCharacter) {
  EXPECT_EQ(RightsHolder(kStoredRightsHolder), "Lomvex and Pelmar contributors");
  EXPECT_EQ(DistributionTerms(), "Freeware");
  std::string stored_terms = Scramble("Freeware", kScrambleKey1, kScrambleKey2).value_or("");
  for (char c : stored_terms + std::string(kStoredRightsHolder))
    EXPECT_TRUE(c >= ' ' && c <= '~' && c != '"' && c != '\\') << c;
  // Stored, the two keys and the plain text.
  const std::tuple<std::string, std::int16_t, std::int16_t, std::optional<std::string>> cases[] = {
      {"A", 17, 4, "L"},  // ('A' ^ 17) - 4
      {"\xF0", 0x0F, 1, "\xFE"},
      {"\x01", 0x100, 0x100, "\x01"},         // high bits cancel
      {"\x10", -32768, 32767, std::nullopt},  // 17 if the overflow wrapped
      {"A", 0, 65, std::nullopt},             // NUL
      {"A", 0, -200, std::nullopt},           // 265: no single-byte code
      {"", 5, 5, ""}};
  for (const auto& [stored, key1, key2, plain] : cases) {
    EXPECT_EQ(Unscramble(stored, key1, key2), plain) << stored;
    EXPECT_EQ(plain ? Scramble(*plain, key1, key2) : stored, stored);
  }
  EXPECT_EQ(RightsHolder("\x15"), "");  // (0x15 ^ 17) - 4 = 0
}

TEST(AboutTexts, PlaceholdersInTheirOrderMemoryWordGoneRowsKeepTheirLabels) {
  EXPECT_EQ(RightsNotice("Copyright ~~~&Line two & ~~~", "A&B"),
            "Copyright A&B\r\nLine two \r\n A&B");
  EXPECT_EQ(DistributionNotice("Is &&&, by ~~~; & stays, &&&& too", "T~~~", "H&&&"),
            "Is TH&&&, by H&&&; & stays, TH&&&& too");
  EXPECT_EQ(WithoutMemoryWord("133,619,712 Bytes Total Memory"), "133,619,712 Bytes Total ");
  EXPECT_EQ(WithoutMemoryWord("MemoryMemory memory MemMemoryory"), " memory Memory");
  EXPECT_EQ(Shown(BuildAboutRows("1 Bytes Total Memory", "2 Bytes Available Memory",
                                 "Intel Pentium Memory.")),
            "Memory:1 Bytes Total |2 Bytes Available |CPU Type:Intel Pentium Memory.|");
  EXPECT_EQ(Shown(BuildAboutRows(std::nullopt, std::nullopt, std::nullopt)), "Memory:||CPU Type:|");
}

const HostFacts kHost{"Office", "00-0C-29-AA-BB-CC", "DESK7", "desk7.example.net"};

TEST(AttackInfoRows, ListRowTrimmedHostFactsInViewOrderLabelsKeptLongValuesWhole) {
  AttackListModel list;
  list.AdoptBuffer("45, 2000-10-12 13:45:00 ,id7, TCP probe , 10.0.0.1 , GATE ,HOST,0,, 12 ", 1);
  list.BeginRow(2);
  ASSERT_TRUE(list.FillCells(SplitRecordFields(list.BufferText()), EnglishTextLocale()));

  EXPECT_EQ(Shown(BuildAttackInfoRows(SelectedRowTextsAt(list, 0), kHost)),
            "Date:Oct 12, 2000|Time:01:45:00 PM|Severity:Serious|Attack Type:TCP probe|"
            "Intruders IP:10.0.0.1|Intruders Name:GATE|Intruders Group:Office|NetBIOS:DESK7|"
            "MAC:00-0C-29-AA-BB-CC|DNS:desk7.example.net|Attacks:12|");
  // Without a row or host file every label stays, with an empty value.
  EXPECT_EQ(Shown(BuildAttackInfoRows(SelectedRowTextsAt(AttackListModel(), 0), {})),
            "Date:|Time:|Severity:|Attack Type:|Intruders IP:|Intruders Name:|Intruders Group:|"
            "NetBIOS:|MAC:|DNS:|Attacks:|");
  // Pages are checked against a reference through lomvex-print; here a long value stays whole.
  const std::string type = "A type of attack whose name is very long";
  const auto rows =
      BuildAttackInfoRows({1, "Oct 04, 2000", "09:00:00 AM", type, "", "", "3"}, kHost);
  const std::vector<std::string> lines =
      AttackInfoPageLines(rows, "Probes.", "SERVER1", {2000, 10, 4}, EnglishTextLocale());
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[14], "    Attack Type:" + std::string(28, ' ') + type);
}

}  // namespace
}  // namespace lomvex
