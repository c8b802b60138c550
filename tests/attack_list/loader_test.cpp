// Reading attack lists into the list model: good files, bad files and what a
// failed load leaves behind.
#include <gtest/gtest.h>

#include "attack_list_loader.h"
#include "fake_file_access.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

constexpr char kPath[] = "C:\\BlackIce\\attack-list.csv";
constexpr char kHeader[] = "header one\r\nheader, two\r\n";

std::string Record(std::string level, std::string id = "2000001", std::string host = "HOST1",
                   std::string count = "1") {
  return level + ",2000-10-12 13:45:00," + id + ",TCP port probe,10.0.0.1,GATEWAY," + host +
         ",0,," + count;
}

class LoaderTest : public ::testing::Test {
 protected:
  LoadOutcome Load(const std::string& contents) {
    files_.files[kPath] = contents;
    return Reload();
  }
  LoadOutcome Reload() {
    state_.FileLocation = kPath;
    return LoadAttackList(state_, files_);
  }
  std::vector<std::string> Column(int column) const {
    std::vector<std::string> cells;
    for (size_t row = 0; row < state_.list.RowCount(); ++row) {
      cells.emplace_back(state_.list.CellAt(row, column));
    }
    return cells;
  }

  FakeFileAccess files_;
  MainListState state_;
};

TEST_F(LoaderTest, WellFormedFileFillsRowsLabelStatusAndHostName) {
  ASSERT_EQ(Load(std::string(kHeader) + Record("90", "A1", "H1") + "\r\n" +
                 Record("10", "A2", "SERVER1", "12") + "\r\n"),
            LoadOutcome::kLoaded);
  const AttackListModel& list = state_.list;
  ASSERT_EQ(list.RowCount(), 2u);
  EXPECT_EQ(list.SeverityAt(0), 1);
  EXPECT_EQ(list.SeverityAt(1), 4);
  std::vector<std::string> second_row;
  for (int column = 1; column <= kListColumns; ++column)
    second_row.emplace_back(list.CellAt(1, column));
  EXPECT_EQ(second_row,
            (std::vector<std::string>{"", "Oct 12, 2000", "01:45:00 PM", "TCP port probe",
                                      "10.0.0.1", "GATEWAY", "12", "4", ""}));
  EXPECT_EQ(state_.HostName, "SERVER1");
  EXPECT_EQ(state_.count_label, FillValue(ViewerText(102), "2"));
  EXPECT_EQ(
      state_.status_text,
      "On hostSERVER1, BlackIce has determined that this intrusion event is Critical in nature.");
  EXPECT_EQ(list.SelectedRow(), 0u);
  EXPECT_TRUE(state_.list_commands_enabled);
  EXPECT_EQ(list.AttackIdsCount(), 2u);
  EXPECT_EQ(list.AttackIds(1), "A1");
  EXPECT_EQ(list.AttackIds(2), "A2");
}

TEST_F(LoaderTest, LineRules) {
  struct Case {
    const char* name;
    std::string records;  // after the header
    size_t rows;
    LoadOutcome outcome;
  } cases[] = {
      {"last record without line end", Record("5") + "\r\n" + Record("5"), 2, LoadOutcome::kLoaded},
      {"bare CR line ends", Record("5") + "\r" + Record("5") + "\r", 2, LoadOutcome::kLoaded},
      {"a lone LF is content", Record("5") + "\n" + Record("5") + "\r\n", 1, LoadOutcome::kLoaded},
      {"blank line between records", Record("5") + "\r\n\r\n" + Record("5"), 1,
       LoadOutcome::kBadFile},
      {"blank last line", Record("5") + "\r\n\r\n", 1, LoadOutcome::kBadFile},
      {"no records", "", 0, LoadOutcome::kBadFile},
      {"eleven fields", Record("5") + ",extra,more", 1, LoadOutcome::kLoaded},
      {"quoted comma splits", "5,2000-10-12 13:45:00,1,\"a,b\",ip,name,host,0,,1,x", 1,
       LoadOutcome::kLoaded},
      {"NUL bytes are content", Record("5") + std::string("\0x", 2), 1, LoadOutcome::kLoaded},
      {"blank level", Record(" "), 0, LoadOutcome::kBadFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Load(kHeader + c.records), c.outcome);
    EXPECT_EQ(state_.list.RowCount(), c.rows);
  }
}

TEST_F(LoaderTest, HeaderMayHoldAnythingButMustBeTwoLines) {
  EXPECT_EQ(Load("\r\n,,,\r\n" + Record("5")), LoadOutcome::kLoaded);
  EXPECT_EQ(Load(""), LoadOutcome::kBadFile);
  EXPECT_EQ(Load("only one header line\r\n"), LoadOutcome::kBadFile);
  EXPECT_EQ(Load("one\r\ntwo"), LoadOutcome::kBadFile);
}

TEST_F(LoaderTest, QuotedCommaKeepsTheQuotesInTheCells) {
  Load(std::string(kHeader) + "5,2000-10-12 13:45:00,1,\"a,b\",ip,name,host,0,,7");
  EXPECT_EQ(Column(kColumnAttackType), std::vector<std::string>{"\"a"});
  EXPECT_EQ(Column(kColumnIntruderAddress), std::vector<std::string>{"b\""});
  EXPECT_EQ(Column(kColumnCount),
            std::vector<std::string>{""});  // the fields moved one place right
}

TEST_F(LoaderTest, FailingRecordKeepsEarlierRowsAndItsFilledCells) {
  ASSERT_EQ(Load(std::string(kHeader) + Record("90", "A1", "GOOD") + "\r\n"), LoadOutcome::kLoaded);
  const std::string label = state_.count_label;
  const std::string status = state_.status_text;
  state_.list_commands_enabled = false;

  std::string nine_fields = "50,2000-10-12 13:45:00,A3,Ping sweep,10.0.0.9,PC9,BAD,0,";
  EXPECT_EQ(Load(std::string(kHeader) + Record("10", "A2", "BAD") + "\r\n" + nine_fields + "\r\n" +
                 Record("10", "A4", "BAD")),
            LoadOutcome::kBadFile);
  ASSERT_EQ(state_.list.RowCount(), 2u);
  EXPECT_EQ(state_.list.SeverityAt(1), 2);
  std::vector<std::string> partial;
  for (int column = 2; column <= 8; ++column) partial.emplace_back(state_.list.CellAt(1, column));
  EXPECT_EQ(partial, (std::vector<std::string>{"Oct 12, 2000", "01:45:00 PM", "Ping sweep",
                                               "10.0.0.9", "PC9", "", ""}));
  EXPECT_EQ(state_.list.AttackIdsCount(), 1u);
  EXPECT_EQ(state_.list.AttackIds(1), "A2");
  EXPECT_EQ(state_.count_label, label);
  EXPECT_EQ(state_.status_text, status);
  EXPECT_EQ(state_.HostName, "GOOD");
  EXPECT_FALSE(state_.list_commands_enabled);

  // The same file mended loads normally afterwards.
  EXPECT_EQ(Load(std::string(kHeader) + Record("10")), LoadOutcome::kLoaded);
  EXPECT_EQ(state_.list.RowCount(), 1u);
}

TEST_F(LoaderTest, ShortRecordsFillCellsUpToTheMissingField) {
  struct Case {
    const char* line;
    size_t filled;  // of the seven cells, columns 2 to 8
  } cases[] = {
      {"50", 0},
      {"50,2000-10-12 13:45:00", 2},
      {"50,2000-10-12 13:45:00,id", 2},
      {"50,2000-10-12 13:45:00,id,type", 3},
      {"50,2000-10-12 13:45:00,id,type,ip", 4},
      {"50,2000-10-12 13:45:00,id,type,ip,name,host,7,8", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ASSERT_EQ(Load(std::string(kHeader) + c.line), LoadOutcome::kBadFile);
    ASSERT_EQ(state_.list.RowCount(), 1u);
    EXPECT_EQ(state_.list.SeverityAt(0), 2);
    for (int column = 2; column <= 8; ++column) {
      EXPECT_EQ(state_.list.CellAt(0, column).empty(), static_cast<size_t>(column - 1) > c.filled)
          << "column " << column;
    }
  }
}

TEST_F(LoaderTest, BadLevelStopsBeforeItsRow) {
  EXPECT_EQ(Load(std::string(kHeader) + Record("10") + "\r\n" + Record("abc")),
            LoadOutcome::kBadFile);
  EXPECT_EQ(state_.list.RowCount(), 1u);
  EXPECT_EQ(Load(std::string(kHeader) + Record("40000")), LoadOutcome::kBadFile);
  EXPECT_EQ(state_.list.RowCount(), 0u);
}

TEST_F(LoaderTest, MissingFileOrNoPathEmptiesTheListSilently) {
  ASSERT_EQ(Load(std::string(kHeader) + Record("10")), LoadOutcome::kLoaded);
  const std::string status = state_.status_text;
  files_.files.clear();
  EXPECT_EQ(Reload(), LoadOutcome::kNoFile);
  EXPECT_EQ(state_.list.RowCount(), 0u);
  EXPECT_EQ(state_.list.AttackIdsCount(), 0u);
  EXPECT_EQ(state_.status_text, status);

  state_.FileLocation.clear();
  EXPECT_EQ(LoadAttackList(state_, files_), LoadOutcome::kNoFile);
}

TEST_F(LoaderTest, UnreadableFileIsReported) {
  files_.files[kPath] = std::string(kHeader) + Record("10");
  files_.unreadable[kPath] = true;
  EXPECT_EQ(Reload(), LoadOutcome::kUnreadable);
  EXPECT_EQ(state_.list.RowCount(), 0u);
}

TEST_F(LoaderTest, KeepsEveryIdentifierInFileOrder) {
  std::string contents = kHeader;
  for (int i = 1; i <= 250; ++i) contents += Record("10", "ID" + std::to_string(i)) + "\r\n";
  ASSERT_EQ(Load(contents), LoadOutcome::kLoaded);
  ASSERT_EQ(state_.list.AttackIdsCount(), 250u);
  for (size_t i = 1; i <= 250; ++i) EXPECT_EQ(state_.list.AttackIds(i), "ID" + std::to_string(i));
  EXPECT_EQ(state_.count_label, FillValue(ViewerText(102), "250"));
}

TEST_F(LoaderTest, IdentifiersAreKeptUntrimmed) {
  Load(std::string(kHeader) + Record("10", " 2000001 "));
  EXPECT_EQ(state_.list.AttackIds(1), " 2000001 ");
}

TEST(BadAttackListMessage, HasLineBreaks) {
  EXPECT_EQ(BadAttackListMessage(),
            "An unexpected error occurred in the BlackIce 'Attack-List.Csv' file.\r\n"
            "Check the file for proper format and contents\r\nand try again.");
}

}  // namespace
}  // namespace lomvex
