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
  EXPECT_EQ(DistributionTerms(), "Freeware");
  std::string stored_terms = Scramble("Freeware", kScrambleKey1, kScrambleKey2).value_or("");
  for (char c : stored_terms + std::string(kStoredRightsHolder)) {
    EXPECT_TRUE(c >= ' ' && c <= '~' && c != '"' && c != '\\') << c;
  }
}

TEST(Scramble, BothWaysIn16BitArithmeticAndNothingForANonCharacter) {
  // Stored, the two keys and the plain text.
  const std::tuple<std::string, std::int16_t, std::int16_t, std::optional<std::string>> cases[] = {
      {"A", 17, 4, "L"},  // ('A' ^ 17) - 4
      {"\xF0", 0x0F, 1, "\xFE"},
      {"\x01", 0x100, 0x100, "\x01"},         // high bits cancel
      {"\x10", -32768, 32767, std::nullopt},  // 17 if the overflow wrapped
      {"A", 0, 65, std::nullopt},             // NUL
      {"A", 0, -200, std::nullopt},           // 265: no single-byte code
      {"", 5, 5, ""},
  };
  for (const auto& [stored, key1, key2, plain] : cases) {
    EXPECT_EQ(Unscramble(stored, key1, key2), plain) << stored;
    EXPECT_EQ(plain ? Scramble(*plain, key1, key2) : stored, stored);
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
