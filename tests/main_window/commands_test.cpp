#include "main_commands.h"

#include <gtest/gtest.h>

namespace lomvex {
namespace {

struct IdCase {
  int id;
  std::optional<Command> command;
  int help_topic;
};

TEST(CommandsTest, EveryItemAndButtonReachesItsCommand) {
  const IdCase cases[] = {
      {101, Command::kOpen, 60},        {102, Command::kClear, 70},     {103, std::nullopt, 0},
      {104, Command::kPrinterSetup, 0}, {105, Command::kPrintList, 90}, {106, std::nullopt, 0},
      {107, Command::kExit, 0},         {201, Command::kDetails, 80},   {301, Command::kHelp, 0},
      {302, Command::kAbout, 0},        {401, Command::kRestore, 0},    {402, Command::kExit, 0},
      {403, std::nullopt, 0},           {404, Command::kAbout, 0},      {501, std::nullopt, 0},
      {502, Command::kOpen, 0},         {503, Command::kPrintList, 0},  {504, std::nullopt, 0},
      {505, Command::kDetails, 0},      {506, std::nullopt, 0},         {507, Command::kHelp, 0},
      {508, Command::kExit, 0},         {0, std::nullopt, 0},           {509, std::nullopt, 0},
  };
  for (const IdCase& c : cases) {
    EXPECT_EQ(CommandOfId(c.id), c.command) << "id " << c.id;
    EXPECT_EQ(MenuItemHelpTopic(c.id), c.help_topic) << "id " << c.id;
  }
}

TEST(CommandsTest, MenusOfTheBarHaveTheirTopics) {
  EXPECT_EQ(TopMenuHelpTopic(kFileMenu), 20);
  EXPECT_EQ(TopMenuHelpTopic(kViewMenu), 30);
  EXPECT_EQ(TopMenuHelpTopic(kHelpMenu), 40);
  EXPECT_EQ(TopMenuHelpTopic(4), 0);
}

TEST(CommandsTest, ListCommandsAreClearPrintAndDetails) {
  for (int id : kListCommandIds) {
    std::optional<Command> command = CommandOfId(id);
    ASSERT_TRUE(command.has_value()) << id;
    EXPECT_TRUE(*command == Command::kClear || *command == Command::kPrintList ||
                *command == Command::kDetails)
        << id;
  }
}

}  // namespace
}  // namespace lomvex
