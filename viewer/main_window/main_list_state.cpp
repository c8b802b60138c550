#include "main_list_state.h"

#include <exception>

#include "severity.h"
#include "viewer_text.h"

namespace lomvex {

LoadOutcome LoadMainList(MainListState& state, FileAccess& files, const TextLocale& locale) {
  LoadOutcome outcome = LoadAttackList(state.list, state.FileLocation, files, locale);
  if (outcome != LoadOutcome::kLoaded) return outcome;
  AttackListModel& list = state.list;
  list.Select(0);
  // The texts are made first and taken together, so running out of memory
  // leaves the earlier ones, as a bad file does.
  try {
    std::string host(list.HostNameOfLastRecord());
    std::string label = FillValue(ViewerText(IDS_ATTACK_COUNT), std::to_string(list.RowCount()));
    std::string status = SeverityStatusText(host, list.SeverityAt(0));
    state.HostName = std::move(host);
    state.count_label = std::move(label);
    state.status_text = std::move(status);
  } catch (const std::exception&) {
    return LoadOutcome::kBadFile;
  }
  EnableListCommands(state, true);
  return outcome;
}

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

}  // namespace lomvex
