#include "viewer_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lomvex {
namespace {

struct Entry {
  int id;
  std::string_view text;
};

constexpr Entry kTable[] = {
#define LOMVEX_STRING(id, text) {id, text},
#include "viewer_strings.inc"
#undef LOMVEX_STRING
};

}  // namespace

std::string_view ViewerText(int id) {
  for (const Entry& entry : kTable) {
    if (entry.id == id) return entry.text;
  }
  return {};
}

std::string FillValue(std::string_view text, std::string_view value) {
  std::string result(text);
  size_t at = result.find("&&&");
  if (at != std::string::npos) result.replace(at, 3, value);
  return result;
}

std::string ExpandLineBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '&') {
      result += "\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace lomvex
