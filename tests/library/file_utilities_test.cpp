#include "file_utilities.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace pelmar {
namespace {

using testing::FakeFiles;

TEST(GetINIKey, ReadsTheKeyNamedByTheRequest) {
  FakeFiles files;
  files.profile = {{"App.Ini|Main|Path", " abc "},
                   {"App.Ini|Main|Long", std::string(200, 'x')},
                   {"c:\\cfg\\app.cfg|Main|Path", "v"}};
  const std::pair<std::string, std::string> cases[] = {
      {"App|Main|Path", "abc"},         {"c:\\cfg\\app.cfg|Main|Path", "v"},
      {"App|Main|Path|ignored", "abc"}, {"App|Main|Long", std::string(127, 'x')},
      {"App|Main|Other", ""},           {"App|Main", ""}};
  for (const auto& [request, expected] : cases) EXPECT_EQ(GetINIKey(files, request), expected);
  EXPECT_EQ(files.profile_calls, 5);  // only requests of three parts or more are read
}

TEST(SetINIKey, WritesTheFourthPartAsTheValue) {
  // Request, whether the platform writes, result, value then stored.
  const std::tuple<std::string, bool, bool, std::string> cases[] = {
      {"App|Main|Path|c:\\x|extra", true, true, "c:\\x"},
      {"App|Main|Path|", true, true, ""},
      {"App|Main|Path", true, false, "old"},
      {"App|Main|Path|v", false, false, "old"}};
  for (const auto& [request, writable, expected, stored] : cases) {
    FakeFiles files;
    files.profile["App.Ini|Main|Path"] = "old";
    files.writable = writable;
    EXPECT_EQ(SetINIKey(files, request), expected) << request;
    EXPECT_EQ(files.profile["App.Ini|Main|Path"], stored) << request;
  }
}

TEST(Listings, CountAndTestFilesAndFolders) {
  FakeFiles files;
  files.listings["C:\\*.*"] = {0, {"A.TXT", "B.TXT"}};
  files.listings["C:\\TEMP\\*.T?T"] = {0, {"A.TXT", "B.TXT", "C.TXT"}};
  files.listings["X:\\NONE\\*.*"] = {kPathNotFound, {}};
  files.listings["C:\\DATA\\A.TXT"] = {0, {"A.TXT"}};
  files.listings["C:\\Gone\\"] = {kPathNotFound, {}};
  EXPECT_EQ(GetFileCount(files, "", ""), 2);
  EXPECT_EQ(GetFileCount(files, "c:\\temp", "t?t"), 3);
  EXPECT_EQ(GetFileCount(files, "c:\\temp\\", "t?t"), 3);
  EXPECT_EQ(GetFileCount(files, "x:\\none", "*"), 0);
  EXPECT_TRUE(FileExists(files, "c:\\data\\a.txt"));
  EXPECT_FALSE(FileExists(files, "c:\\data\\"));
  EXPECT_TRUE(DirExists(files, "C:\\Data\\anything"));  // lists nothing, but without error
  EXPECT_FALSE(DirExists(files, "C:\\Gone\\"));
}

TEST(FileAttributesAndDates, KeepTheEnumerationsBitsAndFormatTheModificationTime) {
  FakeFiles files;
  files.attributes["dir"] = 0x10 | 0x2000;  // not content indexed is not one of them
  EXPECT_EQ(GetFileAttrib(files, "dir"), 0x10);
  EXPECT_EQ(GetFileAttrib(files, "missing"), 0);
  // Only the first is written: 0x80 is none of them, and the platform rejects the folder bit.
  for (uint32_t value : {0x3, 0x80, 0x10 | 0x1}) SetFileAttrib(files, "a.txt", value);
  using Write = std::pair<std::string, uint32_t>;
  EXPECT_EQ(files.attribute_writes, (std::vector<Write>{{"a.txt", 3}}));

  files.modified["s.doc"] = {2000, 9, 11, 17, 38, 19};
  EXPECT_EQ(GetFileDate(files, "s.doc", 4) + " " + GetFileTime(files, "s.doc", 2),
            "09/11/00 05:38 PM");
  // Format types outside 1 to 4 and missing files give nothing.
  EXPECT_EQ(GetFileDate(files, "s.doc", 0) + GetFileDate(files, "s.doc", 5) +
                GetFileTime(files, "s.doc", 0) + GetFileTime(files, "s.doc", 5) +
                GetFileDate(files, "missing", 1) + GetFileTime(files, "missing", 1),
            "");

  files.now = {2000, 9, 11, 18, 0, 0};
  EXPECT_DOUBLE_EQ(LongTime(files), 0.75);
}

}  // namespace
}  // namespace pelmar
