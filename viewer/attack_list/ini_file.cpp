// A profile (INI) file read and written by the program itself, with the rules
// of the platform's profile functions: section and key names compared without
// regard to case, blanks around names and values dropped, one pair of matching
// quotes around a value removed, the first of two equal keys winning.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "profile_store.h"

namespace lomvex {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimSpace(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
           return lower(x) == lower(y);
         });
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimSpace(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  size_t close = line.find(']');
  if (close == std::string_view::npos) close = line.size();
  return TrimSpace(line.substr(1, close - 1));
}

class IniFile final : public ProfileStore {
 public:
  explicit IniFile(std::string path) : path_(std::move(path)) {}

  size_t GetString(std::string_view section, std::string_view key, char* buffer,
                   size_t size) override {
    if (size == 0) return 0;
    buffer[0] = '\0';
    std::optional<std::string> value = Find(section, key);
    if (!value) return 0;
    size_t copied = std::min(value->size(), size - 1);
    std::memcpy(buffer, value->data(), copied);
    buffer[copied] = '\0';
    return copied;
  }

  bool WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override {
    std::vector<std::string> lines = Load();
    std::string entry = std::string(key) + "=" + std::string(value);
    std::optional<size_t> section_line;
    size_t last_of_section = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (std::optional<std::string_view> name = SectionName(lines[i])) {
        if (section_line) break;
        if (SameName(*name, section)) section_line = last_of_section = i;
        continue;
      }
      if (!section_line || TrimSpace(lines[i]).empty()) continue;
      last_of_section = i;
      std::optional<std::string_view> name = KeyOf(lines[i]);
      if (name && SameName(*name, key)) {
        lines[i] = entry;
        return Save(lines);
      }
    }
    if (section_line) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last_of_section + 1), entry);
    } else {
      lines.push_back("[" + std::string(section) + "]");
      lines.push_back(entry);
    }
    return Save(lines);
  }

 private:
  static std::optional<std::string_view> KeyOf(std::string_view line) {
    std::string_view trimmed = TrimSpace(line);
    if (trimmed.empty()) return std::nullopt;
    size_t equals = trimmed.find('=');
    return TrimSpace(trimmed.substr(0, equals));
  }

  std::vector<std::string> Load() const {
    std::ifstream in(path_, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return SplitLines(text.str());
  }

  bool Save(const std::vector<std::string>& lines) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const std::string& line : lines) out << line << "\r\n";
    out.flush();
    return static_cast<bool>(out);
  }

  std::optional<std::string> Find(std::string_view section, std::string_view key) const {
    bool in_section = false;
    for (const std::string& line : Load()) {
      if (std::optional<std::string_view> name = SectionName(line)) {
        in_section = SameName(*name, section);
        continue;
      }
      if (!in_section) continue;
      std::string_view trimmed = TrimSpace(line);
      size_t equals = trimmed.find('=');
      std::optional<std::string_view> name = KeyOf(line);
      if (equals == std::string_view::npos || !name || !SameName(*name, key)) continue;
      std::string_view value = TrimSpace(trimmed.substr(equals + 1));
      if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
          value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
      }
      return std::string(value);
    }
    return std::nullopt;
  }

  std::string path_;
};

}  // namespace

std::unique_ptr<ProfileStore> OpenIniFile(std::string path) {
  return std::make_unique<IniFile>(std::move(path));
}

}  // namespace lomvex
