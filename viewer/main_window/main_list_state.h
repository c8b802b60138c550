// The main window's list side as plain values: the list, the texts that
// summarise it, and the values other parts of the viewer read.
#pragma once

#include <string>
#include <string_view>

#include "attack_list_loader.h"
#include "attack_list_model.h"

namespace lomvex {

struct MainListState {
  AttackListModel list;      // the rows of the main list
  std::string count_label;   // the label under the list
  std::string status_text;   // status bar panel 1
  std::string HostName;      // the protected host, from the last complete load
  std::string FileLocation;  // path of the attack list; empty until known
  bool list_commands_enabled = false;
  int LastSortColumn = 0;
};

// Switches the five commands that need a loaded list.
inline void EnableListCommands(MainListState& state, bool enabled) {
  state.list_commands_enabled = enabled;
}

// Reads the file named by state.FileLocation into the list. A complete load
// selects the first row, takes the host name from the last record, sets the
// label and the status text and enables the list commands.
LoadOutcome LoadMainList(MainListState& state, FileAccess& files,
                         const TextLocale& locale = EnglishTextLocale());

// The status bar verdict for a severity.
std::string SeverityStatusText(std::string_view HostName, SeverityCode code);

// Click and KeyUp in the list: the verdict of the selected row; nothing
// changes when the list is empty or no row is selected. True when it changed.
bool RefreshSelectionStatus(MainListState& state);

}  // namespace lomvex
