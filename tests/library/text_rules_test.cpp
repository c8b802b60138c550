#include "text_rules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>

#include "date_format.h"
#include "messages.h"

namespace pelmar {
namespace {

// "YYYY-MM-DD" or "hh:mm:ss" after a format type: "3 2000-09-11", "1 17:38:19".
std::string Formatted(const std::string& text) {
  int type = 0;
  DateTime when;
  if (text.find(':') == std::string::npos) {
    std::sscanf(text.c_str(), "%d %d-%d-%d", &type, &when.year, &when.month, &when.day);
    return FormatDateTime(*DatePattern(type), when, EnglishDateLocale());
  }
  std::sscanf(text.c_str(), "%d %d:%d:%d", &type, &when.hour, &when.minute, &when.second);
  return FormatDateTime(*TimePattern(type), when, EnglishDateLocale());
}

// Every text rule as text to text, so that one table holds all their cases.
const std::map<std::string, std::function<std::string(std::string)>> kRules = {
    {"strip", [](std::string path) { return StripSlashes(path), path; }},
    {"extension", [](std::string name) { return FileExtension(name); }},
    {"key error",
     [](std::string name) {
       BuiltInMessages messages;
       return KeyError(messages, name).description;
     }},
    {"&& to &&&", [](std::string text) { return ReplaceAll(text, "&&", "&&&"); }},
    {"number chars", [](std::string text) { return AllNumberChars(text) ? "yes" : "no"; }},
    {"grouped", [](std::string digits) { return FormatGrouped(std::stoull(digits), "."); }},
    {"day number",
     [](std::string date) {
       DateTime when;
       std::sscanf(date.c_str(), "%d-%d-%d", &when.year, &when.month, &when.day);
       return std::to_string(DayNumber(when));
     }},
    {"formatted", Formatted},
};

TEST(TextRules, TurnTextIntoText) {
  const std::tuple<const char*, std::string, std::string> cases[] = {
      {"strip", "\\Software\\Vendor\\App\\", "Software\\Vendor\\App"},
      {"strip", "Software\\App", "Software\\App"},
      {"strip", "\\\\Software\\\\", "\\Software\\"},
      {"strip", "\\", ""},
      {"extension", "Report.Final.Doc", "Doc"},
      {"extension", "README", "README"},
      {"extension", "name.", ""},
      {"extension", "C:\\Data.Old\\Readme", "Old\\Readme"},
      {"key error", "", "Failed to open registry key(s) ''."},
      {"&& to &&&", "a&&b&&", "a&&&b&&&"},
      {"number chars", "", "no"},
      {"number chars", "12a", "no"},
      {"number chars", " 1", "no"},
      {"number chars", "-3.5", "yes"},
      {"number chars", "1-2..", "yes"},
      {"grouped", "0", ""},
      {"grouped", "999", "999"},
      {"grouped", "1000", "1.000"},
      {"grouped", "133619712", "133.619.712"},
      {"grouped", "17179869184", "17.179.869.184"},
      {"day number", "1899-12-30", "0"},
      {"day number", "1899-12-29", "-1"},
      {"day number", "1900-03-01", "61"},
      {"day number", "2000-09-11", "36780"},
      {"day number", "2024-02-29", "45351"},
      {"formatted", "1 2000-09-11", "September 11, 2000"},
      {"formatted", "2 2000-09-11", "September 11, 00"},
      {"formatted", "3 2000-09-11", "09/11/2000"},
      {"formatted", "4 2009-01-02", "01/02/09"},
      {"formatted", "1 17:38:19", "05:38:19 PM"},
      {"formatted", "2 17:38:19", "05:38 PM"},
      {"formatted", "3 17:38:19", "17:38:19"},
      {"formatted", "4 17:38:19", "17:38"},
      {"formatted", "1 00:00:00", "12:00:00 AM"},
      {"formatted", "3 00:00:00", "00:00:00"},
      {"formatted", "2 12:05:00", "12:05 PM"},
  };
  for (const auto& [rule, text, expected] : cases) {
    EXPECT_EQ(kRules.at(rule)(text), expected) << rule << ": " << text;
  }
}

TEST(FormatDateTime, TakesNamesAndSeparatorsFromTheLocale) {
  DateLocale german = EnglishDateLocale();
  german.month_names[2] = "M\xE4rz";
  german.am = german.pm = "";
  german.date_separator = german.time_separator = ".";
  EXPECT_EQ(FormatDateTime(*DatePattern(1), {2001, 3, 5}, german), "M\xE4rz 05, 2001");
  EXPECT_EQ(FormatDateTime(*DatePattern(3), {2001, 3, 5}, german), "03.05.2001");
  EXPECT_EQ(FormatDateTime(*TimePattern(1), {2001, 3, 5, 7, 8, 9}, german), "07.08.09 ");
}

}  // namespace
}  // namespace pelmar
