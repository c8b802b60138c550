// Sorting the main list by a click on a column header.
#pragma once

#include "main_list_state.h"

namespace lomvex {

constexpr int kImageSortAscending = 10;
constexpr int kImageSortDescending = 11;

// What a header click changes in the list's header.
struct ColumnClickEffect {
  int unmarked_column = 0;  // header that loses its mark (and is left-aligned); 0 for none
  int marked_column = 0;    // header that shows mark_image
  int mark_image = 0;
  int sort_key_column = 0;
  bool ascending = true;
};

// Every click flips the order, whichever column is clicked; column 1 (the
// image) sorts on the hidden severity text of column 8. The rows are sorted.
ColumnClickEffect OnColumnClick(MainListState& state, int column);

}  // namespace lomvex
