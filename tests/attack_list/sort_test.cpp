// Sorting on a column, against a plain stable sort, of texts tied for long stretches, on a
// bounded stack. Loads and sorts out of memory (a budget this program's operator new keeps)
// end as a bad file does and leave the list usable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <numeric>
#include <optional>
#include <random>

#include "attack_list_loader.h"
#include "memory_files.h"

namespace {

std::optional<size_t> budget_left;  // none: no limit

// While it lives, allocations past the given number of bytes fail.
struct AllocationBudget {
  explicit AllocationBudget(size_t bytes) { budget_left = bytes; }
  ~AllocationBudget() { budget_left.reset(); }
};

}  // namespace

void* operator new(std::size_t size) {
  if (budget_left) {
    if (size > *budget_left) throw std::bad_alloc();
    *budget_left -= size;
  }
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return operator new(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
// Kept out of line, so the compiler does not pair these frees with the news above.
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace lomvex {
namespace {

constexpr char kPath[] = "attack-list.csv";

// An attack list whose attack types are these texts, each record identified by its index.
MemoryFiles ListOfTypes(const std::vector<std::string>& types) {
  MemoryFiles files;
  std::string& contents = files.files[kPath] = "h\r\nh\r\n";
  for (size_t record = 0; record < types.size(); ++record)
    contents += "5,2000-10-12 13:45:00," + std::to_string(record) + "," + types[record] +
                ",ip,name,HOST,0,,1\r\n";
  return files;
}
// Types that sort against the file order.
std::vector<std::string> Descending(size_t count) {
  std::vector<std::string> types;
  for (size_t i = count; i > 0; --i) types.push_back("type" + std::to_string(1000 + i));
  return types;
}

AttackListModel Loaded(const std::vector<std::string>& types) {
  MemoryFiles files = ListOfTypes(types);
  AttackListModel list;
  EXPECT_EQ(LoadAttackList(list, kPath, files), LoadOutcome::kLoaded);
  return list;
}

// The record order the list should show: texts compared case folded and byte
// by byte, a text before a longer one it begins; equal texts keep file order.
std::vector<size_t> ExpectedOrder(const std::vector<std::string>& types, bool ascending) {
  std::vector<std::string> keys = types;
  for (std::string& key : keys)
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::vector<size_t> order(types.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return ascending ? keys[a] < keys[b] : keys[b] < keys[a];
  });
  return order;
}

std::vector<size_t> ShownOrder(const AttackListModel& list) {
  std::vector<size_t> order;
  for (size_t row = 0; row < list.RowCount(); ++row)
    order.push_back(std::stoul(std::string(list.AttackIdAt(row))));
  return order;
}

// Sorted either way from the file order, the list shows the expected order.
void ExpectSortsBothWays(const std::vector<std::string>& types) {
  for (bool ascending : {true, false}) {
    AttackListModel list = Loaded(types);
    list.SetSort(kColumnAttackType, ascending);
    EXPECT_EQ(ShownOrder(list), ExpectedOrder(types, ascending)) << ascending;
  }
}

TEST(SortTest, OrdersTextsThatTieForLongStretches) {
  // Shared beginnings around the sixteen-byte steps, endings from a few bytes
  // that differ in case, in sign or by a zero byte.
  const std::string shared[] = {"", "abcdefghijklmno", "abcdefghijklmnop", "ABCDEFGHIJKLMNOPq",
                                std::string(40, 'x') + "abcdefghijklmnopqrstu"};
  const std::string endings = std::string("aAbB\xe9", 5) + std::string(1, '\0');
  std::mt19937 random(7);
  for (size_t count : {5, 40, 600}) {  // runs below and above the direct comparison's size
    std::vector<std::string> types;
    for (size_t i = 0; i < count; ++i) {
      std::string type = shared[random() % std::size(shared)];
      for (size_t n = random() % 4; n > 0; --n) type += endings[random() % endings.size()];
      types.push_back(type);
    }
    SCOPED_TRACE(count);
    ExpectSortsBothWays(types);
  }
}

TEST(SortTest, TextsTiedForMegabytesSortOnABoundedStackInBoundedTime) {
  // A Windows thread's stack is 2 MB: a frame per sixteen tied bytes would
  // overflow it long before these texts end. Texts that ended must not be
  // compared again for every sixteen bytes that a longer one goes on.
  const std::string tied(2'000'000, 'T');
  std::vector<std::string> ended(2000, "");
  ended.insert(ended.begin() + 1000, std::string(1'000'000, '\0'));
  const std::vector<std::string> cases[] = {{tied + "b", tied + "C", tied + "a"}, ended};
  for (const std::vector<std::string>& types : cases) ExpectSortsBothWays(types);
}

TEST(OutOfMemoryTest, LoadEndsAsABadFileWithTheRowsReadSoFar) {
  const std::tuple<const char*, std::string, size_t> cases[] = {
      // Rows are reserved for the records the file can hold, not per line end.
      {"bare carriage returns", "h\r\nh\r\n" + std::string(4'000'000, '\r'), 64'000'000},
      {"no memory for the rows", ListOfTypes(Descending(2000)).files[kPath], 150'000},
      {"no memory for the file", ListOfTypes(Descending(10)).files[kPath], 0}};
  for (const auto& [name, contents, bytes] : cases) {
    SCOPED_TRACE(name);
    MemoryFiles files;
    files.files[kPath] = contents;
    AttackListModel list;
    list.SetSort(kColumnAttackType, true);
    LoadOutcome outcome = LoadOutcome::kLoaded;
    {
      AllocationBudget budget(bytes);
      EXPECT_NO_THROW(outcome = LoadAttackList(list, kPath, files));
    }
    EXPECT_TRUE(outcome != LoadOutcome::kLoaded && outcome != LoadOutcome::kNoFile);
    EXPECT_EQ(list.RowCount(), 0u);
  }
}

TEST(OutOfMemoryTest, SortThatRunsOutKeepsTheOrder) {
  AttackListModel list = Loaded(Descending(50));
  const std::vector<size_t> file_order = ShownOrder(list);
  // Budgets from none up to enough: each sort ends sorted or as it was.
  for (size_t budget = 0; budget < 20'000 && ShownOrder(list) == file_order; budget += 100) {
    AllocationBudget limit(budget);
    EXPECT_NO_THROW(list.SetSort(kColumnAttackType, true)) << budget;
  }
  EXPECT_EQ(ShownOrder(list), ExpectedOrder(Descending(50), true));
}

}  // namespace
}  // namespace lomvex
