// Real files: the search's wildcards, folders and attributes; reading a file being written.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "file_access.h"
#include "temp_folder.h"
#ifdef _WIN32
#include <windows.h>

#include "owners_win32.h"
#endif

namespace lomvex {
namespace {

struct FileAccessTest : ::testing::Test {
  void SetUp() override {
    std::filesystem::create_directories(folder_.path / "sub");
    for (const char* name : {"attack-list.csv", "a[1].csv"}) std::ofstream(In(name)) << "x";
#ifndef _WIN32
    std::ofstream(In("back\\slash.csv")) << "x";
#endif
  }
  std::string In(const char* name) const { return folder_ / name; }

  TestFolder folder_;
};

TEST_F(FileAccessTest, FindsOrdinaryFilesOnly) {
  FileAccess& files = SystemFileAccess();
  // Brackets are no wildcards: they match themselves, with or without ?.
  for (const char* name : {"attack-list.csv", "attack-*.csv", "a[1].csv", "a[1].c?v"})
    EXPECT_TRUE(files.PathExists(In(name))) << name;
#ifndef _WIN32
  for (const char* name : {"back\\slash.csv", "back\\slash.*"})
    EXPECT_TRUE(files.PathExists(In(name))) << name;
#endif
  for (const std::string& path :
       {In("missing.csv"), In("sub"), In("no-such/attack-list.csv"), std::string()})
    EXPECT_FALSE(files.PathExists(path)) << path;
}

TEST_F(FileAccessTest, ReadsWhatTheFileHeldWhenItsWriterAppends) {
  // The firewall may append while the list is read: the buffer must not end twice the file.
  const std::string path = In("attack-list.csv");
  std::ofstream(path, std::ios::binary) << std::string(16 << 20, 'a');
  std::atomic<bool> appending = false, read_done = false;
  std::thread writer([&] {
    std::ofstream appender(path, std::ios::binary | std::ios::app);
    for (int chunk = 0; chunk < 2000 && !read_done; ++chunk) {
      appender << std::string(100, 'b') << std::flush;
      appending = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  while (!appending) std::this_thread::yield();
  std::string contents;
  ReadStatus status = SystemFileAccess().ReadWholeFile(path, contents);
  read_done = true;
  writer.join();
  ASSERT_EQ(status, ReadStatus::kRead);
  EXPECT_GE(contents.size(), 16u << 20);
  EXPECT_LT(contents.capacity(), contents.size() * 3 / 2);
}

#ifdef _WIN32
TEST_F(FileAccessTest, FileAttributesDecide) {
  const std::tuple<const char*, DWORD, bool> cases[] = {
      {"read-only.csv", FILE_ATTRIBUTE_READONLY, true},
      {"hidden.csv", FILE_ATTRIBUTE_HIDDEN, false},
      {"system.csv", FILE_ATTRIBUTE_SYSTEM, false}};
  for (const auto& [name, attributes, exists] : cases) {
    std::ofstream(In(name)) << "x";
    ASSERT_TRUE(SetFileAttributesA(In(name).c_str(), attributes));
    EXPECT_EQ(SystemFileAccess().PathExists(In(name)), exists) << name;
    SetFileAttributesA(In(name).c_str(), FILE_ATTRIBUTE_NORMAL);  // so the folder can go
  }
}

TEST_F(FileAccessTest, ReadsAFileTheWriterKeepsOpenAndDeletesIt) {
  // The firewall keeps its list open for writing, and deletes it after we have read it.
  owners::UniqueFile writer(CreateFileA(In("attack-list.csv").c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_NE(writer.get(), INVALID_HANDLE_VALUE);
  std::string contents;
  EXPECT_EQ(SystemFileAccess().ReadWholeFile(In("attack-list.csv"), contents), ReadStatus::kRead);
  EXPECT_EQ(contents, "x");
  writer.reset();
  EXPECT_TRUE(SystemFileAccess().RemoveFile(In("attack-list.csv")));
  EXPECT_FALSE(SystemFileAccess().PathExists(In("attack-list.csv")));
}
#endif

}  // namespace
}  // namespace lomvex
