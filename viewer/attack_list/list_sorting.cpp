#include "list_sorting.h"

namespace lomvex {

ColumnClickEffect OnColumnClick(MainListState& state, int column) {
  ColumnClickEffect effect;
  if (state.last_sort_column == 0) state.last_sort_column = 1;
  if (column != state.last_sort_column) effect.unmarked_column = state.last_sort_column;
  effect.ascending = !state.list.SortAscending();
  effect.marked_column = column;
  effect.mark_image = effect.ascending ? kImageSortAscending : kImageSortDescending;
  effect.sort_key_column = column == kColumnSeverityImage ? kColumnSeverityText : column;
  state.list.SetSort(effect.sort_key_column, effect.ascending);
  state.last_sort_column = column;
  return effect;
}

}  // namespace lomvex
