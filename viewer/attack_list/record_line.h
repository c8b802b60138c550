// Lines and records of the attack list as the firewall writes them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "severity.h"

namespace lomvex {

constexpr size_t kRecordFields = 10;

// Walks the lines of a buffer: a line ends at a carriage return, and a line
// feed directly after it is dropped; a line feed on its own is line content.
// A last line without a line end is a line; a file ending in a line end has no
// empty line after it.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool Next(std::string_view& line);

 private:
  std::string_view text_;
  size_t position_ = 0;
};

// The first ten fields of a record line, split at every comma; count says how
// many of them the line has (at most ten).
struct RecordFields {
  std::array<std::string_view, kRecordFields> field{};
  size_t count = 0;
};
RecordFields SplitRecordFields(std::string_view line);

// One parsed record.
struct AttackRecord {
  SeverityCode severity = 0;
  std::string_view stamp;             // field 1: the date text and time text come from it
  std::string_view attack_id;         // field 2
  std::string_view attack_type;       // field 3
  std::string_view intruder_address;  // field 4
  std::string_view intruder_name;     // field 5
  std::string_view HostName;          // field 6
  std::string_view count;             // field 9, never read as a number
};

// The record of a line, or nothing when the line is not a record (empty,
// fewer than ten fields, or a level that is not a 16-bit whole number).
std::optional<AttackRecord> ParseAttackRecord(std::string_view line);

}  // namespace lomvex
