#include "main_window_logic.h"

#include <gtest/gtest.h>

#include "list_print_job.h"
#include "main_window_fakes.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

using testing::AttackListFile;
using testing::MainWindowFixture;
using testing::Record;

constexpr char kPath[] = "C:\\BlackIce\\attack-list.csv";
const std::string kTwoRows = AttackListFile({Record(90), Record(10)});

// ---- Start-up ----

struct StartCase {
  const char* name;
  const char* FileLocation;
  bool file_exists;
  const char* FileSet;  // nullptr: the key is missing
  size_t rows;
  bool commands_after_activation;
};

TEST(MainWindowStartTest, LoadsAndSwitchesCommandsByFileSet) {
  const StartCase cases[] = {
      {"no location, FileSet on", nullptr, false, "1", 0, true},
      {"no location, FileSet off", nullptr, false, nullptr, 0, false},
      {"missing file, FileSet on", kPath, false, "1", 0, true},
      {"list, FileSet off", kPath, true, "0", 2, false},
      {"list, FileSet on", kPath, true, "1", 2, true},
  };
  for (const StartCase& c : cases) {
    MainWindowFixture f;
    if (c.FileLocation) f.profile.keys["FileLocation"] = c.FileLocation;
    if (c.FileSet) f.profile.keys["FileSet"] = c.FileSet;
    if (c.file_exists) f.files.files[kPath] = kTwoRows;
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
  f.window.printer.font = {"Times New Roman", 12, true};
  MainWindowLogic& logic = f.Start(0x99);
  EXPECT_EQ(f.tray.TrayIcon(), 0x99u);
  EXPECT_EQ(f.tray.TrayTip(), "Lomvex - BlackIce Intrusion Log Viewer");
  EXPECT_FALSE(f.tray.InTray());
  EXPECT_TRUE(f.tray_platform.commands.empty());
  EXPECT_EQ(logic.PrintOrientation(), PageOrientation::kLandscape);
  EXPECT_EQ(logic.DateText(), "Dec 06, 2026");
  EXPECT_EQ(logic.ClockText(), "03:07 PM");
  EXPECT_EQ(logic.Settings().RefreshRate, 5);
}

TEST(MainWindowStartTest, BadFileIsReportedOnceWithMessage113) {
  MainWindowFixture f;
  f.profile.keys["FileLocation"] = kPath;
  f.files.files[kPath] = AttackListFile({Record(90), "abc,2026-11-01 07:53:38,1,x,y,z,h,0,,1"});
  MainWindowLogic& logic = f.Start();
  ASSERT_EQ(f.window.messages.size(), 1u);
  EXPECT_EQ(f.window.messages[0].text, BadAttackListMessage());
  EXPECT_EQ(f.window.messages[0].caption, "Lomvex");
  EXPECT_EQ(f.window.messages[0].icon, MessageIcon::kCritical);
  EXPECT_EQ(f.window.messages[0].buttons, MessageButtons::kOk);
  EXPECT_EQ(logic.ListState().list.RowCount(), 1u);
}

// ---- Clear ----

struct ClearCase {
  const char* name;
  MessageAnswer answer;
  const char* FileLocation;
  bool exists;
  bool locked;
  bool file_left;
  bool list_emptied;
  size_t messages;  // the confirmation, and a failure report
};

TEST(MainWindowClearTest, ConfirmsThenDeletesAndEmpties) {
  const ClearCase cases[] = {
      {"cancel", MessageAnswer::kCancel, kPath, true, false, true, false, 1},
      {"ok", MessageAnswer::kOk, kPath, true, false, false, true, 1},
      {"ok, file already gone", MessageAnswer::kOk, kPath, false, false, false, true, 1},
      {"ok, cannot delete", MessageAnswer::kOk, kPath, true, true, true, false, 2},
      {"ok, no location", MessageAnswer::kOk, "", false, false, false, false, 1},
  };
  for (const ClearCase& c : cases) {
    MainWindowFixture f;
    f.profile.keys["FileSet"] = "1";
    if (*c.FileLocation) {
      f.profile.keys["FileLocation"] = c.FileLocation;
      f.files.files[kPath] = kTwoRows;
    }
    MainWindowLogic& logic = f.Start();
    logic.Activate();
    std::string status = logic.ListState().status_text;
    size_t rows = logic.ListState().list.RowCount();
    bool commands = logic.ListState().list_commands_enabled;
    if (!c.exists) f.files.files.erase(kPath);
    f.files.locked[kPath] = c.locked;
    f.window.answer = c.answer;

    logic.Run(Command::kClear);

    ASSERT_EQ(f.window.messages.size(), c.messages) << c.name;
    const auto& confirm = f.window.messages[0];
    EXPECT_EQ(confirm.text, ExpandLineBreaks(ViewerText(IDS_CLEAR_CONFIRM))) << c.name;
    EXPECT_EQ(confirm.caption, "Lomvex") << c.name;
    EXPECT_EQ(confirm.icon, MessageIcon::kExclamation) << c.name;
    EXPECT_EQ(confirm.buttons, MessageButtons::kOkCancel) << c.name;
    if (c.messages == 2) {
      EXPECT_NE(f.window.messages[1].text.find(kPath), std::string::npos) << c.name;
    }
    EXPECT_EQ(f.files.files.count(kPath) == 1, c.file_left) << c.name;
    EXPECT_EQ(logic.ListState().list.RowCount(), c.list_emptied ? 0 : rows) << c.name;
    EXPECT_EQ(logic.ListState().count_label.empty(), c.list_emptied || rows == 0) << c.name;
    EXPECT_EQ(logic.ListState().list_commands_enabled, c.list_emptied ? false : commands) << c.name;
    EXPECT_EQ(logic.ListState().status_text, status) << c.name << ": panel 1 keeps its text";
  }
}

TEST(MainWindowClearTest, KeepsIdentifiersAndHostName) {
  MainWindowFixture f;
  f.profile.keys["FileLocation"] = kPath;
  f.files.files[kPath] = kTwoRows;
  MainWindowLogic& logic = f.Start();
  logic.Run(Command::kClear);
  EXPECT_EQ(logic.ListState().list.AttackIdsCount(), 2u);
  EXPECT_EQ(logic.ListState().HostName, "SERVER1");
  logic.Activate();  // FileSet is off: the commands stay off
  EXPECT_FALSE(logic.ListState().list_commands_enabled);
}

// ---- Open ----

TEST(MainWindowOpenTest, FirstCancelChangesNothing) {
  MainWindowFixture f;
  f.profile.keys["RefreshRate"] = "10";
  MainWindowLogic& logic = f.Start();
  logic.Run(Command::kOpen);
  EXPECT_EQ(f.dialog.shown, 1);
  EXPECT_EQ(f.files.reads, 0);
  EXPECT_EQ(f.profile.keys.count("FileLocation"), 0u);
  EXPECT_FALSE(logic.ListState().list_commands_enabled);
}

TEST(MainWindowOpenTest, ChoiceLoadsAndSwitchesCommandsOn) {
  MainWindowFixture f;
  f.files.files[kPath] = kTwoRows;
  f.dialog.answers = {kPath};
  MainWindowLogic& logic = f.Start();
  logic.Run(Command::kOpen);
  EXPECT_EQ(logic.ListState().FileLocation, kPath);
  EXPECT_EQ(logic.ListState().list.RowCount(), 2u);
  EXPECT_TRUE(logic.ListState().list_commands_enabled);
  EXPECT_EQ(f.profile.keys["FileLocation"], kPath);
  EXPECT_EQ(f.profile.keys["FileSet"], "1");
  EXPECT_FALSE(logic.Settings().FileSet) << "the flag read at start-up is kept";
}

TEST(MainWindowOpenTest, CancelAfterAChoiceReloadsTheSameFile) {
  MainWindowFixture f;
  f.files.files[kPath] = kTwoRows;
  f.dialog.answers = {kPath, ""};
  MainWindowLogic& logic = f.Start();
  logic.Run(Command::kOpen);
  f.files.files[kPath] = AttackListFile({Record(90), Record(10), Record(50)});
  logic.Run(Command::kOpen);
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

// ---- The tick ----

TEST(MainWindowTickTest, ReloadsOnTick300And600AndOpenDoesNotMoveIt) {
  MainWindowFixture f;
  f.profile.keys["FileLocation"] = kPath;
  f.files.files[kPath] = kTwoRows;
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
  EXPECT_TRUE(f.window.updated & kViewClock);
  EXPECT_FALSE(f.window.updated & kViewDate);
}

TEST(MainWindowTickTest, NoReloadStartsWhileAFailedOneShowsItsMessage) {
  MainWindowFixture f;
  f.profile.keys["FileLocation"] = kPath;
  f.profile.keys["RefreshRate"] = "0";
  f.files.files[kPath] = AttackListFile({});
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

// ---- Tray hand-over ----

TEST(MainWindowTrayTest, MinimiseHidesIntoTheTrayAndRestoreBringsBack) {
  MainWindowFixture f;
  MainWindowLogic& logic = f.Start(0x99);
  logic.Resize(true);
  EXPECT_TRUE(f.tray.InTray());
  EXPECT_TRUE(f.window.hidden);
  ASSERT_EQ(f.tray_platform.records.size(), 1u);
  EXPECT_EQ(f.tray_platform.records[0].icon, 0x99u);
  EXPECT_STREQ(f.tray_platform.records[0].tip, "Lomvex - BlackIce Intrusion Log Viewer");

  logic.OnTrayMouseDown(1, 0);
  EXPECT_EQ(f.window.tray_menus, 0) << "left button: nothing";
  logic.OnTrayMouseDown(2, 0);
  EXPECT_EQ(f.window.tray_menus, 1);
  logic.OnTrayMouseDblClick(1, 0);
  EXPECT_EQ(f.window.restored, 1);
  logic.Resize(false);
  EXPECT_FALSE(f.tray.InTray());
  EXPECT_EQ(f.tray_platform.commands.back(), TrayCommand::kDelete);
}

TEST(MainWindowTrayTest, WindowStaysWhenTheTrayIsTaken) {
  MainWindowFixture f;
  f.tray_platform.attached = true;  // another control holds the tray
  MainWindowLogic& logic = f.Start();
  logic.Resize(true);
  EXPECT_FALSE(f.tray.InTray());
  EXPECT_FALSE(f.window.hidden);
}

// ---- Unload ----

struct UnloadCase {
  const char* name;
  bool help_used;
  bool help_accepted;
  bool in_tray;
  std::vector<std::string> events;
};

TEST(MainWindowUnloadTest, StepsInOrder) {
  const UnloadCase cases[] = {
      {"plain", false, false, false, {"printer font Times", "destroy"}},
      {"help open", true, true, false, {"printer font Times", "help 2", "destroy"}},
      {"help refused", true, false, false, {"printer font Times", "destroy"}},
      {"in tray", false, false, true, {"printer font Times", "tray delete", "destroy"}},
  };
  for (const UnloadCase& c : cases) {
    MainWindowFixture f;
    f.profile.keys["FileLocation"] = kPath;
    f.files.files[kPath] = kTwoRows;
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
  logic.Unload();
  logic.Run(Command::kExit);
  logic.Run(Command::kClear);
  logic.Tick();
  EXPECT_EQ(f.window.destroyed, 0);
  EXPECT_TRUE(f.window.messages.empty());
}

// ---- Other commands ----

TEST(MainWindowCommandsTest, HelpKeepsWhetherItWasAccepted) {
  MainWindowFixture f;
  MainWindowLogic& logic = f.Start();
  f.window.help_accepts = false;
  logic.Run(Command::kHelp);
  EXPECT_FALSE(logic.HelpOpened());
  f.window.help_accepts = true;
  logic.Run(Command::kHelp);
  EXPECT_TRUE(logic.HelpOpened());
  EXPECT_EQ(f.window.help_requests.back(), (std::pair<HelpCommand, int>{kHelpContents, 0}));
}

TEST(MainWindowCommandsTest, MenuHelpOpensTheTopicAndIsClosedAtExit) {
  MainWindowFixture f;
  MainWindowLogic& logic = f.Start();
  logic.MenuHelp(0);
  EXPECT_TRUE(f.window.help_requests.empty()) << "an item without a topic";
  logic.MenuHelp(60);
  EXPECT_EQ(f.window.help_requests.back(), (std::pair<HelpCommand, int>{kHelpContext, 60}));
  logic.Run(Command::kExit);
  EXPECT_EQ(f.window.help_requests.back(), (std::pair<HelpCommand, int>{kHelpQuit, 0}));
}

TEST(MainWindowCommandsTest, PrinterSetupChoiceDrivesTheNextPrintout) {
  MainWindowFixture f;
  MainWindowLogic& logic = f.Start();
  f.window.setup_choice = PageOrientation::kPortrait;
  logic.Run(Command::kPrinterSetup);
  EXPECT_EQ(f.window.setup_shown_with, std::vector{PageOrientation::kLandscape});
  logic.Run(Command::kPrintList);
  EXPECT_EQ(f.window.printer.orientation, PageOrientation::kPortrait);
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
  f.profile.keys["FileLocation"] = kPath;
  f.files.files[kPath] = kTwoRows;
  MainWindowLogic& logic = f.Start();
  f.window.updated = 0;
  logic.Run(Command::kDetails);
  logic.Run(Command::kAbout);
  logic.ListEnter();
  logic.ListDblClick();
  EXPECT_TRUE(f.window.messages.empty());
  EXPECT_EQ(f.window.updated, 0u);
}

// ---- List events ----

TEST(MainWindowListTest, SortKeepsTheSelectedEventAndMarksTheHeader) {
  MainWindowFixture f;
  f.profile.keys["FileLocation"] = kPath;
  f.files.files[kPath] =
      AttackListFile({Record(90, "C type"), Record(10, "A type"), Record(50, "B type")});
  MainWindowLogic& logic = f.Start();
  logic.ListSelectionChanged(2);  // "B type"
  logic.ColumnClick(4);
  ASSERT_EQ(f.window.sort_marks.size(), 1u);
  EXPECT_EQ(f.window.sort_marks[0].marked_column, 4);
  EXPECT_EQ(f.window.sort_marks[0].mark_image, 10);
  EXPECT_EQ(logic.ListState().list.CellAt(0, 4), "A type");
  EXPECT_EQ(logic.ListState().list.SelectedRow(), std::optional<size_t>(1));
  EXPECT_TRUE(f.window.updated & kViewSelection);

  logic.ListClick();
  EXPECT_NE(logic.ListState().status_text.find("Serious"), std::string::npos);
  logic.ListSelectionChanged(std::nullopt);
  std::string status = logic.ListState().status_text;
  logic.ListKeyUp();
  EXPECT_EQ(logic.ListState().status_text, status);
}

TEST(MainWindowListTest, ColumnsOutsideTheListAreIgnored) {
  MainWindowFixture f;
  MainWindowLogic& logic = f.Start();
  logic.ColumnClick(0);
  logic.ColumnClick(10);
  EXPECT_TRUE(f.window.sort_marks.empty());
  EXPECT_EQ(logic.ListState().LastSortColumn, 0);
}

}  // namespace
}  // namespace lomvex
