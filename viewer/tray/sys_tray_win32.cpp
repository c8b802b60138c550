#include "sys_tray_win32.h"

#include <cstddef>
#include <cstring>

namespace lomvex {

#ifndef _WIN64
// On 32-bit Windows the shell's first record form is the control's record, byte for byte.
static_assert(NOTIFYICONDATAA_V1_SIZE == 88);
static_assert(offsetof(NOTIFYICONDATAA, hWnd) == 4 && offsetof(NOTIFYICONDATAA, uID) == 8 &&
              offsetof(NOTIFYICONDATAA, uFlags) == 12 &&
              offsetof(NOTIFYICONDATAA, uCallbackMessage) == 16 &&
              offsetof(NOTIFYICONDATAA, hIcon) == 20 && offsetof(NOTIFYICONDATAA, szTip) == 24);
#endif
static_assert(NIF_MESSAGE == NotifyIconRecord::kFlagMessage &&
              NIF_ICON == NotifyIconRecord::kFlagIcon && NIF_TIP == NotifyIconRecord::kFlagTip);
static_assert(NIM_ADD == 0 && NIM_MODIFY == 1 && NIM_DELETE == 2);
static_assert(sizeof(NOTIFYICONDATAA{}.szTip) >= NotifyIconRecord::kTipSize);

namespace {

// mSysTray: the one window whose procedure is replaced, and what it had before. One
// value for the whole program, which is why only one control can be in the tray.
HWND tray_window = nullptr;
WNDPROC PrevWndProc = nullptr;
LONG_PTR previous_user_data = 0;

constexpr char kControlClassName[] = "Lomvex.cSysTray";

}  // namespace

NOTIFYICONDATAA ToNotifyIconData(const NotifyIconRecord& record) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = ToWindowHandle(record.window);
  data.uID = record.id;
  data.uFlags = record.flags;
  data.uCallbackMessage = record.callback_message;
  data.hIcon = reinterpret_cast<HICON>(record.icon);
  std::memcpy(data.szTip, record.tip, NotifyIconRecord::kTipSize);
  return data;
}

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // Kept before the event runs: a handler may take the control out of the tray,
  // which gives the window its procedure back and clears the module's value.
  const WNDPROC previous = PrevWndProc;
  if (message == TrayCallbackMessage) {
    auto* control = reinterpret_cast<cSysTray*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (control != nullptr && window == tray_window) {
      control->HandleTrayMessage(static_cast<std::uint32_t>(lparam),
                                 static_cast<std::uint32_t>(wparam));
    }
  }
  if (previous == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  return CallWindowProcA(previous, window, message, wparam, lparam);
}

void Win32TrayPlatform::NotifyIcon(TrayCommand command, const NotifyIconRecord& record) {
  NOTIFYICONDATAA data = ToNotifyIconData(record);
  last_notify_succeeded_ = Shell_NotifyIconA(static_cast<DWORD>(command), &data) != FALSE;
}

bool Win32TrayPlatform::AttachWindowProcedure(std::uintptr_t window, cSysTray& control) {
  HWND handle = ToWindowHandle(window);
  if (tray_window != nullptr || !IsWindow(handle)) return false;
  const LONG_PTR user_data =
      SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayWindowProc)));
  if (previous == nullptr) {
    SetWindowLongPtrA(handle, GWLP_USERDATA, user_data);
    return false;
  }
  tray_window = handle;
  PrevWndProc = previous;
  previous_user_data = user_data;
  return true;
}

void Win32TrayPlatform::DetachWindowProcedure(std::uintptr_t window) {
  HWND handle = ToWindowHandle(window);
  if (handle != tray_window) return;
  if (IsWindow(handle)) {
    SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PrevWndProc));
    SetWindowLongPtrA(handle, GWLP_USERDATA, previous_user_data);
  }
  tray_window = nullptr;
  PrevWndProc = nullptr;
  previous_user_data = 0;
}

TrayControlWindow CreateTrayControlWindow(HWND owner) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = DefWindowProcA;
  window_class.hInstance = instance;
  window_class.lpszClassName = kControlClassName;
  if (RegisterClassExA(&window_class) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return TrayControlWindow();
  }
  const DWORD style = owner != nullptr ? WS_CHILD : 0;
  HWND parent = owner != nullptr ? owner : HWND_MESSAGE;
  return TrayControlWindow(CreateWindowExA(0, kControlClassName, "", style, 0, 0, 0, 0, parent,
                                           nullptr, instance, nullptr));
}

}  // namespace lomvex
