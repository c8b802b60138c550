#include "sys_tray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_tray_platform.h"
#include "recording_tray_events.h"

namespace lomvex {
namespace {

using testing::FakeTrayPlatform;
using testing::RecordingTrayEvents;

constexpr std::uintptr_t kWindow = 0x4242, kOtherWindow = 0x5151, kIcon = 0x77;

// ---- The tip field ----

struct TipCase {
  const char* name;
  std::string text;
  std::string shown;  // what precedes the NUL
};

class TipFieldTest : public ::testing::TestWithParam<TipCase> {};

TEST_P(TipFieldTest, TextThenNulThenBlanks) {
  char field[NotifyIconRecord::kTipSize];
  FillTipField(field, GetParam().text);
  std::string expected = GetParam().shown + '\0';
  expected.resize(NotifyIconRecord::kTipSize, ' ');
  EXPECT_EQ(std::string(field, sizeof field), expected);
}

const std::string kDefaultTip = std::string("SysTray Control.") + '\0';
INSTANTIATE_TEST_SUITE_P(
    Tips, TipFieldTest,
    ::testing::Values(TipCase{"Empty", "", ""}, TipCase{"Caption", "Lomvex", "Lomvex"},
                      TipCase{"Longest", std::string(63, 'a'), std::string(63, 'a')},
                      TipCase{"CutAt64", std::string(64, 'b'), std::string(63, 'b')},
                      TipCase{"CutLong", std::string(200, 'c'), std::string(63, 'c')},
                      TipCase{"DefaultWithNul", kDefaultTip, kDefaultTip}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- What the control asks of the platform ----

struct CallsCase {
  const char* name;
  void (*steps)(cSysTray& tray, cSysTray& other);  // `other` is on kOtherWindow
  std::vector<std::string> calls;
  bool in_tray, icon_shown;  // of `tray` at the end
};

class CallsTest : public ::testing::TestWithParam<CallsCase> {};

TEST_P(CallsTest, AsksForExactlyThis) {
  FakeTrayPlatform platform;
  cSysTray tray(platform, kWindow), other(platform, kOtherWindow);
  GetParam().steps(tray, other);
  EXPECT_EQ(platform.calls, GetParam().calls);
  EXPECT_EQ(tray.InTray(), GetParam().in_tray);
  EXPECT_EQ(tray.IconShown(), GetParam().icon_shown);
}

const std::string kAttach = "attach w4242",
                  kAddDefault = "add w4242 f5 m1125 'SysTray Control.\\0\\0'";
INSTANTIATE_TEST_SUITE_P(
    Steps, CallsTest,
    ::testing::Values(
        CallsCase{"AddBare",
                  [](cSysTray& t, cSysTray&) {
                    t.SetTrayTip("");
                    t.SetInTray(true);
                  },
                  {kAttach, "add w4242 f1 m1125"},
                  true,
                  true},
        CallsCase{"AddIcon",
                  [](cSysTray& t, cSysTray&) {
                    t.SetTrayIcon(kIcon);
                    t.SetTrayTip("");
                    t.SetInTray(true);
                  },
                  {kAttach, "add w4242 f3 m1125 i77"},
                  true,
                  true},
        CallsCase{"AddDefaultTip",
                  [](cSysTray& t, cSysTray&) { t.SetInTray(true); },
                  {kAttach, kAddDefault},
                  true,
                  true},
        CallsCase{"AddIconAndTip",
                  [](cSysTray& t, cSysTray&) {
                    t.SetTrayIcon(kIcon);
                    t.SetTrayTip("Lomvex");
                    t.SetInTray(true);
                  },
                  {kAttach, "add w4242 f7 m1125 i77 'Lomvex\\0'"},
                  true,
                  true},
        CallsCase{"ModifyIconAndTips",
                  [](cSysTray& t, cSysTray&) {
                    t.SetInTray(true);
                    t.SetTrayIcon(kIcon);
                    t.SetTrayTip("Lomvex");
                    t.SetTrayTip("");
                  },
                  {kAttach, kAddDefault, "modify w4242 f2 i77", "modify w4242 f4 'Lomvex\\0'",
                   "modify w4242 f4 '\\0'"},
                  true,
                  true},
        // A picture that is not an icon, no icon, and the same InTray again
        // change nothing: the next add still shows the first icon.
        CallsCase{"IgnoredChanges",
                  [](cSysTray& t, cSysTray&) {
                    t.SetTrayIcon(kIcon);
                    t.SetTrayIcon(0x99, false);
                    t.SetInTray(false);
                    t.SetInTray(true);
                    t.SetTrayIcon(0x99, false);
                    t.SetTrayIcon(0);
                    t.SetInTray(true);
                    t.SetInTray(false);
                    t.SetInTray(true);
                  },
                  {kAttach, "add w4242 f7 m1125 i77 'SysTray Control.\\0\\0'", "delete w4242 f0",
                   "detach w4242", kAttach, "add w4242 f7 m1125 i77 'SysTray Control.\\0\\0'"},
                  true,
                  true},
        // The icon goes before the window gets its messages back; a tip set
        // while out of the tray is used by the next add.
        CallsCase{"OffThenTipThenOn",
                  [](cSysTray& t, cSysTray&) {
                    t.SetInTray(true);
                    t.SetInTray(false);
                    t.SetTrayTip("Restored tip");
                    t.SetInTray(true);
                    t.SetInTray(false);
                  },
                  {kAttach, kAddDefault, "delete w4242 f0", "detach w4242", kAttach,
                   "add w4242 f5 m1125 'Restored tip\\0'", "delete w4242 f0", "detach w4242"},
                  false,
                  false},
        // A second control is refused while the first holds the tray, and
        // switching the refused one off touches nothing; once the first has
        // left, the second may go in.
        CallsCase{"SecondControlWaitsItsTurn",
                  [](cSysTray& t, cSysTray& other) {
                    t.SetInTray(true);
                    other.SetInTray(true);
                    other.SetInTray(false);
                    t.SetInTray(false);
                    other.SetInTray(true);
                  },
                  {kAttach, kAddDefault, "attach w5151", "delete w4242 f0", "detach w4242",
                   "attach w5151", "add w5151 f5 m1125 'SysTray Control.\\0\\0'"},
                  false,
                  false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SysTrayTest, DestroyedWhileShownRemovesIconAndFreesTheTray) {
  FakeTrayPlatform platform;
  {
    cSysTray tray(platform, kWindow);
    tray.SetInTray(true);
    platform.calls.clear();
  }
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"delete w4242 f0", "detach w4242"}));
  EXPECT_EQ(platform.holder, nullptr);
}

TEST(SysTrayTest, DesignerStoresInTrayButShowsNoIcon) {
  FakeTrayPlatform platform;
  {
    cSysTray tray(platform, kWindow, /*user_mode=*/false);
    tray.SetInTray(true);
    EXPECT_TRUE(tray.InTray());
    EXPECT_FALSE(tray.IconShown());
    tray.SetTrayTip("x");
    tray.SetInTray(false);
    EXPECT_FALSE(tray.InTray());
    tray.SetInTray(true);
  }
  EXPECT_TRUE(platform.calls.empty());
}

// ---- Mouse notifications ----

TEST(SysTrayTest, MouseNotificationsRaiseTheirEvents) {
  const struct {
    std::uint32_t message;
    const char* raised;  // empty: nothing
  } kCases[] = {
      {513, "down 1 9"}, {514, "up 1 9"},  {515, "dbl 1 9"},     {516, "down 2 9"},
      {517, "up 2 9"},   {518, "dbl 2 9"}, {512, ""} /* move */, {519, ""} /* middle button */,
      {521, ""},         {0, ""}};
  FakeTrayPlatform platform;
  cSysTray tray(platform, kWindow);
  tray.HandleTrayMessage(513, 9);  // no events attached: nothing to raise
  RecordingTrayEvents events;
  tray.SetEvents(&events);
  for (const auto& c : kCases) {
    events.raised.clear();
    tray.HandleTrayMessage(c.message, 9);
    EXPECT_EQ(events.raised,
              *c.raised ? std::vector<std::string>{c.raised} : std::vector<std::string>{})
        << c.message;
  }
}

}  // namespace
}  // namespace lomvex
