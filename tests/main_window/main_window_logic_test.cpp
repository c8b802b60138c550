#include "main_window_logic.h"

#include <gtest/gtest.h>

#include "list_print_job.h"
#include "main_window_fakes.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

using Events = std::vector<std::string>;

TEST(MainWindowStartTest, LoadsAndSwitchesCommandsByFileSet) {
  struct Case {
    const char* name;
    bool location;
    bool file_exists;
    const char* FileSet;  // nullptr: the key is missing
    size_t rows;
    bool commands_after_activation;
  } cases[] = {
      {"no location, FileSet on", false, false, "1", 0, true},
      {"no location, FileSet off", false, false, nullptr, 0, false},
      {"missing file, FileSet on", true, false, "1", 0, true},
      {"list, FileSet off", true, true, "0", 2, false},
      {"list, FileSet on", true, true, "1", 2, true},
  };
  for (const Case& c : cases) {
    MainWindowFixture f;
    if (c.location) f.WithList();
    if (!c.file_exists) f.files.files.clear();
    if (c.FileSet) f.profile.keys["FileSet"] = c.FileSet;
    MainWindowLogic& logic = f.Start();
    EXPECT_EQ(logic.ListState().list.RowCount(), c.rows) << c.name;
    EXPECT_EQ(f.files.reads, c.file_exists ? 1 : 0) << c.name;
    EXPECT_FALSE(logic.ListState().list_commands_enabled) << c.name << ": off after loading";
    logic.Activate();
    EXPECT_EQ(logic.ListState().list_commands_enabled, c.commands_after_activation) << c.name;
    EXPECT_TRUE(f.window.messages.empty()) << c.name;
  }
}

TEST(MainWindowStartTest, LoadingPreparesTrayPrinterAndStatusBar) {
  MainWindowFixture f;
  MainWindowLogic& logic = f.Start(0x77);
  EXPECT_EQ(f.tray.TrayIcon(), 0x77u);
  EXPECT_EQ(f.tray.TrayTip(), "Lomvex - BlackIce Intrusion Log Viewer");
  EXPECT_TRUE(f.tray_platform.calls.empty()) << "no icon until minimised";
  EXPECT_EQ(logic.PrintOrientation(), PageOrientation::kLandscape);
  EXPECT_EQ(logic.DateText(), "Dec 06, 2026");
  EXPECT_EQ(logic.ClockText(), "03:07 PM");
  EXPECT_EQ(logic.Settings().RefreshRate, 5);
}

TEST(MainWindowStartTest, BadFileIsReportedOnceWithMessage113) {
  MainWindowFixture f;
  f.WithList(AttackListFile({Record(90), "abc,2026-11-01 07:53:38,1,x,y,z,h,0,,1"}));
  MainWindowLogic& logic = f.Start();
  ASSERT_EQ(f.window.messages.size(), 1u);
  const ShownMessage& shown = f.window.messages[0];
  EXPECT_EQ(shown.text, BadAttackListMessage());
  EXPECT_EQ(shown.caption, "Lomvex");
  EXPECT_EQ(shown.icon, MessageIcon::kCritical);
  EXPECT_EQ(shown.buttons, MessageButtons::kOk);
  EXPECT_EQ(logic.ListState().list.RowCount(), 1u);
}

TEST(MainWindowClearTest, ConfirmsThenDeletesAndEmpties) {
  struct Case {
    const char* name;
    MessageAnswer answer;
    bool location;
    bool exists;
    bool locked;
    bool file_left;
    bool list_emptied;
    size_t messages;  // the confirmation, and a failure report
  } cases[] = {
      {"cancel", MessageAnswer::kCancel, true, true, false, true, false, 1},
      {"ok", MessageAnswer::kOk, true, true, false, false, true, 1},
      {"ok, file already gone", MessageAnswer::kOk, true, false, false, false, true, 1},
      {"ok, cannot delete", MessageAnswer::kOk, true, true, true, true, false, 2},
      {"ok, no location", MessageAnswer::kOk, false, false, false, false, false, 1},
  };
  for (const Case& c : cases) {
    MainWindowFixture f;
    f.profile.keys["FileSet"] = "1";
    if (c.location) f.WithList();
    MainWindowLogic& logic = f.Start();
    logic.Activate();
    const MainListState before = logic.ListState();
    if (!c.exists) f.files.files.erase(kPath);
    if (c.locked) f.files.locked.insert(kPath);
    f.window.answer = c.answer;

    logic.Run(Command::kClear);

    ASSERT_EQ(f.window.messages.size(), c.messages) << c.name;
    const ShownMessage& confirm = f.window.messages[0];
    EXPECT_EQ(confirm.text, ExpandLineBreaks(ViewerText(IDS_CLEAR_CONFIRM))) << c.name;
    EXPECT_EQ(confirm.caption, "Lomvex") << c.name;
    EXPECT_EQ(confirm.icon, MessageIcon::kExclamation) << c.name;
    EXPECT_EQ(confirm.buttons, MessageButtons::kOkCancel) << c.name;
    if (c.messages == 2) {
      EXPECT_NE(f.window.messages[1].text.find(kPath), std::string::npos) << c.name;
    }
    const MainListState& after = logic.ListState();
    EXPECT_EQ(f.files.files.count(kPath) == 1, c.file_left) << c.name;
    EXPECT_EQ(after.list.RowCount(), c.list_emptied ? 0 : before.list.RowCount()) << c.name;
    EXPECT_EQ(after.count_label, c.list_emptied ? "" : before.count_label) << c.name;
    EXPECT_EQ(after.list_commands_enabled, !c.list_emptied && before.list_commands_enabled)
        << c.name;
    EXPECT_EQ(after.status_text, before.status_text) << c.name << ": panel 1 keeps its text";
    EXPECT_EQ(after.list.AttackIdsCount(), before.list.AttackIdsCount()) << c.name;
    EXPECT_EQ(after.HostName, before.HostName) << c.name;
  }
}

TEST(MainWindowOpenTest, CancelKeepsTheChoiceAndReloadsIt) {
  MainWindowFixture f;
  f.profile.keys["RefreshRate"] = "10";
  f.dialog.answers = {"", kPath, ""};
  MainWindowLogic& logic = f.Start();
  logic.Run(Command::kOpen);  // a first cancel changes nothing
  EXPECT_EQ(f.files.reads, 0);
  EXPECT_EQ(f.profile.keys.count("FileLocation"), 0u);
  EXPECT_FALSE(logic.ListState().list_commands_enabled);

  f.files.files[kPath] = AttackListFile({Record(90), Record(10)});
  logic.Run(Command::kOpen);
  EXPECT_EQ(logic.ListState().FileLocation, kPath);
  EXPECT_EQ(logic.ListState().list.RowCount(), 2u);
  EXPECT_TRUE(logic.ListState().list_commands_enabled);
  EXPECT_EQ(f.profile.keys["FileLocation"], kPath);
  EXPECT_EQ(f.profile.keys["FileSet"], "1");
  EXPECT_FALSE(logic.Settings().FileSet) << "the flag read at start-up is kept";

  f.files.files[kPath] = AttackListFile({Record(90), Record(10), Record(50)});
  logic.Run(Command::kOpen);  // a later cancel loads the same file again
  EXPECT_EQ(f.files.reads, 2);
  EXPECT_EQ(logic.ListState().list.RowCount(), 3u);
}

TEST(MainWindowOpenTest, BadChoiceIsReportedAndCommandsStillOn) {
  MainWindowFixture f;
  f.files.files[kPath] = AttackListFile({});
  f.dialog.answers = {kPath};
  MainWindowLogic& logic = f.Start();
  logic.Run(Command::kOpen);
  ASSERT_EQ(f.window.messages.size(), 1u);
  EXPECT_EQ(f.window.messages[0].text, BadAttackListMessage());
  EXPECT_TRUE(logic.ListState().list_commands_enabled);
}

TEST(MainWindowTickTest, ReloadsOnTick300And600AndOpenDoesNotMoveIt) {
  MainWindowFixture f;
  f.WithList();
  f.dialog.answers = {kPath};
  MainWindowLogic& logic = f.Start();
  std::vector<int> reload_ticks;
  for (int tick = 1; tick <= 600; ++tick) {
    if (tick == 250) logic.Run(Command::kOpen);
    int reads = f.files.reads;
    logic.Tick();
    if (f.files.reads != reads) reload_ticks.push_back(tick);
  }
  EXPECT_EQ(reload_ticks, (std::vector<int>{300, 600}));
  EXPECT_EQ(f.files.reads, 4);  // start-up, Open, two ticks
}

TEST(MainWindowTickTest, ClockIsWrittenEveryTickDateOnlyAtStart) {
  MainWindowFixture f;
  MainWindowLogic& logic = f.Start();
  f.window.today = {2026, 12, 7};
  f.window.now = {0, 1, 0};
  f.window.updated = 0;
  logic.Tick();
  EXPECT_EQ(logic.ClockText(), "12:01 AM");
  EXPECT_EQ(logic.DateText(), "Dec 06, 2026");
  EXPECT_EQ(f.window.updated, kViewClock);
}

TEST(MainWindowTickTest, NoReloadStartsWhileAFailedOneShowsItsMessage) {
  MainWindowFixture f;
  f.WithList(AttackListFile({}));
  f.profile.keys["RefreshRate"] = "0";
  MainWindowLogic& logic = f.Start();
  ASSERT_EQ(f.window.messages.size(), 1u);  // the start-up load
  int nested_ticks = 0;
  f.window.while_message_open = [&] {
    for (int i = 0; i < 5; ++i, ++nested_ticks) logic.Tick();
  };
  logic.Tick();
  EXPECT_EQ(nested_ticks, 5);
  EXPECT_EQ(f.window.messages.size(), 2u) << "one message for the tick's reload, none nested";
  EXPECT_EQ(f.files.reads, 2);
  EXPECT_EQ(logic.Timer().ElapsedSeconds(), 0);
  f.window.while_message_open = nullptr;
  logic.Tick();
  EXPECT_EQ(f.files.reads, 3) << "the next tick reloads again";
}

TEST(MainWindowTrayTest, MinimiseHidesIntoTheTrayAndRestoreBringsBack) {
  MainWindowFixture f;
  MainWindowLogic& logic = f.Start(0x77);
  logic.Resize(true);
  logic.OnTrayMouseDown(1, 0);  // the left button does nothing
  logic.OnTrayMouseDown(2, 0);
  logic.OnTrayMouseDblClick(1, 0);
  logic.Resize(false);
  EXPECT_EQ(f.window.events, (Events{"tray add", "hide", "tray menu", "restore", "tray delete"}));
  EXPECT_NE(f.tray_platform.calls[1].find("i77 'Lomvex - BlackIce Intrusion Log Viewer\\0'"),
            std::string::npos);
  EXPECT_FALSE(f.tray.InTray());
}

TEST(MainWindowTrayTest, WindowStaysWhenTheTrayIsTaken) {
  MainWindowFixture f;
  cSysTray other(f.tray_platform, 0x5678);
  other.SetInTray(true);
  MainWindowLogic& logic = f.Start();
  f.window.events.clear();
  logic.Resize(true);
  EXPECT_FALSE(f.tray.InTray());
  EXPECT_TRUE(f.window.events.empty());
}

TEST(MainWindowUnloadTest, StepsInOrder) {
  struct Case {
    const char* name;
    bool help_used;
    bool help_accepted;
    bool in_tray;
    Events events;
  } cases[] = {
      {"plain", false, false, false, {"printer font Times", "destroy"}},
      {"help open", true, true, false, {"printer font Times", "help 2 0", "destroy"}},
      {"help refused", true, false, false, {"printer font Times", "destroy"}},
      {"in tray", false, false, true, {"printer font Times", "tray delete", "destroy"}},
  };
  for (const Case& c : cases) {
    MainWindowFixture f;
    f.WithList();
    f.window.printer.font = {"Times", 12, true};
    f.window.help_accepts = c.help_accepted;
    MainWindowLogic& logic = f.Start();
    if (c.help_used) logic.Run(Command::kHelp);
    if (c.in_tray) logic.Resize(true);
    f.window.events.clear();
    logic.Run(Command::kExit);
    EXPECT_EQ(f.window.events, c.events) << c.name;
    EXPECT_EQ(logic.PrintOrientation(), PageOrientation::kPortrait) << c.name;
    EXPECT_EQ(f.window.printer.font, (PrinterFont{"Times", 12, true})) << c.name;
    EXPECT_EQ(logic.ListState().list.AttackIdsCount(), 0u) << c.name;
    EXPECT_FALSE(f.tray.InTray()) << c.name;
  }
}

TEST(MainWindowUnloadTest, NothingRunsAfterUnload) {
  MainWindowFixture f;
  f.profile.keys["RefreshRate"] = "0";
  MainWindowLogic& logic = f.Start();
  logic.Unload();
  f.window.events.clear();
  logic.Unload();
  logic.Run(Command::kExit);
  logic.Run(Command::kClear);
  logic.Tick();
  logic.Resize(true);
  EXPECT_TRUE(f.window.events.empty());
}

TEST(MainWindowCommandsTest, HelpRequestsAndTheirClosingAtExit) {
  MainWindowFixture f;
  MainWindowLogic& logic = f.Start();
  f.window.help_accepts = false;
  logic.Run(Command::kHelp);
  EXPECT_FALSE(logic.HelpOpened());
  f.window.help_accepts = true;
  logic.MenuHelp(0);  // an item without a topic
  logic.MenuHelp(60);
  EXPECT_TRUE(logic.HelpOpened());
  logic.Run(Command::kHelp);
  logic.Run(Command::kExit);
  EXPECT_EQ(f.window.events, (Events{"help 11 0", "help 1 60", "help 11 0", "printer font Arial",
                                     "help 2 0", "destroy"}));
}

TEST(MainWindowCommandsTest, PrinterSetupChoiceDrivesTheNextPrintout) {
  MainWindowFixture f;
  MainWindowLogic& logic = f.Start();
  f.window.setup_choice = PageOrientation::kPortrait;
  logic.Run(Command::kPrinterSetup);
  logic.Run(Command::kPrintList);
  EXPECT_EQ(f.window.events[0], "setup 2") << "offered in landscape";
  EXPECT_EQ(f.window.printer.orientation, PageOrientation::kPortrait);
  EXPECT_TRUE(f.window.printer.ended);
  EXPECT_TRUE(f.window.messages.empty());
}

TEST(MainWindowCommandsTest, PrinterFailureShowsMessage105) {
  MainWindowFixture f;
  f.window.printer.fail_at_line = 0;
  MainWindowLogic& logic = f.Start();
  logic.Run(Command::kPrintList);
  ASSERT_EQ(f.window.messages.size(), 1u);
  EXPECT_EQ(f.window.messages[0].text, ExpandLineBreaks(ViewerText(IDS_PRINTER_ERROR)));
  EXPECT_EQ(f.window.messages[0].caption, "Lomvex Printer Error");
  EXPECT_EQ(f.window.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(f.window.printer.font, kListPrintFont);
}

TEST(MainWindowCommandsTest, DetailsAndAboutSayNothing) {
  MainWindowFixture f;
  f.WithList();
  MainWindowLogic& logic = f.Start();
  f.window.updated = 0;
  logic.Run(Command::kDetails);
  logic.Run(Command::kAbout);
  logic.ListEnter();
  logic.ListDblClick();
  EXPECT_TRUE(f.window.messages.empty());
  EXPECT_EQ(f.window.updated, 0u);
}

TEST(MainWindowListTest, SortKeepsTheSelectedEventAndMarksTheHeader) {
  MainWindowFixture f;
  f.WithList(AttackListFile({Record(90, "C type"), Record(10, "A type"), Record(50, "B type")}));
  MainWindowLogic& logic = f.Start();
  logic.ListSelectionChanged(2);  // "B type"
  logic.ColumnClick(0);           // outside the list: ignored
  logic.ColumnClick(10);
  logic.ColumnClick(4);
  ASSERT_EQ(f.window.sort_marks.size(), 1u);
  EXPECT_EQ(f.window.sort_marks[0].marked_column, 4);
  EXPECT_EQ(logic.ListState().list.CellAt(0, 4), "A type");
  EXPECT_EQ(logic.ListState().list.SelectedRow(), std::optional<size_t>(1));
  EXPECT_TRUE(f.window.updated & kViewSelection);

  logic.ListClick();
  EXPECT_NE(logic.ListState().status_text.find("Serious"), std::string::npos);
  logic.ListSelectionChanged(std::nullopt);
  logic.ListKeyUp();
  EXPECT_NE(logic.ListState().status_text.find("Serious"), std::string::npos);
}

}  // namespace
}  // namespace lomvex
