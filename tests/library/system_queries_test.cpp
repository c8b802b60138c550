#include "system_queries.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "registry.h"

namespace pelmar {
namespace {

using testing::FakeServices;

TEST(OSPlatform, NamesTheFamilyAndVersion) {
  const struct {
    OsVersionRecord version;
    std::optional<std::string> version_value;  // of the older family's key
    std::string expected;
  } cases[] = {
      {testing::NtVersion(5, 0, 2195), "Windows 98", "Microsoft Windows NT - Ver: 5.0.2195"},
      {testing::OlderFamilyVersion(4, 10, 67766222), "Windows 98",
       "Microsoft Windows 98 - Ver: 4.10.67766222"},
      {testing::OlderFamilyVersion(4, 0, 67109814), std::nullopt,
       "Microsoft Windows  - Ver: 4.0.67109814"},
      {testing::OlderFamilyVersion(4, 90, -1), "9", "Microsoft Windows 9 - Ver: 4.90.-1"},
  };
  for (const auto& c : cases) {
    FakeServices fake;
    fake.system.version = c.version;
    if (c.version_value) {
      fake.registry.Put(kLocalMachineRoot, kVersionKeyPath, "Version", 1, *c.version_value + '\0');
    }
    EXPECT_EQ(OSPlatform(fake.services), c.expected);
    EXPECT_EQ(fake.registry.open_handles, 0);
  }
}

TEST(OSPlatform, NumericVersionValueIsWrittenAsText) {
  FakeServices fake;
  fake.system.version = testing::OlderFamilyVersion(4, 10, 1998);
  const int32_t version = 1995;
  fake.registry.Put(kLocalMachineRoot, kVersionKeyPath, "Version", 4,
                    std::string(reinterpret_cast<const char*>(&version), 4));
  EXPECT_EQ(OSPlatform(fake.services), "Microsoft Windows 95 - Ver: 4.10.1998");
}

TEST(IsNT, KeepsTheLastGoodVersionWhenTheQueryFails) {
  FakeServices fake;
  EXPECT_FALSE(IsNT(fake.services));  // zeros before any good query
  fake.system.version = testing::NtVersion(6, 1, 7601);
  EXPECT_TRUE(IsNT(fake.services));
  fake.system.version.reset();
  EXPECT_TRUE(IsNT(fake.services));
  EXPECT_EQ(fake.state.version.build, 7601);
  EXPECT_EQ(fake.state.version.size, kOsVersionRecordSize);
}

TEST(MemoryText, GroupsTheBytesWithTheLocaleSeparator) {
  const struct {
    uint64_t total;
    uint64_t available;
    std::string separator;
    std::string expected_total;
    std::string expected_available;
  } cases[] = {
      {133619712, 1024, ",", "133,619,712 Bytes Total Memory", "1,024 Bytes Available Memory"},
      {8589934592ull, 2147483648ull, ",", "8,589,934,592 Bytes Total Memory",
       "2,147,483,648 Bytes Available Memory"},
      {4096, 0, ".", "4.096 Bytes Total Memory", " Bytes Available Memory"},
  };
  for (const auto& c : cases) {
    FakeServices fake;
    fake.system.memory = {c.total, c.available};
    fake.system.separator = c.separator;
    EXPECT_EQ(TotalMemory(fake.services), c.expected_total);
    EXPECT_EQ(AvailMemory(fake.services), c.expected_available);
  }
}

TEST(CPUType, NamesTheProcessorByTypeCode) {
  const struct {
    uint32_t code;
    std::string expected;
  } cases[] = {
      {386, "386 or Compatible Processor."},
      {486, "486 or Compatible Processor."},
      {586, "Intel Pentium or Compatible Processor."},
      {2200, "Unknown Intel or Compatible Processor."},
      {8664, "Unknown Intel or Compatible Processor."},
  };
  for (const auto& c : cases) {
    FakeServices fake;
    fake.system.processor = c.code;
    EXPECT_EQ(CPUType(fake.services), c.expected);
  }
}

TEST(IsAppRunning, MatchesAnyPartOfAProcessPathWithoutCase) {
  const struct {
    std::string name;
    bool nt_family;
    bool expected;
  } cases[] = {
      {"NOTEPAD", true, true}, {"pad.e", true, true},
      {"", true, true},        {"c:\\windows\\notepad.exe", true, true},
      {"calc", true, false},   {"NOTEPAD", false, true},
      {"calc", false, false},  {"hidden", true, false},
  };
  for (const auto& c : cases) {
    FakeServices fake;
    fake.system.version =
        c.nt_family ? testing::NtVersion(5, 0, 2195) : testing::OlderFamilyVersion(4, 10, 1998);
    fake.system.processes = {4, 8, 12};
    fake.system.image_paths = {{8, "C:\\WINDOWS\\explorer.exe"},
                               {12, "C:\\Windows\\NotePad.EXE"}};  // 4 cannot be opened
    fake.system.snapshot = {"C:\\WINDOWS\\NOTEPAD.EXE"};
    EXPECT_EQ(IsAppRunning(fake.services, c.name), c.expected) << c.name << c.nt_family;
  }
}

TEST(IsAppRunning, GrowsTheIdTableUntilItHasRoomToSpare) {
  FakeServices fake;
  fake.system.version = testing::NtVersion(5, 0, 2195);
  for (uint32_t id = 1; id <= 100; ++id) fake.system.processes.push_back(id);
  fake.system.image_paths[100] = "C:\\last.exe";
  EXPECT_TRUE(IsAppRunning(fake.services, "last"));
  EXPECT_EQ(fake.system.enumerate_table_sizes, (std::vector<size_t>{4, 8, 16, 32, 64, 128}));
}

TEST(IsAppRunning, FindsNothingWithoutProcessesOrWhenOnlyUnreadableOnesRun) {
  FakeServices fake;
  fake.system.version = testing::NtVersion(5, 0, 2195);
  EXPECT_FALSE(IsAppRunning(fake.services, ""));
  fake.system.processes = {4, 8};
  EXPECT_FALSE(IsAppRunning(fake.services, ""));
}

TEST(IsAdminGroup, LooksAtEveryGroupOfTheToken) {
  std::vector<std::string> many_groups(30, "S-1-5-21-1-2-3-513");
  std::vector<std::string> admins_late = many_groups;
  admins_late[25] = "S-1-5-32-544";
  const struct {
    bool nt_family;
    TokenGroupList token;
    bool expected;
  } cases[] = {
      {true, {TokenGroupList::Status::kRead, {"S-1-1-0", "S-1-5-32-544"}}, true},
      {true, {TokenGroupList::Status::kRead, {"S-1-1-0", "S-1-5-32-545"}}, false},
      {true, {TokenGroupList::Status::kRead, admins_late}, true},
      {true, {TokenGroupList::Status::kRead, many_groups}, false},
      {true, {TokenGroupList::Status::kRead, {"", "S-1-5-32-544"}}, true},
      {true, {TokenGroupList::Status::kNoToken, {"S-1-5-32-544"}}, false},
      {true, {TokenGroupList::Status::kReadFailed, {"S-1-5-32-544"}}, false},
      {false, {TokenGroupList::Status::kRead, {"S-1-5-32-544"}}, false},
  };
  for (const auto& c : cases) {
    FakeServices fake;
    fake.system.version =
        c.nt_family ? testing::NtVersion(5, 0, 2195) : testing::OlderFamilyVersion(4, 10, 1998);
    fake.system.token = c.token;
    EXPECT_EQ(IsAdminGroup(fake.services), c.expected);
  }
}

}  // namespace
}  // namespace pelmar
