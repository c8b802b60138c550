// Names a date or time is written with. English by default; the Windows build
// may fill them from the user's locale.
#pragma once

#include <array>
#include <string>

namespace lomvex {

struct TextLocale {
  std::array<std::string, 12> month_abbrev;  // "mmm"
  std::array<std::string, 12> month_name;    // "mmmm"
  std::array<std::string, 7> day_name;       // "dddd", Sunday first
  std::string am;
  std::string pm;
};

const TextLocale& EnglishTextLocale();

}  // namespace lomvex
