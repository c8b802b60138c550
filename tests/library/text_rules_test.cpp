#include "text_rules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>

#include "date_format.h"
#include "messages.h"

namespace pelmar {
namespace {

// A date "YYYY-MM-DD" or a time of day "hh:mm:ss".
DateTime Moment(const std::string& text) {
  DateTime when;
  if (text.find(':') == std::string::npos) {
    std::sscanf(text.c_str(), "%d-%d-%d", &when.year, &when.month, &when.day);
  } else {
    std::sscanf(text.c_str(), "%d:%d:%d", &when.hour, &when.minute, &when.second);
  }
  return when;
}

// Every text rule as text to text, so that one table holds all their cases;
// dates and times are written in the format type that starts the text.
const std::map<std::string, std::function<std::string(std::string)>> kRules = {
    {"strip", [](std::string path) { return StripSlashes(path), path; }},
    {"extension", [](std::string name) { return FileExtension(name); }},
    {"&& to &&&", [](std::string text) { return ReplaceAll(text, "&&", "&&&"); }},
    {"number chars", [](std::string text) { return AllNumberChars(text) ? "yes" : "no"; }},
    {"grouped", [](std::string digits) { return FormatGrouped(std::stoull(digits), "."); }},
    {"day number", [](std::string date) { return std::to_string(DayNumber(Moment(date))); }},
    {"date",
     [](std::string text) {
       return FormatDateTime(*DatePattern(text[0] - '0'), Moment(text.substr(2)),
                             EnglishDateLocale());
     }},
    {"time",
     [](std::string text) {
       return FormatDateTime(*TimePattern(text[0] - '0'), Moment(text.substr(2)),
                             EnglishDateLocale());
     }},
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
      {"&& to &&&", "a&&b&&", "a&&&b&&&"},
      {"number chars", "", "no"},
      {"number chars", "12a", "no"},
      {"number chars", " 1", "no"},
      {"number chars", "-3.5", "yes"},
      {"number chars", "1-2..", "yes"},
      {"grouped", "0", ""},
      {"grouped", "1000", "1.000"},
      {"grouped", "133619712", "133.619.712"},
      {"grouped", "17179869184", "17.179.869.184"},
      {"day number", "1899-12-30", "0"},
      {"day number", "1899-12-29", "-1"},
      {"day number", "1900-03-01", "61"},
      {"day number", "2000-09-11", "36780"},
      {"day number", "2024-02-29", "45351"},
      {"date", "1 2000-09-11", "September 11, 2000"},
      {"date", "2 2000-09-11", "September 11, 00"},
      {"date", "3 2000-09-11", "09/11/2000"},
      {"date", "4 2009-01-02", "01/02/09"},
      {"time", "1 17:38:19", "05:38:19 PM"},
      {"time", "2 17:38:19", "05:38 PM"},
      {"time", "3 17:38:19", "17:38:19"},
      {"time", "4 17:38:19", "17:38"},
      {"time", "1 00:00:00", "12:00:00 AM"},
      {"time", "3 00:00:00", "00:00:00"},
      {"time", "2 12:05:00", "12:05 PM"},
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
