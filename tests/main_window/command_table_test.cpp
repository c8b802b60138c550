// The command table (ids, help topics, tool tips), the help file's topics and the refresh timer.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "help_topics.h"
#include "main_commands.h"
#include "refresh_timer.h"

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
  const int kTopics[][2] = {{kFileMenu, 20}, {kViewMenu, 30}, {kHelpMenu, 40}, {4, 0}};
  for (const auto& [menu, topic] : kTopics) EXPECT_EQ(TopMenuHelpTopic(menu), topic) << menu;
}

TEST(HelpTopicsTest, SplitsTopicsAtTheirHeadLines) {
  const std::vector<HelpTopic> topics = ParseHelpTopics(
      "preamble is ignored\n## 20 The File menu\r\n\r\nOpen, Clear.\r\nSecond line.\n\n"
      "## 60   Opening a list\nChoose attack-list.csv.\n##not a topic\n");
  const auto fields = [](const HelpTopic& t) { return std::tie(t.number, t.title, t.text); };
  ASSERT_EQ(topics.size(), 2u);
  EXPECT_EQ(fields(topics[0]), std::tuple(20, "The File menu", "Open, Clear.\r\nSecond line."));
  EXPECT_EQ(fields(topics[1]),
            std::tuple(60, "Opening a list", "Choose attack-list.csv.\r\n##not a topic"));
  EXPECT_EQ(std::pair(FindHelpTopic(topics, 60), FindHelpTopic(topics, 80)), std::pair(1, -1));
  EXPECT_TRUE(ParseHelpTopics("").empty() && ParseHelpTopics("## x no number\n").empty());
}

TEST(RefreshTimerTest, ReloadsEveryRateMinutesAndItsCounterHoldsAtItsLargestValue) {
  const std::tuple<std::int32_t, long, std::vector<long>> cases[] = {
      {1, 130, {60, 120}}, {-1, 5000, {}}, {32767, 32767L * 60 + 10, {32767L * 60}}};
  for (const auto& [rate, ticks, reloads] : cases) {
    RefreshTimer timer;
    std::vector<long> reloaded;
    for (long tick = 1; tick <= ticks; ++tick) {
      if (!timer.Tick(rate)) continue;
      reloaded.push_back(tick);
      timer.ReloadStarted();
      timer.ReloadFinished();
    }
    EXPECT_EQ(reloaded, reloads) << rate;
  }
  RefreshTimer timer;
  for (long tick = 0; tick < 32767L * 60 + 600; ++tick) ASSERT_FALSE(timer.Tick(40000));
  EXPECT_EQ(timer.ElapsedMinutes(), 32767);
  EXPECT_TRUE(timer.ElapsedSeconds() >= 0 && timer.ElapsedSeconds() < 60);
}

}  // namespace
}  // namespace lomvex
