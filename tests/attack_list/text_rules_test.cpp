// Numbers, severities, dates, times and fitted texts.
#include <gtest/gtest.h>

#include "event_format.h"
#include "fit_text.h"
#include "severity.h"

namespace lomvex {
namespace {

TEST(SeverityFromLevel, ClassifiesAndRejects) {
  const std::vector<std::pair<int, std::vector<const char*>>> levels = {
      {1, {"-1", "81", "-32768", "32767"}},
      {2, {"41", "80", "  55  "}},
      {3, {"21", "40", "40.5", "20.51"}},
      {4, {"20", "20.5", "-0.5"}},
      {0,
       {"", "abc", "40000", "-32769", "32767.5", "+5", "1e2", "5 apples", "5.", ".5", "-",
        "99999999999999999999999", "1\t"}},  // not levels
  };
  for (const auto& [code, texts] : levels)
    for (const char* text : texts)
      EXPECT_EQ(SeverityFromLevel(text).value_or(0), code) << "'" << text << "'";
}

TEST(FormatEventDateAndTime, CutsTrimsAndFormatsInTheLocale) {
  // The stamp, the date and the time.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"2000-10-12 13:45:00", "Oct 12, 2000", "01:45:00 PM"},
      {"  2026-12-06 00:05:09  ", "Dec 06, 2026", "12:05:09 AM"},
      {"10/12/2000 12:00:00", "Oct 12, 2000", "12:00:00 PM"},
      {"2023-02-29 24:00:00", "2023-02-29", "24:00:00"},  // no such date or time
      {"2000-13-01 12:60:00", "2000-13-01", "12:60:00"},
      {"2000-1-1", "2000-1-1", "2000-1-1"},  // short stamps are used whole
      {"12:30:00", "12:30:00", "12:30:00 PM"},
      {"garbage text here", "garbage te", "ext here"},
      {"2000-10-12T07:08:09", "Oct 12, 2000", "07:08:09 AM"}};
  for (const auto& [stamp, date, time] : cases) {
    EXPECT_EQ(FormatEventDate(stamp), date) << stamp;
    EXPECT_EQ(FormatEventTime(stamp), time) << stamp;
  }
  TextLocale locale = EnglishTextLocale();
  locale.month_abbrev[9] = "okt.";
  locale.pm = "nachm.";
  EXPECT_EQ(FormatEventDate("2000-10-12 13:45:00", locale), "okt. 12, 2000");
  EXPECT_EQ(FormatEventTime("2000-10-12 13:45:00", locale), "01:45:00 nachm.");
}

TEST(FormatDates, WeekdaysAndTheHoursAroundNoonAndMidnight) {
  EXPECT_EQ(FormatLongDate({2000, 2, 29}), "Tuesday February 29, 2000");
  EXPECT_EQ(FormatClock({15, 7, 0}) + FormatClock({0, 0, 59}) + FormatClock({12, 30, 0}),
            "03:07 PM12:00 AM12:30 PM");
}

TEST(Fit, PadsCentresAndCuts) {
  // The fitting, the text, the width, the mode and the fitted text.
  const std::tuple<std::string (*)(std::string_view, int, int), const char*, int, int, const char*>
      cases[] = {
          {FitLeft, "abc", 5, 0, "abc  "},
          {FitRight, "abc", 5, 0, "  abc"},
          {FitCenter, "abc", 5, 0, " abc "},
          {FitCenter, "abc", 4, 0, "abc"},      // gap 1: no padding
          {FitCenter, "abc", 6, 0, "  abc  "},  // gap 3: two each side
          {FitLeft, "abcdef", 4, 0, "abcdef"},
          {FitLeft, "abcdef", 4, 1, "cdef"},
          {FitLeft, "abcdef", 4, 2, "abcd"},
          {FitLeft, "abcdef", 4, 3, ""},
          {FitCenter, "abcd", 4, 9, "abcd"},  // exactly the width: unchanged, whatever the mode
          {FitLeft, "ab", -3, 2, ""},
          {FitRight, "ab", -3, 0, "ab"}};
  for (const auto& [fit, text, width, mode, fitted] : cases)
    EXPECT_EQ(fit(text, width, mode), fitted) << text << " width " << width << " mode " << mode;
}

}  // namespace
}  // namespace lomvex
