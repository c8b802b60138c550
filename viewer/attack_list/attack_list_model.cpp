#include "attack_list_model.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "event_format.h"

namespace lomvex {
namespace {

unsigned char FoldCase(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

// The first sixteen bytes, case folded, as two numbers that order like the text.
struct SortPrefix {
  std::uint64_t high = 0;
  std::uint64_t low = 0;
};
constexpr size_t kPrefixBytes = 16;

// The key of the sixteen bytes from offset on.
SortPrefix PrefixOf(std::string_view text, size_t offset) {
  SortPrefix key;
  for (size_t i = 0; i < kPrefixBytes; ++i) {
    size_t at = offset + i;
    std::uint64_t c = at < text.size() ? FoldCase(static_cast<unsigned char>(text[at])) : 0;
    std::uint64_t& half = i < 8 ? key.high : key.low;
    half = half << 8 | c;
  }
  return key;
}

constexpr std::string_view kSeverityDigits[] = {"", "1", "2", "3", "4"};

}  // namespace

void AttackListModel::Reset() {
  buffer_.clear();
  buffer_.shrink_to_fit();
  formatted_.clear();
  formatted_.shrink_to_fit();
  rows_.clear();
  rows_.shrink_to_fit();
  order_.clear();
  order_.shrink_to_fit();
  ids_kept_ = 0;
  last_host_ = {};
  selected_.reset();
}

void AttackListModel::AdoptBuffer(std::string&& contents, size_t expected_records) {
  buffer_ = std::move(contents);
  rows_.reserve(expected_records);
  order_.reserve(expected_records);
  formatted_.reserve(expected_records * 24);
}

AttackListModel::Slice AttackListModel::BufferSlice(std::string_view text) const {
  assert(text.data() >= buffer_.data() &&
         text.data() + text.size() <= buffer_.data() + buffer_.size());
  return Slice{static_cast<std::uint32_t>(text.data() - buffer_.data()),
               static_cast<std::uint32_t>(text.size())};
}

void AttackListModel::BeginRow(SeverityCode severity) {
  Row row;
  row.severity = static_cast<std::uint8_t>(severity);
  rows_.push_back(row);
  order_.push_back(static_cast<std::uint32_t>(rows_.size() - 1));
}

bool AttackListModel::FillCells(const RecordFields& fields, const TextLocale& locale) {
  Row& row = rows_.back();
  const auto& field = fields.field;
  if (fields.count < 2) return false;
  size_t start = formatted_.size();
  AppendEventDate(formatted_, field[1], locale);
  size_t date_end = formatted_.size();
  AppendEventTime(formatted_, field[1], locale);
  row.formatted = static_cast<std::uint32_t>(start);
  row.date_length = static_cast<std::uint8_t>(date_end - start);
  row.time_length = static_cast<std::uint8_t>(formatted_.size() - date_end);
  row.filled = 2;
  // Attack type, address and name come from fields 3 to 5, the count from 9.
  Slice* cells[] = {&row.type, &row.address, &row.name};
  for (size_t i = 0; i < 3; ++i) {
    if (fields.count <= 3 + i) return false;
    *cells[i] = BufferSlice(field[3 + i]);
    row.filled = static_cast<std::uint8_t>(3 + i);
  }
  if (fields.count < kRecordFields) return false;
  row.count = BufferSlice(field[9]);
  row.id = BufferSlice(field[2]);
  last_host_ = BufferSlice(field[6]);
  row.filled = 7;
  return true;
}

void AttackListModel::KeepAttackId() { ids_kept_ = rows_.size(); }

std::string_view AttackListModel::RecordCell(const Row& row, int column) const {
  int cell = column - 1;  // the loader fills columns 2 to 8 as cells 1 to 7
  if (cell < 1 || cell > row.filled) return {};
  switch (column) {
    case kColumnDate:
      return std::string_view(formatted_).substr(row.formatted, row.date_length);
    case kColumnTime:
      return std::string_view(formatted_).substr(row.formatted + row.date_length, row.time_length);
    case kColumnAttackType:
      return Text(buffer_, row.type);
    case kColumnIntruderAddress:
      return Text(buffer_, row.address);
    case kColumnIntruderName:
      return Text(buffer_, row.name);
    case kColumnCount:
      return Text(buffer_, row.count);
    case kColumnSeverityText:
      return kSeverityDigits[row.severity];
    default:
      return {};
  }
}

SeverityCode AttackListModel::SeverityAt(size_t row) const { return rows_[order_[row]].severity; }

std::string_view AttackListModel::CellAt(size_t row, int column) const {
  return RecordCell(rows_[order_[row]], column);
}

std::string_view AttackListModel::AttackIdAt(size_t row) const {
  uint32_t record = order_[row];
  return record < ids_kept_ ? Text(buffer_, rows_[record].id) : std::string_view{};
}

std::string_view AttackListModel::AttackIds(size_t entry) const {
  if (entry < 1 || entry > ids_kept_) return {};
  return Text(buffer_, rows_[entry - 1].id);
}

std::string_view AttackListModel::HostNameOfLastRecord() const {
  if (ids_kept_ == 0) return {};
  return Text(buffer_, last_host_);
}

void AttackListModel::SetSort(int key_column, bool ascending) {
  sort_key_column_ = key_column;
  sort_ascending_ = ascending;
  ApplySort();
}

void AttackListModel::ApplySort() {
  if (sort_key_column_ == 0 || order_.size() < 2) return;
  // Keys are built in record order, which reads the rows and the file's bytes
  // front to back; each carries its row's position in the order before the sort.
  // Records the list no longer shows keep the sentinel and get no key.
  constexpr std::uint32_t kNotShown = std::numeric_limits<std::uint32_t>::max();
  std::vector<std::uint32_t> position(rows_.size(), kNotShown);
  for (size_t i = 0; i < order_.size(); ++i) position[order_[i]] = static_cast<std::uint32_t>(i);
  std::vector<SortKey> keys;
  keys.reserve(order_.size());
  for (std::uint32_t record = 0; record < rows_.size(); ++record) {
    if (position[record] == kNotShown) continue;
    SortPrefix prefix = PrefixOf(RecordCell(rows_[record], sort_key_column_), 0);
    keys.push_back({prefix.high, prefix.low, record, position[record]});
  }
  position = {};
  SortRange(keys.begin(), keys.end(), 0);
  for (size_t i = 0; i < keys.size(); ++i) order_[i] = keys[i].record;
}

// Sorts the rows on sixteen bytes of their cells from offset on, then each run
// of rows that tie there and have more text on the next sixteen bytes.
void AttackListModel::SortRange(std::vector<SortKey>::iterator first,
                                std::vector<SortKey>::iterator last, size_t offset) {
  for (auto key = first; offset > 0 && key != last; ++key) {
    SortPrefix prefix = PrefixOf(RecordCell(rows_[key->record], sort_key_column_), offset);
    key->high = prefix.high;
    key->low = prefix.low;
  }
  const bool ascending = sort_ascending_;
  // Equal texts keep their earlier order in either direction.
  std::sort(first, last, [ascending](const SortKey& a, const SortKey& b) {
    if (a.high != b.high) return ascending == (a.high < b.high);
    if (a.low != b.low) return ascending == (a.low < b.low);
    return a.position < b.position;
  });
  const size_t next = offset + kPrefixBytes;
  for (auto run = first; run != last;) {
    auto run_end = run + 1;
    bool longer = RecordCell(rows_[run->record], sort_key_column_).size() > next;
    while (run_end != last && run_end->high == run->high && run_end->low == run->low) {
      longer = longer || RecordCell(rows_[run_end->record], sort_key_column_).size() > next;
      ++run_end;
    }
    if (longer && run_end - run > 1) SortRange(run, run_end, next);
    run = run_end;
  }
}

void AttackListModel::Select(std::optional<size_t> row) {
  if (row && *row < order_.size()) {
    selected_ = order_[*row];
  } else {
    selected_.reset();
  }
}

std::optional<size_t> AttackListModel::SelectedRow() const {
  if (!selected_) return std::nullopt;
  auto found = std::find(order_.begin(), order_.end(), *selected_);
  if (found == order_.end()) return std::nullopt;
  return static_cast<size_t>(found - order_.begin());
}

}  // namespace lomvex
