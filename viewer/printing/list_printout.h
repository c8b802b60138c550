// The list printout: every line is built as text first, then handed to a sink.
#pragma once

#include <string>
#include <string_view>

#include "attack_list_model.h"
#include "event_format.h"
#include "print_sink.h"
#include "text_locale.h"

namespace lomvex {

inline constexpr int kPrintLinesPerPage = 45;
inline constexpr int kPrintHeaderLines = 5;

// What a printout shows besides the rows: the protected host of the list.
struct ListPrintout {
  const AttackListModel& list;
  std::string_view host_name;
};

// The five header lines of a page.
void PrintListHeader(const ListPrintout& printout, CalendarDate today, const TextLocale& locale,
                     PrintSink& sink);

// The line of one list row (display order): the indent, then the seven fields.
std::string ListRowLine(const AttackListModel& list, size_t row);

// Prints the whole list in its current order, 40 rows to a page.
void PrintAttackList(const ListPrintout& printout, CalendarDate today, const TextLocale& locale,
                     PrintSink& sink);

}  // namespace lomvex
