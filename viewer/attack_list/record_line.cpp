#include "record_line.h"

#include <cstring>

namespace lomvex {

bool LineReader::Next(std::string_view& line) {
  if (position_ >= text_.size()) return false;
  const char* start = text_.data() + position_;
  size_t remaining = text_.size() - position_;
  const void* end = std::memchr(start, '\r', remaining);
  if (end == nullptr) {
    line = std::string_view(start, remaining);
    position_ = text_.size();
    return true;
  }
  size_t length = static_cast<const char*>(end) - start;
  line = std::string_view(start, length);
  position_ += length + 1;
  if (position_ < text_.size() && text_[position_] == '\n') ++position_;
  return true;
}

RecordFields SplitRecordFields(std::string_view line) {
  RecordFields result;
  if (line.empty()) return result;  // an empty line has no fields at all
  size_t start = 0;
  while (result.count < kRecordFields) {
    size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) {
      result.field[result.count++] = line.substr(start);
      break;
    }
    result.field[result.count++] = line.substr(start, comma - start);
    start = comma + 1;
  }
  return result;
}

std::optional<AttackRecord> ParseAttackRecord(std::string_view line) {
  RecordFields fields = SplitRecordFields(line);
  if (fields.count < kRecordFields) return std::nullopt;
  std::optional<SeverityCode> severity = SeverityFromLevel(fields.field[0]);
  if (!severity) return std::nullopt;
  const auto& f = fields.field;
  return AttackRecord{*severity, f[1], f[2], f[3], f[4], f[5], f[6], f[9]};
}

}  // namespace lomvex
