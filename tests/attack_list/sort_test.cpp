// Sorting the list on a column: the order of texts that tie for long
// stretches, against a plain ordering of the same texts, and a stack that does
// not grow with the length of the texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "attack_list_loader.h"
#include "memory_files.h"

namespace lomvex {
namespace {

constexpr char kPath[] = "attack-list.csv";

// A list whose attack types (column 4) are the given texts, one record each.
void LoadTypes(AttackListModel& list, const std::vector<std::string>& types) {
  std::string contents = "h\r\nh\r\n";
  for (const std::string& type : types) {
    contents += "5,2000-10-12 13:45:00,id," + type + ",ip,name,HOST,0,,1\r\n";
  }
  MemoryFiles files;
  files.files[kPath] = contents;
  ASSERT_EQ(LoadAttackList(list, kPath, files), LoadOutcome::kLoaded);
}

// The record order the list should show: texts compared case folded and byte
// by byte, trailing zero bytes not counted; equal texts keep file order.
std::vector<size_t> ExpectedOrder(const std::vector<std::string>& types, bool ascending) {
  std::vector<std::string> keys;
  for (std::string text : types) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    keys.push_back(text.substr(0, text.find_last_not_of('\0') + 1));
  }
  std::vector<size_t> order(types.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return ascending ? keys[a] < keys[b] : keys[b] < keys[a];
  });
  return order;
}

std::vector<size_t> ShownOrder(const AttackListModel& list, const std::vector<std::string>& types) {
  std::vector<size_t> order;
  for (size_t row = 0; row < list.RowCount(); ++row) {
    // The type cell's bytes lie in the file's buffer in record order.
    const char* cell = list.CellAt(row, kColumnAttackType).data();
    size_t record = 0;
    for (size_t r = 0; r < list.RowCount(); ++r) {
      if (list.CellAt(r, kColumnAttackType).data() < cell) ++record;
    }
    order.push_back(record);
  }
  return order;
}

TEST(SortTest, OrdersTextsThatTieForLongStretches) {
  // Shared beginnings around the sixteen-byte steps, endings from a few bytes
  // that differ in case, in sign or only by a zero byte.
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
    AttackListModel list;
    LoadTypes(list, types);
    for (bool ascending : {true, false}) {
      SCOPED_TRACE(testing::Message() << count << (ascending ? " ascending" : " descending"));
      list.SetSort(kColumnAttackType, ascending);
      EXPECT_EQ(ShownOrder(list, types), ExpectedOrder(types, ascending));
      list.SetSort(0, true);  // back to file order, so ties start from it again
      LoadTypes(list, types);
    }
  }
}

TEST(SortTest, TextsTiedForMegabytesSortOnABoundedStack) {
  // A Windows thread's stack is 2 MB: a frame per sixteen tied bytes would
  // overflow it long before these texts end.
  const std::string tied(2'000'000, 'T');
  const std::vector<std::string> types = {tied + "b", tied + "C", tied + "a"};
  AttackListModel list;
  LoadTypes(list, types);
  for (bool ascending : {true, false}) {
    list.SetSort(kColumnAttackType, ascending);
    EXPECT_EQ(ShownOrder(list, types), ExpectedOrder(types, ascending));
  }
}

}  // namespace
}  // namespace lomvex
