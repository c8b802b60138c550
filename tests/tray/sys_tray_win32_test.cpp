// The tray control's hold on a real window: notifications reach the control
// and the window alike, and the window is its own again once the control lets
// go. The runner starts it on a desktop with a tray.
#include "sys_tray_win32.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fake_tray_platform.h"

namespace lomvex {
namespace {

using testing::RecordingTrayEvents;
using Raised = std::vector<std::string>;

// A window of the test's own, whose procedure counts the notifications reaching it.
constexpr UINT kProbeMessage = WM_APP + 7;
constexpr LONG_PTR kOwnUserData = 0x600D;
int callbacks_seen = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == TrayCallbackMessage) ++callbacks_seen;
  if (message == kProbeMessage) return 0x5A;
  return DefWindowProcA(window, message, wparam, lparam);
}

owners::UniqueWindow CreateCountingWindow() {
  static const ATOM window_class = [] {
    WNDCLASSEXA description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = CountingProc;
    description.hInstance = GetModuleHandleA(nullptr);
    description.lpszClassName = "LomvexTrayTestWindow";
    return RegisterClassExA(&description);
  }();
  owners::UniqueWindow window(CreateWindowExA(0, MAKEINTATOM(window_class), "", 0, 0, 0, 0, 0,
                                              HWND_MESSAGE, nullptr, nullptr, nullptr));
  SetWindowLongPtrA(window.get(), GWLP_USERDATA, kOwnUserData);
  return window;
}

// Posts a notification as the tray does, and dispatches it.
void NotifyFromTray(HWND window, std::uint32_t mouse_message, std::uint32_t id = 0) {
  PostMessageA(window, TrayCallbackMessage, id, mouse_message);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

void ExpectWindowOwnAgain(HWND window) {
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(CountingProc));
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), kOwnUserData);
}

class SysTrayWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    callbacks_seen = 0;
    ASSERT_TRUE(window_);
  }
  Win32TrayPlatform platform_;
  owners::UniqueWindow window_ = CreateCountingWindow();
};

// While in the tray the control gets the notifications (identifier and button
// through, a mouse move raising nothing) and a second control is refused; the
// window's own procedure sees every message all along.
TEST_F(SysTrayWin32Test, NotificationsReachControlAndWindowWhileInTray) {
  cSysTray tray(platform_, FromWindowHandle(window_.get()));
  RecordingTrayEvents events;
  tray.SetEvents(&events);
  tray.SetTrayIcon(FromIconHandle(LoadIconA(nullptr, IDI_APPLICATION)));
  tray.SetInTray(true);
  ASSERT_TRUE(tray.IconShown());

  owners::UniqueWindow other_window = CreateCountingWindow();
  cSysTray second(platform_, FromWindowHandle(other_window.get()));
  second.SetInTray(true);
  EXPECT_FALSE(second.InTray());
  ExpectWindowOwnAgain(other_window.get());

  NotifyFromTray(window_.get(), WM_LBUTTONDOWN);
  NotifyFromTray(window_.get(), WM_RBUTTONDBLCLK, 3);
  NotifyFromTray(window_.get(), WM_MOUSEMOVE);
  EXPECT_EQ(events.raised, (Raised{"down 1 0", "dbl 2 3"}));
  EXPECT_EQ(callbacks_seen, 3);
  EXPECT_EQ(SendMessageA(window_.get(), kProbeMessage, 0, 0), 0x5A);

  tray.SetInTray(false);
  ExpectWindowOwnAgain(window_.get());
  NotifyFromTray(window_.get(), WM_LBUTTONDOWN);
  EXPECT_EQ(events.raised.size(), 2u);
  EXPECT_EQ(callbacks_seen, 4);
  second.SetInTray(true);
  EXPECT_TRUE(second.IconShown()) << "the tray is free once the first has left";
}

// The main window leaves the tray on a double-click on the icon, that is from
// inside the notification; no exception from a handler unwinds through the
// system's message dispatch.
struct LeaveOnDblClickThrowOnDown : TrayEvents {
  cSysTray* tray;
  void OnTrayMouseDblClick(int, std::uint32_t) override { tray->SetInTray(false); }
  void OnTrayMouseDown(int, std::uint32_t) override { throw std::runtime_error("failed"); }
};

TEST_F(SysTrayWin32Test, HandlersThatFailOrLeaveTheTrayStillPassTheMessageOn) {
  cSysTray tray(platform_, FromWindowHandle(window_.get()));
  LeaveOnDblClickThrowOnDown events;
  events.tray = &tray;
  tray.SetEvents(&events);
  tray.SetInTray(true);
  NotifyFromTray(window_.get(), WM_LBUTTONDOWN);
  NotifyFromTray(window_.get(), WM_LBUTTONDBLCLK);
  EXPECT_FALSE(tray.IconShown());
  EXPECT_EQ(callbacks_seen, 2);
  ExpectWindowOwnAgain(window_.get());
}

}  // namespace
}  // namespace lomvex
