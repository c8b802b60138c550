// The readers on the POSIX file system: their files in the data folder, and
// no read of anything but a regular file within the limit.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "firewall_files.h"
#include "temp_folder.h"

namespace lomvex {
namespace {

class FirewallFolder : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& contents) {
    std::ofstream(folder_ / name, std::ios::binary) << contents;
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::string Data() const { return folder_.string() + "/"; }

  std::filesystem::path folder_ = FreshTestFolder();
};

TEST_F(FirewallFolder, ReadersFindTheirFilesInTheDataFolder) {
  std::filesystem::create_directory(folder_ / "hosts");
  Write("issuelist.csv", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\nid7,,,,,,,,Port scan");
  Write("hosts/10-0-0-1.txt", "DNS: alpha\r\n");
  FileAccess& files = SystemFileAccess();
  EXPECT_EQ(ReadIssueDescription(files, Data(), " id7"), "Port scan");
  EXPECT_EQ(ReadHostFile(files, Data(), "10.0.0.1").dns, "alpha");
  EXPECT_EQ(ReadHostFile(files, Data(), "10.0.0.2"), HostFacts{});
  EXPECT_EQ(ReadIssueDescription(files, Data() + "missing/", "id7"), "");
}

TEST_F(FirewallFolder, OnlyARegularFileWithinTheLimitIsRead) {
  Write("small.txt", "12345");
  ASSERT_EQ(mkfifo(Path("fifo.txt").c_str(), 0600), 0);
  std::filesystem::create_directory(folder_ / "folder.txt");
  std::filesystem::create_symlink("/dev/null", folder_ / "device.txt");
  struct Case {
    const char* name;
    size_t limit;
    ReadStatus status;
  } cases[] = {
      {"small.txt", 5, ReadStatus::kRead},          {"small.txt", 4, ReadStatus::kCannotRead},
      {"fifo.txt", 100, ReadStatus::kCannotRead},  // opened without waiting for a writer
      {"folder.txt", 100, ReadStatus::kCannotRead}, {"device.txt", 100, ReadStatus::kCannotRead},
      {"absent.txt", 100, ReadStatus::kCannotRead},
  };
  for (const Case& c : cases) {
    std::string contents = "old";
    EXPECT_EQ(SystemFileAccess().ReadRegularFile(Path(c.name), contents, c.limit), c.status)
        << c.name << " " << c.limit;
    EXPECT_EQ(contents, c.status == ReadStatus::kRead ? "12345" : "") << c.name;
  }
}

}  // namespace
}  // namespace lomvex
