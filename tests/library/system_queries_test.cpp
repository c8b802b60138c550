#include "system_queries.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "registry.h"

namespace pelmar {
namespace {

using testing::FakeServices;
using testing::Version;

TEST(OSPlatform, NamesTheFamilyAndVersion) {
  const int32_t numeric_version = 1995;
  const struct {
    OsVersionRecord version;
    uint32_t value_type;  // of the older family's version value
    std::string value;
    std::string expected;
  } cases[] = {
      {Version(5, 0, 2195), 1, "Windows 98", "Microsoft Windows NT - Ver: 5.0.2195"},
      {Version(4, 10, 67766222, false), 1, std::string("Windows 98\0", 11),
       "Microsoft Windows 98 - Ver: 4.10.67766222"},
      {Version(4, 90, -1, false), 1, "9", "Microsoft Windows 9 - Ver: 4.90.-1"},
      {Version(4, 10, 1998, false), 4,
       std::string(reinterpret_cast<const char*>(&numeric_version), 4),
       "Microsoft Windows 95 - Ver: 4.10.1998"},
      {Version(4, 0, 67109814, false), 0, "", "Microsoft Windows  - Ver: 4.0.67109814"},
  };
  for (const auto& c : cases) {
    FakeServices fake;
    fake.system.version = c.version;
    if (c.value_type) {
      fake.registry.Put(kLocalMachineRoot, kVersionKeyPath, "Version", c.value_type, c.value);
    }
    EXPECT_EQ(OSPlatform(fake.services), c.expected);
    EXPECT_EQ(fake.registry.open_handles, 0);
  }
}

TEST(IsNT, KeepsTheLastGoodVersionWhenTheQueryFails) {
  FakeServices fake;
  fake.system.version.reset();
  EXPECT_FALSE(IsNT(fake.services));  // zeros before any good query
  fake.system.version = Version(6, 1, 7601);
  EXPECT_TRUE(IsNT(fake.services));
  fake.system.version.reset();
  EXPECT_TRUE(IsNT(fake.services));
  EXPECT_EQ(fake.state.version.build, 7601);
  EXPECT_EQ(fake.state.version.size, kOsVersionRecordSize);
}

TEST(MemoryAndProcessor, AreNamedWithTheLocaleSeparator) {
  FakeServices fake;
  fake.system.memory = {8589934592ull, 0};
  EXPECT_EQ(TotalMemory(fake.services), "8,589,934,592 Bytes Total Memory");
  EXPECT_EQ(AvailMemory(fake.services), " Bytes Available Memory");
  fake.system.memory = {0, 4096};
  fake.system.separator = ".";
  EXPECT_EQ(AvailMemory(fake.services), "4.096 Bytes Available Memory");
  const struct {
    uint32_t code;
    std::string expected;
  } processors[] = {
      {386, "386 or Compatible Processor."},
      {486, "486 or Compatible Processor."},
      {586, "Intel Pentium or Compatible Processor."},
      {8664, "Unknown Intel or Compatible Processor."},
  };
  for (const auto& c : processors) {
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
    fake.system.version = Version(5, 0, 2195, c.nt_family);
    fake.system.processes = {4, 8, 12};
    fake.system.image_paths = {{8, "C:\\WINDOWS\\explorer.exe"},
                               {12, "C:\\Windows\\NotePad.EXE"}};  // 4 cannot be opened
    fake.system.snapshot = {"C:\\WINDOWS\\NOTEPAD.EXE"};
    EXPECT_EQ(IsAppRunning(fake.services, c.name), c.expected) << c.name << c.nt_family;
  }
}

TEST(IsAppRunning, ReadsEveryProcessOfALongList) {
  FakeServices fake;
  EXPECT_FALSE(IsAppRunning(fake.services, ""));
  for (uint32_t id = 1; id <= 100; ++id) fake.system.processes.push_back(id);
  EXPECT_FALSE(IsAppRunning(fake.services, ""));  // none can be opened
  fake.system.image_paths[100] = "C:\\last.exe";
  EXPECT_TRUE(IsAppRunning(fake.services, "last"));
}

TEST(IsAdminGroup, LooksAtEveryGroupOfTheToken) {
  using Status = TokenGroupList::Status;
  std::vector<std::string> many_groups(30, "S-1-5-21-1-2-3-513");
  std::vector<std::string> admins_late = many_groups;
  admins_late[25] = "S-1-5-32-544";
  const struct {
    bool nt_family;
    TokenGroupList token;
    bool expected;
  } cases[] = {
      {true, {Status::kRead, {"S-1-1-0", "S-1-5-32-544"}}, true},
      {true, {Status::kRead, {"", "S-1-5-32-545"}}, false},
      {true, {Status::kRead, admins_late}, true},
      {true, {Status::kRead, many_groups}, false},
      {true, {Status::kNoToken, {"S-1-5-32-544"}}, false},
      {true, {Status::kReadFailed, {"S-1-5-32-544"}}, false},
      {false, {Status::kRead, {"S-1-5-32-544"}}, false},
  };
  for (const auto& c : cases) {
    FakeServices fake;
    fake.system.version = Version(5, 0, 2195, c.nt_family);
    fake.system.token = c.token;
    EXPECT_EQ(IsAdminGroup(fake.services), c.expected);
  }
}

}  // namespace
}  // namespace pelmar
