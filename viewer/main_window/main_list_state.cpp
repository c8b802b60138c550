#include "main_list_state.h"

#include "severity.h"
#include "viewer_text.h"

namespace lomvex {

LoadOutcome LoadMainList(MainListState& state, FileAccess& files, const TextLocale& locale) {
  LoadOutcome outcome = LoadAttackList(state.list, state.FileLocation, files, locale);
  if (outcome != LoadOutcome::kLoaded) return outcome;
  AttackListModel& list = state.list;
  state.HostName = std::string(list.HostNameOfLastRecord());
  list.Select(0);
  state.count_label = FillValue(ViewerText(IDS_ATTACK_COUNT), std::to_string(list.RowCount()));
  state.status_text = SeverityStatusText(state.HostName, list.SeverityAt(0));
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
