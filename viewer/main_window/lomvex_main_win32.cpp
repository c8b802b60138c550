// Lomvex.exe: creates the main window and runs its messages until it is gone.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <objbase.h>

#include "main_window_win32.h"

namespace {

// The main window and its messages until it is gone; the program's exit code.
int RunMainWindow(HINSTANCE instance, int show) {
  // The window's state outlives the window: a handler still running in a modal
  // loop when the window goes (Exit from the tray menu while a message is open)
  // finds it intact.
  lomvex::frmMain main_window;
  HWND window = main_window.Create(instance);
  if (window == nullptr) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // The About view reaches the system library through automation.
  const bool com_ready = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  const int exit_code = RunMainWindow(instance, show);
  if (com_ready) CoUninitialize();
  return exit_code;
}
