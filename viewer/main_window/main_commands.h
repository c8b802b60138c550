// The main window's commands and the menu items, toolbar buttons and tray menu
// items that reach them. Menu items and buttons are numbered from 1 within
// their menu or bar; a window command id is the menu's base plus that index.
#pragma once

#include <optional>

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

// Command id bases: File items are 101-107, View 201, Help 301-302, tray
// menu 401-404, toolbar buttons 501-508.
enum CommandBase : int {
  kFileMenuBase = 100,
  kViewMenuBase = 200,
  kHelpMenuBase = 300,
  kTrayMenuBase = 400,
  kToolbarBase = 500,
};

// The menu bar's menus, numbered from 1 as they stand on the bar.
enum TopMenu : int { kFileMenu = 1, kViewMenu = 2, kHelpMenu = 3 };

inline constexpr int kToolbarButtons = 8;

// The command of a window command id (menu item, toolbar button or tray menu
// item); nothing for separators and unknown ids.
std::optional<Command> CommandOfId(int id);

// The help topic of a highlighted menu item (its command id), or of a menu of
// the bar; 0 when it has none.
int MenuItemHelpTopic(int id);
int TopMenuHelpTopic(int menu);

// The five commands that need a loaded list, by command id.
inline constexpr int kListCommandIds[] = {
    kFileMenuBase + 2,  // File > Clear
    kFileMenuBase + 5,  // File > Print List
    kViewMenuBase + 1,  // View > Details
    kToolbarBase + 3,   // print
    kToolbarBase + 5,   // details
};

}  // namespace lomvex
