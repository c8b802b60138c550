// Date and time texts of the list, the status bar and the printouts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text_locale.h"

namespace lomvex {

struct CalendarDate {
  int year;
  int month;  // 1..12
  int day;    // 1..31
};

struct TimeOfDay {
  int hour;  // 0..23
  int minute;
  int second;
};

// A valid calendar date written YYYY-MM-DD or MM/DD/YYYY.
std::optional<CalendarDate> RecognizeDate(std::string_view text);
// A valid 24-hour time written HH:MM:SS.
std::optional<TimeOfDay> RecognizeTime(std::string_view text);

// The date text of a stamp (field 1): its first ten characters after trimming,
// written "mmm dd, yyyy" when recognised, otherwise unchanged.
std::string FormatEventDate(std::string_view stamp, const TextLocale& locale = EnglishTextLocale());
// The time text of a stamp: its last eight characters after trimming, written
// "hh:mm:ss ampm" when recognised, otherwise unchanged.
std::string FormatEventTime(std::string_view stamp, const TextLocale& locale = EnglishTextLocale());

// The same, appending to a buffer (the loader's text store).
void AppendEventDate(std::string& out, std::string_view stamp, const TextLocale& locale);
void AppendEventTime(std::string& out, std::string_view stamp, const TextLocale& locale);

// "mmm dd, yyyy", for example "Dec 06, 2026".
std::string FormatShortDate(CalendarDate date, const TextLocale& locale = EnglishTextLocale());
// "dddd mmmm dd, yyyy", for example "Sunday December 06, 2026".
std::string FormatLongDate(CalendarDate date, const TextLocale& locale = EnglishTextLocale());
// "hh:mm ampm", for example "03:07 PM".
std::string FormatClock(TimeOfDay time, const TextLocale& locale = EnglishTextLocale());

// 0 for Sunday to 6 for Saturday.
int DayOfWeek(CalendarDate date);

}  // namespace lomvex
