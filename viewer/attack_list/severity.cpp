#include "severity.h"

#include "decimal_number.h"

namespace lomvex {

std::optional<SeverityCode> SeverityFromLevel(std::string_view level) {
  std::optional<std::int64_t> value = ParseRoundedWhole(level);
  if (!value || *value < -32768 || *value > 32767) return std::nullopt;
  if (*value >= 0 && *value <= 20) return 4;
  if (*value >= 21 && *value <= 40) return 3;
  if (*value >= 41 && *value <= 80) return 2;
  return 1;
}

std::string_view SeverityName(SeverityCode code) {
  switch (code) {
    case 1:
      return "Critical";
    case 2:
      return "Serious";
    case 3:
      return "Suspicious";
    case 4:
      return "Non-Threatening";
    default:
      return {};
  }
}

}  // namespace lomvex
