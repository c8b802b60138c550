#include "main_commands.h"

namespace lomvex {
namespace {

struct CommandEntry {
  int id;
  Command command;
};

constexpr CommandEntry kCommands[] = {
    {kFileMenuBase + 1, Command::kOpen},         {kFileMenuBase + 2, Command::kClear},
    {kFileMenuBase + 4, Command::kPrinterSetup}, {kFileMenuBase + 5, Command::kPrintList},
    {kFileMenuBase + 7, Command::kExit},         {kViewMenuBase + 1, Command::kDetails},
    {kHelpMenuBase + 1, Command::kHelp},         {kHelpMenuBase + 2, Command::kAbout},
    {kTrayMenuBase + 1, Command::kRestore},      {kTrayMenuBase + 2, Command::kExit},
    {kTrayMenuBase + 4, Command::kAbout},        {kToolbarBase + 2, Command::kOpen},
    {kToolbarBase + 3, Command::kPrintList},     {kToolbarBase + 5, Command::kDetails},
    {kToolbarBase + 7, Command::kHelp},          {kToolbarBase + 8, Command::kExit},
};

struct TopicEntry {
  int id;
  int topic;
};

constexpr TopicEntry kItemTopics[] = {
    {kFileMenuBase + 1, 60},
    {kFileMenuBase + 2, 70},
    {kFileMenuBase + 5, 90},
    {kViewMenuBase + 1, 80},
};

}  // namespace

std::optional<Command> CommandOfId(int id) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.id == id) return entry.command;
  }
  return std::nullopt;
}

int MenuItemHelpTopic(int id) {
  for (const TopicEntry& entry : kItemTopics) {
    if (entry.id == id) return entry.topic;
  }
  return 0;
}

int TopMenuHelpTopic(int menu) {
  switch (menu) {
    case kFileMenu:
      return 20;
    case kViewMenu:
      return 30;
    case kHelpMenu:
      return 40;
    default:
      return 0;
  }
}

}  // namespace lomvex
