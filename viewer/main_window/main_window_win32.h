// frmMain on Windows: the window, its controls, and the platform side of the
// main window's logic.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>
#include <string>

#include "gdi_printer_win32.h"
#include "info_window_win32.h"
#include "main_window_logic.h"
#include "open_file_dialog_win32.h"
#include "owners_win32.h"
#include "sys_tray_win32.h"
#include "window_win32.h"

namespace lomvex {

class frmMain final : public Window, public MainWindowPlatform {
 public:
  frmMain();
  ~frmMain() override;

  // Creates the window (which reads the settings and loads the list); null
  // when it cannot be created.
  HWND Create(HINSTANCE instance);

  // MainWindowPlatform
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                            MessageButtons buttons) override;
  bool ShowHelp(HelpCommand command, int data) override;
  void ShowPrintSetup(PageOrientation& orientation) override;
  Printer& PlatformPrinter() override { return printer_; }
  CalendarDate Today() override;
  TimeOfDay Now() override;
  void UpdateView(unsigned parts) override;
  void ShowSortMarks(const ColumnClickEffect& effect) override;
  void HideWindow() override;
  void RestoreWindow() override;
  void ShowTrayMenu() override;
  SystemFacts ReadSystemFacts() override;
  void ShowInfoWindow(const InfoView& view, InfoWindowActions& actions) override;
  void DestroyWindow() override;

 private:
  static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR id, DWORD_PTR data);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // One handler per message.
  BOOL OnCreate(HWND window, LPCREATESTRUCT create);
  void OnDestroy(HWND window);
  void OnClose(HWND window);
  void OnActivate(HWND window, UINT state, HWND other, BOOL minimized);
  void OnSetFocus(HWND window, HWND previous);
  void OnSize(HWND window, UINT kind, int width, int height);
  void OnPaint(HWND window);
  void OnTimer(HWND window, UINT id);
  void OnCommand(HWND window, int id, HWND control, UINT code);
  LRESULT OnNotify(HWND window, int id, NMHDR* header);
  void OnMenuSelect(HWND window, HMENU menu, int item, HMENU popup, UINT flags);
  void OnHelp(const HELPINFO& info);
  LRESULT OnListNotify(const NMHDR& header);
  void OnGetDispInfo(NMLVDISPINFOA& info) const;
  void OnToolTip(const NMHDR& header);

  bool CreateControls();
  void SyncSelectionToList();
  void SetPanelText(int panel, const std::string& text);
  // Messages go over the information window while it is open.
  HWND MessageOwner() const;

  HWND tbMain = nullptr;
  HWND lsvMain = nullptr;
  HWND lblMain = nullptr;
  HWND sbMain = nullptr;
  owners::UniqueImageList imlMain;
  owners::UniqueMenu mnuTray;
  owners::UniqueIcon icon_;
  owners::UniqueIcon small_icon_;
  std::string panel_texts_[3];

  Win32TrayPlatform tray_platform_;
  owners::UniqueWindow tray_window_;
  std::unique_ptr<cSysTray> SysTray;
  std::unique_ptr<ProfileStore> profile_;
  Win32OpenFileDialog file_dialog_;
  PrintSetupChoice print_setup_;
  GdiPrinter printer_{print_setup_};
  std::unique_ptr<MainWindowLogic> logic_;
  frmAbout* info_window_ = nullptr;  // while it is open

  UINT taskbar_created_ = 0;
  bool activated_before_ = false;
  bool syncing_selection_ = false;
  int highlighted_menu_topic_ = 0;
};

}  // namespace lomvex
