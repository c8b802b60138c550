#include "text_rules.h"

#include <gtest/gtest.h>

#include "messages.h"

namespace pelmar {
namespace {

TEST(StripSlashes, RemovesOneBackslashAtEachEnd) {
  const struct {
    std::string path;
    std::string expected;
  } cases[] = {
      {"\\Software\\Vendor\\App\\", "Software\\Vendor\\App"},
      {"Software\\App", "Software\\App"},
      {"\\\\Software\\\\", "\\Software\\"},
      {"\\", ""},
      {"\\\\", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    std::string path = c.path;
    StripSlashes(path);
    EXPECT_EQ(path, c.expected) << c.path;
  }
}

TEST(AllNumberChars, AcceptsOnlyDigitsSignsAndDots) {
  const struct {
    std::string text;
    bool expected;
  } cases[] = {
      {"", false},  {"12a", false},  {"-3.5", true}, {"1-2", true},
      {"..", true}, {"1.2.3", true}, {" 1", false},  {"1,000", false},
  };
  for (const auto& c : cases) EXPECT_EQ(AllNumberChars(c.text), c.expected) << c.text;
}

TEST(FileExtension, TakesTextAfterTheLastDot) {
  const struct {
    std::string name;
    std::string expected;
  } cases[] = {
      {"Report.Final.Doc", "Doc"},
      {"README", "README"},
      {"name.", ""},
      {"C:\\Data.Old\\Readme", "Old\\Readme"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FileExtension(c.name), c.expected) << c.name;
}

TEST(FormatGrouped, GroupsThreeDigitsWithTheSeparator) {
  const struct {
    uint64_t value;
    std::string separator;
    std::string expected;
  } cases[] = {
      {0, ",", ""},
      {7, ",", "7"},
      {999, ",", "999"},
      {1000, ",", "1,000"},
      {133619712, ",", "133,619,712"},
      {2147483648ull, ",", "2,147,483,648"},
      {17179869184ull, ".", "17.179.869.184"},
      {1234567, "\xA0",
       "1\xA0"
       "234\xA0"
       "567"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatGrouped(c.value, c.separator), c.expected);
}

TEST(Messages, ReplaceEveryMarker) {
  BuiltInMessages messages;
  EXPECT_EQ(KeyError(messages, "MyKey").description, "Failed to open registry key(s) 'MyKey'.");
  EXPECT_EQ(KeyError(messages, "").description, "Failed to open registry key(s) ''.");
  EXPECT_EQ(KeyError(messages, "").number, 1004);
  EXPECT_EQ(ReplaceAll(messages.Load(101), "&&", "NT"), "Microsoft Windows NT - Ver: ");
  EXPECT_EQ(ReplaceAll("a&&b&&", "&&", "&&&"), "a&&&b&&&");
  EXPECT_EQ(ReplaceAll("none", "&&", "x"), "none");
  EXPECT_EQ(messages.Load(1003), "Missing DataKey Name.");
}

}  // namespace
}  // namespace pelmar
