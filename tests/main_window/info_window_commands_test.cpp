// Details and About through the main window: the view, its F1 and "&Print".
#include <gtest/gtest.h>

#include "attack_info_page.h"
#include "firewall_files.h"
#include "main_window_fakes.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

constexpr char kFolder[] = "C:\\BlackIce\\";
const std::string kProbe = "90,2026-11-01 07:53:38,2000001,TCP port probe,192.168.0.7,WS7,SRV,0,,2";
const std::string kPing = "10,2026-11-02 08:00:00,2001003,Ping sweep,10.0.0.1,GW,SRV,0,,5";
const std::string kAttackView = "info window View Attack Information",
                  kAboutView = "info window About Intrusion Log Viewer";

// Two events of different attacks and intruders, their issue list and one host file.
struct InfoFixture : MainWindowFixture {
  InfoFixture() {
    Set("FileSet", "0");
    WithList(AttackListFile({kProbe, kPing}));
    files.files[std::string(kFolder) + "issuelist.csv"] =
        "h\r\nh\r\nh\r\nh\r\nh\r\nh\r\n2001003,a,,,,,,,Echo.\r\n2000001,a,,,,,,,Closed.\r\n";
    files.files[*HostFilePath(kFolder, "192.168.0.7")] = "Group: Lab\r\nDNS: ws7.lan\r\n";
  }
};

TEST(InfoWindowCommandsTest, OpensItsViewAsksF1sHelpAndSwitchesTheListCommands) {
  enum Way { kDetails, kDblClick, kEnter, kAbout };
  const struct {
    Way way;
    bool empty_list, help_accepted, commands_after;
    Events events;
  } cases[] = {{kDetails, false, true, true, {kAttackView, "help 1 80"}},
               {kDblClick, false, true, true, {kAttackView, "help 1 80"}},
               {kEnter, false, false, true, {kAttackView, "help 1 80"}},
               {kDetails, true, true, false, {}},
               {kAbout, false, true, false, {kAboutView, "help 11 0"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    InfoFixture f;
    if (c.empty_list) f.files.files.erase(kPath);
    MainWindowLogic& logic = f.Start();
    logic.Activate();           // FileSet is off
    logic.Run(Command::kHelp);  // accepted: HelpOpened is set before
    f.window.events.clear();
    f.window.help_accepts = c.help_accepted;
    f.window.while_info_open = [](const InfoView&, InfoWindowActions& a) { a.HelpKey(); };
    if (c.way == kDblClick) logic.ListDblClick();
    if (c.way == kEnter) logic.ListEnter();
    if (c.way == kDetails || c.way == kAbout)
      logic.Run(c.way == kAbout ? Command::kAbout : Command::kDetails);
    EXPECT_EQ(f.window.events, c.events);
    EXPECT_EQ(logic.HelpOpened(), c.help_accepted);
    EXPECT_EQ(logic.ListState().list_commands_enabled, c.commands_after);
  }
}

TEST(InfoWindowCommandsTest, EachOpeningShowsTheSelectedEventsOwnFacts) {
  InfoFixture f;
  MainWindowLogic& logic = f.Start();
  logic.ColumnClick(kColumnIntruderAddress);  // 10.0.0.1 first: rows no longer in file order
  for (size_t row : {0, 1, 0}) {
    logic.ListSelectionChanged(row);
    logic.Run(Command::kDetails);
    const std::vector<InfoRow>& rows = f.window.info_views.back().rows;
    const bool probe = rows[4].value == "192.168.0.7";
    EXPECT_EQ(f.window.info_views.back().text + "|" + rows[6].value + rows[9].value + "|" +
                  rows[10].value,
              probe ? "Closed.|Labws7.lan|2" : "Echo.||5")
        << row;
  }
}

// A failed printout leaves the window open and the orientation as it was; the next prints the
// view as opened, though a reload changed the list, and the list is landscape again after it.
TEST(InfoWindowCommandsTest, PrintsTheOpenSnapshotOnOnePortraitPage) {
  InfoFixture f;
  f.Set("RefreshRate", "0");
  f.window.setup_choice = PageOrientation::kPortrait;
  f.window.printer.fail_at_line = 4;
  MainWindowLogic& logic = f.Start();
  logic.Run(Command::kPrinterSetup);
  f.window.events.clear();
  std::vector<std::string> expected;
  f.window.while_info_open = [&](const InfoView& view, InfoWindowActions& actions) {
    actions.Print();
    EXPECT_EQ(logic.PrintOrientation(), PageOrientation::kPortrait);
    f.window.printer = {};
    expected =
        AttackInfoPageLines(view.rows, view.text, "SRV", f.window.today, EnglishTextLocale());
    f.files.files[kPath] = AttackListFile({kPing});
    logic.Tick();
    ASSERT_EQ(logic.ListState().list.RowCount(), 1u) << "reloaded";
    f.window.printer.orientation = PageOrientation::kLandscape;
    actions.Print();
  };
  logic.Run(Command::kDetails);
  EXPECT_EQ(f.window.events, (Events{kAttackView, "printer font Courier New",
                                     "message Lomvex Printer Error (exclamation, ok)"}));
  EXPECT_EQ(f.window.messages, Events{ExpandLineBreaks(ViewerText(IDS_PRINTER_ERROR))});
  ASSERT_NE(expected[15].find("192.168.0.7"), std::string::npos) << expected[15];
  const TextPrinter& printer = f.window.printer;
  EXPECT_EQ(printer.pages, std::vector<std::vector<std::string>>{expected});
  EXPECT_EQ(std::tuple(printer.orientation, printer.line_fonts.front(), printer.font, printer.ended,
                       logic.PrintOrientation()),
            std::tuple(PageOrientation::kPortrait, PrinterFont{"Courier New", 10, true},
                       PrinterFont{"Arial", 8, false}, true, PageOrientation::kLandscape));
}

}  // namespace
}  // namespace lomvex
