#include "decimal_number.h"

namespace lomvex {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::int64_t kLimit = std::int64_t{1} << 62;

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::optional<std::int64_t> ParseRoundedWhole(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (whole.empty()) return std::nullopt;
  if (point != std::string_view::npos && fraction.empty()) return std::nullopt;

  std::int64_t magnitude = 0;
  for (char c : whole) {
    if (!IsDigit(c)) return std::nullopt;
    if (magnitude > (kLimit - (c - '0')) / 10) return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
  }
  for (char c : fraction) {
    if (!IsDigit(c)) return std::nullopt;
  }
  if (!fraction.empty()) {
    char first = fraction.front();
    bool rest_nonzero = fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
    bool round_up = first > '5' || (first == '5' && (rest_nonzero || magnitude % 2 == 1));
    if (round_up) ++magnitude;
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace lomvex
