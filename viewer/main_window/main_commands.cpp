#include "main_commands.h"

namespace lomvex {
namespace {

struct CommandEntry {
  int id;
  Command command;
};

constexpr CommandEntry kCommands[] = {
#define LOMVEX_COMMAND(id, command) {id, Command::command},
    LOMVEX_COMMANDS(LOMVEX_COMMAND)
#undef LOMVEX_COMMAND
};

struct ButtonEntry {
  int id;
  int tip_text_id;
};

constexpr ButtonEntry kToolbarButtons[] = {
#define LOMVEX_BUTTON(id, image, tip) {id, tip},
    LOMVEX_TOOLBAR(LOMVEX_BUTTON)
#undef LOMVEX_BUTTON
};

struct TopicEntry {
  int id;
  int topic;
};

constexpr TopicEntry kItemTopics[] = {
    {IDM_FILE_OPEN, 60},
    {IDM_FILE_CLEAR, 70},
    {IDM_FILE_PRINT_LIST, 90},
    {IDM_VIEW_DETAILS, 80},
};

const ButtonEntry* FindButton(int id) {
  for (const ButtonEntry& entry : kToolbarButtons) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

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

bool IsToolbarButton(int id) { return FindButton(id) != nullptr; }

int ToolTipTextId(int id) {
  const ButtonEntry* button = FindButton(id);
  return button ? button->tip_text_id : 0;
}

}  // namespace lomvex
