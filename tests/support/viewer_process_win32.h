// A running Lomvex.exe, read and driven from outside as a user sees it: its
// main window's controls, its message boxes, real clicks and keys.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "owners_win32.h"
#include "remote_controls_win32.h"

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

  // Message boxes by caption: the open one (or null), waiting for one, how many.
  HWND MessageBoxWindow(const std::string& caption) const;
  HWND WaitForBox(const std::string& caption,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  int CountBoxes(const std::string& caption) const;
  static std::string MessageText(HWND box);
  static void Press(HWND dialog, int button);

  void Command(int id) const;
  // Waits until the window has handled everything sent before.
  void Settle() const;

  int Rows() const { return controls_.ListRowCount(list_); }
  std::string Cell(int row, int column) const { return controls_.ListCell(list_, row, column - 1); }
  int Image(int row) const { return controls_.ListImage(list_, row); }
  int Selected() const { return controls_.ListSelected(list_); }
  std::string Label() const;
  std::string Panel(int panel) const { return controls_.StatusText(status_, panel - 1); }
  int HeaderImage(int column) const { return controls_.HeaderImage(header_, column - 1); }
  bool ToolbarEnabled(int command) const;
  bool LastRowInView() const;

  // Chooses a menu item with the keyboard (Alt, the menu's letter, the item's
  // letter); true when the message box with the caption appears, which it
  // does only when the item is enabled. The box is closed again.
  bool MenuItemRuns(char menu_letter, char item_letter, const std::string& caption);
  void ClickHeader(int column) const;
  void ClickRow(int row, bool double_click = false) const;
  void ClickToolbar(int command) const;
  void HoverToolbar(int command) const;
  void ListKey(WPARAM key) const;
  // A notification as the tray sends it for a mouse action on the icon.
  void TrayNotify(UINT mouse_message) const;

 private:
  POINT ToolbarButtonCenter(int command) const;

  std::string folder_;
  owners::UniqueHandle process_;
  DWORD id_ = 0;
  RemoteControls controls_{nullptr};
  HWND main_ = nullptr, list_ = nullptr, header_ = nullptr, label_ = nullptr, status_ = nullptr,
       toolbar_ = nullptr, tray_control_ = nullptr;
};

}  // namespace lomvex::testing
