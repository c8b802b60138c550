#include "sys_tray.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "fake_tray_platform.h"

namespace lomvex {
namespace {

constexpr std::uintptr_t kWindow = 4242, kOtherWindow = 5151, kIcon = 77;

// Steps on the control of kWindow or, with "other:", of kOtherWindow: "icon" (kIcon), "picture"
// (not an icon), "none", "tip=TEXT", "on", "off" (InTray), "end" (the control is destroyed). A
// control whose steps begin with "designer" is in design mode.
void RunSteps(const std::string& steps, std::optional<cSysTray>& tray, cSysTray& other) {
  std::istringstream words(steps);
  for (std::string word; words >> word;) {
    cSysTray& control = word.rfind("other:", 0) == 0 ? other : *tray;
    if (&control == &other) word.erase(0, 6);
    if (word == "icon") control.SetTrayIcon(kIcon);
    if (word == "picture") control.SetTrayIcon(0x99, false);
    if (word == "none") control.SetTrayIcon(0);
    if (word.rfind("tip=", 0) == 0) control.SetTrayTip(word.substr(4));
    if (word == "on" || word == "off") control.SetInTray(word == "on");
    if (word == "end") tray.reset();
  }
}

TEST(SysTrayTest, AsksThePlatformForExactlyThis) {
  const std::string kAttach = "attach w4242", kDelete = "delete w4242 f0", kDetach = "detach w4242",
                    kDefaultTipLog = " 'SysTray Control.\\0\\0'", kShown = "state in shown",
                    kAdd = "add w4242 f5 m1125" + kDefaultTipLog;
  // Steps, then the calls and the state of the kWindow control if it is left.
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"tip= on", {kAttach, "add w4242 f1 m1125", kShown}},
      {"on", {kAttach, kAdd, kShown}},
      {"icon tip=Lomvex on", {kAttach, "add w4242 f7 m1125 i77 'Lomvex\\0'", kShown}},
      // A tip is cut to 63 characters, then a NUL and blanks fill the field.
      {"tip=" + std::string(64, 'a') + " on",
       {kAttach, "add w4242 f5 m1125 '" + std::string(63, 'a') + "\\0'", kShown}},
      {"on icon tip=Lomvex tip=",
       {kAttach, kAdd, "modify w4242 f2 i77", "modify w4242 f4 'Lomvex\\0'",
        "modify w4242 f4 '\\0'", kShown}},
      // Non-icon pictures, no icon and InTray set to its value change nothing.
      {"icon picture off on picture none on off on",
       {kAttach, "add w4242 f7 m1125 i77" + kDefaultTipLog, kDelete, kDetach, kAttach,
        "add w4242 f7 m1125 i77" + kDefaultTipLog, kShown}},
      // The icon goes before the window's messages; a tip set while out is used later.
      {"on off tip=Restored on off",
       {kAttach, kAdd, kDelete, kDetach, kAttach, "add w4242 f5 m1125 'Restored\\0'", kDelete,
        kDetach, "state out"}},
      // Ending in the tray removes the icon and leaves the tray free.
      {"on end other:on",
       {kAttach, kAdd, kDelete, kDetach, "attach w5151", "add w5151 f5 m1125" + kDefaultTipLog}},
      // A second control is refused, touching nothing, until the first has left.
      {"on other:on other:off off other:on",
       {kAttach, kAdd, "attach w5151", kDelete, kDetach, "attach w5151",
        "add w5151 f5 m1125" + kDefaultTipLog, "state out"}},
      // In design mode InTray is kept but no icon is shown, not even at the end.
      {"designer on tip=x", {"state in"}},
      {"designer on end", {}}};
  for (const auto& [steps, calls] : cases) {
    SCOPED_TRACE(steps);
    testing::FakeTrayPlatform platform;
    std::optional<cSysTray> tray(std::in_place, platform, kWindow, !steps.starts_with("designer"));
    cSysTray other(platform, kOtherWindow);
    RunSteps(steps, tray, other);
    if (tray)
      platform.calls.push_back(std::string("state ") + (tray->InTray() ? "in" : "out") +
                               (tray->IconShown() ? " shown" : ""));
    EXPECT_EQ(platform.calls, calls);
  }
}

// The mouse moving (512) and the middle button (519) raise nothing.
TEST(SysTrayTest, MouseNotificationsRaiseTheirEvents) {
  testing::FakeTrayPlatform platform;
  cSysTray tray(platform, kWindow);
  tray.HandleTrayMessage(513, 9);  // no events attached: nothing to raise
  testing::RecordingTrayEvents events;
  tray.SetEvents(&events);
  for (std::uint32_t message = 512; message <= 519; ++message) tray.HandleTrayMessage(message, 9);
  EXPECT_EQ(events.raised, (std::vector<std::string>{"down 1 9", "up 1 9", "dbl 1 9", "down 2 9",
                                                     "up 2 9", "dbl 2 9"}));
}

}  // namespace
}  // namespace lomvex
