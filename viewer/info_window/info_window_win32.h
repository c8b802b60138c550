// frmAbout on Windows: the information window, shown modally over the main
// window in the view it is built with. Each opening is a new window.
#pragma once

#include <windows.h>

#include "info_view.h"
#include "owners_win32.h"
#include "window_win32.h"

namespace lomvex {

class frmAbout final : public Window {
 public:
  frmAbout(const InfoView& view, InfoWindowActions& actions) : view_(view), actions_(actions) {}

  // Creates the window over the owner, disables the owner and runs the
  // program's messages until the window is closed (or goes with its owner);
  // the owner takes input again before the window goes.
  void ShowModal(HWND owner);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCreate(HWND window, LPCREATESTRUCT create);
  void OnCommand(HWND window, int id, HWND control, UINT code);
  void OnClose(HWND) { Close(); }
  // Ends the window's message loop, woken by a message in case the request
  // came in a sent one.
  void Close() {
    closing_ = true;
    PostMessageA(handle(), WM_NULL, 0, 0);
  }

  HWND CreateControl(const char* class_name, const char* text, DWORD style, const RECT& design,
                     int id, DWORD ex_style = 0);
  bool CreateControls();
  bool FillInfoList(HWND list);
  RECT Placement(HWND owner) const;
  // The button that Enter presses: the focused one, else "&OK".
  int DefaultButton() const;

  const InfoView& view_;
  InfoWindowActions& actions_;
  owners::UniqueIcon icon_;  // icon resource 2: the window's and the first image's
  owners::UniqueIcon small_icon_;
  owners::UniqueIcon program_icon_;  // icon resource 1: the second image
  owners::UniqueFont title_font_;
  bool closing_ = false;
};

}  // namespace lomvex
