#include "print_command.h"

#include <charconv>

#include "attack_details.h"
#include "attack_list_loader.h"
#include "list_printout.h"
#include "text_print_sink.h"

namespace lomvex {
namespace {

struct SortRequest {
  int column;
  bool ascending;
};

std::optional<SortRequest> ParseSort(const std::string& text) {
  std::string column = text;
  bool ascending = true;
  size_t colon = text.find(':');
  if (colon != std::string::npos) {
    column = text.substr(0, colon);
    std::string order = text.substr(colon + 1);
    if (order == "desc") {
      ascending = false;
    } else if (order != "asc") {
      return std::nullopt;
    }
  }
  if (column.size() != 1 || column[0] < '1' || column[0] > '9') return std::nullopt;
  return SortRequest{column[0] - '0', ascending};
}

// A row number as the list counts its rows, from 1.
std::optional<size_t> ParseRowNumber(const std::string& text) {
  size_t row = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, row);
  if (error != std::errc() || stop != end || row == 0) return std::nullopt;
  return row;
}

PrintCommandResult Failure(std::string problem) {
  return {kExitUsageOrUnreadable, {}, "lomvex-print: " + problem + "\n"};
}

}  // namespace

std::string PrintCommandUsage() {
  return "usage: lomvex-print [--details ROW] [--today YYYY-MM-DD] [--sort COLUMN[:asc|:desc]]\n"
         "                    ATTACK_LIST\n"
         "  Prints the attack list as File > Print List does: 45-line pages, a form\n"
         "  feed before every page after the first.\n"
         "  --details  prints the attack information of row ROW (1: the first row the\n"
         "             list shows) as its Print button does instead: one page\n"
         "  --today    the date of the header (default: today)\n"
         "  --sort     the list column to sort on, 1 to 9 (1: severity), ascending by default\n";
}

PrintCommandResult RunPrintCommand(const std::vector<std::string>& arguments, CalendarDate today,
                                   FileAccess& files) {
  std::optional<SortRequest> sort;
  std::optional<size_t> details_row;
  std::optional<std::string> path;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--today" || argument == "--sort" || argument == "--details") {
      if (i + 1 == arguments.size()) return Failure(argument + " needs a value");
      const std::string& value = arguments[++i];
      if (argument == "--today") {
        std::optional<CalendarDate> date =
            value.size() == 10 && value[4] == '-' ? RecognizeDate(value) : std::nullopt;
        if (!date) return Failure("--today takes a date written YYYY-MM-DD, not '" + value + "'");
        today = *date;
      } else if (argument == "--details") {
        details_row = ParseRowNumber(value);
        if (!details_row)
          return Failure("--details takes a row number from 1, not '" + value + "'");
      } else {
        sort = ParseSort(value);
        if (!sort) return Failure("--sort takes a column from 1 to 9, optionally :asc or :desc");
      }
    } else if (argument.size() > 1 && argument[0] == '-' && argument != "-") {
      return Failure("unknown option '" + argument + "'");
    } else if (path) {
      return Failure("only one attack list may be given");
    } else {
      path = argument;
    }
  }
  if (arguments.empty()) return {kExitUsageOrUnreadable, {}, PrintCommandUsage()};
  if (!path) return Failure("no attack list given");

  AttackListModel list;
  if (sort) list.SetSort(sort->column == 1 ? kColumnSeverityText : sort->column, sort->ascending);
  LoadOutcome outcome = LoadAttackList(list, *path, files);
  if (outcome == LoadOutcome::kNoFile) return Failure("no such file: " + *path);
  if (outcome == LoadOutcome::kUnreadable) return Failure("cannot read " + *path);
  if (details_row && *details_row > list.RowCount()) {
    return Failure("row " + std::to_string(*details_row) + " is outside the list of " +
                   std::to_string(list.RowCount()) + " rows");
  }

  PrintCommandResult result;
  // A file that failed half-way names no host: only a complete load does.
  std::string_view host = outcome == LoadOutcome::kLoaded ? list.HostNameOfLastRecord() : "";
  if (details_row) {
    result.standard_output =
        AttackDetailsPage(list, *details_row - 1, host, DataFolderOf(*path), today, files);
  } else {
    TextPrintSink sink;
    PrintAttackList({list, host}, today, EnglishTextLocale(), sink);
    result.standard_output = sink.text();
  }
  if (outcome == LoadOutcome::kBadFile) {
    result.exit_status = kExitBadFile;
    std::string message = BadAttackListMessage();
    for (size_t at = 0; (at = message.find("\r\n", at)) != std::string::npos;) {
      message.replace(at, 2, "\n");
    }
    result.standard_error = message + "\n";
  }
  return result;
}

}  // namespace lomvex
