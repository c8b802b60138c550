#include "date_format.h"

#include <cstdio>

namespace pelmar {
namespace {

std::string Digits(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}
std::string TwoDigits(int value) { return Digits(value, 2); }

bool StartsWith(std::string_view text, size_t at, std::string_view token) {
  return text.substr(at, token.size()) == token;
}

// Days from 1 January 1970 of a civil date (proleptic Gregorian calendar).
int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t year_of_era = year - era * 400;
  const int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

}  // namespace

DateLocale EnglishDateLocale() {
  return {{"January", "February", "March", "April", "May", "June", "July", "August", "September",
           "October", "November", "December"},
          "AM",
          "PM",
          "/",
          ":"};
}

int32_t DayNumber(const DateTime& when) {
  return static_cast<int32_t>(DaysFromCivil(when.year, when.month, when.day) -
                              DaysFromCivil(1899, 12, 30));
}

double DayFraction(const DateTime& when) {
  return (when.hour * 3600 + when.minute * 60 + when.second) / 86400.0;
}

std::optional<std::string_view> DatePattern(int32_t date_type) {
  switch (date_type) {
    case 1:
      return "mmmm dd, yyyy";
    case 2:
      return "mmmm dd, yy";
    case 3:
      return "mm/dd/yyyy";
    case 4:
      return "mm/dd/yy";
    default:
      return std::nullopt;
  }
}

std::optional<std::string_view> TimePattern(int32_t time_type) {
  switch (time_type) {
    case 1:
      return "hh:mm:ss ampm";
    case 2:
      return "hh:mm ampm";
    case 3:
      return "hh:mm:ss";
    case 4:
      return "hh:mm";
    default:
      return std::nullopt;
  }
}

std::string FormatDateTime(std::string_view pattern, const DateTime& when,
                           const DateLocale& locale) {
  const bool twelve_hour = pattern.find("ampm") != std::string_view::npos;
  std::string text;
  bool after_hour = false;  // "mm" right after "hh" and ":" means minutes
  for (size_t at = 0; at < pattern.size();) {
    if (StartsWith(pattern, at, "mmmm")) {
      if (when.month >= 1 && when.month <= 12) text += locale.month_names[when.month - 1];
      at += 4;
    } else if (StartsWith(pattern, at, "mm")) {
      text += TwoDigits(after_hour ? when.minute : when.month);
      at += 2;
    } else if (StartsWith(pattern, at, "dd")) {
      text += TwoDigits(when.day);
      at += 2;
    } else if (StartsWith(pattern, at, "yyyy")) {
      text += Digits(when.year, 4);
      at += 4;
    } else if (StartsWith(pattern, at, "yy")) {
      text += TwoDigits(when.year % 100);
      at += 2;
    } else if (StartsWith(pattern, at, "hh")) {
      int hour = when.hour;
      if (twelve_hour) hour = hour % 12 == 0 ? 12 : hour % 12;
      text += TwoDigits(hour);
      at += 2;
      after_hour = StartsWith(pattern, at, ":");
      continue;
    } else if (StartsWith(pattern, at, "ss")) {
      text += TwoDigits(when.second);
      at += 2;
    } else if (StartsWith(pattern, at, "ampm")) {
      text += when.hour < 12 ? locale.am : locale.pm;
      at += 4;
    } else if (pattern[at] == '/') {
      text += locale.date_separator;
      ++at;
    } else if (pattern[at] == ':') {
      text += locale.time_separator;
      ++at;
      continue;  // keeps `after_hour` for the "mm" that follows
    } else {
      text += pattern[at];
      ++at;
    }
    after_hour = false;
  }
  return text;
}

}  // namespace pelmar
