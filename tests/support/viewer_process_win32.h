// A running Lomvex.exe, read and driven from outside as a user sees it: its
// main window's controls (read through their messages, as an accessibility
// tool reads them), its message boxes, real clicks and keys.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <chrono>
#include <string>

#include "owners_win32.h"

namespace lomvex::testing {

class ViewerProcess {
 public:
  // FOLDER holds Lomvex.exe and its settings file.
  explicit ViewerProcess(std::string folder) : folder_(std::move(folder)) {}
  ~ViewerProcess();
  ViewerProcess(const ViewerProcess&) = delete;
  ViewerProcess& operator=(const ViewerProcess&) = delete;

  // True once the main window shows, or a message of its loading does.
  bool Start(std::chrono::milliseconds timeout = std::chrono::seconds(30));
  // The main window once it is shown (and its controls are found); else null.
  HWND FindMain();
  bool Exited(std::chrono::milliseconds timeout);
  DWORD ExitCode() const;
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.get(); }
  HWND Main() const { return main_; }

  // Message boxes by caption: waiting for one, how many are open.
  HWND WaitForBox(const std::string& caption,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  int CountBoxes(const std::string& caption) const;
  static std::string MessageText(HWND box);
  static void Press(HWND dialog, int button);

  void Command(int id) const { PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // Waits until the window has handled everything sent before.
  void Settle() const;

  // The list (rows from 0, columns from 1), the label, the status bar's
  // panels (from 1), the header's sort marks and the toolbar's buttons.
  int Rows() const { return ListView_GetItemCount(list_); }
  std::string Cell(int row, int column) const { return ListCell(list_, row, column); }
  // A cell of another list view of the viewer (the information window's).
  std::string ListCell(HWND list, int row, int column) const;
  int Image(int row) const;
  int Selected() const { return ListView_GetNextItem(list_, -1, LVNI_SELECTED); }
  bool LastRowInView() const {
    return ListView_GetTopIndex(list_) + ListView_GetCountPerPage(list_) >= Rows();
  }
  std::string Label() const;
  std::string Panel(int panel) const;
  int HeaderImage(int column) const;  // -1 when it shows none
  bool ToolbarEnabled(int command) const {
    return SendMessageA(toolbar_, TB_ISBUTTONENABLED, static_cast<WPARAM>(command), 0) != 0;
  }

  // Chooses a menu item with the keyboard (Alt, the menu's letter, the item's
  // letter); true when the message box with the caption appears, which it
  // does only when the item is enabled. The box is closed again.
  bool MenuItemRuns(char menu_letter, char item_letter, const std::string& caption);
  void ClickHeader(int column) const;
  void ClickRow(int row, bool twice = false) const;
  void ClickToolbar(int command) const;
  void HoverToolbar(int command) const;
  void ListKey(WPARAM key) const;
  // A notification as the tray sends it for a mouse action on the icon.
  void TrayNotify(UINT mouse_message) const;

 private:
  // Sends a control's message with the record copied into the viewer's
  // memory, and reads the record back.
  template <typename Record>
  Record Exchange(HWND control, UINT message, WPARAM wparam, Record record) const;
  // A message that fills in a text; a list item, when given, goes before the
  // text and points to it.
  std::string Text(HWND control, UINT message, WPARAM wparam, LVITEMA* item = nullptr) const;
  POINT ToolbarButtonCenter(int command) const;

  std::string folder_;
  owners::UniqueHandle process_;
  DWORD id_ = 0;
  // A block of the viewer's memory for the controls' records; it goes with the process.
  char* scratch_ = nullptr;
  HWND main_ = nullptr, list_ = nullptr, header_ = nullptr, label_ = nullptr, status_ = nullptr,
       toolbar_ = nullptr, tray_control_ = nullptr;
};

}  // namespace lomvex::testing
