// The main list's state: loads, header clicks and the selection's status text.
#include "main_list_state.h"

#include <gtest/gtest.h>

#include <tuple>

#include "list_sorting.h"
#include "main_window_fakes.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

MainListState Loaded(const std::vector<std::string>& records) {
  MemoryFiles files;
  files.files[kPath] = AttackListFile(records);
  MainListState state;
  state.FileLocation = kPath;
  EXPECT_EQ(LoadMainList(state, files), LoadOutcome::kLoaded);
  return state;
}

std::string Ids(const MainListState& state) {
  std::string ids;
  for (size_t row = 0; row < state.list.RowCount(); ++row) ids += state.list.AttackIdAt(row);
  return ids;
}

TEST(MainListLoadTest, CompleteLoadFillsTheTextsAndAFailedOneKeepsThem) {
  MainListState state = Loaded({Record(90, "x", "FIRST"), Record(10, "y", "SERVER1")});
  EXPECT_EQ(std::tuple(state.HostName, state.count_label, state.status_text,
                       state.list.SelectedRow(), state.list_commands_enabled),
            std::tuple("SERVER1", FillValue(ViewerText(IDS_ATTACK_COUNT), "2"),
                       "On hostSERVER1, BlackIce has determined that this intrusion event is "
                       "Critical in nature.",
                       std::optional<size_t>(0), true));

  const MainListState loaded = state;
  state.list_commands_enabled = false;
  MemoryFiles files;
  for (bool missing : {false, true}) {
    files.files[kPath] = AttackListFile({Record(10, "z", "OTHER"), "abc"});
    if (missing) files.files.clear();
    EXPECT_NE(LoadMainList(state, files), LoadOutcome::kLoaded);
    EXPECT_EQ(std::tie(state.HostName, state.count_label, state.status_text),
              std::tie(loaded.HostName, loaded.count_label, loaded.status_text));
    EXPECT_FALSE(state.list_commands_enabled);
  }
}

TEST(ColumnClickTest, FlipsOrderOnEveryClickMovesTheMarkAndKeepsTheSelection) {
  MainListState state =
      Loaded({Record(10, "beta", "H", "a", "9"), Record(90, "Alpha", "H", "b", "10"),
              Record(50, "gamma", "H", "c", "100"), Record(10, "Beta", "H", "d", "9")});
  state.list.Select(2);           // event c
  EXPECT_EQ(Ids(state), "abcd");  // file order at first
  // Column clicked, then the column unmarked, the mark's image, the sort key's column, the order.
  const std::tuple<int, int, int, int, std::string> steps[] = {
      {4, 1, 10, 4, "badc"},  // case-insensitive; equal keys keep their order
      {4, 0, 11, 4, "cadb"},  // descending, equal keys still in their earlier order
      {1, 4, 10, 8, "bcad"},  // on the severity text: Critical first when ascending
      {7, 1, 11, 7, "adcb"},  // texts, not numbers: "9" > "100" > "10"
      {9, 7, 10, 9, "adcb"},  // an empty column keeps the order
  };
  for (const auto& [column, unmarked, image, key, ids] : steps) {
    SCOPED_TRACE(column);
    const ColumnClickEffect effect = OnColumnClick(state, column);
    EXPECT_EQ(std::tuple(effect.unmarked_column, effect.marked_column, effect.mark_image,
                         effect.sort_key_column, state.LastSortColumn, Ids(state)),
              std::tuple(unmarked, column, image, key, column, ids));
    EXPECT_EQ(state.list.AttackIdAt(state.list.SelectedRow().value()), "c");
  }
}

TEST(SelectionStatusTest, DescribesTheSelectedRowOrDoesNothing) {
  MainListState state = Loaded({Record(10, "b", "H", "a", "1"), Record(60, "a", "H", "b", "2")});
  state.list.Select(1);
  EXPECT_TRUE(RefreshSelectionStatus(state));
  EXPECT_NE(state.status_text.find("Serious"), std::string::npos);
  state.list.Select(std::nullopt);
  state.status_text = "kept";
  EXPECT_FALSE(RefreshSelectionStatus(state));
  state.list.Select(0);
  state.list.RemoveAllRows();
  EXPECT_FALSE(RefreshSelectionStatus(state));
  EXPECT_EQ(state.status_text, "kept");
  EXPECT_EQ(state.list.AttackIdsCount(), 2u);  // clearing the rows keeps the identifiers
}

}  // namespace
}  // namespace lomvex
