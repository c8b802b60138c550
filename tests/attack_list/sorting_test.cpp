// Sorting by header clicks, and the selection's status text.
#include <gtest/gtest.h>

#include "attack_list_loader.h"
#include "fake_file_access.h"
#include "list_sorting.h"

namespace lomvex {
namespace {

// Rows: level, attack type, count, id.
MainListState Loaded(const std::vector<std::array<const char*, 4>>& rows) {
  FakeFileAccess files;
  std::string contents = "h\r\nh\r\n";
  for (const auto& row : rows) {
    contents += std::string(row[0]) + ",2000-10-12 13:45:00," + row[3] + "," + row[1] +
                ",10.0.0.1,name,HOST,0,," + row[2] + "\r\n";
  }
  files.files["list"] = contents;
  MainListState state;
  state.FileLocation = "list";
  EXPECT_EQ(LoadAttackList(state, files), LoadOutcome::kLoaded);
  return state;
}

std::vector<std::string> Ids(const MainListState& state) {
  std::vector<std::string> ids;
  for (size_t row = 0; row < state.list.RowCount(); ++row)
    ids.emplace_back(state.list.AttackIdAt(row));
  return ids;
}

TEST(ColumnClick, FlipsOrderOnEveryClickAndMovesTheMark) {
  MainListState state =
      Loaded({{"10", "beta", "1", "a"}, {"90", "Alpha", "2", "b"}, {"50", "gamma", "3", "c"}});
  EXPECT_EQ(Ids(state), (std::vector<std::string>{"a", "b", "c"}));  // file order at first

  struct Step {
    int column;
    int unmarked;
    int image;
    int key;
    std::vector<std::string> ids;
  } steps[] = {
      {4, 1, 10, 4, {"b", "a", "c"}},  // ascending, case-insensitive: Alpha beta gamma
      {4, 0, 11, 4, {"c", "a", "b"}},
      {1, 4, 10, 8, {"b", "c", "a"}},  // severity text: Critical first when ascending
      {7, 1, 11, 7, {"c", "b", "a"}},
      {9, 7, 10, 9, {"c", "b", "a"}},  // an empty column keeps the order (stable)
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.column);
    ColumnClickEffect effect = OnColumnClick(state, step.column);
    EXPECT_EQ(effect.unmarked_column, step.unmarked);
    EXPECT_EQ(effect.marked_column, step.column);
    EXPECT_EQ(effect.mark_image, step.image);
    EXPECT_EQ(effect.sort_key_column, step.key);
    EXPECT_EQ(state.LastSortColumn, step.column);
    EXPECT_EQ(Ids(state), step.ids);
  }
}

TEST(ColumnClick, EqualKeysKeepTheirOrderBothWays) {
  MainListState state =
      Loaded({{"10", "x", "1", "a"}, {"10", "X", "1", "b"}, {"10", "x", "1", "c"}});
  OnColumnClick(state, 4);
  EXPECT_EQ(Ids(state), (std::vector<std::string>{"a", "b", "c"}));
  OnColumnClick(state, 4);
  EXPECT_EQ(Ids(state), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(ColumnClick, SortsTextsAsTextNotAsNumbers) {
  MainListState state =
      Loaded({{"10", "t", "9", "a"}, {"10", "t", "10", "b"}, {"10", "t", "100", "c"}});
  OnColumnClick(state, 7);
  EXPECT_EQ(Ids(state), (std::vector<std::string>{"b", "c", "a"}));
}

TEST(ColumnClick, SelectionFollowsItsEventAndReloadKeepsTheSort) {
  MainListState state =
      Loaded({{"10", "b", "1", "a"}, {"90", "a", "2", "b"}, {"50", "c", "3", "c"}});
  state.list.Select(2);  // event c
  OnColumnClick(state, 4);
  ASSERT_TRUE(state.list.SelectedRow());
  EXPECT_EQ(state.list.AttackIdAt(*state.list.SelectedRow()), "c");
  OnColumnClick(state, 4);
  EXPECT_EQ(state.list.AttackIdAt(*state.list.SelectedRow()), "c");
}

TEST(SelectionStatus, DescribesTheSelectedRowOrDoesNothing) {
  MainListState state = Loaded({{"10", "b", "1", "a"}, {"60", "a", "2", "b"}});
  state.list.Select(1);
  EXPECT_TRUE(RefreshSelectionStatus(state));
  EXPECT_EQ(state.status_text,
            "On hostHOST, BlackIce has determined that this intrusion event is Serious in nature.");
  state.list.Select(std::nullopt);
  state.status_text = "kept";
  EXPECT_FALSE(RefreshSelectionStatus(state));
  EXPECT_EQ(state.status_text, "kept");
  state.list.Select(0);
  state.list.RemoveAllRows();
  EXPECT_FALSE(RefreshSelectionStatus(state));
  EXPECT_EQ(state.status_text, "kept");
  EXPECT_EQ(state.list.AttackIdsCount(), 2u);  // clearing the rows keeps the identifiers
}

}  // namespace
}  // namespace lomvex
