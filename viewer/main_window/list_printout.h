// The list printout: every line is built as text first, then handed to a sink
// (the printer, or any text output).
#pragma once

#include <string>
#include <string_view>

#include "event_format.h"
#include "main_list_state.h"
#include "text_locale.h"

namespace lomvex {

inline constexpr int kPrintLinesPerPage = 45;
inline constexpr int kPrintHeaderLines = 5;

class PrintSink {
 public:
  virtual ~PrintSink() = default;
  // Prints one line and moves to the next. May throw to end the printout.
  virtual void PrintLine(std::string_view line) = 0;
  // Starts a new page. May throw to end the printout.
  virtual void NewPage() = 0;
};

// The five header lines of a page.
void PrintListHeader(const MainListState& state, CalendarDate today, const TextLocale& locale,
                     PrintSink& sink);

// The line of one list row (display order): the indent, then the seven fields.
std::string ListRowLine(const AttackListModel& list, size_t row);

// Prints the whole list in its current order, 40 rows to a page.
void PrintAttackList(const MainListState& state, CalendarDate today, const TextLocale& locale,
                     PrintSink& sink);

}  // namespace lomvex
