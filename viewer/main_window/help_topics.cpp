#include "help_topics.h"

#include <charconv>

namespace lomvex {
namespace {

constexpr std::string_view kTopicMark = "## ";

std::string_view TrimLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
  return line;
}

bool ParseTopicLine(std::string_view line, HelpTopic& topic) {
  if (!line.starts_with(kTopicMark)) return false;
  line.remove_prefix(kTopicMark.size());
  int number = 0;
  auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
  if (error != std::errc() || end == line.data()) return false;
  line.remove_prefix(static_cast<size_t>(end - line.data()));
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  topic = HelpTopic{number, std::string(line), {}};
  return true;
}

void FinishTopic(HelpTopic& topic) {
  std::string& text = topic.text;
  while (text.ends_with("\r\n")) text.resize(text.size() - 2);
  size_t start = 0;
  while (text.compare(start, 2, "\r\n") == 0) start += 2;
  text.erase(0, start);
}

}  // namespace

std::vector<HelpTopic> ParseHelpTopics(std::string_view source) {
  std::vector<HelpTopic> topics;
  while (!source.empty()) {
    size_t end = source.find('\n');
    std::string_view line = TrimLineEnd(source.substr(0, end));
    source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
    HelpTopic topic;
    if (ParseTopicLine(line, topic)) {
      if (!topics.empty()) FinishTopic(topics.back());
      topics.push_back(std::move(topic));
    } else if (!topics.empty()) {
      topics.back().text.append(line).append("\r\n");
    }
  }
  if (!topics.empty()) FinishTopic(topics.back());
  return topics;
}

int FindHelpTopic(const std::vector<HelpTopic>& topics, int number) {
  for (size_t i = 0; i < topics.size(); ++i) {
    if (topics[i].number == number) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace lomvex
