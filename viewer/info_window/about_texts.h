// The About view's texts: the two notices with the unscrambled rights holder
// and distribution terms, and the rows of system facts from the library.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "info_rows.h"

namespace lomvex {

// The rights holder from its stored (scrambled) text in the string table;
// empty when the stored text does not unscramble.
std::string RightsHolder(std::string_view stored);

// The distribution terms that the notice's "&&&" stands for.
std::string DistributionTerms();

// The rights notice: every "&" made a line break (CR LF), then every "~~~"
// made the holder.
std::string RightsNotice(std::string_view notice, std::string_view holder);

// The distribution notice: every "&&&" made the terms first, then every "~~~"
// made the holder, so a holder holding "&&&" keeps it; no line breaks.
std::string DistributionNotice(std::string_view notice, std::string_view terms,
                               std::string_view holder);

// The text with every "Memory" (exact case) taken out, blanks kept.
std::string WithoutMemoryWord(std::string_view text);

// "Memory:", an unlabelled continuation and "CPU Type:", from the library's
// TotalMemory, AvailMemory and CPUType texts; a text the library did not give
// leaves its value empty.
std::array<InfoRow, 3> BuildAboutRows(const std::optional<std::string>& total_memory,
                                      const std::optional<std::string>& available_memory,
                                      const std::optional<std::string>& cpu_type);

}  // namespace lomvex
