// Attack lists read into the list model: good files, bad ones and what a failed load leaves.
#include "attack_list_loader.h"

#include <gtest/gtest.h>

#include "memory_files.h"

namespace lomvex {
namespace {

constexpr char kPath[] = "C:\\BlackIce\\attack-list.csv";
const std::string H = "header one\r\nheader, two\r\n";

std::string R(std::string level, std::string id = "2000001", std::string count = "1") {
  return level + ",2000-10-12 13:45:00," + id + ",TCP port probe,10.0.0.1,GATEWAY,HOST,0,," + count;
}

// Columns 2 to 8 of a row, joined with "|".
std::string Cells(const AttackListModel& list, size_t row) {
  std::string cells(list.CellAt(row, 2));
  for (int column = 3; column <= 8; ++column) (cells += '|') += list.CellAt(row, column);
  return cells;
}

TEST(LoaderTest, ReadsRecordsUntilTheFirstFault) {
  const std::string kFull = "Oct 12, 2000|01:45:00 PM|TCP port probe|10.0.0.1|GATEWAY|";
  const std::string kDate = "Oct 12, 2000|01:45:00 PM|";
  struct Case {
    const char* name;
    std::string contents;
    LoadOutcome outcome;
    std::string severities;       // of every row, in file order
    std::string last_cells = "";  // of the last row; "" to skip
    std::string ids = "";         // the identifiers kept, joined with "|"; "" to skip
  } cases[] = {
      {"two records", H + R("90", " A1 ") + "\r\n" + R("10", "A2", "12") + "\r\n",
       LoadOutcome::kLoaded, "14", kFull + "12|4", " A1 |A2"},
      {"last record without line end", H + R("5") + "\r\n" + R("50"), LoadOutcome::kLoaded, "42",
       kFull + "1|2", "2000001|2000001"},
      {"bare CR line ends", H + R("5") + "\r" + R("5") + "\r", LoadOutcome::kLoaded, "44"},
      {"a lone LF is content", H + R("5") + "\n" + R("5") + "\r\n", LoadOutcome::kLoaded, "4"},
      {"eleven fields", H + R("5") + ",extra,more", LoadOutcome::kLoaded, "4", kFull + "1|4"},
      {"NUL bytes are content", H + R("5", "1", std::string("\0x", 2)), LoadOutcome::kLoaded, "4",
       kFull + std::string("\0x|4", 4)},
      {"quoted comma splits, quotes kept", H + "5,2000-10-12 13:45:00,1,\"a,b\",ip,name,h,0,,7",
       LoadOutcome::kLoaded, "4", kDate + "\"a|b\"|ip||4"},
      {"header lines may hold anything", "\r\n,,,\r\n" + R("5"), LoadOutcome::kLoaded, "4"},
      {"empty file", "", LoadOutcome::kBadFile, ""},
      {"second header line unended", "one\r\ntwo", LoadOutcome::kBadFile, ""},
      {"no records", H, LoadOutcome::kBadFile, ""},
      {"blank line between records", H + R("5") + "\r\n\r\n" + R("5"), LoadOutcome::kBadFile, "4"},
      {"blank last line", H + R("5") + "\r\n\r\n", LoadOutcome::kBadFile, "4"},
      {"bad level stops before its row", H + R("10") + "\r\n" + R("abc"), LoadOutcome::kBadFile,
       "4"},
      {"a short record keeps its filled cells and earlier rows",
       H + R("10", "A2") + "\r\n50,2000-10-12 13:45:00,A3,Ping,10.0.0.9,PC9,H,0,\r\n" + R("10"),
       LoadOutcome::kBadFile, "42", kDate + "Ping|10.0.0.9|PC9||", "A2"},
      {"level only", H + "50", LoadOutcome::kBadFile, "2", "||||||"}};
  MemoryFiles files;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    files.files[kPath] = c.contents;
    AttackListModel list;
    EXPECT_EQ(LoadAttackList(list, kPath, files), c.outcome);
    std::string severities, ids;
    for (size_t row = 0; row < list.RowCount(); ++row) severities += '0' + list.SeverityAt(row);
    EXPECT_EQ(severities, c.severities);
    EXPECT_EQ(c.last_cells.empty() ? "" : Cells(list, list.RowCount() - 1), c.last_cells);
    for (size_t entry = 1; entry <= list.AttackIdsCount(); ++entry)
      (ids += entry > 1 ? "|" : "") += list.AttackIds(entry);
    EXPECT_EQ(c.ids.empty() ? "" : ids, c.ids);
  }
}

TEST(LoaderTest, NoPathMissingOrUnreadableFileEmptiesTheList) {
  MemoryFiles files;
  files.files[kPath] = H + R("10");
  files.files["locked"] = H + R("10");
  files.unreadable.insert("locked");
  for (auto [path, outcome] : {std::pair{"", LoadOutcome::kNoFile},
                               {"missing", LoadOutcome::kNoFile},
                               {"locked", LoadOutcome::kUnreadable}}) {
    AttackListModel list;
    ASSERT_EQ(LoadAttackList(list, kPath, files), LoadOutcome::kLoaded);
    EXPECT_EQ(LoadAttackList(list, path, files), outcome) << path;
    EXPECT_EQ(std::tuple(list.RowCount(), list.AttackIdsCount(), list.HostNameOfLastRecord()),
              std::tuple(0u, 0u, ""))
        << path;
  }
}

}  // namespace
}  // namespace lomvex
