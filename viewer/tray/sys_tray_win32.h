// The tray control on Windows: the shell's notification-icon call, and a
// subclass of the control's window through which the tray's notifications
// reach the control.
#pragma once

#include <windows.h>
// After windows.h, on which they build.
#include <shellapi.h>

#include "owners_win32.h"
#include "sys_tray.h"

namespace lomvex {

inline HWND ToWindowHandle(std::uintptr_t window) { return reinterpret_cast<HWND>(window); }
inline std::uintptr_t FromWindowHandle(HWND window) {
  return reinterpret_cast<std::uintptr_t>(window);
}
inline std::uintptr_t FromIconHandle(HICON icon) { return reinterpret_cast<std::uintptr_t>(icon); }

// The shell's record for a control record, in the first form the shell knows.
NOTIFYICONDATAA ToNotifyIconData(const NotifyIconRecord& record);

// The program's tray: one control at a time may hold it. While it does, its
// window is subclassed with the control as the subclass's data.
class Win32TrayPlatform final : public TrayPlatform {
 public:
  bool NotifyIcon(TrayCommand command, const NotifyIconRecord& record) override;
  // False also when the window cannot be subclassed (it does not exist).
  bool AttachWindowProcedure(std::uintptr_t window, cSysTray& control) override;
  void DetachWindowProcedure(std::uintptr_t window) override;

  // Whether the shell accepted the last command; the control goes on either way.
  bool LastNotifySucceeded() const { return last_notify_succeeded_; }

 private:
  HWND window_in_tray_ = nullptr;
  bool last_notify_succeeded_ = false;
};

// Creates the control's own window, hidden, as a child of the owner (with no
// owner, a message-only window). Empty when the window cannot be created.
owners::UniqueWindow CreateTrayControlWindow(HWND owner);

}  // namespace lomvex
