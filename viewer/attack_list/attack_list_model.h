// The rows of the main list, built for a virtual (owner-data) list view: the
// file's bytes are kept in one buffer and every cell is a slice of it, or of
// one store of formatted date and time texts. Records stay in file order; the
// list shows them through a display order that sorting rearranges.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "record_line.h"
#include "text_locale.h"

namespace lomvex {

// List columns, numbered from 1 as the list shows them.
enum ListColumn : int {
  kColumnSeverityImage = 1,
  kColumnDate = 2,
  kColumnTime = 3,
  kColumnAttackType = 4,
  kColumnIntruderAddress = 5,
  kColumnIntruderName = 6,
  kColumnCount = 7,
  kColumnSeverityText = 8,
  kColumnUnused = 9,
};
constexpr int kListColumns = 9;

class AttackListModel {
 public:
  // Empties the list and the attack identifiers.
  void Reset();
  // Takes the file's bytes; the records added next are slices of them.
  void AdoptBuffer(std::string&& contents, size_t expected_records);
  // Gives back the room reserved for rows that a failed load never read.
  void ReleaseUnusedRows();
  // Adds a row with its image and no cells (the loader fills them in order).
  void BeginRow(SeverityCode severity);
  // Fills the cells of the row just begun from a record's fields, in the
  // order of columns 2 to 8, up to the first cell whose field the line lacks.
  // True when every cell was filled (the record had all ten fields).
  bool FillCells(const RecordFields& fields, const TextLocale& locale);
  // Keeps the row's attack identifier as the next entry of the identifiers.
  void KeepAttackId();
  // The bytes of the file the rows were read from.
  std::string_view BufferText() const { return buffer_; }
  // Puts the rows into the current sort order (after a load). False when the
  // memory for sorting ran out: the rows then keep the order they had.
  bool ApplySort();

  // The list's rows, in display order.
  size_t RowCount() const { return order_.size(); }
  SeverityCode SeverityAt(size_t row) const;
  // The text of a cell; column 1 and 9 are empty, 8 is the severity digit.
  std::string_view CellAt(size_t row, int column) const;
  // Sub-item n (1 to 7) is column n + 1.
  std::string_view SubItemAt(size_t row, int sub_item) const { return CellAt(row, sub_item + 1); }
  std::string_view AttackIdAt(size_t row) const;
  // Empties the list's rows but keeps the attack identifiers.
  void RemoveAllRows() {
    order_.clear();
    selected_.reset();
  }

  // The attack identifiers, entry i (from 1) for the i-th record of the file.
  size_t AttackIdsCount() const { return ids_kept_; }
  std::string_view AttackIds(size_t entry) const;
  // The last record's host name (field 6), when the load completed a record.
  std::string_view HostNameOfLastRecord() const;

  // Sorting: the key column (1 to 9) and the order. Rows are kept sorted; false
  // as ApplySort.
  bool SetSort(int key_column, bool ascending);
  int SortKeyColumn() const { return sort_key_column_; }
  bool SortAscending() const { return sort_ascending_; }

  // Selection, by display row; a sort keeps the selected record selected.
  void Select(std::optional<size_t> row);
  std::optional<size_t> SelectedRow() const;

 private:
  struct Slice {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
  };
  struct Row {
    std::uint32_t formatted = 0;  // the date text, then the time text, in formatted_
    std::uint8_t date_length = 0;
    std::uint8_t time_length = 0;
    std::uint8_t severity = 0;
    std::uint8_t filled = 0;               // cells filled, in the order of the columns 2 to 8
    Slice type, address, name, count, id;  // in buffer_
  };

  Slice BufferSlice(std::string_view text) const;
  std::string_view Text(const std::string& store, Slice slice) const {
    return std::string_view(store).substr(slice.offset, slice.length);
  }
  std::string_view RecordCell(const Row& row, int column) const;
  struct SortKey {
    std::uint64_t high = 0, low = 0;  // sixteen case-folded bytes of the cell
    std::uint32_t record = 0;
    std::uint32_t position = 0;  // in the order before the sort: ties keep it
  };
  using KeyIterator = std::vector<SortKey>::iterator;
  void SortKeys(std::vector<SortKey>& keys) const;
  void OrderByLength(KeyIterator first, KeyIterator last) const;
  std::pair<KeyIterator, KeyIterator> SortOnPrefixes(KeyIterator first, KeyIterator last,
                                                     size_t offset) const;
  void SortOnRestOfCells(KeyIterator first, KeyIterator last, size_t offset) const;

  std::string buffer_;
  std::string formatted_;
  std::vector<Row> rows_;
  std::vector<std::uint32_t> order_;
  size_t ids_kept_ = 0;
  Slice last_host_;          // field 6 of the last complete record
  int sort_key_column_ = 0;  // 0: file order, no column chosen yet
  bool sort_ascending_ = false;
  std::optional<std::uint32_t> selected_;  // a record index
};

}  // namespace lomvex
