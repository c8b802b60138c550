#include "list_sorting.h"

namespace lomvex {

ColumnClickEffect OnColumnClick(MainListState& state, int column) {
  ColumnClickEffect effect;
  if (state.LastSortColumn == 0) state.LastSortColumn = 1;
  if (column != state.LastSortColumn) effect.unmarked_column = state.LastSortColumn;
  effect.ascending = !state.list.SortAscending();
  effect.marked_column = column;
  effect.mark_image = effect.ascending ? kImageSortAscending : kImageSortDescending;
  effect.sort_key_column = column == kColumnSeverityImage ? kColumnSeverityText : column;
  state.list.SetSort(effect.sort_key_column, effect.ascending);
  state.LastSortColumn = column;
  return effect;
}

}  // namespace lomvex
