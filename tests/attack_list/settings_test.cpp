// Profile files and the settings in them, against our own INI reader and writer and, on
// Windows, against the platform's functions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "profile_store.h"
#include "scripted_file_dialog.h"
#include "settings.h"
#include "temp_folder.h"
#ifdef _WIN32
#include "profile_store_win32.h"
#endif

namespace lomvex {
namespace {

using OpenProfile = std::unique_ptr<ProfileStore> (*)(std::string path);

struct Profile : ::testing::TestWithParam<OpenProfile> {
  void Write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
  std::string Get(const char* section, const char* key, size_t size) {
    std::vector<char> buffer(size + 1, 'x');
    return std::string(buffer.data(), profile_->GetString(section, key, buffer.data(), size));
  }

  TestFolder folder_;
  std::string path_ = folder_ / "Lomvex.Ini";
  std::unique_ptr<ProfileStore> profile_ = GetParam()(path_);
};

TEST_P(Profile, Reads) {
  const std::string B = "[BlackIce]\r\n", long_value(130, 'p');
  // The file, a key of section BlackIce, the buffer's size and the value read.
  const std::tuple<std::string, const char*, size_t, std::string> cases[] = {
      {B + "FileLocation=C:\\data\\attack-list.csv\r\n", "FileLocation", 260,
       "C:\\data\\attack-list.csv"},
      {"[blackice]\r\nREFRESHRATE=10\r\n", "RefreshRate", 20, "10"},  // names ignore case
      {B + "  RefreshRate =   10   \r\n", "RefreshRate", 20, "10"},
      {B + "RefreshRate=\t7\t\r\n", "RefreshRate", 20, "7"},
      {B + "FileLocation=" + long_value + "\r\n", "FileLocation", 128, long_value.substr(0, 127)},
      {"[Other]\r\nFileSet=1\r\n", "FileSet", 2, ""},
      {B + "FileSet=\r\n", "FileSet", 2, ""},
      {B + "FileSet=1\r\nFileSet=0\r\n", "FileSet", 2, "1"},  // the first of two
      {B + "FileLocation=a=b\r\n", "FileLocation", 260, "a=b"},
      {"[BlackIce]\nRefreshRate=3\n", "RefreshRate", 20, "3"},
      {B + "FileLocation=\"C:\\a b\\x.csv\"\r\n", "FileLocation", 260, "C:\\a b\\x.csv"},
      {"[ BlackIce ]\r\nFileSet=1\r\n", "FileSet", 2, "1"}};
  for (const auto& [contents, key, size, value] : cases) {
    Write(contents);
    EXPECT_EQ(Get("BlackIce", key, size), value) << contents;
  }
}

TEST_P(Profile, WritesAddAndReplaceKeysAndKeepCommentsAndOtherSections) {
  Write("; settings\r\n[First]\r\na=1\r\n\r\n[BlackIce]\r\nFileSet=0\r\n[Last]\r\nz=9\r\n");
  ASSERT_TRUE(profile_->WriteString("BlackIce", "RefreshRate", "5"));
  ASSERT_TRUE(profile_->WriteString("blackice", "fileSet", "1"));
  ASSERT_TRUE(profile_->WriteString("Other", "Key", "other value"));
  EXPECT_EQ(Get("First", "a", 20) + "|" + Get("Last", "z", 20) + "|" +
                Get("BlackIce", "RefreshRate", 20) + "|" + Get("BlackIce", "FileSet", 20) + "|" +
                Get("Other", "Key", 20),
            "1|9|5|1|other value");
}

TEST_P(Profile, StartupSettings) {
  const std::string path259 = "C:\\" + std::string(250, 'd') + "\\a.csv";
  const std::string path300 = "C:\\" + std::string(297, 'e');
  // The keys stored, then FileLocation, FileSet, the attack list's folder and RefreshRate read.
  const std::tuple<std::string, std::string, bool, std::string, int> cases[] = {
      {"", "", false, "", 5},
      {"FileLocation=C:\\attack-list.csv\r\nFileSet=1\r\n", "C:\\attack-list.csv", true, "C:\\", 5},
      {"FileSet=yes\r\n", "", false, "", 5},
      {"FileSet=10\r\n", "", true, "", 5},  // cut to one character
      {"FileLocation=" + path259 + "\r\n", path259, false, path259.substr(0, 254), 5},
      {"FileLocation=" + path300 + "\r\n", path300.substr(0, 259), false, "C:\\", 5},
      {"RefreshRate=2.5\r\n", "", false, "", 2},
      {"RefreshRate=3.5\r\n", "", false, "", 4},
      {"RefreshRate=-1\r\n", "", false, "", -1},
      {"RefreshRate=2147483647\r\n", "", false, "", 2147483647},
      {"RefreshRate=2147483648\r\n", "", false, "", 5},
      {"RefreshRate=1e3\r\n", "", false, "", 5}};
  for (const auto& [stored, location, file_set, folder, rate] : cases) {
    SCOPED_TRACE(stored);
    Write("[BlackIce]\r\n" + stored);
    const StartupSettings s = ReadStartupSettings(*profile_);
    EXPECT_EQ(std::tie(s.FileLocation, s.FileSet, s.AttackListFolder, s.RefreshRate),
              std::tie(location, file_set, folder, rate));
  }
}

TEST_P(Profile, ChoosingAListWritesItsKeysAndKeepsOnlyAValidRate) {
  for (auto [stored, rate] :
       {std::pair{"RefreshRate=10\r\n", "10"}, {"", "5"}, {"RefreshRate=soon\r\n", "5"}}) {
    Write(std::string("[BlackIce]\r\n") + stored);
    ScriptedFileDialog dialog;
    dialog.answers = {"C:\\fw\\attack-list.csv"};
    std::string FileLocation;
    ChooseAttackList(*profile_, dialog, FileLocation);
    EXPECT_EQ(FileLocation + "|" + Get("BlackIce", "FileLocation", 260) + "|" +
                  Get("BlackIce", "FileSet", 2) + "|" + Get("BlackIce", "RefreshRate", 20),
              std::string("C:\\fw\\attack-list.csv|C:\\fw\\attack-list.csv|1|") + rate)
        << stored;
  }
}

TEST_P(Profile, CancelFirstChangesNothingCancelLaterChoosesAgain) {
  ScriptedFileDialog dialog;
  dialog.answers = {"", "C:\\a\\attack-list.csv", ""};
  std::string FileLocation;
  ChooseAttackList(*profile_, dialog, FileLocation);
  EXPECT_EQ(FileLocation + Get("BlackIce", "FileLocation", 260), "");
  EXPECT_FALSE(std::filesystem::exists(path_));

  ChooseAttackList(*profile_, dialog, FileLocation);
  std::filesystem::remove(path_);
  FileLocation = "changed meanwhile";
  ChooseAttackList(*profile_, dialog, FileLocation);
  EXPECT_EQ(FileLocation, "C:\\a\\attack-list.csv");
  EXPECT_EQ(ReadStartupSettings(*profile_).FileLocation, "C:\\a\\attack-list.csv");
}

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Platform, Profile, ::testing::Values(&OpenPlatformProfile));
#endif
INSTANTIATE_TEST_SUITE_P(Own, Profile, ::testing::Values(&OpenIniFile));

}  // namespace
}  // namespace lomvex
