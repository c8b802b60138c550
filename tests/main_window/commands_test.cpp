#include "main_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace lomvex {
namespace {

// The numbers are the ones users' help files and the GUI checks rely on; every
// other id is a separator or unknown and reaches nothing.
TEST(CommandsTest, EveryItemAndButtonReachesItsCommand) {
  using enum Command;
  const std::map<int, std::optional<Command>> commands = {
      {101, kOpen},      {102, kClear},   {104, kPrinterSetup}, {105, kPrintList},
      {107, kExit},      {201, kDetails}, {301, kHelp},         {302, kAbout},
      {401, kRestore},   {402, kExit},    {404, kAbout},        {502, kOpen},
      {503, kPrintList}, {505, kDetails}, {507, kHelp},         {508, kExit}};
  const std::map<int, int> help_topics = {{101, 60}, {102, 70}, {105, 90}, {201, 80}};
  const std::map<int, int> tool_tips = {
      {501, 0},           {502, IDS_TIP_OPEN},    {503, IDS_TIP_PRINT},
      {504, 0},           {505, IDS_TIP_DETAILS}, {507, IDS_TIP_HELP},
      {508, IDS_TIP_EXIT}};
  const auto at = [](const auto& map, int id) {
    const auto found = map.find(id);
    return found == map.end() ? decltype(found->second){} : found->second;
  };
  for (int id = 0; id < 600; ++id) {
    EXPECT_EQ(CommandOfId(id), at(commands, id)) << id;
    EXPECT_EQ(MenuItemHelpTopic(id), at(help_topics, id)) << id;
    EXPECT_EQ(ToolTipTextId(id), at(tool_tips, id)) << id;
    EXPECT_EQ(IsToolbarButton(id), id > 500 && id < 509) << id;
  }
  const std::set<std::optional<Command>> list_commands = {kClear, kPrintList, kDetails};
  for (int id : kListCommandIds) EXPECT_TRUE(list_commands.contains(CommandOfId(id))) << id;
}

TEST(CommandsTest, MenusOfTheBarHaveTheirTopics) {
  const int kTopics[][2] = {{kFileMenu, 20}, {kViewMenu, 30}, {kHelpMenu, 40}, {4, 0}};
  for (const auto& [menu, topic] : kTopics) EXPECT_EQ(TopMenuHelpTopic(menu), topic) << menu;
}

}  // namespace
}  // namespace lomvex
