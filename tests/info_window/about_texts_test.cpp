// The scrambled texts and the About view's notices and rows.
#include <gtest/gtest.h>

#include "about_texts.h"
#include "scramble.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

// Text 100 of the string table: the rights holder as stored.
const std::string_view kStoredRightsHolder = ViewerText(IDS_RIGHTS_HOLDER);

TEST(Scramble, StoredTextsUnscrambleToTheNoticesWordsAndArePlainLiterals) {
  EXPECT_EQ(RightsHolder(kStoredRightsHolder), "Lomvex and Pelmar contributors");
  EXPECT_EQ(RightsHolder(kStoredRightsHolder).size(), 30u);
  EXPECT_EQ(DistributionTerms(), "Freeware");
  std::string stored_terms = Scramble("Freeware", kScrambleKey1, kScrambleKey2).value_or("");
  for (char c : stored_terms + std::string(kStoredRightsHolder)) {
    EXPECT_TRUE(c >= ' ' && c <= '~' && c != '"' && c != '\\') << c;
  }
}

TEST(Scramble, BothWaysIn16BitArithmeticAndNothingForANonCharacter) {
  struct Case {
    std::string stored;
    std::int16_t key1, key2;
    std::optional<std::string> plain;
  } cases[] = {
      {"A", 17, 4, "L"},  // ('A' ^ 17) - 4
      {"\xF0", 0x0F, 1, "\xFE"},
      {"\x01", 0x100, 0x100, "\x01"},  // high bits cancel
      {"A", -1, -256, "\xBE"},
      {"\x10", -32768, 32767, std::nullopt},  // 17 if the overflow wrapped
      {"A", 0, 65, std::nullopt},             // NUL
      {"A", 0, -200, std::nullopt},           // 265: no single-byte code
      {"A", 0x100, 0, std::nullopt},
      {"", 5, 5, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Unscramble(c.stored, c.key1, c.key2), c.plain) << c.stored;
    if (c.plain) EXPECT_EQ(Scramble(*c.plain, c.key1, c.key2), c.stored);
  }
  EXPECT_EQ(RightsHolder("\x15"), "");  // (0x15 ^ 17) - 4 = 0
}

TEST(AboutTexts, PlaceholdersReplacedInTheirOrder) {
  EXPECT_EQ(RightsNotice("Copyright ~~~&Line two & ~~~", "A&B"),
            "Copyright A&B\r\nLine two \r\n A&B");
  EXPECT_EQ(DistributionNotice("Is &&&, by ~~~; & stays, &&&& too", "T~~~", "H&&&"),
            "Is TH&&&, by H&&&; & stays, TH&&&& too");
  EXPECT_EQ(DistributionNotice("none", "T", "H"), "none");
}

TEST(AboutTexts, MemoryWordLeavesAndRowsKeepTheirLabels) {
  EXPECT_EQ(WithoutMemoryWord("133,619,712 Bytes Total Memory"), "133,619,712 Bytes Total ");
  EXPECT_EQ(WithoutMemoryWord("MemoryMemory memory MemMemoryory"), " memory Memory");
  std::array<InfoRow, 3> expected{{{"Memory:", "1 Bytes Total "},
                                   {"", "2 Bytes Available "},
                                   {"CPU Type:", "Intel Pentium Memory."}}};
  EXPECT_EQ(
      BuildAboutRows("1 Bytes Total Memory", "2 Bytes Available Memory", "Intel Pentium Memory."),
      expected);
  std::array<InfoRow, 3> absent{{{"Memory:", ""}, {"", ""}, {"CPU Type:", ""}}};
  EXPECT_EQ(BuildAboutRows(std::nullopt, std::nullopt, std::nullopt), absent);
}

}  // namespace
}  // namespace lomvex
