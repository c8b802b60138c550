// Reading another process's controls the way an accessibility tool does: the
// control's message, with its record placed in the other process's memory.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

namespace lomvex::testing {

class RemoteControls {
 public:
  explicit RemoteControls(HANDLE process) : process_(process) {}

  int ListRowCount(HWND list) const;
  std::string ListCell(HWND list, int row, int sub_item) const;
  int ListImage(HWND list, int row) const;
  int ListSelected(HWND list) const;
  RECT ListRowRect(HWND list, int row) const;
  // Header item: its image (-1 when it shows none) and its rectangle.
  int HeaderImage(HWND header, int column) const;
  RECT HeaderRect(HWND header, int column) const;
  std::string StatusText(HWND status, int panel) const;
  RECT ToolbarButtonRect(HWND toolbar, int command) const;

 private:
  // Sends the message with a copy of the record in the other process, then
  // reads the record back.
  template <typename Record>
  Record Exchange(HWND control, UINT message, WPARAM wparam, Record record) const;
  // A message that fills in a text; a list item, when given, goes before the
  // text and points at it.
  std::string Text(HWND control, UINT message, WPARAM wparam, LVITEMA* item = nullptr) const;

  HANDLE process_;
};

}  // namespace lomvex::testing
