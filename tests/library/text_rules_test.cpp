#include "text_rules.h"

#include <gtest/gtest.h>

#include "messages.h"

namespace pelmar {
namespace {

std::string Stripped(std::string path) {
  StripSlashes(path);
  return path;
}
std::string Extension(std::string name) { return FileExtension(name); }
std::string KeyErrorText(std::string name) {
  BuiltInMessages messages;
  return KeyError(messages, name).description;
}
std::string MarkersReplaced(std::string text) { return ReplaceAll(text, "&&", "&&&"); }

TEST(TextRules, TurnTextIntoText) {
  using Rule = std::string (*)(std::string);
  const std::tuple<Rule, std::string, std::string> cases[] = {
      {Stripped, "\\Software\\Vendor\\App\\", "Software\\Vendor\\App"},
      {Stripped, "Software\\App", "Software\\App"},
      {Stripped, "\\\\Software\\\\", "\\Software\\"},
      {Stripped, "\\", ""},
      {Stripped, "\\\\", ""},
      {Extension, "Report.Final.Doc", "Doc"},
      {Extension, "README", "README"},
      {Extension, "name.", ""},
      {Extension, "C:\\Data.Old\\Readme", "Old\\Readme"},
      {KeyErrorText, "MyKey", "Failed to open registry key(s) 'MyKey'."},
      {KeyErrorText, "", "Failed to open registry key(s) ''."},
      {MarkersReplaced, "a&&b&&", "a&&&b&&&"},
      {MarkersReplaced, "none", "none"},
  };
  for (const auto& [rule, text, expected] : cases) EXPECT_EQ(rule(text), expected) << text;
}

TEST(AllNumberChars, AcceptsOnlyDigitsSignsAndDots) {
  const std::pair<std::string, bool> cases[] = {
      {"", false},  {"12a", false},  {"-3.5", true}, {"1-2", true},
      {"..", true}, {"1.2.3", true}, {" 1", false},  {"1,000", false},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(AllNumberChars(text), expected) << text;
}

TEST(FormatGrouped, GroupsThreeDigitsWithTheSeparator) {
  const std::tuple<uint64_t, std::string, std::string> cases[] = {
      {0, ",", ""},
      {999, ",", "999"},
      {1000, ",", "1,000"},
      {133619712, ",", "133,619,712"},
      {17179869184ull, ".", "17.179.869.184"},
      {1234567, "\xA0",
       "1\xA0"
       "234\xA0"
       "567"},
  };
  for (const auto& [value, separator, expected] : cases) {
    EXPECT_EQ(FormatGrouped(value, separator), expected);
  }
}

}  // namespace
}  // namespace pelmar
