// The tray control's hold on a real window, on a desktop with a tray.
#include "sys_tray_win32.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fake_tray_platform.h"

namespace lomvex {
namespace {

// A window of the test's own, whose procedure counts the notifications reaching it.
constexpr LONG_PTR kOwnUserData = 0x600D;
int callbacks_seen = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == TrayCallbackMessage) ++callbacks_seen;
  return DefWindowProcA(window, message, wparam, lparam);
}

owners::UniqueWindow CreateCountingWindow() {
  owners::UniqueWindow window(
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
  SetWindowLongPtrA(window.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc));
  SetWindowLongPtrA(window.get(), GWLP_USERDATA, kOwnUserData);
  return window;
}

void ExpectWindowOwnAgain(HWND window) {
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(CountingProc));
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), kOwnUserData);
}

// Records what it is told; fails on a button going down and, as the main window
// does on a double-click, leaves the tray from inside the notification.
struct FailingAndLeavingEvents : testing::RecordingTrayEvents {
  cSysTray* tray = nullptr;
  void OnTrayMouseDown(int button, std::uint32_t id) override {
    testing::RecordingTrayEvents::OnTrayMouseDown(button, id);
    throw std::runtime_error("failed");
  }
  void OnTrayMouseDblClick(int button, std::uint32_t id) override {
    testing::RecordingTrayEvents::OnTrayMouseDblClick(button, id);
    tray->SetInTray(false);
  }
};

// In the tray the control gets identifier and button, a second control is refused, the
// window's procedure sees every message, no handler's exception unwinds through the system's
// dispatch, and out of the tray the window is its own again.
TEST(SysTrayWin32Test, NotificationsReachControlAndWindowUntilItLeaves) {
  Win32TrayPlatform platform;
  owners::UniqueWindow window = CreateCountingWindow(), other_window = CreateCountingWindow();
  cSysTray tray(platform, FromWindowHandle(window.get()));
  FailingAndLeavingEvents events;
  events.tray = &tray;
  tray.SetEvents(&events);
  tray.SetTrayIcon(FromIconHandle(LoadIconA(nullptr, IDI_APPLICATION)));
  tray.SetInTray(true);
  ASSERT_TRUE(tray.IconShown());
  cSysTray second(platform, FromWindowHandle(other_window.get()));
  second.SetInTray(true);
  EXPECT_FALSE(second.InTray());
  ExpectWindowOwnAgain(other_window.get());

  // Posted as the tray posts them; the last comes after the control has left.
  const std::pair<UINT, WPARAM> kNotifications[] = {
      {WM_MOUSEMOVE, 0}, {WM_LBUTTONDOWN, 0}, {WM_RBUTTONDBLCLK, 3}, {WM_LBUTTONDOWN, 0}};
  for (auto [mouse_message, id] : kNotifications)
    PostMessageA(window.get(), TrayCallbackMessage, id, mouse_message);
  for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
  EXPECT_EQ(events.raised, (std::vector<std::string>{"down 1 0", "dbl 2 3"}));
  EXPECT_EQ(callbacks_seen, 4);
  EXPECT_FALSE(tray.IconShown());
  ExpectWindowOwnAgain(window.get());
  second.SetInTray(true);
  EXPECT_TRUE(second.IconShown()) << "the tray is free once the first has left";
}

}  // namespace
}  // namespace lomvex
