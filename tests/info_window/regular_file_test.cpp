// The readers on the platform's file system: their files in the data folder,
// and no read of a host file name that is not a regular file within the limit.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>

#include "firewall_files.h"
#include "temp_folder.h"

namespace lomvex {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

TEST(FirewallFolder, ReadersFindTheirFilesInTheDataFolder) {
  fs::path folder = FreshTestFolder();
  fs::create_directory(folder / "hosts");
  Write(folder / "issuelist.csv", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\nid7,,,,,,,,Port scan");
  Write(folder / "hosts" / "10-0-0-1.txt", "DNS: alpha\r\n");
  std::string data = folder.string() + kPathSeparator;
  FileAccess& files = SystemFileAccess();
  EXPECT_EQ(ReadIssueDescription(files, data, " id7"), "Port scan");
  EXPECT_EQ(ReadHostFile(files, data, "10.0.0.1").dns, "alpha");
  EXPECT_EQ(ReadHostFile(files, data, "10.0.0.2"), HostFacts{});
  EXPECT_EQ(ReadIssueDescription(files, data + "missing" + kPathSeparator, "id7"), "");
}

TEST(FirewallFolder, OnlyARegularFileWithinTheLimitIsRead) {
  fs::path hosts = FreshTestFolder() / "hosts";
  fs::create_directory(hosts);
  Write(hosts / "10-0-0-1.txt", "12345");
  fs::create_directory(hosts / "10-0-0-3.txt");
  struct Case {
    const char* name;
    size_t limit;
    bool read;
  } cases[] = {
      {"10-0-0-1.txt", 5, true},
      {"10-0-0-1.txt", 4, false},  // over the limit
      {"10-0-0-3.txt", 9, false},
      {"10-0-0-5.txt", 9, false},
#ifdef _WIN32
      // Device names open devices in any folder, with any extension.
      {"CON.txt", 9, false},
      {"NUL.txt", 9, false},
      {"COM1.txt", 9, false},
#else
      {"10-0-0-2.txt", 9, false},  // a FIFO: opened without waiting for a writer
      {"10-0-0-4.txt", 9, false},  // a link to /dev/null
#endif
  };
#ifndef _WIN32
  ASSERT_EQ(mkfifo((hosts / "10-0-0-2.txt").c_str(), 0600), 0);
  fs::create_symlink("/dev/null", hosts / "10-0-0-4.txt");
#endif
  for (const Case& c : cases) {
    std::string contents = "old";
    std::string path = (hosts / c.name).string();
    EXPECT_EQ(SystemFileAccess().ReadRegularFile(path, contents, c.limit) == ReadStatus::kRead,
              c.read)
        << c.name << " " << c.limit;
    EXPECT_EQ(contents, c.read ? "12345" : "") << c.name;
  }
}

}  // namespace
}  // namespace lomvex
