// The main window's commands and the menu items, toolbar buttons and tray menu
// items that reach them; their ids are in viewer_ids.h.
#pragma once

#include <optional>

#include "viewer_ids.h"

namespace lomvex {

enum class Command {
  kOpen,
  kClear,
  kPrinterSetup,
  kPrintList,
  kExit,
  kDetails,
  kHelp,
  kAbout,
  kRestore,
};

// The menu bar's menus, numbered from 1 as they stand on the bar.
enum TopMenu : int { kFileMenu = 1, kViewMenu = 2, kHelpMenu = 3 };

// The command of a window command id (menu item, toolbar button or tray menu
// item); nothing for separators and unknown ids.
std::optional<Command> CommandOfId(int id);

// The help topic of a highlighted menu item (its command id), or of a menu of
// the bar; 0 when it has none.
int MenuItemHelpTopic(int id);
int TopMenuHelpTopic(int menu);

// Whether a command id is a toolbar button's, and its tool tip text (IDS_*; 0
// when it has none).
bool IsToolbarButton(int id);
int ToolTipTextId(int id);

// The five commands that need a loaded list, by command id.
inline constexpr int kListCommandIds[] = {
    IDM_FILE_CLEAR, IDM_FILE_PRINT_LIST, IDM_VIEW_DETAILS, IDT_PRINT, IDT_DETAILS,
};

}  // namespace lomvex
