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

namespace fs = std::filesystem;

using ProfileFactory = std::function<std::unique_ptr<ProfileStore>(std::string)>;

struct NamedFactory {
  const char* name;
  ProfileFactory open;
};

class ProfileTable : public ::testing::TestWithParam<NamedFactory> {
 protected:
  void SetUp() override {
    folder_ = FreshTestFolder();
    path_ = (folder_ / "Test.Ini").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

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

  fs::path folder_;
  std::string path_;
};

TEST_P(ProfileTable, Reads) {
  const std::string long_value(130, 'p');
  struct Case {
    const char* name;
    std::string contents;
    const char* section;
    const char* key;
    size_t size;
    std::string value;
  } cases[] = {
      {"plain", "[BlackIce]\r\nFileLocation=C:\\data\\attack-list.csv\r\n", "BlackIce",
       "FileLocation", 260, "C:\\data\\attack-list.csv"},
      {"names ignore case", "[blackice]\r\nREFRESHRATE=10\r\n", "BlackIce", "RefreshRate", 20,
       "10"},
      {"blanks around", "[BlackIce]\r\n  RefreshRate =   10   \r\n", "BlackIce", "RefreshRate", 20,
       "10"},
      {"tabs around", "[BlackIce]\r\nRefreshRate=\t7\t\r\n", "BlackIce", "RefreshRate", 20, "7"},
      {"cut to the buffer", "[BlackIce]\r\nFileLocation=" + long_value + "\r\n", "BlackIce",
       "FileLocation", 128, long_value.substr(0, 127)},
      {"two-character buffer", "[BlackIce]\r\nFileSet=10\r\n", "BlackIce", "FileSet", 2, "1"},
      {"missing key", "[BlackIce]\r\nFileSet=1\r\n", "BlackIce", "RefreshRate", 20, ""},
      {"missing section", "[Other]\r\nFileSet=1\r\n", "BlackIce", "FileSet", 2, ""},
      {"empty value", "[BlackIce]\r\nFileSet=\r\n", "BlackIce", "FileSet", 2, ""},
      {"first of two wins", "[BlackIce]\r\nFileSet=1\r\nFileSet=0\r\n", "BlackIce", "FileSet", 2,
       "1"},
      {"other section's key", "[Other]\r\nFileSet=1\r\n[BlackIce]\r\nx=y\r\n", "BlackIce",
       "FileSet", 2, ""},
      {"equals sign in value", "[BlackIce]\r\nFileLocation=a=b\r\n", "BlackIce", "FileLocation",
       260, "a=b"},
      {"LF line ends", "[BlackIce]\nRefreshRate=3\n", "BlackIce", "RefreshRate", 20, "3"},
      {"quoted value", "[BlackIce]\r\nFileLocation=\"C:\\a b\\x.csv\"\r\n", "BlackIce",
       "FileLocation", 260, "C:\\a b\\x.csv"},
      {"blanks inside kept", "[BlackIce]\r\nFileLocation=C:\\My Data\\a.csv\r\n", "BlackIce",
       "FileLocation", 260, "C:\\My Data\\a.csv"},
      {"section name blanks", "[ BlackIce ]\r\nFileSet=1\r\n", "BlackIce", "FileSet", 2, "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(c.contents);
    size_t copied = 0;
    EXPECT_EQ(Get(c.section, c.key, c.size, &copied), c.value);
    EXPECT_EQ(copied, c.value.size());
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
