#include "firewall_files.h"

#include <algorithm>
#include <array>

#include "decimal_number.h"
#include "record_line.h"

namespace lomvex {
namespace {

constexpr size_t kIssueListHeaderLines = 6;
constexpr size_t kDescriptionField = 8;

// The firewall's issue list describes a few hundred kinds of attack; a host
// file holds a few lines. Files far beyond that are not the firewall's and
// are not read, so a planted giant cannot take the viewer's memory.
constexpr size_t kMaxIssueListBytes = size_t{32} << 20;
constexpr size_t kMaxHostFileBytes = size_t{1} << 20;

bool IsHostNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-';
}

std::string ReadExisting(FileAccess& files, const std::string& path, size_t max_bytes) {
  std::string contents;
  if (!files.PathExists(path)) return contents;
  if (files.ReadRegularFile(path, contents, max_bytes) != ReadStatus::kRead) contents.clear();
  return contents;
}

}  // namespace

std::string IssueDescriptionFromText(std::string_view contents, std::string_view attack_id) {
  attack_id = TrimBlanks(attack_id);
  LineReader lines(contents);
  std::string_view line;
  for (size_t skipped = 0; skipped < kIssueListHeaderLines; ++skipped) {
    if (!lines.Next(line)) return {};
  }
  while (lines.Next(line)) {
    RecordFields fields = SplitRecordFields(line);
    if (fields.count == 0) return {};
    if (fields.field[0] != attack_id) continue;
    if (fields.count <= kDescriptionField) return {};
    return std::string(fields.field[kDescriptionField]);
  }
  return {};
}

HostFacts HostFactsFromText(std::string_view contents) {
  HostFacts facts;
  const std::array<std::pair<std::string_view, std::string*>, 4> keys{{
      {"Group:", &facts.group},
      {"MAC:", &facts.mac},
      {"NetBIOS:", &facts.netbios},
      {"DNS:", &facts.dns},
  }};
  LineReader lines(contents);
  std::string_view line;
  while (lines.Next(line)) {
    size_t blank = line.find(' ');
    std::string_view value = blank == std::string_view::npos ? line : line.substr(blank + 1);
    if (value.empty()) continue;
    for (const auto& [key, text] : keys) {
      if (line.find(key) != std::string_view::npos) text->assign(value);
    }
  }
  return facts;
}

std::optional<std::string> HostFilePath(std::string_view data_folder, std::string_view address) {
  address = TrimBlanks(address);
  if (address.empty() || !std::all_of(address.begin(), address.end(), IsHostNameCharacter)) {
    return std::nullopt;
  }
  std::string path(data_folder);
  path += "hosts";
  path += kPathSeparator;
  for (char c : address) path += c == '.' ? '-' : c;
  path += ".txt";
  return path;
}

std::string ReadIssueDescription(FileAccess& files, std::string_view data_folder,
                                 std::string_view attack_id) {
  std::string path = std::string(data_folder) + "issuelist.csv";
  return IssueDescriptionFromText(ReadExisting(files, path, kMaxIssueListBytes), attack_id);
}

HostFacts ReadHostFile(FileAccess& files, std::string_view data_folder, std::string_view address) {
  std::optional<std::string> path = HostFilePath(data_folder, address);
  if (!path) return {};
  return HostFactsFromText(ReadExisting(files, *path, kMaxHostFileBytes));
}

}  // namespace lomvex
