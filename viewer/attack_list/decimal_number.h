// The one number grammar the viewer accepts from its files: blanks around, an
// optional minus sign, digits, and optionally a point followed by digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lomvex {

// The text as a whole number, a fraction rounded to the nearest whole number and
// an exact half to the even one. Nothing for any other text, or when the
// magnitude exceeds 2^62 (larger than anything the callers accept).
std::optional<std::int64_t> ParseRoundedWhole(std::string_view text);

// Blanks (spaces) trimmed from both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace lomvex
