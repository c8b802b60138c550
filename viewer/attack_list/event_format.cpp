#include "event_format.h"

#include "decimal_number.h"

namespace lomvex {
namespace {

bool ReadDigits(std::string_view text, size_t at, size_t count, int& value) {
  value = 0;
  for (size_t i = at; i < at + count; ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<CalendarDate> Validated(int year, int month, int day) {
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  return CalendarDate{year, month, day};
}

void AppendTwoDigits(std::string& out, int value) {
  out += static_cast<char>('0' + value / 10 % 10);
  out += static_cast<char>('0' + value % 10);
}

void AppendYear(std::string& out, int year) {
  AppendTwoDigits(out, year / 100);
  AppendTwoDigits(out, year % 100);
}

void AppendShortDate(std::string& out, CalendarDate date, const TextLocale& locale) {
  out += locale.month_abbrev[date.month - 1];
  out += ' ';
  AppendTwoDigits(out, date.day);
  out += ", ";
  AppendYear(out, date.year);
}

int TwelveHour(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

const std::string& Designator(int hour, const TextLocale& locale) {
  return hour < 12 ? locale.am : locale.pm;
}

}  // namespace

std::optional<CalendarDate> RecognizeDate(std::string_view text) {
  if (text.size() != 10) return std::nullopt;
  int year, month, day;
  if (text[4] == '-' && text[7] == '-') {
    if (ReadDigits(text, 0, 4, year) && ReadDigits(text, 5, 2, month) &&
        ReadDigits(text, 8, 2, day)) {
      return Validated(year, month, day);
    }
  } else if (text[2] == '/' && text[5] == '/') {
    if (ReadDigits(text, 0, 2, month) && ReadDigits(text, 3, 2, day) &&
        ReadDigits(text, 6, 4, year)) {
      return Validated(year, month, day);
    }
  }
  return std::nullopt;
}

std::optional<TimeOfDay> RecognizeTime(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  int hour, minute, second;
  if (!ReadDigits(text, 0, 2, hour) || !ReadDigits(text, 3, 2, minute) ||
      !ReadDigits(text, 6, 2, second)) {
    return std::nullopt;
  }
  if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
  return TimeOfDay{hour, minute, second};
}

void AppendEventDate(std::string& out, std::string_view stamp, const TextLocale& locale) {
  std::string_view date = TrimBlanks(stamp).substr(0, 10);
  if (std::optional<CalendarDate> parsed = RecognizeDate(date)) {
    AppendShortDate(out, *parsed, locale);
  } else {
    out += date;
  }
}

void AppendEventTime(std::string& out, std::string_view stamp, const TextLocale& locale) {
  std::string_view trimmed = TrimBlanks(stamp);
  std::string_view time = trimmed.size() > 8 ? trimmed.substr(trimmed.size() - 8) : trimmed;
  if (std::optional<TimeOfDay> parsed = RecognizeTime(time)) {
    AppendTwoDigits(out, TwelveHour(parsed->hour));
    out += ':';
    AppendTwoDigits(out, parsed->minute);
    out += ':';
    AppendTwoDigits(out, parsed->second);
    out += ' ';
    out += Designator(parsed->hour, locale);
  } else {
    out += time;
  }
}

std::string FormatEventDate(std::string_view stamp, const TextLocale& locale) {
  std::string out;
  AppendEventDate(out, stamp, locale);
  return out;
}

std::string FormatEventTime(std::string_view stamp, const TextLocale& locale) {
  std::string out;
  AppendEventTime(out, stamp, locale);
  return out;
}

std::string FormatShortDate(CalendarDate date, const TextLocale& locale) {
  std::string out;
  AppendShortDate(out, date, locale);
  return out;
}

int DayOfWeek(CalendarDate date) {
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int year = date.month < 3 ? date.year - 1 : date.year;
  return (year + year / 4 - year / 100 + year / 400 + kOffsets[date.month - 1] + date.day) % 7;
}

std::string FormatLongDate(CalendarDate date, const TextLocale& locale) {
  std::string out = locale.day_name[DayOfWeek(date)];
  out += ' ';
  out += locale.month_name[date.month - 1];
  out += ' ';
  AppendTwoDigits(out, date.day);
  out += ", ";
  AppendYear(out, date.year);
  return out;
}

std::string FormatClock(TimeOfDay time, const TextLocale& locale) {
  std::string out;
  AppendTwoDigits(out, TwelveHour(time.hour));
  out += ':';
  AppendTwoDigits(out, time.minute);
  out += ' ';
  out += Designator(time.hour, locale);
  return out;
}

}  // namespace lomvex
