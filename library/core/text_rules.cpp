#include "text_rules.h"

#include <algorithm>

namespace pelmar {

void StripSlashes(std::string& path) {
  if (!path.empty() && path.front() == '\\') path.erase(0, 1);
  if (!path.empty() && path.back() == '\\') path.pop_back();
}

bool AllNumberChars(std::string_view text) {
  if (text.empty()) return false;
  return text.find_first_not_of("0123456789-.") == std::string_view::npos;
}

std::string AsciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string AsciiUpper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::vector<std::string> SplitRequest(std::string_view request) {
  std::vector<std::string> parts;
  if (request.empty()) return parts;
  for (size_t start = 0;;) {
    const size_t bar = request.find('|', start);
    parts.emplace_back(request.substr(start, bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return parts;
}

std::string IniFileName(std::string name) {
  if (name.find('.') == std::string::npos) name += ".Ini";
  return name;
}

std::string FileExtension(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return std::string(name);
  return std::string(name.substr(dot + 1));
}

std::string FormatPlain(int64_t value) { return std::to_string(value); }

std::string FormatGrouped(uint64_t value, std::string_view separator) {
  if (value == 0) return {};
  const std::string digits = std::to_string(value);
  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
    text += digits[i];
  }
  return text;
}

}  // namespace pelmar
