#include "help_topics.h"

#include <gtest/gtest.h>

namespace lomvex {
namespace {

TEST(HelpTopicsTest, SplitsTopicsAtTheirHeadLines) {
  std::vector<HelpTopic> topics = ParseHelpTopics(
      "preamble is ignored\n"
      "## 20 The File menu\r\n"
      "\r\n"
      "Open, Clear.\r\n"
      "Second line.\n"
      "\n"
      "## 60   Opening a list\n"
      "Choose attack-list.csv.\n"
      "##not a topic\n");
  ASSERT_EQ(topics.size(), 2u);
  EXPECT_EQ(topics[0].number, 20);
  EXPECT_EQ(topics[0].title, "The File menu");
  EXPECT_EQ(topics[0].text, "Open, Clear.\r\nSecond line.");
  EXPECT_EQ(topics[1].number, 60);
  EXPECT_EQ(topics[1].title, "Opening a list");
  EXPECT_EQ(topics[1].text, "Choose attack-list.csv.\r\n##not a topic");
  EXPECT_EQ(FindHelpTopic(topics, 60), 1);
  EXPECT_EQ(FindHelpTopic(topics, 80), -1);
  EXPECT_TRUE(ParseHelpTopics("").empty());
  EXPECT_TRUE(ParseHelpTopics("## x no number\n").empty());
}

}  // namespace
}  // namespace lomvex
