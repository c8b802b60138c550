// The issue list and host file readers, host file names from hostile addresses, regular files only.
#include "firewall_files.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>

#include "temp_folder.h"

namespace lomvex {
namespace {

const std::string kHeader = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n";

TEST(IssueDescription, FoundByUntrimmedFieldZeroUpToTheNextComma) {
  // What the case shows, the issue list, the identifier and the description.
  const std::tuple<const char*, std::string, std::string, std::string> cases[] = {
      {"match", kHeader + "a,,,,,,,,other\r\nid7,1,2,3,4,5,6,7, the text ,more\r\n", "id7",
       " the text "},
      {"identifier trimmed", kHeader + "id7,1,2,3,4,5,6,7,d", "  id7 ", "d"},
      {"comma cuts", kHeader + "id7,,,,,,,,first part, second part", "id7", "first part"},
      {"header only", "id7,,,,,,,,d\r\n2\r\n3\r\n4\r\n5\r\nid7,,,,,,,,d\r\n", "id7", ""},
      {"stops at an empty line", kHeader + "x,,,,,,,,d\r\n\r\nid7,,,,,,,,d\r\n", "id7", ""},
      {"absent", kHeader + "id70,,,,,,,,d\r\nid,,,,,,,,e\r\n", "id7", ""},
      {"field 0 ends in a blank", kHeader + "id7 ,,,,,,,,d\r\n", "id7", ""},
      {"case counts", kHeader + "ID7,,,,,,,,d\r\n", "id7", ""},
      {"eight fields", kHeader + "id7,,,,,,,\r\nid7,,,,,,,,d\r\n", "id7", ""},
      {"line feed is content", kHeader + "x\nid7,,,,,,,,d\r\n", "id7", ""}};
  for (const auto& [what, contents, id, description] : cases)
    EXPECT_EQ(IssueDescriptionFromText(contents, id), description) << what;
}

TEST(HostFacts, KeysAnywhereInTheLineGiveTheTextAfterTheFirstBlank) {
  const std::pair<const char*, HostFacts> cases[] = {
      {"Group: Office\r\nMAC: 00-01\r\nNetBIOS: DESK\r\nDNS: desk.net",
       {"Office", "00-01", "DESK", "desk.net"}},
      {"Seen MAC: 00-01", {"", "MAC: 00-01", "", ""}},  // a blank before the key
      {"MAC:  00-01", {"", " 00-01", "", ""}},
      {"group: x\r\ndns: y\r\nmac: z", {}},  // lower case is no key
      {"Group:", {"Group:", "", "", ""}},
      {"Group:DNS: x", {"x", "", "", "x"}},
      {"DNS: alpha\r\nDNS: beta", {"", "", "", "beta"}},  // the later line wins
      {"DNS: beta\r\nDNS: ", {"", "", "", "beta"}},       // unless its value is empty
  };
  for (const auto& [contents, facts] : cases)
    EXPECT_EQ(HostFactsFromText(contents), facts) << contents;
}

TEST(HostFilePath, OnlyPlainHostNamesAndAddressesNameAFile) {
  const std::string hosts = std::string("hosts") + kPathSeparator;
  EXPECT_EQ(HostFilePath("data/", "10.0.0.1"), "data/" + hosts + "10-0-0-1.txt");
  EXPECT_EQ(HostFilePath("", "  gate-7.example "), hosts + "gate-7-example.txt");
  // Allowed by name; the open handle's check refuses the device.
  EXPECT_EQ(HostFilePath("", "CON"), hosts + "CON.txt");
  for (std::string address : {"", "../x", "10.0.0.1\t", "caf\xC3\xA9"})
    EXPECT_EQ(HostFilePath("data/", address), std::nullopt) << address;
  EXPECT_EQ(HostFilePath("data/", std::string("a\0b", 3)), std::nullopt);
}

TEST(FirewallFolder, OnlyARegularFileWithinTheLimitIsRead) {
  TestFolder hosts;
  std::ofstream(hosts / "10-0-0-1.txt") << "12345";
  std::filesystem::create_directory(hosts.path / "10-0-0-3.txt");
#ifndef _WIN32
  ASSERT_EQ(mkfifo((hosts / "10-0-0-2.txt").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/null", hosts.path / "10-0-0-4.txt");
#endif
  const std::tuple<const char*, size_t, bool> cases[] = {
      {"10-0-0-1.txt", 5, true},
      {"10-0-0-1.txt", 4, false},  // over the limit
      {"10-0-0-3.txt", 9, false},
      {"10-0-0-5.txt", 9, false},
#ifdef _WIN32
      // Device names open devices in any folder, with any extension.
      {"CON.txt", 9, false},
      {"COM1.txt", 9, false},
#else
      {"10-0-0-2.txt", 9, false},  // a FIFO: opened without waiting for a writer
      {"10-0-0-4.txt", 9, false},  // a link to /dev/null
#endif
  };
  for (const auto& [name, limit, read] : cases) {
    std::string contents = "old";
    const ReadStatus status = SystemFileAccess().ReadRegularFile(hosts / name, contents, limit);
    EXPECT_EQ(std::tuple(status == ReadStatus::kRead, contents),
              std::tuple(read, read ? "12345" : ""))
        << name << " " << limit;
  }
}

}  // namespace
}  // namespace lomvex
