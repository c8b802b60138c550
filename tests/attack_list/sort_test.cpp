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

// A list whose attack types (column 4) are the given texts, one record each,
// identified by its index.
void LoadTypes(AttackListModel& list, const std::vector<std::string>& types) {
  std::string contents = "h\r\nh\r\n";
  for (size_t record = 0; record < types.size(); ++record) {
    contents += "5,2000-10-12 13:45:00," + std::to_string(record) + "," + types[record] +
                ",ip,name,HOST,0,,1\r\n";
  }
  MemoryFiles files;
  files.files[kPath] = contents;
  ASSERT_EQ(LoadAttackList(list, kPath, files), LoadOutcome::kLoaded);
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

// The records as the list shows them, by their identifiers.
std::vector<size_t> ShownOrder(const AttackListModel& list) {
  std::vector<size_t> order;
  for (size_t row = 0; row < list.RowCount(); ++row) {
    order.push_back(std::stoul(std::string(list.AttackIdAt(row))));
  }
  return order;
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
    AttackListModel list;
    LoadTypes(list, types);
    for (bool ascending : {true, false}) {
      SCOPED_TRACE(testing::Message() << count << (ascending ? " ascending" : " descending"));
      list.SetSort(kColumnAttackType, ascending);
      EXPECT_EQ(ShownOrder(list), ExpectedOrder(types, ascending));
      list.SetSort(0, true);  // back to file order, so ties start from it again
      LoadTypes(list, types);
    }
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
  for (const std::vector<std::string>& types : cases) {
    AttackListModel list;
    LoadTypes(list, types);
    for (bool ascending : {true, false}) {
      list.SetSort(kColumnAttackType, ascending);
      EXPECT_EQ(ShownOrder(list), ExpectedOrder(types, ascending));
    }
  }
}

}  // namespace
}  // namespace lomvex
