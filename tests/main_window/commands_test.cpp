#include "main_commands.h"

#include <gtest/gtest.h>

namespace lomvex {
namespace {

// The numbers are the ones users' help files and the GUI checks rely on.
TEST(CommandsTest, EveryItemAndButtonReachesItsCommand) {
  const struct {
    int id;
    std::optional<Command> command;
    int help_topic, tool_tip;
  } cases[] = {{101, Command::kOpen, 60, 0},
               {102, Command::kClear, 70, 0},
               {103, std::nullopt, 0, 0},
               {104, Command::kPrinterSetup, 0, 0},
               {105, Command::kPrintList, 90, 0},
               {107, Command::kExit, 0, 0},
               {201, Command::kDetails, 80, 0},
               {301, Command::kHelp, 0, 0},
               {302, Command::kAbout, 0, 0},
               {401, Command::kRestore, 0, 0},
               {402, Command::kExit, 0, 0},
               {404, Command::kAbout, 0, 0},
               {502, Command::kOpen, 0, IDS_TIP_OPEN},
               {503, Command::kPrintList, 0, IDS_TIP_PRINT},
               {504, std::nullopt, 0, 0},
               {505, Command::kDetails, 0, IDS_TIP_DETAILS},
               {507, Command::kHelp, 0, IDS_TIP_HELP},
               {508, Command::kExit, 0, IDS_TIP_EXIT},
               {509, std::nullopt, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(CommandOfId(c.id), c.command) << "id " << c.id;
    EXPECT_EQ(MenuItemHelpTopic(c.id), c.help_topic) << "id " << c.id;
    EXPECT_EQ(ToolTipTextId(c.id), c.tool_tip) << "id " << c.id;
    EXPECT_EQ(IsToolbarButton(c.id), c.id > 500 && c.id < 509) << "id " << c.id;
  }
}

TEST(CommandsTest, MenusOfTheBarHaveTheirTopics) {
  const int kTopics[][2] = {{kFileMenu, 20}, {kViewMenu, 30}, {kHelpMenu, 40}, {4, 0}};
  for (const auto& [menu, topic] : kTopics) EXPECT_EQ(TopMenuHelpTopic(menu), topic) << menu;
}

TEST(CommandsTest, ListCommandsAreClearPrintAndDetails) {
  for (int id : kListCommandIds) {
    const std::optional<Command> c = CommandOfId(id);
    EXPECT_TRUE(c == Command::kClear || c == Command::kPrintList || c == Command::kDetails) << id;
  }
}

}  // namespace
}  // namespace lomvex
