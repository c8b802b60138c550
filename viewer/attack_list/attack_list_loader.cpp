#include "attack_list_loader.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "viewer_text.h"

namespace lomvex {
namespace {

// Records are slices addressed with 32-bit offsets.
constexpr size_t kLargestFile = std::numeric_limits<std::uint32_t>::max();

LoadOutcome ReadRecords(MainListState& state, const TextLocale& locale, std::string_view text) {
  LineReader lines(text);
  std::string_view line;
  for (int header = 0; header < 2; ++header) {
    if (!lines.Next(line)) return LoadOutcome::kBadFile;
  }
  AttackListModel& list = state.list;
  while (lines.Next(line)) {
    RecordFields fields = SplitRecordFields(line);
    if (fields.count == 0) return LoadOutcome::kBadFile;
    std::optional<SeverityCode> severity = SeverityFromLevel(fields.field[0]);
    if (!severity) return LoadOutcome::kBadFile;
    list.BeginRow(*severity);
    if (!list.FillCells(fields, locale)) return LoadOutcome::kBadFile;
    list.KeepAttackId();
  }
  if (list.AttackIdsCount() == 0) return LoadOutcome::kBadFile;
  return LoadOutcome::kLoaded;
}

}  // namespace

std::string SeverityStatusText(std::string_view HostName, SeverityCode code) {
  std::string text = FillValue(ViewerText(IDS_STATUS_VERDICT), HostName);
  text += SeverityName(code);
  text += " in nature.";
  return text;
}

bool RefreshSelectionStatus(MainListState& state) {
  if (state.list.RowCount() == 0) return false;
  std::optional<size_t> selected = state.list.SelectedRow();
  if (!selected) return false;
  state.status_text = SeverityStatusText(state.HostName, state.list.SeverityAt(*selected));
  return true;
}

std::string BadAttackListMessage() { return ExpandLineBreaks(ViewerText(IDS_BAD_ATTACK_LIST)); }

LoadOutcome LoadAttackList(MainListState& state, FileAccess& files, const TextLocale& locale) {
  AttackListModel& list = state.list;
  list.Reset();
  if (state.FileLocation.empty() || !files.PathExists(state.FileLocation)) {
    return LoadOutcome::kNoFile;
  }
  std::string contents;
  if (files.ReadWholeFile(state.FileLocation, contents) != ReadStatus::kRead ||
      contents.size() > kLargestFile) {
    return LoadOutcome::kUnreadable;
  }
  size_t line_ends = static_cast<size_t>(std::count(contents.begin(), contents.end(), '\r'));
  list.AdoptBuffer(std::move(contents), line_ends + 1);

  LoadOutcome outcome = ReadRecords(state, locale, list.BufferText());
  list.ApplySort();
  if (outcome != LoadOutcome::kLoaded) return outcome;

  state.HostName = std::string(list.HostNameOfLastRecord());
  list.Select(0);
  state.count_label = FillValue(ViewerText(IDS_ATTACK_COUNT), std::to_string(list.RowCount()));
  state.status_text = SeverityStatusText(state.HostName, list.SeverityAt(0));
  EnableListCommands(state, true);
  return LoadOutcome::kLoaded;
}

}  // namespace lomvex
