// lomvex-print's arguments, exit statuses and streams.
#include <gtest/gtest.h>

#include "firewall_files.h"
#include "memory_files.h"
#include "print_command.h"

namespace lomvex {
namespace {

constexpr CalendarDate kToday{2026, 12, 6};
const std::string kGood =
    "h\r\nh\r\n10,s,b,bbb,10.0.0.2,n,HOST,0,,1\r\n90,s,a,aaa,10.0.0.1,n,HOST,0,,2\r\n";
const std::string kBad = "h\r\nh\r\n10,s,b,bbb,10.0.0.2,n,HOST,0,,1\r\nabc,s,a\r\n";

struct PrintCommand : ::testing::Test {
  void SetUp() override {
    const std::string hosts = std::string("data/hosts") + kPathSeparator;
    for (const char* path : {"good.csv", "locked.csv", "data/good.csv", "elsewhere/good.csv"})
      files_.files[path] = kGood;
    files_.files["bad.csv"] = files_.files["data/bad.csv"] = kBad;
    files_.unreadable.insert("locked.csv");
    files_.files["data/issuelist.csv"] =
        "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\na,,,,,,,,about a\r\nb,,,,,,,,about b\r\n";
    files_.files[hosts + "10-0-0-1.txt"] = "Group: group a\r\n";
    files_.files[hosts + "10-0-0-2.txt"] = "Group: group b\r\n";
  }
  MemoryFiles files_;
};

TEST_F(PrintCommand, ArgumentsAndExitStatuses) {
  const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
      {{"--today", "2000-02-29", "--sort", "4:desc", "good.csv"}, 0, ""},
      {{"missing.csv"}, 2, "lomvex-print: no such file: missing.csv"},
      {{"locked.csv"}, 2, "lomvex-print: cannot read locked.csv"},
      {{}, 2, "usage: lomvex-print [--details ROW]"},
      {{"--sort", "2"}, 2, "lomvex-print: no attack list given"},
      {{"a.csv", "b.csv"}, 2, "lomvex-print: only one"},
      {{"--today", "2026-02-30", "good.csv"}, 2, "lomvex-print: --today"},
      {{"--sort", "0", "good.csv"}, 2, "lomvex-print: --sort"},
      {{"--sort", "10", "good.csv"}, 2, "lomvex-print: --sort"},
      {{"good.csv", "--sort"}, 2, "lomvex-print: --sort needs a value"},
      {{"--verbose", "good.csv"}, 2, "lomvex-print: unknown option"},
      {{"--details", "3", "good.csv"}, 2, "lomvex-print: row 3 is outside the list of 2"},
      {{"--details", "0", "good.csv"}, 2, "lomvex-print: --details takes a row"},
      {{"--details", "99999999999999999999", "good.csv"}, 2, "lomvex-print: --details"},
      // A bad file prints what the list holds, then the message.
      {{"bad.csv"}, 1, "An unexpected error occurred in the BlackIce 'Attack-List.Csv' file.\n"}};
  for (const auto& [arguments, status, error_start] : cases) {
    SCOPED_TRACE(::testing::PrintToString(arguments));
    PrintCommandResult result = RunPrintCommand(arguments, kToday, files_);
    EXPECT_EQ(std::tuple(result.exit_status, result.standard_output.empty(),
                         result.standard_error.empty()),
              std::tuple(status, status == 2, status == 0));
    EXPECT_TRUE(result.standard_error.starts_with(error_start)) << result.standard_error;
  }
}

// The identifier and the address are the chosen event's own, whatever the sort,
// and its files are read from the attack list's folder.
TEST_F(PrintCommand, DetailsPrintTheChosenRowWithItsFolderFiles) {
  const std::tuple<std::vector<std::string>, int, std::string, std::string, bool> cases[] = {
      {{"--details", "1", "data/good.csv"}, 0, "group b", "about b", true},
      {{"--sort", "4", "--details", "1", "data/good.csv"}, 0, "group a", "about a", true},
      {{"--details", "1", "elsewhere/good.csv"}, 0, "", "", true},
      {{"--details", "1", "data/bad.csv"}, 1, "group b", "about b", false}};
  for (const auto& [arguments, status, group, description, host_named] : cases) {
    SCOPED_TRACE(::testing::PrintToString(arguments));
    PrintCommandResult result = RunPrintCommand(arguments, kToday, files_);
    const std::string& page = result.standard_output;
    EXPECT_EQ(result.exit_status, status);
    EXPECT_NE(page.find("\n    Intruders Group:" + std::string(24, ' ') + group + "\n"),
              std::string::npos)
        << page;
    EXPECT_TRUE(page.ends_with("\n\n\n    " + description + "\n")) << page;
    EXPECT_EQ(page.find("Host Computer: HOST") != std::string::npos, host_named);
  }
}

}  // namespace
}  // namespace lomvex
