#include "attack_info_page.h"

#include <algorithm>

#include "fit_text.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

constexpr std::string_view kIndent = "    ";
constexpr int kHeadingWidth = 80;
constexpr int kLabelWidth = 40;
constexpr size_t kPrintedRows = 10;  // the count ("Attacks:") is left off

std::string Indented(std::string_view text) { return std::string(kIndent) + std::string(text); }

std::string Centred(std::string_view text) {
  return Indented(FitCenter(text, kHeadingWidth, kFitKeepWhole));
}

}  // namespace

std::vector<std::string> AttackInfoPageLines(std::span<const InfoRow> rows,
                                             std::string_view description,
                                             std::string_view host_name, CalendarDate today,
                                             const TextLocale& locale) {
  std::vector<std::string> lines(3);
  lines.push_back(Centred(ViewerText(IDS_PRINT_TITLE)));
  lines.push_back(Centred(FormatLongDate(today, locale)));
  lines.push_back(Centred("Host Computer: " + std::string(host_name)));
  lines.resize(lines.size() + 5);
  for (const InfoRow& row : rows.first(std::min(rows.size(), kPrintedRows))) {
    lines.push_back(Indented(FitLeft(row.label, kLabelWidth, kFitKeepWhole) + row.value));
  }
  lines.resize(lines.size() + 2);
  lines.push_back(Indented(description));
  return lines;
}

}  // namespace lomvex
