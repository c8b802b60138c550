// The printed page of the attack information view, as lines of fixed-pitch
// text: a centred heading, the rows "Date:" to "DNS:" and the description.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "event_format.h"
#include "info_rows.h"
#include "text_locale.h"

namespace lomvex {

// The page's lines in order. Every line with content starts with the
// printer's indent of four blanks, the description's line always; the other
// lines are empty. Only the first ten rows are printed.
std::vector<std::string> AttackInfoPageLines(std::span<const InfoRow> rows,
                                             std::string_view description,
                                             std::string_view host_name, CalendarDate today,
                                             const TextLocale& locale);

}  // namespace lomvex
