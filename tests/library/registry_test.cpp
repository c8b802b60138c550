#include "registry.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace pelmar {
namespace {

using Data = testing::FakeRegistry::Data;
const std::string kApp = "Software\\App";

std::string Long(int32_t number) {
  return std::string(reinterpret_cast<const char*>(&number), sizeof number);
}

class RegObjectTest : public ::testing::Test {
 protected:
  void SetUp() override { object.set_sub_key(kApp); }
  void TearDown() override { EXPECT_EQ(fake.registry.open_keys, 0); }
  std::optional<Data> Stored(const std::string& name) {
    return testing::Find(fake.registry.At(kCurrentUserRoot, kApp), name);
  }

  testing::FakeServices fake;
  RegObject object;
};

TEST_F(RegObjectTest, StoresStringsAsStringsAndEverythingElseAsNumbers) {
  const std::pair<Value, Data> cases[] = {
      {std::string("123"), {kStringKind, std::string("123\0", 4)}},
      {2.5, {kNumberKind, Long(2)}},
      {3.5, {kNumberKind, Long(4)}},
      {true, {kNumberKind, Long(-1)}},
      {Value{}, {kNumberKind, Long(0)}},
      {int64_t{-2147483648ll}, {kNumberKind, Long(INT32_MIN)}}};
  for (const auto& [value, stored] : cases) {
    // The first call finds the key missing: it creates it and stores the value.
    EXPECT_TRUE(object.SetDataKeyValue(fake.services, "\\Value", value));
    EXPECT_EQ(Stored("Value"), stored);
  }
  // Only writing strips the value name's backslashes.
  EXPECT_EQ(object.GetDataKeyValue(fake.services, "\\Value"), Value{});
}

TEST_F(RegObjectTest, ValuesThatCannotBeConvertedRaiseTheKeyError) {
  for (const Value& value : {Value{NullValue{}}, Value{OpaqueValue{}}, Value{2147483648.0},
                             Value{int64_t{4294967296ll}}}) {
    try {
      object.SetDataKeyValue(fake.services, "Value", value);
      ADD_FAILURE() << "no error raised";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.number, 1004);
      EXPECT_EQ(error.description, "Failed to open registry key(s) 'Software\\App'.");
    }
  }
  EXPECT_FALSE(Stored("Value"));
}

TEST_F(RegObjectTest, RefusedKeyGivesFalseWithoutError) {
  fake.registry.At(kCurrentUserRoot, kApp);
  fake.registry.refused.insert(testing::FakeRegistry::Id(kCurrentUserRoot, kApp));
  EXPECT_FALSE(object.SetDataKeyValue(fake.services, "Value", std::string("x")));
  EXPECT_EQ(object.GetDataKeyValue(fake.services, "Value"), Value{});
  EXPECT_FALSE(object.IsKeyValid(fake.services, kApp, 0));
}

TEST_F(RegObjectTest, ReadsStringsWithoutNulsNumbersAndNothingElse) {
  const std::pair<Data, Value> cases[] = {
      {{1, std::string("ab\0cd\0", 6)}, std::string("abcd")},
      {{1, std::string()}, std::string()},
      {{4, Long(-5)}, int64_t{-5}},
      {{3, std::string("\x01\x02", 2)}, Value{}},
      {{4, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)}, Value{}}};
  for (const auto& [stored, expected] : cases) {
    fake.registry.At(kCurrentUserRoot, kApp)["Data"] = stored;
    EXPECT_EQ(object.GetDataKeyValue(fake.services, "Data"), expected) << stored.first;
  }
}

TEST_F(RegObjectTest, DeletesNamedValuesAndKeys) {
  fake.registry.At(kCurrentUserRoot, kApp)["Data"] = {1, std::string("x\0", 2)};
  EXPECT_TRUE(object.DeleteData(fake.services, "\\Software\\App\\", "Data", 0));
  EXPECT_FALSE(object.DeleteData(fake.services, kApp, "Data", 0));
  EXPECT_TRUE(object.DeleteKey(fake.services, "\\Software\\App\\", 0));
  EXPECT_FALSE(fake.registry.Has(kCurrentUserRoot, kApp));
}

TEST_F(RegObjectTest, OlderFamilyWritesOnlyIntoKeysThatOpen) {
  fake.system.version = testing::Version(4, 10, 1998, false);
  int32_t root = 0;
  EXPECT_FALSE(RegWrapper(fake.services).WriteValue(kApp, "V", int64_t{1}, kNumberKind, root));
  EXPECT_FALSE(fake.registry.Has(kCurrentUserRoot, kApp));
  // SetDataKeyValue creates the key first, so the value still arrives.
  EXPECT_TRUE(object.SetDataKeyValue(fake.services, "V", int64_t{1}));
  EXPECT_TRUE(Stored("V"));
}

}  // namespace
}  // namespace pelmar
