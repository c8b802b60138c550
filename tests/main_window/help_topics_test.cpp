#include "help_topics.h"

#include <gtest/gtest.h>

#include <tuple>

namespace lomvex {
namespace {

TEST(HelpTopicsTest, SplitsTopicsAtTheirHeadLines) {
  const std::vector<HelpTopic> topics = ParseHelpTopics(
      "preamble is ignored\n## 20 The File menu\r\n\r\nOpen, Clear.\r\nSecond line.\n\n"
      "## 60   Opening a list\nChoose attack-list.csv.\n##not a topic\n");
  const auto fields = [](const HelpTopic& t) { return std::tie(t.number, t.title, t.text); };
  ASSERT_EQ(topics.size(), 2u);
  EXPECT_EQ(fields(topics[0]), std::tuple(20, "The File menu", "Open, Clear.\r\nSecond line."));
  EXPECT_EQ(fields(topics[1]),
            std::tuple(60, "Opening a list", "Choose attack-list.csv.\r\n##not a topic"));
  EXPECT_EQ(FindHelpTopic(topics, 60), 1);
  EXPECT_EQ(FindHelpTopic(topics, 80), -1);
  EXPECT_TRUE(ParseHelpTopics("").empty());
  EXPECT_TRUE(ParseHelpTopics("## x no number\n").empty());
}

}  // namespace
}  // namespace lomvex
