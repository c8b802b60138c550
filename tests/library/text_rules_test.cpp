#include "text_rules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <sstream>

#include "date_format.h"
#include "messages.h"

namespace pelmar {
namespace {

// A date "YYYY-MM-DD" or a time of day "hh:mm:ss".
DateTime Moment(const std::string& text) {
  DateTime when;
  if (text.find(':') == std::string::npos)
    std::sscanf(text.c_str(), "%d-%d-%d", &when.year, &when.month, &when.day);
  else
    std::sscanf(text.c_str(), "%d:%d:%d", &when.hour, &when.minute, &when.second);
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
    {"date/time", [](std::string text) {
       const int type = text[0] - '0';
       const auto pattern =
           text.find(':') == std::string::npos ? DatePattern(type) : TimePattern(type);
       return FormatDateTime(*pattern, Moment(text.substr(2)), EnglishDateLocale());
     }}};

// A rule's cases, one rule a line: "rule | text | expected | text | expected ..." ("" is empty).
constexpr char kCases[] = R"(
strip | \Software\Vendor\App\ | Software\Vendor\App | \\Software\\ | \Software\ | \ | ""
extension | Report.Final.Doc | Doc | README | README | name. | "" | C:\Data.Old\Readme | Old\Readme
&& to &&& | a&&b&& | a&&&b&&&
number chars | "" | no | 12a | no | -3.5 | yes | 1-2.. | yes
grouped | 0 | "" | 1000 | 1.000 | 17179869184 | 17.179.869.184
day number | 1899-12-30 | 0 | 1899-12-29 | -1 | 1900-03-01 | 61 | 2024-02-29 | 45351
date/time | 1 2000-09-11 | September 11, 2000 | 2 2000-09-11 | September 11, 00
date/time | 3 2000-09-11 | 09/11/2000 | 4 2009-01-02 | 01/02/09
date/time | 1 17:38:19 | 05:38:19 PM | 2 17:38:19 | 05:38 PM | 3 17:38:19 | 17:38:19
date/time | 4 17:38:19 | 17:38 | 1 00:00:00 | 12:00:00 AM | 2 12:05:00 | 12:05 PM
)";

TEST(TextRules, TurnTextIntoText) {
  std::istringstream table(kCases);
  for (std::string line; std::getline(table, line);) {
    std::vector<std::string> fields;
    for (size_t start = 0, bar; start < line.size(); start = bar + 3) {
      bar = std::min(line.find(" | ", start), line.size());
      const std::string field = line.substr(start, bar - start);
      fields.push_back(field == "\"\"" ? "" : field);
    }
    for (size_t i = 1; i + 1 < fields.size(); i += 2)
      EXPECT_EQ(kRules.at(fields[0])(fields[i]), fields[i + 1]) << fields[0] << ": " << fields[i];
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
