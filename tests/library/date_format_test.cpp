#include "date_format.h"

#include <gtest/gtest.h>

namespace pelmar {
namespace {

TEST(DayNumber, CountsFromTheThirtiethOfDecember1899) {
  const std::pair<DateTime, int32_t> cases[] = {
      {{1899, 12, 30}, 0},    {{1899, 12, 29}, -1},   {{1900, 3, 1}, 61},
      {{2000, 9, 11}, 36780}, {{2024, 2, 29}, 45351},
  };
  for (const auto& [when, expected] : cases) EXPECT_EQ(DayNumber(when), expected) << expected;
}

TEST(FormatDateTime, WritesTheFourDateAndFourTimeTypes) {
  const DateTime evening{2000, 9, 11, 17, 38, 19};
  using Patterns = std::optional<std::string_view> (*)(int32_t);
  const std::tuple<Patterns, int32_t, DateTime, std::string> cases[] = {
      {DatePattern, 1, evening, "September 11, 2000"},
      {DatePattern, 2, evening, "September 11, 00"},
      {DatePattern, 3, evening, "09/11/2000"},
      {DatePattern, 4, {2009, 1, 2}, "01/02/09"},
      {TimePattern, 1, evening, "05:38:19 PM"},
      {TimePattern, 2, evening, "05:38 PM"},
      {TimePattern, 3, evening, "17:38:19"},
      {TimePattern, 4, evening, "17:38"},
      {TimePattern, 1, {2000, 9, 11, 0, 0, 0}, "12:00:00 AM"},
      {TimePattern, 3, {2000, 9, 11, 0, 0, 0}, "00:00:00"},
      {TimePattern, 2, {2000, 9, 11, 12, 5, 0}, "12:05 PM"},
      {TimePattern, 1, {2000, 9, 11, 11, 59, 59}, "11:59:59 AM"},
  };
  for (const auto& [patterns, type, when, expected] : cases) {
    EXPECT_EQ(FormatDateTime(*patterns(type), when, EnglishDateLocale()), expected);
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
