// Numbers, severities, dates, times and fitted texts.
#include <gtest/gtest.h>

#include "event_format.h"
#include "fit_text.h"
#include "path_text.h"
#include "severity.h"

namespace lomvex {
namespace {

TEST(SeverityFromLevel, ClassifiesAndRejects) {
  const std::vector<std::pair<int, std::vector<const char*>>> levels = {
      {1, {"-1", "81", "-32768", "32767"}},
      {2, {"41", "80", "  55  ", "080"}},
      {3, {"21", "40", "40.5", "21.5", "20.51", "40.49"}},
      {4, {"20", "0", "20.5", "-0.5"}},
      {0,
       {"", "   ", "abc", "40000", "-32769", "32767.5", "+5", "1e2", "0x10", "1,000", "5 apples",
        "5.", ".5", "-", "99999999999999999999999", "1\t"}},  // not levels
  };
  for (const auto& [code, texts] : levels) {
    for (const char* text : texts) {
      EXPECT_EQ(SeverityFromLevel(text).value_or(0), code) << "'" << text << "'";
    }
  }
}

TEST(FormatEventDateAndTime, CutsTrimsAndFormats) {
  // The stamp, the date and the time.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"2000-10-12 13:45:00", "Oct 12, 2000", "01:45:00 PM"},
      {"  2026-12-06 00:05:09  ", "Dec 06, 2026", "12:05:09 AM"},
      {"10/12/2000 12:00:00", "Oct 12, 2000", "12:00:00 PM"},
      {"2024-02-29 23:59:59", "Feb 29, 2024", "11:59:59 PM"},
      {"2023-02-29 24:00:00", "2023-02-29", "24:00:00"},  // no such date or time
      {"2000-13-01 12:60:00", "2000-13-01", "12:60:00"},
      {"13/01/2000 1:02:03", "13/01/2000", " 1:02:03"},
      {"2000-1-1", "2000-1-1", "2000-1-1"},  // short stamps are used whole
      {"12:30:00", "12:30:00", "12:30:00 PM"},
      {"", "", ""},
      {"garbage text here", "garbage te", "ext here"},
      {"2000-10-12T07:08:09", "Oct 12, 2000", "07:08:09 AM"},
  };
  for (const auto& [stamp, date, time] : cases) {
    EXPECT_EQ(FormatEventDate(stamp), date) << stamp;
    EXPECT_EQ(FormatEventTime(stamp), time) << stamp;
  }
}

TEST(FormatEventDate, UsesTheLocaleNames) {
  TextLocale locale = EnglishTextLocale();
  locale.month_abbrev[9] = "okt.";
  locale.pm = "nachm.";
  EXPECT_EQ(FormatEventDate("2000-10-12 13:45:00", locale), "okt. 12, 2000");
  EXPECT_EQ(FormatEventTime("2000-10-12 13:45:00", locale), "01:45:00 nachm.");
}

TEST(FormatDates, WeekdaysAndTheHoursAroundNoonAndMidnight) {
  EXPECT_EQ(FormatLongDate({2000, 2, 29}), "Tuesday February 29, 2000");
  EXPECT_EQ(FormatLongDate({1999, 1, 1}), "Friday January 01, 1999");
  EXPECT_EQ(FormatClock({15, 7, 0}), "03:07 PM");
  EXPECT_EQ(FormatClock({0, 0, 59}), "12:00 AM");
  EXPECT_EQ(FormatClock({12, 30, 0}), "12:30 PM");
}

TEST(Fit, PadsCentresAndCuts) {
  struct Case {
    std::string (*fit)(std::string_view, int, int);
    const char* text;
    int width;
    int mode;
    const char* expected;
  } cases[] = {
      {FitLeft, "abc", 5, 0, "abc  "},     {FitRight, "abc", 5, 0, "  abc"},
      {FitCenter, "abc", 5, 0, " abc "},   {FitCenter, "abc", 4, 0, "abc"},  // gap 1: no padding
      {FitCenter, "abc", 6, 0, "  abc  "},                                   // gap 3: two each side
      {FitCenter, "abc", 8, 0, "  abc  "},                                   // gap 5: two each side
      {FitCenter, "a", 8, 0, "    a    "},  // gap 7: four each side
      {FitLeft, "abcdef", 4, 0, "abcdef"}, {FitLeft, "abcdef", 4, 1, "cdef"},
      {FitLeft, "abcdef", 4, 2, "abcd"},   {FitLeft, "abcdef", 4, 3, ""},
      {FitRight, "abcdef", 4, -1, ""},     {FitCenter, "abcdef", 4, 1, "cdef"},
      {FitLeft, "abcd", 4, 3, "abcd"},  // exactly the width: unchanged, whatever the mode
      {FitCenter, "abcd", 4, 9, "abcd"},   {FitRight, "abcd", 4, 1, "abcd"},
      {FitLeft, "", 3, 0, "   "},          {FitLeft, "ab", 0, 2, ""},
      {FitLeft, "ab", -3, 2, ""},          {FitRight, "ab", -3, 0, "ab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.fit(c.text, c.width, c.mode), c.expected)
        << c.text << " width " << c.width << " mode " << c.mode;
  }
}

TEST(FolderOfPath, KeepsUpToTheLastBackslash) {
  EXPECT_EQ(FolderOfPath("C:\\Program Files\\BlackIce\\attack-list.csv"),
            "C:\\Program Files\\BlackIce\\");
  EXPECT_EQ(FolderOfPath("C:\\attack-list.csv"), "C:\\");
  EXPECT_EQ(FolderOfPath("attack-list.csv"), "");
  EXPECT_EQ(FolderOfPath("C:\\data\\"), "C:\\data\\");
  EXPECT_EQ(FolderOfPath("/home/user/attack-list.csv"), "");
  EXPECT_EQ(FolderOfPath(""), "");
}

}  // namespace
}  // namespace lomvex
