#include "file_utilities.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace pelmar {
namespace {

using testing::FakeFiles;

TEST(GetINIKey, ReadsTheKeyNamedByTheRequest) {
  const struct {
    std::string request;
    std::string stored_file;
    std::string stored_value;
    std::string expected;
  } cases[] = {
      {"App|Main|Path", "App.Ini", "c:\\x", "c:\\x"},
      {"c:\\cfg\\app.cfg|Main|Path", "c:\\cfg\\app.cfg", "v", "v"},
      {"App|Main|Path|ignored", "App.Ini", " abc ", "abc"},
      {"App|Main|Path", "App.Ini", std::string(200, 'x'), std::string(127, 'x')},
      {"App|Main|Path", "App.Ini", "", ""},
      {"App|Main|Other", "App.Ini", "v", ""},
  };
  for (const auto& c : cases) {
    FakeFiles files;
    files.profile[{c.stored_file, "Main", "Path"}] = c.stored_value;
    EXPECT_EQ(GetINIKey(files, c.request), c.expected) << c.request;
  }
}

TEST(GetINIKey, TooFewPartsReadNothing) {
  for (const std::string request : {"", "App", "App|Main"}) {
    FakeFiles files;
    EXPECT_EQ(GetINIKey(files, request), "");
    EXPECT_EQ(files.profile_reads, 0) << request;
  }
}

TEST(SetINIKey, WritesTheFourthPartAsTheValue) {
  const struct {
    std::string request;
    bool write_result;
    bool expected;
    int writes;
  } cases[] = {
      {"App|Main|Path|c:\\x|extra", true, true, 1},
      {"App|Main|Path|", true, true, 1},
      {"App|Main|Path", true, false, 0},
      {"App|Main|Path|v", false, false, 1},
  };
  for (const auto& c : cases) {
    FakeFiles files;
    files.write_result = c.write_result;
    EXPECT_EQ(SetINIKey(files, c.request), c.expected) << c.request;
    EXPECT_EQ(files.profile_writes, c.writes) << c.request;
  }
  FakeFiles files;
  SetINIKey(files, "App|Main|Path|c:\\x|extra");
  EXPECT_EQ((files.profile[{"App.Ini", "Main", "Path"}]), "c:\\x");
}

TEST(GetFileCount, BuildsAnUpperCasePatternAndCountsItsMatches) {
  const struct {
    std::string folder;
    std::string extension;
    std::string pattern;
  } cases[] = {
      {"", "", "C:\\*.*"},
      {"c:\\temp", "txt", "C:\\TEMP\\*.TXT"},
      {"c:\\temp\\", "t?t", "C:\\TEMP\\*.T?T"},
  };
  for (const auto& c : cases) {
    FakeFiles files;
    files.listings[c.pattern] = {0, {"A.TXT", "B.TXT", "C.TXT"}};
    EXPECT_EQ(GetFileCount(files, c.folder, c.extension), 3) << c.pattern;
  }
  FakeFiles files;
  files.listings["X:\\NONE\\*.*"] = {kPathNotFound, {}};
  EXPECT_EQ(GetFileCount(files, "x:\\none", "*"), 0);
}

TEST(ExistenceTests, FollowTheDirectoryListing) {
  FakeFiles files;
  files.listings["C:\\DATA\\A.TXT"] = {0, {"A.TXT"}};
  files.listings["C:\\DATA\\"] = {0, {}};
  files.listings["C:\\Data\\"] = {0, {}};
  files.listings["C:\\Gone\\"] = {kPathNotFound, {}};
  files.listings["C:\\Gone\\x"] = {kPathNotFound, {}};
  files.listings["C:\\Bad|"] = {52, {}};
  EXPECT_TRUE(FileExists(files, "c:\\data\\a.txt"));
  EXPECT_FALSE(FileExists(files, "c:\\data\\"));
  EXPECT_FALSE(FileExists(files, "c:\\data\\b.txt"));
  EXPECT_TRUE(DirExists(files, "C:\\Data\\"));
  EXPECT_TRUE(DirExists(files, "C:\\Data\\anything"));  // its parent exists
  EXPECT_FALSE(DirExists(files, "C:\\Gone\\"));
  EXPECT_FALSE(DirExists(files, "C:\\Gone\\x"));
  EXPECT_FALSE(DirExists(files, "C:\\Bad|"));
}

TEST(FileAttributes, AreTheEnumerationsBits) {
  FakeFiles files;
  files.attributes["a.txt"] = 0x21;
  files.attributes["dir"] = 0x10 | 0x2000;  // not content indexed is not one of them
  EXPECT_EQ(GetFileAttrib(files, "a.txt"), 0x21);
  EXPECT_EQ(GetFileAttrib(files, "dir"), 0x10);
  EXPECT_EQ(GetFileAttrib(files, "missing"), 0);
  SetFileAttrib(files, "a.txt", 3);
  SetFileAttrib(files, "a.txt", 0x80);
  using Write = std::pair<std::string, uint32_t>;
  EXPECT_EQ(files.attribute_writes, (std::vector<Write>{{"a.txt", 3}}));
}

TEST(FileDates, FormatTheModificationTime) {
  FakeFiles files;
  files.modified["r.doc"] = {2000, 9, 11, 0, 0, 0};
  files.modified["s.doc"] = {2000, 9, 11, 17, 38, 19};
  const struct {
    bool date;
    std::string file;
    int32_t type;
    std::string expected;
  } cases[] = {
      {true, "r.doc", 1, "September 11, 2000"},
      {true, "r.doc", 4, "09/11/00"},
      {true, "r.doc", 0, ""},
      {true, "r.doc", 5, ""},
      {true, "missing", 1, ""},
      {false, "r.doc", 1, "12:00:00 AM"},
      {false, "r.doc", 3, "00:00:00"},
      {false, "s.doc", 2, "05:38 PM"},
      {false, "s.doc", 7, ""},
      {false, "missing", 3, ""},
  };
  for (const auto& c : cases) {
    const std::string text =
        c.date ? GetFileDate(files, c.file, c.type) : GetFileTime(files, c.file, c.type);
    EXPECT_EQ(text, c.expected) << c.file << " " << c.type;
  }
}

TEST(Clock, GivesDayNumberAndDayFraction) {
  FakeFiles files;
  files.now = {2000, 9, 11, 18, 0, 0};
  EXPECT_EQ(LongDate(files), 36780);
  EXPECT_DOUBLE_EQ(LongTime(files), 0.75);
}

}  // namespace
}  // namespace pelmar
