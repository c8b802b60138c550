// PathExists against real files: the file search's rules for wildcards,
// folders and file attributes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "file_access.h"
#include "temp_folder.h"
#ifdef _WIN32
#include <windows.h>
#endif

namespace lomvex {
namespace {

namespace fs = std::filesystem;

class PathExistsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_.path / "sub");
    std::ofstream(In("attack-list.csv")) << "x";
  }
#ifdef _WIN32
  // Files with attributes are made plain, so the folder can go.
  void TearDown() override {
    for (const auto& entry : fs::directory_iterator(folder_.path)) {
      SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
  }
#endif
  std::string In(const char* name) const { return folder_ / name; }

  TestFolder folder_;
};

TEST_F(PathExistsTest, FindsOrdinaryFilesOnly) {
  struct Case {
    std::string path;
    bool exists;
  } cases[] = {
      {In("attack-list.csv"), true},
      {In("attack-*.csv"), true},
      {In("attack-list.cs?"), true},
      {In("*.txt"), false},
      {In("missing.csv"), false},
      {In("sub"), false},
      {folder_.path.string(), false},
      {In("no-such-folder/attack-list.csv"), false},
      {"", false},
  };
  FileAccess& files = SystemFileAccess();
  for (const Case& c : cases) EXPECT_EQ(files.PathExists(c.path), c.exists) << c.path;
}

#ifdef _WIN32
TEST_F(PathExistsTest, FileAttributesDecide) {
  struct Case {
    const char* name;
    DWORD attributes;
    bool exists;
  } cases[] = {
      {"read-only.csv", FILE_ATTRIBUTE_READONLY, true},
      {"archived.csv", FILE_ATTRIBUTE_ARCHIVE, true},
      {"hidden.csv", FILE_ATTRIBUTE_HIDDEN, false},
      {"system.csv", FILE_ATTRIBUTE_SYSTEM, false},
  };
  for (const Case& c : cases) {
    std::ofstream(In(c.name)) << "x";
    ASSERT_TRUE(SetFileAttributesA(In(c.name).c_str(), c.attributes));
    EXPECT_EQ(SystemFileAccess().PathExists(In(c.name)), c.exists) << c.name;
  }
}

TEST_F(PathExistsTest, ReadsAFileTheWriterKeepsOpenAndDeletesIt) {
  // The firewall keeps its list open for writing; reading must not be refused,
  // and the firewall must still be able to delete the file afterwards.
  HANDLE writer = CreateFileA(In("attack-list.csv").c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  std::string contents;
  EXPECT_EQ(SystemFileAccess().ReadWholeFile(In("attack-list.csv"), contents), ReadStatus::kRead);
  EXPECT_EQ(contents, "x");
  CloseHandle(writer);
  EXPECT_TRUE(SystemFileAccess().RemoveFile(In("attack-list.csv")));
  EXPECT_FALSE(SystemFileAccess().PathExists(In("attack-list.csv")));
}
#endif

}  // namespace
}  // namespace lomvex
