#include "attack_list_model.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <exception>
#include <limits>
#include <tuple>

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
// Runs of at most this many tied rows are compared on their texts directly.
constexpr size_t kDirectCompareRows = 16;

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

// Orders the texts from offset on: case folded, and a text before a longer one
// it begins.
int CompareFoldedFrom(std::string_view a, std::string_view b, size_t offset) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t at = offset; at < common; ++at) {
    unsigned char ca = FoldCase(static_cast<unsigned char>(a[at]));
    unsigned char cb = FoldCase(static_cast<unsigned char>(b[at]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
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
  // At most an eighth of the address space is reserved up front (a 32-bit
  // process has 2 GB); more rows than that grow as they are read.
  constexpr size_t kFormattedBytes = 24;  // a date and a time text
  constexpr size_t kMostReserved = std::numeric_limits<size_t>::max() / 8 /
                                   (sizeof(Row) + sizeof(std::uint32_t) + kFormattedBytes);
  expected_records = std::min(expected_records, kMostReserved);
  rows_.reserve(expected_records);
  order_.reserve(expected_records);
  formatted_.reserve(expected_records * kFormattedBytes);
}

void AttackListModel::ReleaseUnusedRows() {
  rows_.shrink_to_fit();
  order_.shrink_to_fit();
  formatted_.shrink_to_fit();
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

bool AttackListModel::SetSort(int key_column, bool ascending) {
  sort_key_column_ = key_column;
  sort_ascending_ = ascending;
  return ApplySort();
}

bool AttackListModel::ApplySort() {
  if (sort_key_column_ == 0 || order_.size() < 2) return true;
  try {
    // Keys are built in record order, which reads the rows and the file's bytes
    // front to back; each carries its row's position in the order before the
    // sort. Records the list no longer shows keep the sentinel and get no key.
    constexpr std::uint32_t kNotShown = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> position(rows_.size(), kNotShown);
    for (size_t i = 0; i < order_.size(); ++i) position[order_[i]] = static_cast<std::uint32_t>(i);
    std::vector<SortKey> keys;
    keys.reserve(order_.size());
    for (std::uint32_t record = 0; record < rows_.size(); ++record) {
      if (position[record] == kNotShown) continue;
      keys.push_back({0, 0, record, position[record]});
    }
    position = {};
    SortKeys(keys);
    for (size_t i = 0; i < keys.size(); ++i) order_[i] = keys[i].record;
    return true;
  } catch (const std::exception&) {
    return false;  // out of memory: order_ was not touched yet
  }
}

// Works through runs of rows that tie on their cells' first bytes, from a list
// of runs kept on the heap: however long the texts they share, the stack stays
// the same, and a row whose text has ended takes no part in later runs.
void AttackListModel::SortKeys(std::vector<SortKey>& keys) const {
  struct Run {
    size_t first, last, offset;
  };
  std::vector<Run> pending{{0, keys.size(), 0}};
  while (!pending.empty()) {
    Run run = pending.back();
    pending.pop_back();
    KeyIterator first = keys.begin() + run.first, last = keys.begin() + run.last;
    if (run.last - run.first <= kDirectCompareRows) {
      SortOnRestOfCells(first, last, run.offset);
      continue;
    }
    std::tie(first, last) = SortOnPrefixes(first, last, run.offset);
    const size_t next = run.offset + kPrefixBytes;
    for (KeyIterator tie = first; tie != last;) {
      KeyIterator tie_end = std::find_if(tie + 1, last, [tie](const SortKey& key) {
        return key.high != tie->high || key.low != tie->low;
      });
      if (tie_end - tie > 1) {
        // One look at each length: whether any text goes on past next, or
        // else whether they all end at the same byte.
        auto length = [&](KeyIterator key) {
          return RecordCell(rows_[key->record], sort_key_column_).size();
        };
        const size_t tie_length = length(tie);
        bool longer = tie_length > next, same_length = true;
        for (KeyIterator key = tie + 1; key != tie_end && !longer; ++key) {
          size_t key_length = length(key);
          longer = key_length > next;
          same_length = same_length && key_length == tie_length;
        }
        if (!longer) {
          if (!same_length) OrderByLength(tie, tie_end);
        } else if (tie_end - tie <= static_cast<std::ptrdiff_t>(kDirectCompareRows)) {
          SortOnRestOfCells(tie, tie_end, next);  // while the cells are at hand
        } else {
          pending.push_back({static_cast<size_t>(tie - keys.begin()),
                             static_cast<size_t>(tie_end - keys.begin()), next});
        }
      }
      tie = tie_end;
    }
  }
}

// Rows that tie on every byte their texts have: a text goes before a longer one
// it begins (after it, descending); equal ones keep their earlier order.
void AttackListModel::OrderByLength(KeyIterator first, KeyIterator last) const {
  auto length = [&](const SortKey& key) {
    return RecordCell(rows_[key.record], sort_key_column_).size();
  };
  const bool ascending = sort_ascending_;
  std::sort(first, last, [&](const SortKey& a, const SortKey& b) {
    size_t length_a = length(a), length_b = length(b);
    if (length_a != length_b) return ascending == (length_a < length_b);
    return a.position < b.position;
  });
}

// Sorts the rows on the sixteen bytes of their cells from offset on. Rows whose
// text ended before offset go first (last, descending), ordered by length; the
// range of the others is returned. Equal texts keep their earlier order.
std::pair<AttackListModel::KeyIterator, AttackListModel::KeyIterator>
AttackListModel::SortOnPrefixes(KeyIterator first, KeyIterator last, size_t offset) const {
  for (KeyIterator key = first; key != last; ++key) {
    SortPrefix prefix = PrefixOf(RecordCell(rows_[key->record], sort_key_column_), offset);
    key->high = prefix.high;
    key->low = prefix.low;
  }
  const bool ascending = sort_ascending_;
  if (offset > 0) {
    // An ended text's prefix is all zero bytes; only those rows are looked at.
    auto ended = [&](const SortKey& key) {
      return key.high == 0 && key.low == 0 &&
             RecordCell(rows_[key.record], sort_key_column_).size() <= offset;
    };
    if (ascending) {
      KeyIterator rest = std::partition(first, last, ended);
      if (rest - first > 1) OrderByLength(first, rest);
      first = rest;
    } else {
      KeyIterator rest =
          std::partition(first, last, [&](const SortKey& key) { return !ended(key); });
      if (last - rest > 1) OrderByLength(rest, last);
      last = rest;
    }
  }
  std::sort(first, last, [ascending](const SortKey& a, const SortKey& b) {
    if (a.high != b.high) return ascending == (a.high < b.high);
    if (a.low != b.low) return ascending == (a.low < b.low);
    return a.position < b.position;
  });
  return {first, last};
}

// A few rows (at most kDirectCompareRows) are compared on the whole rest of
// their cells at once; each cell is looked up once.
void AttackListModel::SortOnRestOfCells(KeyIterator first, KeyIterator last, size_t offset) const {
  struct Entry {
    std::string_view cell;
    SortKey key;
  };
  std::array<Entry, kDirectCompareRows> entries;
  const auto end = std::transform(first, last, entries.begin(), [&](const SortKey& key) {
    return Entry{RecordCell(rows_[key.record], sort_key_column_), key};
  });
  const bool ascending = sort_ascending_;
  std::sort(entries.begin(), end, [&](const Entry& a, const Entry& b) {
    int order = CompareFoldedFrom(a.cell, b.cell, offset);
    if (order != 0) return ascending == (order < 0);
    return a.key.position < b.key.position;
  });
  std::transform(entries.begin(), end, first, [](const Entry& entry) { return entry.key; });
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
