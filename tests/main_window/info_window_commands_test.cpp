// Details and About: which view opens, what it holds, and what its F1 and
// "&Print" do through the main window.
#include <gtest/gtest.h>

#include <algorithm>

#include "attack_info_page.h"
#include "firewall_files.h"
#include "fit_text.h"
#include "main_window_fakes.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

using Events = std::vector<std::string>;

constexpr char kFolder[] = "C:\\BlackIce\\";
const std::string kProbe = "90,2026-11-01 07:53:38,2000001,TCP port probe,192.168.0.7,WS7,SRV,0,,2";
const std::string kPing = "10,2026-11-02 08:00:00,2001003,Ping sweep,10.0.0.1,GW,SRV,0,,5";

// Two events of different attacks and intruders, their issue list and one host file.
struct InfoFixture : MainWindowFixture {
  InfoFixture() {
    Set("FileSet", "0");
    WithList(AttackListFile({kProbe, kPing}));
    files.files[std::string(kFolder) + "issuelist.csv"] =
        "h\r\nh\r\nh\r\nh\r\nh\r\nh\r\n2001003,a,,,,,,,Echo requests.\r\n2000001,a,,,,,,,Closed "
        "port.\r\n";
    files.files[*HostFilePath(kFolder, "192.168.0.7")] = "Group: Lab\r\nDNS: ws7.lan\r\n";
  }
  std::string Value(const InfoView& view, std::string_view label) {
    for (const InfoRow& row : view.rows) {
      if (row.label == label) return row.value;
    }
    return "(no row)";
  }
};

TEST(InfoWindowCommandsTest, OpensItsViewAndSwitchesTheListCommands) {
  struct Case {
    const char* name;
    std::function<void(MainWindowLogic&)> action;
    bool empty_list;
    std::optional<InfoMode> mode;
    int caption;
    bool commands_after;
  } cases[] = {
      {"Details", [](auto& l) { l.Run(Command::kDetails); }, false, InfoMode::kAttackInfo,
       IDS_DETAILS_TITLE, true},
      {"double-click", [](auto& l) { l.ListDblClick(); }, false, InfoMode::kAttackInfo,
       IDS_DETAILS_TITLE, true},
      {"Enter", [](auto& l) { l.ListEnter(); }, false, InfoMode::kAttackInfo, IDS_DETAILS_TITLE,
       true},
      {"Details, empty list", [](auto& l) { l.Run(Command::kDetails); }, true, std::nullopt, 0,
       false},
      {"About", [](auto& l) { l.Run(Command::kAbout); }, false, InfoMode::kAbout, IDS_ABOUT_TITLE,
       false},
  };
  for (const Case& c : cases) {
    InfoFixture f;
    if (c.empty_list) f.files.files.erase(kPath);
    MainWindowLogic& logic = f.Start();
    logic.Activate();  // FileSet is off
    f.window.events.clear();
    c.action(logic);
    EXPECT_EQ(logic.LastInfoMode(), c.mode) << c.name;
    Events opened;
    if (c.mode) opened.push_back("info window " + std::string(ViewerText(c.caption)));
    EXPECT_EQ(f.window.events, opened) << c.name;
    EXPECT_EQ(logic.ListState().list_commands_enabled, c.commands_after) << c.name;
  }
}

TEST(InfoWindowCommandsTest, EachOpeningShowsTheSelectedEventsOwnFacts) {
  InfoFixture f;
  MainWindowLogic& logic = f.Start();
  logic.ColumnClick(kColumnIntruderAddress);  // 10.0.0.1 first: rows no longer in file order
  for (size_t row : {0, 1, 0}) {
    logic.ListSelectionChanged(row);
    logic.Run(Command::kDetails);
    const InfoView& view = f.window.info_views.back();
    const bool probe = f.Value(view, "Intruders IP:") == "192.168.0.7";
    EXPECT_EQ(view.text, probe ? "Closed port." : "Echo requests.") << row;
    EXPECT_EQ(f.Value(view, "Intruders Group:"), probe ? "Lab" : "") << row;
    EXPECT_EQ(f.Value(view, "DNS:"), probe ? "ws7.lan" : "") << row;
    EXPECT_EQ(f.Value(view, "Attacks:"), probe ? "2" : "5") << row;
  }
  EXPECT_NE(f.Value(f.window.info_views[0], "DNS:"), f.Value(f.window.info_views[1], "DNS:"));
}

TEST(InfoWindowCommandsTest, AboutShowsTheLibrarysFactsOrEmptyValuesWithoutAMessage) {
  for (bool library : {true, false}) {
    InfoFixture f;
    if (library) f.window.facts = {"9 Bytes Total Memory", "3 Bytes Available Memory", "x86."};
    MainWindowLogic& logic = f.Start();
    logic.Run(Command::kAbout);
    const InfoView& view = f.window.info_views.at(0);
    const std::vector<InfoRow> rows =
        library ? std::vector<InfoRow>{{"Memory:", "9 Bytes Total "},
                                       {"", "3 Bytes Available "},
                                       {"CPU Type:", "x86."}}
                : std::vector<InfoRow>{{"Memory:", ""}, {"", ""}, {"CPU Type:", ""}};
    EXPECT_EQ(view.rows, rows) << library;
    EXPECT_EQ(view.title, ViewerText(IDS_PROGRAM_TITLE));
    EXPECT_EQ(
        view.rights_notice,
        "Copyright (C) 2026 Lomvex and Pelmar contributors\r\nFree to copy and to give away.");
    EXPECT_EQ(view.text.find("Lomvex is Freeware: "), 0u) << view.text;
    EXPECT_TRUE(f.window.messages.empty());
  }
}

TEST(InfoWindowCommandsTest, TheOpenViewIsASnapshotThroughAReload) {
  InfoFixture f;
  f.Set("RefreshRate", "0");
  MainWindowLogic& logic = f.Start();
  f.window.while_info_open = [&](const InfoView& view, InfoWindowActions& actions) {
    const InfoView before = view;
    f.files.files[kPath] = AttackListFile({kPing});
    logic.Tick();  // reloads: the list now holds another event first
    ASSERT_EQ(logic.ListState().list.RowCount(), 1u);
    EXPECT_EQ(view.rows, before.rows);
    actions.Print();
  };
  logic.Run(Command::kDetails);
  ASSERT_EQ(f.window.printer.pages.size(), 1u);
  const auto& page = f.window.printer.pages[0];
  EXPECT_TRUE(std::find(page.begin(), page.end(),
                        "    " + FitLeft("Intruders IP:", 40, kFitKeepWhole) + "192.168.0.7") !=
              page.end());
}

TEST(InfoWindowCommandsTest, F1AsksForTheViewsHelpAndKeepsTheAnswer) {
  struct Case {
    Command command;
    bool accepted;
    const char* request;
  } cases[] = {
      {Command::kAbout, true, "help 11 0"},
      {Command::kDetails, true, "help 1 80"},
      {Command::kDetails, false, "help 1 80"},
  };
  for (const Case& c : cases) {
    InfoFixture f;
    MainWindowLogic& logic = f.Start();
    logic.Run(Command::kHelp);  // accepted: HelpOpened is set before
    f.window.help_accepts = c.accepted;
    f.window.events.clear();
    f.window.while_info_open = [](const InfoView&, InfoWindowActions& a) { a.HelpKey(); };
    logic.Run(c.command);
    EXPECT_EQ(f.window.events.at(1), c.request);
    EXPECT_EQ(logic.HelpOpened(), c.accepted) << c.request;
  }
}

TEST(InfoWindowCommandsTest, PrintIsOnePortraitPageAndLeavesTheListChoiceLandscape) {
  InfoFixture f;
  f.window.setup_choice = PageOrientation::kPortrait;
  MainWindowLogic& logic = f.Start();
  logic.Run(Command::kPrinterSetup);
  f.window.printer.orientation = PageOrientation::kLandscape;
  f.window.events.clear();
  std::vector<std::string> expected;
  f.window.while_info_open = [&](const InfoView& view, InfoWindowActions& actions) {
    expected =
        AttackInfoPageLines(view.rows, view.text, "SRV", f.window.today, EnglishTextLocale());
    actions.Print();
  };
  logic.Run(Command::kDetails);
  EXPECT_EQ(f.window.printer.pages, std::vector<std::vector<std::string>>{expected});
  EXPECT_EQ(f.window.printer.orientation, PageOrientation::kPortrait);
  EXPECT_EQ(f.window.printer.line_fonts.front(), (PrinterFont{"Courier New", 10, true}));
  EXPECT_EQ(f.window.printer.font, (PrinterFont{"Arial", 8, false}));
  EXPECT_TRUE(f.window.printer.ended);
  EXPECT_EQ(logic.PrintOrientation(), PageOrientation::kLandscape);
}

TEST(InfoWindowCommandsTest, PrinterFailureShowsMessage105AndTheWindowStaysOpen) {
  InfoFixture f;
  f.window.printer.fail_at_line = 4;
  f.window.setup_choice = PageOrientation::kPortrait;
  MainWindowLogic& logic = f.Start();
  logic.Run(Command::kPrinterSetup);
  f.window.events.clear();
  f.window.while_info_open = [](const InfoView&, InfoWindowActions& a) {
    a.Print();
    a.Print();
  };
  logic.Run(Command::kDetails);
  const std::string failed = "message Lomvex Printer Error (exclamation, ok)";
  EXPECT_EQ(f.window.events,
            (Events{"info window View Attack Information", "printer font Courier New", failed,
                    "printer font Courier New", failed}));
  EXPECT_EQ(f.window.messages[0], ExpandLineBreaks(ViewerText(IDS_PRINTER_ERROR)));
  EXPECT_EQ(logic.PrintOrientation(), PageOrientation::kPortrait) << "not reached: left as it was";
}

}  // namespace
}  // namespace lomvex
