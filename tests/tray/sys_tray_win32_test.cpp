#include "sys_tray_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_tray_events.h"
#include "tray_test_desktop_win32.h"

namespace lomvex {
namespace {

using testing::RecordingTrayEvents;
using testing::TrayTestDesktop;

class DesktopEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { desktop_.Enter(); }
  void TearDown() override { desktop_.Leave(); }

 private:
  TrayTestDesktop desktop_;
};

const auto* const kDesktop = ::testing::AddGlobalTestEnvironment(new DesktopEnvironment);

// A window of the test's own, whose procedure counts what reaches it.
constexpr UINT kProbeMessage = WM_APP + 7;
constexpr LRESULT kProbeAnswer = 0x5A;
int callbacks_seen = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == TrayCallbackMessage) ++callbacks_seen;
  if (message == kProbeMessage) return kProbeAnswer;
  return DefWindowProcA(window, message, wparam, lparam);
}

TrayControlWindow CreateCountingWindow() {
  static const ATOM window_class = [] {
    WNDCLASSEXA description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = CountingProc;
    description.hInstance = GetModuleHandleA(nullptr);
    description.lpszClassName = "LomvexTrayTestWindow";
    return RegisterClassExA(&description);
  }();
  return TrayControlWindow(CreateWindowExA(0, MAKEINTATOM(window_class), "", 0, 0, 0, 0, 0,
                                           HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                                           nullptr));
}

WNDPROC ProcedureOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// Posts a notification as the tray does, and lets it be dispatched.
void NotifyFromTray(HWND window, std::uint32_t mouse_message, std::uint32_t id = 0) {
  PostMessageA(window, TrayCallbackMessage, id, mouse_message);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// The shell's answer, where there is a shell tray to answer.
void ExpectShellAccepted(const Win32TrayPlatform& platform, const char* what) {
  if (TrayTestDesktop::TrayPresent()) {
    EXPECT_TRUE(platform.LastNotifySucceeded()) << what;
  }
}

class SysTrayWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    if (TrayTestDesktop::TrayRequired()) {
      ASSERT_TRUE(TrayTestDesktop::TrayPresent()) << "the test desktop has no tray";
    }
    callbacks_seen = 0;
    window_ = CreateCountingWindow();
    ASSERT_TRUE(window_);
  }

  Win32TrayPlatform platform_;
  TrayControlWindow window_;
};

TEST_F(SysTrayWin32Test, IconInTrayRaisesEventsAndPassesMessagesOn) {
  cSysTray tray(platform_, window_.handle());
  RecordingTrayEvents events;
  tray.SetEvents(&events);
  tray.SetTrayIcon(FromIconHandle(LoadIconA(nullptr, IDI_APPLICATION)));
  tray.SetTrayTip("Lomvex - BlackIce Defender attack list");
  tray.SetInTray(true);
  ExpectShellAccepted(platform_, "add");
  ASSERT_TRUE(tray.IconShown());
  EXPECT_EQ(ProcedureOf(window_.get()), &TrayWindowProc);

  const struct {
    std::uint32_t mouse_message;
    std::uint32_t id;
    const char* raised;
  } kNotifications[] = {
      {WM_LBUTTONDOWN, 0, "down 1 0"},  {WM_LBUTTONUP, 0, "up 1 0"},
      {WM_LBUTTONDBLCLK, 0, "dbl 1 0"}, {WM_RBUTTONDOWN, 0, "down 2 0"},
      {WM_RBUTTONUP, 0, "up 2 0"},      {WM_RBUTTONDBLCLK, 3, "dbl 2 3"},
      {WM_MOUSEMOVE, 0, nullptr},       {WM_MBUTTONDOWN, 0, nullptr},
  };
  std::vector<std::string> expected;
  for (const auto& notification : kNotifications) {
    NotifyFromTray(window_.get(), notification.mouse_message, notification.id);
    if (notification.raised != nullptr) expected.push_back(notification.raised);
  }
  EXPECT_EQ(events.raised, expected);
  EXPECT_EQ(callbacks_seen, 8) << "the window's own procedure sees every notification too";
  EXPECT_EQ(SendMessageA(window_.get(), kProbeMessage, 0, 0), kProbeAnswer);

  tray.SetTrayTip(std::string(80, 'x'));
  ExpectShellAccepted(platform_, "tip");
  tray.SetTrayIcon(FromIconHandle(LoadIconA(nullptr, IDI_WARNING)));
  ExpectShellAccepted(platform_, "icon");

  tray.SetInTray(false);
  ExpectShellAccepted(platform_, "delete");
  EXPECT_EQ(ProcedureOf(window_.get()), &CountingProc);
  EXPECT_EQ(GetWindowLongPtrA(window_.get(), GWLP_USERDATA), 0);
  events.raised.clear();
  NotifyFromTray(window_.get(), WM_LBUTTONDOWN);
  EXPECT_TRUE(events.raised.empty());
  EXPECT_EQ(callbacks_seen, 9);
}

// A second control, on another window or on the same one, is refused while the
// first holds the tray; the first goes on receiving its notifications.
class SecondControlTest : public SysTrayWin32Test, public ::testing::WithParamInterface<bool> {};

TEST_P(SecondControlTest, IsRefusedAndFirstStaysIntact) {
  const bool same_window = GetParam();
  TrayControlWindow other_window = same_window ? TrayControlWindow() : CreateCountingWindow();
  HWND second_window = same_window ? window_.get() : other_window.get();

  cSysTray first(platform_, window_.handle());
  RecordingTrayEvents first_events;
  first.SetEvents(&first_events);
  first.SetInTray(true);
  const LONG_PTR first_user_data = GetWindowLongPtrA(window_.get(), GWLP_USERDATA);

  cSysTray second(platform_, FromWindowHandle(second_window));
  RecordingTrayEvents second_events;
  second.SetEvents(&second_events);
  second.SetInTray(true);
  EXPECT_FALSE(second.InTray());
  EXPECT_FALSE(second.IconShown());
  if (!same_window) {
    EXPECT_EQ(ProcedureOf(second_window), &CountingProc);
  }

  EXPECT_TRUE(first.IconShown());
  EXPECT_EQ(ProcedureOf(window_.get()), &TrayWindowProc);
  EXPECT_EQ(GetWindowLongPtrA(window_.get(), GWLP_USERDATA), first_user_data);
  NotifyFromTray(window_.get(), WM_RBUTTONUP);
  EXPECT_EQ(first_events.raised, std::vector<std::string>{"up 2 0"});
  EXPECT_TRUE(second_events.raised.empty());

  // Once the first has left, the second may go in.
  first.SetInTray(false);
  second.SetInTray(true);
  EXPECT_TRUE(second.IconShown());
  ExpectShellAccepted(platform_, "second add");
  NotifyFromTray(second_window, WM_LBUTTONDBLCLK);
  EXPECT_EQ(second_events.raised, std::vector<std::string>{"dbl 1 0"});
  second.SetInTray(false);
  EXPECT_EQ(ProcedureOf(second_window), &CountingProc);
}

INSTANTIATE_TEST_SUITE_P(Windows, SecondControlTest, ::testing::Values(false, true),
                         [](const auto& info) {
                           return std::string(info.param ? "SameWindow" : "OtherWindow");
                         });

// The main window leaves the tray on a double-click on the icon, that is from
// inside the notification.
class LeaveTrayOnDblClick : public TrayEvents {
 public:
  explicit LeaveTrayOnDblClick(cSysTray& tray) : tray_(tray) {}
  void OnTrayMouseDblClick(int button, std::uint32_t id) override { tray_.SetInTray(false); }

 private:
  cSysTray& tray_;
};

TEST_F(SysTrayWin32Test, LeavingTheTrayFromAnEventStillPassesTheMessageOn) {
  cSysTray tray(platform_, window_.handle());
  LeaveTrayOnDblClick events(tray);
  tray.SetEvents(&events);
  tray.SetInTray(true);
  NotifyFromTray(window_.get(), WM_LBUTTONDBLCLK);
  EXPECT_FALSE(tray.IconShown());
  EXPECT_EQ(callbacks_seen, 1);
  EXPECT_EQ(ProcedureOf(window_.get()), &CountingProc);
}

TEST_F(SysTrayWin32Test, DestroyedControlRemovesIconAndGivesWindowBack) {
  {
    cSysTray tray(platform_, window_.handle());
    tray.SetInTray(true);
  }
  ExpectShellAccepted(platform_, "delete");
  EXPECT_EQ(ProcedureOf(window_.get()), &CountingProc);
  cSysTray next(platform_, window_.handle());
  next.SetInTray(true);
  EXPECT_TRUE(next.IconShown()) << "the tray is free again";
}

TEST_F(SysTrayWin32Test, WindowThatIsGoneIsRefused) {
  HWND gone = CreateCountingWindow().get();  // destroyed at once
  cSysTray tray(platform_, FromWindowHandle(gone));
  tray.SetInTray(true);
  EXPECT_FALSE(tray.InTray());
  cSysTray next(platform_, window_.handle());
  next.SetInTray(true);
  EXPECT_TRUE(next.IconShown());
}

TEST_F(SysTrayWin32Test, ControlWindowIsHiddenChildOfItsOwner) {
  TrayControlWindow owner(CreateWindowExA(0, "STATIC", "Lomvex", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                          100, nullptr, nullptr, nullptr, nullptr));
  if (!owner) {
    ASSERT_FALSE(TrayTestDesktop::TrayRequired()) << "no top-level window on a display";
    GTEST_SKIP() << "no display: top-level windows cannot be created";
  }
  HWND control_window;
  {
    TrayControlWindow control = CreateTrayControlWindow(owner.get());
    control_window = control.get();
    ASSERT_TRUE(control);
    EXPECT_EQ(GetParent(control_window), owner.get());
    EXPECT_FALSE(IsWindowVisible(control_window));
    char class_name[32] = {};
    GetClassNameA(control_window, class_name, sizeof class_name);
    EXPECT_STREQ(class_name, "Lomvex.cSysTray");

    cSysTray tray(platform_, control.handle());
    RecordingTrayEvents events;
    tray.SetEvents(&events);
    tray.SetInTray(true);
    ExpectShellAccepted(platform_, "add");
    NotifyFromTray(control_window, WM_RBUTTONDOWN);
    EXPECT_EQ(events.raised, std::vector<std::string>{"down 2 0"});
  }
  EXPECT_FALSE(IsWindow(control_window));
}

TEST(NotifyIconDataTest, CarriesTheRecordInTheShellsFirstForm) {
  NotifyIconRecord record;
  record.window = 0x1234;
  record.id = 5;
  record.flags = 7;
  record.callback_message = TrayCallbackMessage;
  record.icon = 0x99;
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
