// The tray control with real windows and the shell's tray. The runner starts
// it on a desktop of its own, with a tray, and sets LOMVEX_TRAY_REQUIRED.
#include "sys_tray_win32.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "desktop_win32.h"
#include "fake_tray_platform.h"

namespace lomvex {
namespace {

using testing::PumpMessages;
using testing::RecordingTrayEvents;

bool TrayPresent() { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; }

// A window of the test's own, whose procedure counts what reaches it.
constexpr UINT kProbeMessage = WM_APP + 7;
constexpr LRESULT kProbeAnswer = 0x5A;
constexpr LONG_PTR kOwnUserData = 0x600D;
int callbacks_seen = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == TrayCallbackMessage) ++callbacks_seen;
  if (message == kProbeMessage) return kProbeAnswer;
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

// Posts a notification as the tray does, and lets it be dispatched.
void NotifyFromTray(HWND window, std::uint32_t mouse_message, std::uint32_t id = 0) {
  PostMessageA(window, TrayCallbackMessage, id, mouse_message);
  PumpMessages();
}

class SysTrayWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* required = std::getenv("LOMVEX_TRAY_REQUIRED");
    ASSERT_TRUE(TrayPresent() || required == nullptr || *required != '1') << "no tray here";
    callbacks_seen = 0;
    window_ = CreateCountingWindow();
    ASSERT_TRUE(window_);
  }
  // The shell's answer, where there is a shell tray to answer.
  void ExpectShellAccepted(const char* what) const {
    EXPECT_TRUE(!TrayPresent() || platform_.LastNotifySucceeded()) << what;
  }
  // The window has its own procedure and user data only.
  void ExpectWindowOwnAgain(HWND window) const {
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(CountingProc));
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), kOwnUserData);
  }

  Win32TrayPlatform platform_;
  owners::UniqueWindow window_;
};

TEST_F(SysTrayWin32Test, IconInTrayRaisesEventsAndPassesMessagesOn) {
  cSysTray tray(platform_, FromWindowHandle(window_.get()));
  RecordingTrayEvents events;
  tray.SetEvents(&events);
  tray.SetTrayIcon(FromIconHandle(LoadIconA(nullptr, IDI_APPLICATION)));
  tray.SetInTray(true);
  ExpectShellAccepted("add");
  ASSERT_TRUE(tray.IconShown());

  // Which event each notification raises is the portable part's; here the
  // identifier and both buttons must come through, a mouse move raises nothing.
  NotifyFromTray(window_.get(), WM_LBUTTONDOWN);
  NotifyFromTray(window_.get(), WM_RBUTTONDBLCLK, 3);
  NotifyFromTray(window_.get(), WM_MOUSEMOVE);
  EXPECT_EQ(events.raised, (std::vector<std::string>{"down 1 0", "dbl 2 3"}));
  EXPECT_EQ(callbacks_seen, 3) << "the window's own procedure sees every notification too";
  EXPECT_EQ(SendMessageA(window_.get(), kProbeMessage, 0, 0), kProbeAnswer);
  EXPECT_EQ(GetWindowLongPtrA(window_.get(), GWLP_USERDATA), kOwnUserData);

  tray.SetTrayTip(std::string(80, 'x'));
  ExpectShellAccepted("tip");
  tray.SetTrayIcon(FromIconHandle(LoadIconA(nullptr, IDI_WARNING)));
  ExpectShellAccepted("icon");

  tray.SetInTray(false);
  ExpectShellAccepted("delete");
  ExpectWindowOwnAgain(window_.get());
  events.raised.clear();
  NotifyFromTray(window_.get(), WM_LBUTTONDOWN);
  EXPECT_TRUE(events.raised.empty());
  EXPECT_EQ(callbacks_seen, 4);
}

// A second control, on another window or on the same one, is refused while the
// first holds the tray; the first goes on receiving its notifications.
TEST_F(SysTrayWin32Test, SecondControlIsRefusedAndFirstStaysIntact) {
  for (bool same_window : {false, true}) {
    SCOPED_TRACE(same_window ? "same window" : "other window");
    owners::UniqueWindow other_window =
        same_window ? owners::UniqueWindow() : CreateCountingWindow();
    HWND second_window = same_window ? window_.get() : other_window.get();

    cSysTray first(platform_, FromWindowHandle(window_.get()));
    RecordingTrayEvents first_events;
    first.SetEvents(&first_events);
    first.SetInTray(true);

    cSysTray second(platform_, FromWindowHandle(second_window));
    RecordingTrayEvents second_events;
    second.SetEvents(&second_events);
    second.SetInTray(true);
    EXPECT_FALSE(second.InTray());
    if (!same_window) ExpectWindowOwnAgain(second_window);

    EXPECT_TRUE(first.IconShown());
    NotifyFromTray(window_.get(), WM_RBUTTONUP);
    EXPECT_EQ(first_events.raised, std::vector<std::string>{"up 2 0"});
    EXPECT_TRUE(second_events.raised.empty());

    // Once the first has left, the second may go in.
    first.SetInTray(false);
    second.SetInTray(true);
    EXPECT_TRUE(second.IconShown());
    ExpectShellAccepted("second add");
    NotifyFromTray(second_window, WM_LBUTTONDBLCLK);
    EXPECT_EQ(second_events.raised, std::vector<std::string>{"dbl 1 0"});
    second.SetInTray(false);
    ExpectWindowOwnAgain(second_window);
  }
}

// The main window leaves the tray on a double-click on the icon, that is from
// inside the notification; and no exception from a handler unwinds through the
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
  EXPECT_EQ(callbacks_seen, 1) << "the message still reaches the window";
  NotifyFromTray(window_.get(), WM_LBUTTONDBLCLK);
  EXPECT_FALSE(tray.IconShown());
  EXPECT_EQ(callbacks_seen, 2);
  ExpectWindowOwnAgain(window_.get());
}

// The tray is free again after a control that ended in it, one whose window
// went first (as the main window's child goes at exit), and one refused
// because its window is gone.
TEST_F(SysTrayWin32Test, TrayIsFreeAfterAnEndedControlAndAGoneWindow) {
  {
    cSysTray tray(platform_, FromWindowHandle(window_.get()));
    tray.SetInTray(true);
  }
  ExpectShellAccepted("delete");
  ExpectWindowOwnAgain(window_.get());
  {
    owners::UniqueWindow doomed = CreateCountingWindow();
    cSysTray tray(platform_, FromWindowHandle(doomed.get()));
    tray.SetInTray(true);
    doomed.reset();
  }
  cSysTray gone(platform_, FromWindowHandle(CreateCountingWindow().get()));  // destroyed at once
  gone.SetInTray(true);
  EXPECT_FALSE(gone.InTray());
  cSysTray next(platform_, FromWindowHandle(window_.get()));
  next.SetInTray(true);
  EXPECT_TRUE(next.IconShown());
}

TEST(NotifyIconDataTest, CarriesTheRecordInTheShellsFirstForm) {
  NotifyIconRecord record{88, 0x1234, 5, 7, TrayCallbackMessage, 0x99};
  FillTipField(record.tip, "Lomvex");
  const NOTIFYICONDATAA data = ToNotifyIconData(record);
  EXPECT_EQ(data.cbSize, NOTIFYICONDATAA_V1_SIZE);
  EXPECT_EQ(data.hWnd, ToWindowHandle(0x1234));
  EXPECT_EQ(data.uID, 5u);
  EXPECT_EQ(data.uFlags, 7u);
  EXPECT_EQ(data.uCallbackMessage, 1125u);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(data.hIcon), 0x99u);
  EXPECT_EQ(std::string(data.szTip, NotifyIconRecord::kTipSize),
            std::string(record.tip, NotifyIconRecord::kTipSize));
}

}  // namespace
}  // namespace lomvex
