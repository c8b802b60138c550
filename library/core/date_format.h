// Dates and times as the library's members give them: automation day numbers
// and the four date and four time patterns.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform.h"

namespace pelmar {

// Days since 30 December 1899 (day 0).
int32_t DayNumber(const DateTime& when);

// The part of the day elapsed: 0.0 at midnight, 0.5 at noon.
double DayFraction(const DateTime& when);

// The pattern of a DATE_TYPE or TIME_TYPE value; nothing outside 1 to 4.
std::optional<std::string_view> DatePattern(int32_t date_type);
std::optional<std::string_view> TimePattern(int32_t time_type);

// Formats with the tokens mmmm, mm, dd, yyyy, yy, hh, ss, ampm, "/" and ":".
std::string FormatDateTime(std::string_view pattern, const DateTime& when,
                           const DateLocale& locale);

}  // namespace pelmar
