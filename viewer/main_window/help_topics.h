// The viewer's help text: topics with a number and a title, shipped with the
// program. A topic starts with a line "## <number> <title>"; the lines up to
// the next such line are its text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lomvex {

struct HelpTopic {
  int number = 0;
  std::string title;
  std::string text;  // lines joined with "\r\n", without the blank lines around them
};

std::vector<HelpTopic> ParseHelpTopics(std::string_view source);

// The index of the topic with the number; -1 when there is none.
int FindHelpTopic(const std::vector<HelpTopic>& topics, int number);

// The help engine's commands that the viewer uses.
enum HelpCommand : unsigned {
  kHelpContext = 1,   // one topic, by its number
  kHelpQuit = 2,      // close the help window of this program
  kHelpContents = 11  // the contents
};

}  // namespace lomvex
