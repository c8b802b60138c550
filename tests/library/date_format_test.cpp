#include "date_format.h"

#include <gtest/gtest.h>

namespace pelmar {
namespace {

DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return {year, month, day, hour, minute, second};
}

TEST(DayNumber, CountsFromTheThirtiethOfDecember1899) {
  EXPECT_EQ(DayNumber(At(1899, 12, 30)), 0);
  EXPECT_EQ(DayNumber(At(1899, 12, 29)), -1);
  EXPECT_EQ(DayNumber(At(1900, 3, 1)), 61);
  EXPECT_EQ(DayNumber(At(2000, 9, 11)), 36780);
  EXPECT_EQ(DayNumber(At(2024, 2, 29)), 45351);
}

TEST(FormatDateTime, WritesTheFourDateTypes) {
  const DateLocale english = EnglishDateLocale();
  const struct {
    int32_t type;
    DateTime when;
    std::string expected;
  } cases[] = {
      {1, At(2000, 9, 11), "September 11, 2000"},
      {2, At(2000, 9, 11), "September 11, 00"},
      {3, At(2000, 9, 11), "09/11/2000"},
      {4, At(2000, 9, 11), "09/11/00"},
      {4, At(2009, 1, 2), "01/02/09"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDateTime(*DatePattern(c.type), c.when, english), c.expected) << c.type;
  }
}

TEST(FormatDateTime, WritesTheFourTimeTypes) {
  const DateLocale english = EnglishDateLocale();
  const struct {
    int32_t type;
    DateTime when;
    std::string expected;
  } cases[] = {
      {1, At(2000, 9, 11, 17, 38, 19), "05:38:19 PM"},
      {2, At(2000, 9, 11, 17, 38, 19), "05:38 PM"},
      {3, At(2000, 9, 11, 17, 38, 19), "17:38:19"},
      {4, At(2000, 9, 11, 17, 38, 19), "17:38"},
      {1, At(2000, 9, 11, 0, 0, 0), "12:00:00 AM"},
      {3, At(2000, 9, 11, 0, 0, 0), "00:00:00"},
      {2, At(2000, 9, 11, 12, 5, 0), "12:05 PM"},
      {1, At(2000, 9, 11, 11, 59, 59), "11:59:59 AM"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDateTime(*TimePattern(c.type), c.when, english), c.expected) << c.type;
  }
}

TEST(FormatDateTime, TakesNamesAndSeparatorsFromTheLocale) {
  DateLocale german = EnglishDateLocale();
  german.month_names[8] = "September";
  german.month_names[2] = "M\xE4rz";
  german.am = "";
  german.pm = "";
  german.date_separator = ".";
  german.time_separator = ".";
  EXPECT_EQ(FormatDateTime(*DatePattern(1), At(2001, 3, 5), german), "M\xE4rz 05, 2001");
  EXPECT_EQ(FormatDateTime(*DatePattern(3), At(2001, 3, 5), german), "03.05.2001");
  EXPECT_EQ(FormatDateTime(*TimePattern(1), At(2001, 3, 5, 7, 8, 9), german), "07.08.09 ");
}

TEST(DatePattern, HasNoneOutsideOneToFour) {
  for (int32_t type : {0, 5, -1}) {
    EXPECT_FALSE(DatePattern(type)) << type;
    EXPECT_FALSE(TimePattern(type)) << type;
  }
}

}  // namespace
}  // namespace pelmar
