// The tray control on Windows: the shell's notification-icon call and the
// replacement of the control window's procedure, through which the tray's
// notifications reach the control.
#pragma once

#include <windows.h>
// After windows.h, on which it builds.
#include <shellapi.h>

#include <utility>

#include "sys_tray.h"

namespace lomvex {

inline HWND ToWindowHandle(std::uintptr_t window) { return reinterpret_cast<HWND>(window); }
inline std::uintptr_t FromWindowHandle(HWND window) {
  return reinterpret_cast<std::uintptr_t>(window);
}
inline std::uintptr_t FromIconHandle(HICON icon) { return reinterpret_cast<std::uintptr_t>(icon); }

// The shell's record for a control record, in the first form the shell knows.
NOTIFYICONDATAA ToNotifyIconData(const NotifyIconRecord& record);

// The procedure that stands in for the control window's own while its icon is
// in the tray: hands the tray's notifications to the control, then passes
// every message on to the window's previous procedure.
LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

class Win32TrayPlatform final : public TrayPlatform {
 public:
  void NotifyIcon(TrayCommand command, const NotifyIconRecord& record) override;
  // False also when the window cannot be subclassed (it does not exist).
  bool AttachWindowProcedure(std::uintptr_t window, cSysTray& control) override;
  void DetachWindowProcedure(std::uintptr_t window) override;

  // Whether the shell accepted the last command; the control goes on either way.
  bool LastNotifySucceeded() const { return last_notify_succeeded_; }

 private:
  bool last_notify_succeeded_ = false;
};

// Owns the control's own window, destroying it at the end.
class TrayControlWindow {
 public:
  TrayControlWindow() = default;
  explicit TrayControlWindow(HWND window) : window_(window) {}
  TrayControlWindow(TrayControlWindow&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)) {}
  TrayControlWindow& operator=(TrayControlWindow&& other) noexcept {
    if (this != &other) {
      Destroy();
      window_ = std::exchange(other.window_, nullptr);
    }
    return *this;
  }
  TrayControlWindow(const TrayControlWindow&) = delete;
  TrayControlWindow& operator=(const TrayControlWindow&) = delete;
  ~TrayControlWindow() { Destroy(); }

  HWND get() const { return window_; }
  std::uintptr_t handle() const { return FromWindowHandle(window_); }
  explicit operator bool() const { return window_ != nullptr; }

 private:
  void Destroy() {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
  }
  HWND window_ = nullptr;
};

// Creates the control's own window, hidden, as a child of the owner (with no
// owner, a message-only window). Empty when the window cannot be created.
TrayControlWindow CreateTrayControlWindow(HWND owner);

}  // namespace lomvex
