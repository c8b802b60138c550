#include "text_locale.h"

namespace lomvex {

const TextLocale& EnglishTextLocale() {
  static const TextLocale locale{
      {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
      {"January", "February", "March", "April", "May", "June", "July", "August", "September",
       "October", "November", "December"},
      {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
      "AM",
      "PM"};
  return locale;
}

}  // namespace lomvex
