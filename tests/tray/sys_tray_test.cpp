#include "sys_tray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_tray_platform.h"
#include "recording_tray_events.h"

namespace lomvex {
namespace {

using testing::FakeTrayPlatform;
using testing::PlatformCall;
using testing::RecordingTrayEvents;

constexpr std::uintptr_t kWindow = 0x4242;
constexpr std::uintptr_t kIcon = 0x77;
const std::string kDefaultTip = std::string("SysTray Control.") + '\0';

std::string Field(const char (&field)[NotifyIconRecord::kTipSize]) {
  return std::string(field, NotifyIconRecord::kTipSize);
}

std::string ExpectedField(const std::string& shown) {
  std::string field = shown + '\0';
  field.resize(NotifyIconRecord::kTipSize, ' ');
  return field;
}

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
  EXPECT_EQ(Field(field), ExpectedField(GetParam().shown));
}

const std::string kCaption38 = "Lomvex - BlackIce Defender attack list";
INSTANTIATE_TEST_SUITE_P(
    Tips, TipFieldTest,
    ::testing::Values(TipCase{"Empty", "", ""}, TipCase{"Caption", kCaption38, kCaption38},
                      TipCase{"Longest", std::string(63, 'a'), std::string(63, 'a')},
                      TipCase{"CutAt64", std::string(64, 'b'), std::string(63, 'b')},
                      TipCase{"CutLong", std::string(200, 'c'),
                              std::string(200, 'c').substr(0, 63)},
                      TipCase{"DefaultWithNul", kDefaultTip, kDefaultTip}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The record of each command ----

using Step = void (*)(cSysTray&);

struct RecordCase {
  const char* name;
  Step before;  // brings the control to the state under test
  Step action;  // sends the one command whose record is checked
  TrayCommand command;
  std::uint32_t flags;
  std::uint32_t callback_message;
  std::uintptr_t icon;
  std::string tip_field;  // the whole field; empty: all NUL (not set)
};

class RecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordTest, CarriesOnlyWhatTheCommandNeeds) {
  const RecordCase& c = GetParam();
  FakeTrayPlatform platform;
  cSysTray tray(platform, kWindow);
  c.before(tray);
  platform.calls.clear();

  c.action(tray);
  const auto notifies = platform.NotifyCalls();
  ASSERT_EQ(notifies.size(), 1u);
  const NotifyIconRecord& record = notifies[0].record;
  EXPECT_EQ(notifies[0].command, c.command);
  EXPECT_EQ(record.size, 88u);
  EXPECT_EQ(record.window, kWindow);
  EXPECT_EQ(record.id, 0u);
  EXPECT_EQ(record.flags, c.flags);
  EXPECT_EQ(record.callback_message, c.callback_message);
  EXPECT_EQ(record.icon, c.icon);
  EXPECT_EQ(Field(record.tip),
            c.tip_field.empty() ? std::string(NotifyIconRecord::kTipSize, '\0') : c.tip_field);
}

void Nothing(cSysTray&) {}
void NoTip(cSysTray& t) { t.SetTrayTip(""); }
void IconNoTip(cSysTray& t) {
  t.SetTrayIcon(kIcon);
  t.SetTrayTip("");
}
void IconAndTip(cSysTray& t) {
  t.SetTrayIcon(kIcon);
  t.SetTrayTip("Lomvex");
}
void Show(cSysTray& t) { t.SetInTray(true); }
void ShowWithIcon(cSysTray& t) {
  t.SetTrayIcon(kIcon);
  t.SetInTray(true);
}
void Hide(cSysTray& t) { t.SetInTray(false); }

INSTANTIATE_TEST_SUITE_P(
    Commands, RecordTest,
    ::testing::Values(RecordCase{"AddBare", NoTip, Show, TrayCommand::kAdd, 1, 1125, 0, ""},
                      RecordCase{"AddIcon", IconNoTip, Show, TrayCommand::kAdd, 3, 1125, kIcon, ""},
                      RecordCase{"AddDefaultTip", Nothing, Show, TrayCommand::kAdd, 5, 1125, 0,
                                 ExpectedField(kDefaultTip)},
                      RecordCase{"AddIconAndTip", IconAndTip, Show, TrayCommand::kAdd, 7, 1125,
                                 kIcon, ExpectedField("Lomvex")},
                      RecordCase{"ModifyIcon", Show, [](cSysTray& t) { t.SetTrayIcon(kIcon); },
                                 TrayCommand::kModify, 2, 0, kIcon, ""},
                      RecordCase{"ModifyTip", Show, [](cSysTray& t) { t.SetTrayTip("Lomvex"); },
                                 TrayCommand::kModify, 4, 0, 0, ExpectedField("Lomvex")},
                      RecordCase{"ModifyEmptyTip", Show, NoTip, TrayCommand::kModify, 4, 0, 0,
                                 ExpectedField("")},
                      RecordCase{"Delete", ShowWithIcon, Hide, TrayCommand::kDelete, 0, 0, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Changes that do nothing ----

struct IgnoredCase {
  const char* name;
  bool shown_first;
  void (*change)(cSysTray&);
};

class IgnoredChangeTest : public ::testing::TestWithParam<IgnoredCase> {};

TEST_P(IgnoredChangeTest, NothingSentAndStateKept) {
  FakeTrayPlatform platform;
  cSysTray tray(platform, kWindow);
  tray.SetTrayIcon(kIcon);
  tray.SetInTray(GetParam().shown_first);
  platform.calls.clear();

  GetParam().change(tray);
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_EQ(tray.TrayIcon(), kIcon);
  EXPECT_EQ(tray.InTray(), GetParam().shown_first);
  EXPECT_EQ(tray.IconShown(), GetParam().shown_first);
}

INSTANTIATE_TEST_SUITE_P(
    Ignored, IgnoredChangeTest,
    ::testing::Values(
        IgnoredCase{"BitmapWhileShown", true, [](cSysTray& t) { t.SetTrayIcon(0x99, false); }},
        IgnoredCase{"NoneWhileShown", true, [](cSysTray& t) { t.SetTrayIcon(0); }},
        IgnoredCase{"BitmapWhileHidden", false, [](cSysTray& t) { t.SetTrayIcon(0x99, false); }},
        IgnoredCase{"TrueTwice", true, [](cSysTray& t) { t.SetInTray(true); }},
        IgnoredCase{"FalseWhenFalse", false, [](cSysTray& t) { t.SetInTray(false); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Switching off and the control's end ----

// The icon goes before the window gets its procedure back.
void ExpectRemoved(const std::vector<PlatformCall>& calls) {
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].command, TrayCommand::kDelete);
  EXPECT_EQ(calls[1].kind, PlatformCall::kDetach);
  EXPECT_EQ(calls[1].window, kWindow);
}

TEST(SysTrayTest, SwitchingOffRemovesIconThenGivesProcedureBack) {
  FakeTrayPlatform platform;
  cSysTray tray(platform, kWindow);
  ShowWithIcon(tray);
  platform.calls.clear();
  tray.SetInTray(false);
  ExpectRemoved(platform.calls);
  EXPECT_FALSE(tray.IconShown());
  EXPECT_EQ(tray.TrayIcon(), kIcon);
}

TEST(SysTrayTest, DestroyedWhileShownRemovesIcon) {
  FakeTrayPlatform platform;
  {
    cSysTray tray(platform, kWindow);
    tray.SetInTray(true);
    platform.calls.clear();
  }
  ExpectRemoved(platform.calls);
  EXPECT_EQ(platform.holder, nullptr);
}

TEST(SysTrayTest, TipSetWhileHiddenIsUsedByNextAdd) {
  FakeTrayPlatform platform;
  cSysTray tray(platform, kWindow);
  tray.SetInTray(true);
  tray.SetInTray(false);
  platform.calls.clear();
  tray.SetTrayTip("Restored tip");
  EXPECT_TRUE(platform.calls.empty());
  tray.SetInTray(true);
  EXPECT_EQ(std::string(platform.NotifyCalls().at(0).record.tip), "Restored tip");
  EXPECT_EQ(tray.TrayTip(), "Restored tip");
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

// ---- One control in the tray at a time ----

TEST(SysTrayTest, SecondControlIsRefusedAndFirstKeepsTheTray) {
  FakeTrayPlatform platform;
  constexpr std::uintptr_t kOtherWindow = 0x5151;
  cSysTray first(platform, kWindow);
  first.SetInTray(true);
  cSysTray second(platform, kOtherWindow);
  platform.calls.clear();

  second.SetInTray(true);
  EXPECT_FALSE(second.InTray());
  EXPECT_FALSE(second.IconShown());
  EXPECT_TRUE(platform.NotifyCalls().empty());
  EXPECT_EQ(platform.holder, &first);
  EXPECT_TRUE(first.InTray());
  EXPECT_TRUE(first.IconShown());

  // Switching the refused one off touches nothing of the first.
  platform.calls.clear();
  second.SetInTray(false);
  EXPECT_TRUE(platform.calls.empty());

  // Once the first leaves, the second may go in.
  first.SetInTray(false);
  second.SetInTray(true);
  EXPECT_TRUE(second.IconShown());
  EXPECT_EQ(platform.holder, &second);
  EXPECT_EQ(platform.NotifyCalls().back().record.window, kOtherWindow);
}

// ---- Mouse notifications ----

struct MouseCase {
  std::uint32_t message;
  const char* raised;  // empty: nothing
};

class MouseMessageTest : public ::testing::TestWithParam<MouseCase> {};

TEST_P(MouseMessageTest, RaisesTheMatchingEvent) {
  FakeTrayPlatform platform;
  cSysTray tray(platform, kWindow);
  RecordingTrayEvents events;
  tray.SetEvents(&events);
  tray.HandleTrayMessage(GetParam().message, 9);
  const std::string expected = GetParam().raised;
  if (expected.empty()) {
    EXPECT_TRUE(events.raised.empty());
  } else {
    EXPECT_EQ(events.raised, std::vector<std::string>{expected});
  }
}

INSTANTIATE_TEST_SUITE_P(Messages, MouseMessageTest,
                         ::testing::Values(MouseCase{513, "down 1 9"}, MouseCase{514, "up 1 9"},
                                           MouseCase{515, "dbl 1 9"}, MouseCase{516, "down 2 9"},
                                           MouseCase{517, "up 2 9"}, MouseCase{518, "dbl 2 9"},
                                           MouseCase{512, ""},  // move
                                           MouseCase{519, ""},  // middle button
                                           MouseCase{521, ""}, MouseCase{0, ""}),
                         [](const auto& info) { return std::to_string(info.param.message); });

}  // namespace
}  // namespace lomvex
