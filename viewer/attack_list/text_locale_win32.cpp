#include "text_locale_win32.h"

#include <windows.h>

namespace lomvex {
namespace {

void ReadLocaleText(LCTYPE type, std::string& text) {
  char buffer[80];
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) > 1) text = buffer;
}

}  // namespace

TextLocale UserTextLocale() {
  TextLocale locale = EnglishTextLocale();
  for (int month = 0; month < 12; ++month) {
    ReadLocaleText(LOCALE_SABBREVMONTHNAME1 + month, locale.month_abbrev[month]);
    ReadLocaleText(LOCALE_SMONTHNAME1 + month, locale.month_name[month]);
  }
  // The platform counts days from Monday (LOCALE_SDAYNAME1) to Sunday (7).
  for (int day = 0; day < 7; ++day) {
    ReadLocaleText(LOCALE_SDAYNAME1 + (day + 6) % 7, locale.day_name[day]);
  }
  ReadLocaleText(LOCALE_S1159, locale.am);
  ReadLocaleText(LOCALE_S2359, locale.pm);
  return locale;
}

}  // namespace lomvex
