// Loads and sorts that run out of memory: the failure ends as a bad file does
// and the list stays usable. Memory runs out through a budget that this test
// program's operator new keeps.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <optional>

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
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace lomvex {
namespace {

constexpr char kPath[] = "attack-list.csv";

std::string Records(size_t count) {
  std::string contents = "h\r\nh\r\n";
  for (size_t i = 0; i < count; ++i) {
    contents += "5,2000-10-12 13:45:00," + std::to_string(i) + ",type" + std::to_string(count - i) +
                ",ip,name,HOST,0,,1\r\n";
  }
  return contents;
}

std::string Ids(const AttackListModel& list) {
  std::string ids;
  for (size_t row = 0; row < list.RowCount(); ++row) (ids += list.AttackIdAt(row)) += ' ';
  return ids;
}

TEST(OutOfMemoryTest, LoadEndsAsABadFileWithTheRowsReadSoFar) {
  const std::tuple<const char*, std::string, size_t> cases[] = {
      // Rows are reserved for the records the file can hold, not per line end.
      {"bare carriage returns", "h\r\nh\r\n" + std::string(4'000'000, '\r'), 64'000'000},
      {"no memory for the rows", Records(2000), 150'000},
      {"no memory for the file", Records(10), 0},
  };
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
    EXPECT_NE(outcome, LoadOutcome::kLoaded);
    EXPECT_NE(outcome, LoadOutcome::kNoFile);
    EXPECT_EQ(list.RowCount(), 0u);
  }
}

TEST(OutOfMemoryTest, SortThatRunsOutKeepsTheOrder) {
  MemoryFiles files;
  files.files[kPath] = Records(50);
  AttackListModel list, sorted;
  ASSERT_EQ(LoadAttackList(list, kPath, files), LoadOutcome::kLoaded);
  sorted.SetSort(kColumnAttackType, true);
  ASSERT_EQ(LoadAttackList(sorted, kPath, files), LoadOutcome::kLoaded);
  const std::string file_order = Ids(list);
  ASSERT_NE(Ids(sorted), file_order);
  // Budgets from none up to enough: each sort ends sorted or as it was.
  for (size_t budget = 0; budget < 20'000 && Ids(list) == file_order; budget += 100) {
    AllocationBudget limit(budget);
    EXPECT_NO_THROW(list.SetSort(kColumnAttackType, true)) << budget;
  }
  EXPECT_EQ(Ids(list), Ids(sorted));
}

}  // namespace
}  // namespace lomvex
