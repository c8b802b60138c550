#include "main_window_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "main_window_fakes.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

class MainWindowTest : public ::testing::Test, protected MainWindowFixture {};

TEST(MainWindowStartTest, LoadsAndSwitchesCommandsByFileSet) {
  // A list file named, there, FileSet (nullptr: no key), the list commands after activation.
  const std::tuple<bool, bool, const char*, bool> cases[] = {{false, false, nullptr, false},
                                                             {true, false, "1", true},
                                                             {true, true, "0", false},
                                                             {true, true, "1", true}};
  for (const auto& [location, file_exists, file_set, commands_after_activation] : cases) {
    SCOPED_TRACE(::testing::Message() << location << file_exists << (file_set ? file_set : "-"));
    MainWindowFixture f;
    if (location) f.WithList();
    if (!file_exists) f.files.files.clear();
    if (file_set) f.Set("FileSet", file_set);
    MainWindowLogic& logic = f.Start();
    EXPECT_EQ(std::tuple(logic.ListState().list.RowCount(), f.files.reads),
              std::tuple(file_exists ? 2u : 0u, file_exists ? 1 : 0));
    EXPECT_FALSE(logic.ListState().list_commands_enabled) << "off after loading";
    logic.Activate();
    EXPECT_EQ(logic.ListState().list_commands_enabled, commands_after_activation);
    EXPECT_TRUE(f.window.messages.empty());
  }
}

TEST(MainWindowClearTest, ConfirmsThenDeletesAndEmpties) {
  const struct {
    MessageAnswer answer;
    bool location, exists, locked, file_left, list_emptied;
  } cases[] = {{MessageAnswer::kCancel, true, true, false, true, false},
               {MessageAnswer::kOk, true, true, false, false, true},
               {MessageAnswer::kOk, true, false, false, false, true},     // already gone
               {MessageAnswer::kOk, true, true, true, true, false},       // cannot delete: reported
               {MessageAnswer::kOk, false, false, false, false, false}};  // no location
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    MainWindowFixture f;
    f.Set("FileSet", "1");
    if (c.location) f.WithList();
    MainWindowLogic& logic = f.Start();
    logic.Activate();
    const MainListState before = logic.ListState();
    if (!c.exists) f.files.files.erase(kPath);
    if (c.locked) f.files.locked.insert(kPath);
    f.window.answer = c.answer;
    logic.Run(Command::kClear);

    ASSERT_EQ(f.window.messages.size(), c.locked ? 2u : 1u);
    EXPECT_EQ(f.window.events[0], "message Lomvex (exclamation, ok cancel)");
    EXPECT_EQ(f.window.messages[0], ExpandLineBreaks(ViewerText(IDS_CLEAR_CONFIRM)));
    EXPECT_TRUE(!c.locked || f.window.messages[1].find(kPath) != std::string::npos);
    const MainListState& after = logic.ListState();
    EXPECT_EQ(std::tuple(f.files.files.count(kPath) == 1, after.list.RowCount(), after.count_label,
                         after.list_commands_enabled, after.status_text),
              std::tuple(c.file_left, c.list_emptied ? 0 : before.list.RowCount(),
                         c.list_emptied ? "" : before.count_label,
                         !c.list_emptied && before.list_commands_enabled, before.status_text));
  }
}

// A first cancel changes nothing, a later one reloads; a bad file is reported, good rows kept.
TEST_F(MainWindowTest, CancelKeepsTheChoiceAndReloadsIt) {
  dialog.answers = {"", kPath, "", ""};
  MainWindowLogic& logic = Start();
  logic.Run(Command::kOpen);
  EXPECT_FALSE(logic.ListState().list_commands_enabled);
  files.files[kPath] = AttackListFile({Record(90), Record(10)});
  logic.Run(Command::kOpen);
  EXPECT_EQ(logic.ListState().list.RowCount(), 2u);
  EXPECT_TRUE(logic.ListState().list_commands_enabled);
  EXPECT_FALSE(logic.Settings().FileSet) << "the flag read at start-up is kept";
  files.files[kPath] = AttackListFile({Record(90), Record(10), Record(50)});
  logic.Run(Command::kOpen);
  EXPECT_EQ(std::tuple(files.reads, logic.ListState().list.RowCount()), std::tuple(2, 3u));
  files.files[kPath] = AttackListFile({Record(90), "abc,2026-11-01 07:53:38,1,x,y,z,h,0,,1"});
  logic.Run(Command::kOpen);
  EXPECT_EQ(std::tuple(window.events, window.messages, logic.ListState().list.RowCount(),
                       logic.ListState().list_commands_enabled),
            std::tuple(Events{"message Lomvex (critical, ok)"}, Events{BadAttackListMessage()}, 1u,
                       true));
}

// Reloads at 300 and 600 seconds, Open at 250 moving nothing; each tick writes the clock alone.
TEST_F(MainWindowTest, ReloadsOnTick300And600AndWritesTheClock) {
  WithList();
  dialog.answers = {kPath};
  MainWindowLogic& logic = Start();
  EXPECT_EQ(logic.ClockText(), "03:07 PM");
  window.now = {0, 1, 0};
  window.updated = 0;
  std::vector<int> reload_ticks;
  for (int tick = 1; tick <= 600; ++tick) {
    if (tick == 250) logic.Run(Command::kOpen);
    const int reads = files.reads;
    logic.Tick();
    if (files.reads != reads) reload_ticks.push_back(tick);
    EXPECT_TRUE(tick > 1 || window.updated == kViewClock) << "the clock only";
  }
  EXPECT_EQ(reload_ticks, (std::vector<int>{300, 600}));
  EXPECT_EQ(logic.ClockText(), "12:01 AM");
}

TEST_F(MainWindowTest, NoReloadStartsWhileAFailedOneShowsItsMessage) {
  WithList(AttackListFile({}));
  Set("RefreshRate", "0");
  MainWindowLogic& logic = Start();
  ASSERT_EQ(window.messages.size(), 1u);  // the start-up load
  window.while_message_open = [&] {
    for (int i = 0; i < 5; ++i) logic.Tick();
  };
  logic.Tick();
  EXPECT_EQ(std::tuple(window.messages.size(), files.reads), std::tuple(2u, 2)) << "none nested";
  window.while_message_open = nullptr;
  logic.Tick();
  EXPECT_EQ(files.reads, 3) << "the next tick reloads again";
}

// Out of the tray too; the order without a tray icon is in the help test.
TEST_F(MainWindowTest, UnloadStepsInOrderThenNothingRuns) {
  WithList();
  window.printer.font = {"Times", 12, true};
  MainWindowLogic& logic = Start();
  logic.Resize(true);
  window.events.clear();
  logic.Run(Command::kExit);
  EXPECT_EQ(window.events, (Events{"printer font Times", "tray delete", "destroy"}));
  EXPECT_EQ(window.printer.font, (PrinterFont{"Times", 12, true}));
  window.events.clear();
  logic.Unload();
  for (Command command : {Command::kExit, Command::kClear}) logic.Run(command);
  logic.Tick();
  logic.Resize(true);
  EXPECT_TRUE(window.events.empty());
}

// Help refused stays unopened, opened help closes at exit; setup is offered in landscape; a
// failed printout leaves its font for the next to put back.
TEST_F(MainWindowTest, HelpAndPrinterRequestsAndWhatExitPutsBack) {
  window.help_accepts = false;
  window.printer.fail_at_line = 0;
  MainWindowLogic& logic = Start();
  logic.Run(Command::kHelp);
  window.help_accepts = true;
  logic.MenuHelp(0);  // an item without a topic
  logic.MenuHelp(60);
  logic.Run(Command::kHelp);
  logic.Run(Command::kPrintList);
  window.printer.fail_at_line = -1;
  window.setup_choice = PageOrientation::kPortrait;
  logic.Run(Command::kPrinterSetup);
  logic.Run(Command::kPrintList);
  EXPECT_EQ(window.printer.orientation, PageOrientation::kPortrait);
  logic.Run(Command::kExit);
  EXPECT_EQ(window.events,
            (Events{"help 11 0", "help 1 60", "help 11 0", "printer font Courier New",
                    "message Lomvex Printer Error (exclamation, ok)", "setup 2",
                    "printer font Courier New", "printer font Courier New", "printer font Arial",
                    "help 2 0", "destroy"}));
}

TEST_F(MainWindowTest, ListEventsReachTheListAndTheView) {
  WithList(AttackListFile({Record(90), Record(50)}));
  MainWindowLogic& logic = Start();
  window.updated = 0;
  logic.ColumnClick(0);  // outside the list: ignored
  logic.ColumnClick(10);
  logic.ColumnClick(4);
  EXPECT_EQ(window.events, Events{"sort mark 4"});
  EXPECT_EQ(window.updated, kViewRows | kViewSelection);
  logic.ListSelectionChanged(1);
  logic.ListClick();
  EXPECT_NE(logic.ListState().status_text.find("Serious"), std::string::npos);
  EXPECT_TRUE(window.updated & kViewStatus);
}

// Minimised, the window hides only behind its icon; a restarted shell refusing it brings it back.
TEST_F(MainWindowTest, WindowHidesOnlyBehindItsTrayIcon) {
  MainWindowLogic& logic = Start(77);
  // min/restore: resized; left/right/dbl: the icon clicked; refuse/accept: the shell's answers.
  for (const std::string step :
       {"min", "left", "right", "dbl", "restore", "refuse", "min", "restart", "accept", "restart",
        "restore", "min", "restart", "refuse", "restart"}) {
    if (step == "min" || step == "restore") logic.Resize(step == "min");
    if (step == "left" || step == "right") logic.OnTrayMouseDown(step == "left" ? 1 : 2, 0);
    if (step == "dbl") logic.OnTrayMouseDblClick(1, 0);
    if (step == "refuse" || step == "accept") window.tray_platform.shell_refuses = step == "refuse";
    if (step == "restart") logic.ShellRestarted();
  }
  EXPECT_NE(window.tray_platform.calls[1].find("i77 'Lomvex - BlackIce Intrusion Log Viewer\\0'"),
            std::string::npos);
  EXPECT_EQ(window.events, (Events{"tray add", "hide", "tray menu", "restore", "tray delete",
                                   "tray add", "tray add", "tray add", "tray delete", "tray add",
                                   "hide", "tray add", "tray add", "restore"}));
}

TEST_F(MainWindowTest, OpenChoosesNothingWhenTheWindowWasUnloadedInItsDialog) {
  files.files[kPath] = AttackListFile({Record(90)});
  dialog.answers = {kPath};
  MainWindowLogic& logic = Start();
  dialog.while_open = [&] { logic.Run(Command::kExit); };
  logic.Run(Command::kOpen);
  EXPECT_EQ(files.reads + ReadStartupSettings(*profile).FileLocation.size(), 0u);
}

// What would change the printed list waits for the end of a list's or an event's printout.
TEST(MainWindowPrintTest, WhatWouldChangeThePrintedListWaitsForThePrintoutsEnd) {
  // What runs while printing (nothing: a timer tick); whether an event is printed.
  const std::pair<std::optional<Command>, bool> cases[] = {{std::nullopt, false},
                                                           {Command::kOpen, false},
                                                           {Command::kExit, false},
                                                           {std::nullopt, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    const auto& [command, event_printout] = c;
    MainWindowFixture f;
    f.Set("RefreshRate", "0");
    f.WithList();
    f.dialog.answers = {kPath};
    MainWindowLogic& logic = f.Start();
    f.files.files[kPath] = AttackListFile({Record(90), Record(10), Record(50)});
    const auto done = [&] {
      return command == Command::kExit ? std::ranges::count(f.window.events, "destroy") == 1
                                       : logic.ListState().list.RowCount() == 3;
    };
    bool done_while_printing = true;
    f.window.printer.while_printing = [&] {
      command ? logic.Run(*command) : logic.Tick();
      done_while_printing = done();
    };
    f.window.while_info_open = [](const InfoView&, InfoWindowActions& info) { info.Print(); };
    logic.Run(event_printout ? Command::kDetails : Command::kPrintList);
    EXPECT_FALSE(done_while_printing);
    EXPECT_TRUE(done()) << "once the printout ended";
  }
}

}  // namespace
}  // namespace lomvex
