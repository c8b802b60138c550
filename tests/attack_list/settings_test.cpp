// The start-up reading of the settings and the choice of an attack list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "scripted_file_dialog.h"
#include "settings.h"
#include "temp_folder.h"

namespace lomvex {
namespace {

namespace fs = std::filesystem;

class SettingsTest : public ::testing::Test {
 protected:
  void Store(const std::string& lines) {
    std::ofstream(path_, std::ios::binary) << "[BlackIce]\r\n" << lines;
  }

  TestFolder folder_;
  std::string path_ = folder_ / "Lomvex.Ini";
  std::unique_ptr<ProfileStore> profile_ = OpenIniFile(path_);
};

TEST_F(SettingsTest, StartupReading) {
  const std::string path259 = "C:\\" + std::string(250, 'd') + "\\a.csv";
  const std::string path300 = "C:\\" + std::string(297, 'e');
  // The keys stored, then FileLocation, FileSet, the attack list's folder and RefreshRate read.
  const std::tuple<std::string, std::string, bool, std::string, int> cases[] = {
      {"RefreshRate=10\r\n", "", false, "", 10},
      {"", "", false, "", 5},
      {"FileLocation=C:\\attack-list.csv\r\nFileSet=1\r\n", "C:\\attack-list.csv", true, "C:\\", 5},
      {"FileSet=0\r\n", "", false, "", 5},
      {"FileSet=yes\r\n", "", false, "", 5},
      {"FileSet=10\r\n", "", true, "", 5},  // cut to one character
      {"FileLocation=" + path259 + "\r\n", path259, false, path259.substr(0, 254), 5},
      {"FileLocation=" + path300 + "\r\n", path300.substr(0, 259), false, "C:\\", 5},
      {"RefreshRate=2.5\r\n", "", false, "", 2},
      {"RefreshRate=3.5\r\n", "", false, "", 4},
      {"RefreshRate=-1\r\n", "", false, "", -1},
      {"RefreshRate=0\r\n", "", false, "", 0},
      {"RefreshRate=2147483647\r\n", "", false, "", 2147483647},
      {"RefreshRate=2147483648\r\n", "", false, "", 5},
      {"RefreshRate=ten\r\n", "", false, "", 5},
      {"RefreshRate=1e3\r\n", "", false, "", 5},
  };
  for (const auto& [stored, location, file_set, folder, rate] : cases) {
    SCOPED_TRACE(stored);
    Store(stored);
    StartupSettings settings = ReadStartupSettings(*profile_);
    EXPECT_EQ(settings.FileLocation, location);
    EXPECT_EQ(settings.FileSet, file_set);
    EXPECT_EQ(settings.AttackListFolder, folder);
    EXPECT_EQ(settings.RefreshRate, rate);
  }
}

TEST_F(SettingsTest, ChoosingWritesTheKeysAndKeepsOnlyAValidRate) {
  for (auto [stored, rate] :
       {std::pair{"RefreshRate=10\r\n", "10"}, {"", "5"}, {"RefreshRate=soon\r\n", "5"}}) {
    Store(stored);
    ScriptedFileDialog dialog;
    dialog.answers = {"C:\\fw\\attack-list.csv"};
    std::string FileLocation;
    ChooseAttackList(*profile_, dialog, FileLocation);
    EXPECT_EQ(FileLocation, "C:\\fw\\attack-list.csv");
    EXPECT_EQ(ReadSetting(*profile_, kKeyFileLocation, kFileLocationBuffer), FileLocation);
    EXPECT_EQ(ReadSetting(*profile_, kKeyFileSet, kFileSetBuffer), "1");
    EXPECT_EQ(ReadSetting(*profile_, kKeyRefreshRate, kRefreshRateBuffer), rate) << stored;
  }
}

TEST_F(SettingsTest, CancelFirstChangesNothingCancelLaterChoosesAgain) {
  ScriptedFileDialog dialog;
  dialog.answers = {"", "C:\\a\\attack-list.csv", ""};
  std::string FileLocation;
  ChooseAttackList(*profile_, dialog, FileLocation);
  EXPECT_EQ(FileLocation, "");
  EXPECT_FALSE(fs::exists(path_));

  ChooseAttackList(*profile_, dialog, FileLocation);
  fs::remove(path_);
  FileLocation = "changed meanwhile";
  ChooseAttackList(*profile_, dialog, FileLocation);
  EXPECT_EQ(FileLocation, "C:\\a\\attack-list.csv");
  EXPECT_EQ(ReadStartupSettings(*profile_).FileLocation, "C:\\a\\attack-list.csv");
}

}  // namespace
}  // namespace lomvex
