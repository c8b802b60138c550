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
  // The version record, the type and data of the older family's version value, the text.
  const std::tuple<OsVersionRecord, uint32_t, std::string, std::string> cases[] = {
      {Version(5, 0, 2195), 1, "Windows 98", "Microsoft Windows NT - Ver: 5.0.2195"},
      {Version(4, 10, 1998, false), 1, "Windows 98", "Microsoft Windows 98 - Ver: 4.10.1998"},
      {Version(4, 90, -1, false), 1, "9", "Microsoft Windows 9 - Ver: 4.90.-1"},
      {Version(4, 10, 1998, false), 4,
       std::string(reinterpret_cast<const char*>(&numeric_version), 4),
       "Microsoft Windows 95 - Ver: 4.10.1998"},
      {Version(4, 0, 67109814, false), 0, "", "Microsoft Windows  - Ver: 4.0.67109814"}};
  for (const auto& [version, value_type, value, expected] : cases) {
    FakeServices fake;
    fake.system.version = version;
    if (value_type)
      fake.registry.At(kLocalMachineRoot, kVersionKeyPath)["Version"] = {value_type, value};
    EXPECT_EQ(OSPlatform(fake.services), expected);
    EXPECT_EQ(fake.registry.open_keys, 0);
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
}

TEST(MemoryAndProcessor, AreNamedWithTheLocaleSeparator) {
  FakeServices fake;
  fake.system.memory = {8589934592ull, 4096};
  EXPECT_EQ(TotalMemory(fake.services), "8,589,934,592 Bytes Total Memory");
  fake.system.separator = ".";
  EXPECT_EQ(AvailMemory(fake.services), "4.096 Bytes Available Memory");
  EXPECT_EQ(CPUType(fake.services), "Intel Pentium or Compatible Processor.");
}

TEST(IsAppRunning, MatchesAnyPartOfAProcessPathWithoutCase) {
  const std::tuple<std::string, bool, bool> cases[] = {
      {"pad.E", true, true},    {"", true, true},       {"calc", true, false},
      {"NOTEPAD", false, true}, {"calc", false, false},
  };
  for (const auto& [name, nt_family, expected] : cases) {
    FakeServices fake;
    fake.system.version = Version(5, 0, 2195, nt_family);
    fake.system.processes = {4, 8, 12};
    fake.system.image_paths = {{8, "C:\\WINDOWS\\explorer.exe"},
                               {12, "C:\\Windows\\NotePad.EXE"}};  // 4 cannot be opened
    fake.system.snapshot = {"C:\\WINDOWS\\NOTEPAD.EXE"};
    EXPECT_EQ(IsAppRunning(fake.services, name), expected) << name << nt_family;
  }
}

TEST(IsAppRunning, ReadsEveryProcessOfALongList) {
  FakeServices fake;
  EXPECT_FALSE(IsAppRunning(fake.services, ""));
  for (uint32_t id = 1; id <= 100; ++id) fake.system.processes.push_back(id);
  fake.system.image_paths[100] = "C:\\last.exe";
  EXPECT_TRUE(IsAppRunning(fake.services, "last"));
}

TEST(IsAdminGroup, LooksAtEveryGroupOfTheToken) {
  using Status = TokenGroupList::Status;
  std::vector<std::string> many_groups(30, "S-1-5-21-1-2-3-513");
  std::vector<std::string> admins_late = many_groups;
  admins_late[25] = "S-1-5-32-544";
  const std::tuple<bool, TokenGroupList, bool> cases[] = {
      {true, {Status::kRead, admins_late}, true},
      {true, {Status::kRead, many_groups}, false},
      {true, {Status::kReadFailed, {"S-1-5-32-544"}}, false},
      {false, {Status::kRead, {"S-1-5-32-544"}}, false}};
  for (const auto& [nt_family, token, expected] : cases) {
    FakeServices fake;
    fake.system.version = Version(5, 0, 2195, nt_family);
    fake.system.token = token;
    EXPECT_EQ(IsAdminGroup(fake.services), expected);
  }
}

}  // namespace
}  // namespace pelmar
