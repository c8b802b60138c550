#include "sys_tray_win32.h"

#include <commctrl.h>

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

constexpr char kControlClassName[] = "Lomvex.cSysTray";
constexpr UINT_PTR kTraySubclassId = 1;

// Hands the tray's notifications to the control, then passes every message on
// to the window's own procedure.
LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                UINT_PTR subclass_id, DWORD_PTR control) {
  if (message == TrayCallbackMessage) {
    // A handler may take the control out of the tray, removing this subclass;
    // the message still goes on to the window's own procedure. No exception
    // may unwind into the system's code: a failed handler is skipped.
    try {
      reinterpret_cast<cSysTray*>(control)->HandleTrayMessage(static_cast<std::uint32_t>(lparam),
                                                              static_cast<std::uint32_t>(wparam));
    } catch (...) {
    }
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, TrayWindowProc, subclass_id);
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

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

bool Win32TrayPlatform::NotifyIcon(TrayCommand command, const NotifyIconRecord& record) {
  NOTIFYICONDATAA data = ToNotifyIconData(record);
  last_notify_succeeded_ = Shell_NotifyIconA(static_cast<DWORD>(command), &data) != FALSE;
  return last_notify_succeeded_;
}

bool Win32TrayPlatform::AttachWindowProcedure(std::uintptr_t window, cSysTray& control) {
  HWND handle = ToWindowHandle(window);
  if (window_in_tray_ != nullptr || !IsWindow(handle)) return false;
  if (!SetWindowSubclass(handle, TrayWindowProc, kTraySubclassId,
                         reinterpret_cast<DWORD_PTR>(&control))) {
    return false;
  }
  window_in_tray_ = handle;
  return true;
}

void Win32TrayPlatform::DetachWindowProcedure(std::uintptr_t window) {
  HWND handle = ToWindowHandle(window);
  if (handle != window_in_tray_) return;
  RemoveWindowSubclass(handle, TrayWindowProc, kTraySubclassId);
  window_in_tray_ = nullptr;
}

owners::UniqueWindow CreateTrayControlWindow(HWND owner) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = DefWindowProcA;
  window_class.hInstance = instance;
  window_class.lpszClassName = kControlClassName;
  if (RegisterClassExA(&window_class) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return {};
  }
  const DWORD style = owner != nullptr ? WS_CHILD : 0;
  HWND parent = owner != nullptr ? owner : HWND_MESSAGE;
  return owners::UniqueWindow(CreateWindowExA(0, kControlClassName, "", style, 0, 0, 0, 0, parent,
                                              nullptr, instance, nullptr));
}

}  // namespace lomvex
