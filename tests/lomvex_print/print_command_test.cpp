// lomvex-print's arguments, exit statuses and streams.
#include <gtest/gtest.h>

#include <algorithm>

#include "firewall_files.h"
#include "memory_files.h"
#include "print_command.h"

namespace lomvex {
namespace {

constexpr CalendarDate kToday{2026, 12, 6};
const std::string kGood =
    "h\r\nh\r\n10,s,b,bbb,10.0.0.2,n,HOST,0,,1\r\n90,s,a,aaa,10.0.0.1,n,HOST,0,,2\r\n";
const std::string kBad = "h\r\nh\r\n10,s,b,bbb,10.0.0.2,n,HOST,0,,1\r\nabc,s,a\r\n";

TEST(PrintCommand, ArgumentsAndExitStatuses) {
  MemoryFiles files;
  files.files["good.csv"] = kGood;
  files.files["bad.csv"] = kBad;
  files.files["locked.csv"] = kGood;
  files.unreadable.insert("locked.csv");
  struct Case {
    std::vector<std::string> arguments;
    int status;
    bool has_output;
    std::string error_start;
  } cases[] = {
      {{"--today", "2000-02-29", "--sort", "4:desc", "good.csv"}, 0, true, ""},
      {{"missing.csv"}, 2, false, "lomvex-print: no such file: missing.csv"},
      {{"locked.csv"}, 2, false, "lomvex-print: cannot read locked.csv"},
      {{}, 2, false, "usage: lomvex-print [--details ROW]"},
      {{"--sort", "2"}, 2, false, "lomvex-print: no attack list given"},
      {{"a.csv", "b.csv"}, 2, false, "lomvex-print: only one"},
      {{"--today", "2026-02-30", "good.csv"}, 2, false, "lomvex-print: --today"},
      {{"--today", "12/06/2026", "good.csv"}, 2, false, "lomvex-print: --today"},
      {{"--sort", "0", "good.csv"}, 2, false, "lomvex-print: --sort"},
      {{"--sort", "10", "good.csv"}, 2, false, "lomvex-print: --sort"},
      {{"--sort", "4:up", "good.csv"}, 2, false, "lomvex-print: --sort"},
      {{"good.csv", "--sort"}, 2, false, "lomvex-print: --sort needs a value"},
      {{"--verbose", "good.csv"}, 2, false, "lomvex-print: unknown option"},
      {{"--details", "3", "good.csv"}, 2, false, "lomvex-print: row 3 is outside the list of 2"},
      {{"--details", "2", "bad.csv"}, 2, false, "lomvex-print: row 2 is outside"},
      {{"--details", "0", "good.csv"}, 2, false, "lomvex-print: --details takes a row"},
      {{"--details", "1x", "good.csv"}, 2, false, "lomvex-print: --details takes a row"},
      {{"--details", "99999999999999999999", "good.csv"}, 2, false, "lomvex-print: --details"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    PrintCommandResult result = RunPrintCommand(c.arguments, kToday, files);
    EXPECT_EQ(result.exit_status, c.status);
    EXPECT_EQ(!result.standard_output.empty(), c.has_output);
    EXPECT_TRUE(result.standard_error.starts_with(c.error_start)) << result.standard_error;
    if (c.status == 2 && !c.arguments.empty()) {
      EXPECT_EQ(std::count(result.standard_error.begin(), result.standard_error.end(), '\n'), 1);
    }
  }
}

TEST(PrintCommand, BadFilePrintsWhatTheListHoldsAndTheMessage) {
  MemoryFiles files;
  files.files["bad.csv"] = kBad;
  PrintCommandResult result = RunPrintCommand({"bad.csv"}, kToday, files);
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.standard_output.find("Number of Attacks: 1\n"), std::string::npos);
  EXPECT_NE(result.standard_output.find("    Non-Threatening"), std::string::npos);
  EXPECT_EQ(result.standard_error,
            "An unexpected error occurred in the BlackIce 'Attack-List.Csv' file.\n"
            "Check the file for proper format and contents\nand try again.\n");
}

TEST(PrintCommand, SortAndTodayShapeTheOutput) {
  MemoryFiles files;
  files.files["good.csv"] = kGood;
  struct Case {
    std::vector<std::string> arguments;
    std::string first_row_start;
  } cases[] = {
      {{"good.csv"}, "    Non-Threatening"},
      {{"--sort", "4", "good.csv"}, "    Critical"},
      {{"--sort", "4:asc", "good.csv"}, "    Critical"},
      {{"--sort", "1:desc", "good.csv"}, "    Non-Threatening"},
      {{"--sort", "1", "good.csv"}, "    Critical"},
  };
  for (const Case& c : cases) {
    std::string output = RunPrintCommand(c.arguments, kToday, files).standard_output;
    size_t rule = output.find("----\n");
    ASSERT_NE(rule, std::string::npos);
    EXPECT_TRUE(output.substr(rule + 5).starts_with(c.first_row_start))
        << ::testing::PrintToString(c.arguments);
  }
  std::string output =
      RunPrintCommand({"--today", "2000-02-29", "good.csv"}, kToday, files).standard_output;
  EXPECT_NE(output.find("Tuesday February 29, 2000"), std::string::npos);
}

// The printed rows and description of the row chosen, read from the attack
// list's folder: the identifier and the address are the chosen event's own,
// whatever the sort.
TEST(PrintCommand, DetailsPrintTheChosenRowWithItsFolderFiles) {
  const std::string hosts = std::string("data/hosts") + kPathSeparator;
  MemoryFiles files;
  files.files["data/good.csv"] = kGood;
  files.files["data/bad.csv"] = kBad;
  files.files["elsewhere/good.csv"] = kGood;
  files.files["data/issuelist.csv"] =
      "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\na,,,,,,,,about a\r\nb,,,,,,,,about b\r\n";
  files.files[hosts + "10-0-0-1.txt"] = "Group: group a\r\n";
  files.files[hosts + "10-0-0-2.txt"] = "Group: group b\r\n";
  auto row_line = [](std::string label, std::string_view value) {
    label.resize(40, ' ');
    return "\n    " + label + std::string(value) + "\n";
  };
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string group, description;
    bool host_named;
  } cases[] = {
      {{"--details", "1", "data/good.csv"}, 0, "group b", "about b", true},
      {{"--details", "2", "data/good.csv"}, 0, "group a", "about a", true},
      {{"--sort", "4", "--details", "1", "data/good.csv"}, 0, "group a", "about a", true},
      {{"--details", "1", "elsewhere/good.csv"}, 0, "", "", true},
      {{"--details", "1", "data/bad.csv"}, 1, "group b", "about b", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    PrintCommandResult result = RunPrintCommand(c.arguments, kToday, files);
    const std::string& page = result.standard_output;
    EXPECT_EQ(result.exit_status, c.status);
    EXPECT_NE(page.find(row_line("Intruders Group:", c.group)), std::string::npos) << page;
    EXPECT_TRUE(page.ends_with("\n\n\n    " + c.description + "\n")) << page;
    EXPECT_EQ(page.find("Host Computer: HOST") != std::string::npos, c.host_named);
  }
}

}  // namespace
}  // namespace lomvex
