// One table of profile-file behaviour, run against this program's own INI
// reader and writer and, on Windows, against the platform's profile functions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "profile_store.h"
#include "temp_folder.h"
#ifdef _WIN32
#include "profile_store_win32.h"
#endif

namespace lomvex {
namespace {

struct NamedFactory {
  const char* name;
  std::function<std::unique_ptr<ProfileStore>(std::string)> open;
};

class ProfileTable : public ::testing::TestWithParam<NamedFactory> {
 protected:
  void WriteFile(const std::string& contents) {
    std::ofstream(path_, std::ios::binary) << contents;
  }
  std::string Get(const char* section, const char* key, size_t size, size_t* copied = nullptr) {
    std::unique_ptr<ProfileStore> profile = GetParam().open(path_);
    std::vector<char> buffer(size + 1, 'x');
    size_t count = profile->GetString(section, key, buffer.data(), size);
    if (copied) *copied = count;
    return std::string(buffer.data(), count);
  }

  TestFolder folder_;
  std::string path_ = folder_ / "Test.Ini";
};

TEST_P(ProfileTable, Reads) {
  const std::string B = "[BlackIce]\r\n", long_value(130, 'p');
  // The file, a key of section BlackIce, the buffer's size and the value read.
  const std::tuple<std::string, const char*, size_t, std::string> cases[] = {
      {B + "FileLocation=C:\\data\\attack-list.csv\r\n", "FileLocation", 260,
       "C:\\data\\attack-list.csv"},
      {"[blackice]\r\nREFRESHRATE=10\r\n", "RefreshRate", 20, "10"},  // names ignore case
      {B + "  RefreshRate =   10   \r\n", "RefreshRate", 20, "10"},
      {B + "RefreshRate=\t7\t\r\n", "RefreshRate", 20, "7"},
      {B + "FileLocation=" + long_value + "\r\n", "FileLocation", 128, long_value.substr(0, 127)},
      {B + "FileSet=10\r\n", "FileSet", 2, "1"},
      {B + "FileSet=1\r\n", "RefreshRate", 20, ""},
      {"[Other]\r\nFileSet=1\r\n", "FileSet", 2, ""},
      {B + "FileSet=\r\n", "FileSet", 2, ""},
      {B + "FileSet=1\r\nFileSet=0\r\n", "FileSet", 2, "1"},  // the first of two
      {"[Other]\r\nFileSet=1\r\n" + B + "x=y\r\n", "FileSet", 2, ""},
      {B + "FileLocation=a=b\r\n", "FileLocation", 260, "a=b"},
      {"[BlackIce]\nRefreshRate=3\n", "RefreshRate", 20, "3"},
      {B + "FileLocation=\"C:\\a b\\x.csv\"\r\n", "FileLocation", 260, "C:\\a b\\x.csv"},
      {B + "FileLocation=C:\\My Data\\a.csv\r\n", "FileLocation", 260, "C:\\My Data\\a.csv"},
      {"[ BlackIce ]\r\nFileSet=1\r\n", "FileSet", 2, "1"},
  };
  for (const auto& [contents, key, size, value] : cases) {
    SCOPED_TRACE(contents);
    WriteFile(contents);
    size_t copied = 0;
    EXPECT_EQ(Get("BlackIce", key, size, &copied), value);
    EXPECT_EQ(copied, value.size());
  }
}

TEST_P(ProfileTable, MissingFileReadsEmpty) { EXPECT_EQ(Get("BlackIce", "FileLocation", 260), ""); }

TEST_P(ProfileTable, WritesCreateReplaceAndKeepOtherKeys) {
  std::unique_ptr<ProfileStore> profile = GetParam().open(path_);
  ASSERT_TRUE(profile->WriteString("BlackIce", "FileLocation", "C:\\one\\attack-list.csv"));
  ASSERT_TRUE(profile->WriteString("BlackIce", "RefreshRate", "10"));
  ASSERT_TRUE(profile->WriteString("Other", "Key", "other value"));
  ASSERT_TRUE(profile->WriteString("blackice", "fileLocation", "C:\\two\\attack-list.csv"));
  EXPECT_EQ(Get("BlackIce", "FileLocation", 260), "C:\\two\\attack-list.csv");
  EXPECT_EQ(Get("BlackIce", "RefreshRate", 20), "10");
  EXPECT_EQ(Get("Other", "Key", 64), "other value");
}

TEST_P(ProfileTable, WriteKeepsCommentsAndOtherSections) {
  WriteFile("; settings\r\n[First]\r\na=1\r\n\r\n[BlackIce]\r\nFileSet=0\r\n[Last]\r\nz=9\r\n");
  std::unique_ptr<ProfileStore> profile = GetParam().open(path_);
  ASSERT_TRUE(profile->WriteString("BlackIce", "RefreshRate", "5"));
  ASSERT_TRUE(profile->WriteString("BlackIce", "FileSet", "1"));
  EXPECT_EQ(Get("First", "a", 8), "1");
  EXPECT_EQ(Get("Last", "z", 8), "9");
  EXPECT_EQ(Get("BlackIce", "RefreshRate", 20), "5");
  EXPECT_EQ(Get("BlackIce", "FileSet", 2), "1");
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, ProfileTable,
    ::testing::Values(
#ifdef _WIN32
        NamedFactory{"Platform", [](std::string path) { return OpenPlatformProfile(path); }},
#endif
        NamedFactory{"Own", [](std::string path) { return OpenIniFile(path); }}),
    [](const ::testing::TestParamInfo<NamedFactory>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace lomvex
