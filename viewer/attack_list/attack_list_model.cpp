#include "attack_list_model.h"

#include <algorithm>
#include <cassert>

#include "event_format.h"

namespace lomvex {
namespace {

unsigned char FoldCase(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

// The first eight bytes, case folded, as a number that orders like the text.
std::uint64_t SortPrefix(std::string_view text) {
  std::uint64_t key = 0;
  for (size_t i = 0; i < 8; ++i) {
    unsigned char c = i < text.size() ? FoldCase(static_cast<unsigned char>(text[i])) : 0;
    key = key << 8 | c;
  }
  return key;
}

bool FoldedLess(std::string_view a, std::string_view b) {
  size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    unsigned char x = FoldCase(static_cast<unsigned char>(a[i]));
    unsigned char y = FoldCase(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y;
  }
  return a.size() < b.size();
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
  selected_.reset();
}

void AttackListModel::AdoptBuffer(std::string&& contents, size_t expected_records) {
  buffer_ = std::move(contents);
  rows_.reserve(expected_records);
  order_.reserve(expected_records);
  formatted_.reserve(expected_records * 24);
}

AttackListModel::Slice AttackListModel::BufferSlice(std::string_view text) const {
  assert(text.data() >= buffer_.data() && text.data() + text.size() <= buffer_.data() + buffer_.size());
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
  row.date = Slice{static_cast<std::uint32_t>(start),
                   static_cast<std::uint32_t>(formatted_.size() - start)};
  start = formatted_.size();
  AppendEventTime(formatted_, field[1], locale);
  row.time = Slice{static_cast<std::uint32_t>(start),
                   static_cast<std::uint32_t>(formatted_.size() - start)};
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
  row.host = BufferSlice(field[6]);
  row.filled = 7;
  return true;
}

void AttackListModel::KeepAttackId() { ids_kept_ = rows_.size(); }

std::string_view AttackListModel::RecordCell(const Row& row, int column) const {
  int cell = column - 1;  // the loader fills columns 2 to 8 as cells 1 to 7
  if (cell < 1 || cell > row.filled) return {};
  switch (column) {
    case kColumnDate:
      return Text(formatted_, row.date);
    case kColumnTime:
      return Text(formatted_, row.time);
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

std::string_view AttackListModel::AttackId(size_t entry) const {
  if (entry < 1 || entry > ids_kept_) return {};
  return Text(buffer_, rows_[entry - 1].id);
}

std::string_view AttackListModel::HostNameOfLastRecord() const {
  if (ids_kept_ == 0) return {};
  return Text(buffer_, rows_[ids_kept_ - 1].host);
}

void AttackListModel::SetSort(int key_column, bool ascending) {
  sort_key_column_ = key_column;
  sort_ascending_ = ascending;
  SortOrder();
}

void AttackListModel::ApplySort() { SortOrder(); }

void AttackListModel::SortOrder() {
  if (sort_key_column_ == 0 || order_.size() < 2) return;
  struct Keyed {
    std::uint64_t prefix;
    std::uint32_t record;
  };
  std::vector<Keyed> keyed(order_.size());
  for (size_t i = 0; i < order_.size(); ++i) {
    keyed[i] = {SortPrefix(RecordCell(rows_[order_[i]], sort_key_column_)), order_[i]};
  }
  auto less = [this](const Keyed& a, const Keyed& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    return FoldedLess(RecordCell(rows_[a.record], sort_key_column_),
                      RecordCell(rows_[b.record], sort_key_column_));
  };
  if (sort_ascending_) {
    std::stable_sort(keyed.begin(), keyed.end(), less);
  } else {
    std::stable_sort(keyed.begin(), keyed.end(),
                     [&less](const Keyed& a, const Keyed& b) { return less(b, a); });
  }
  for (size_t i = 0; i < keyed.size(); ++i) order_[i] = keyed[i].record;
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
