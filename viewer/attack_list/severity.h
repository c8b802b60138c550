// Severity classes of the firewall's events.
#pragma once

#include <optional>
#include <string_view>

namespace lomvex {

// 1 Critical, 2 Serious, 3 Suspicious, 4 Non-Threatening; also the index of the
// row's small image in the main list.
using SeverityCode = int;

// The code of a level text (field 0), or nothing when the text is not a number
// in the 16-bit signed range.
std::optional<SeverityCode> SeverityFromLevel(std::string_view level);

// The name shown to the user for a code from 1 to 4.
std::string_view SeverityName(SeverityCode code);

}  // namespace lomvex
