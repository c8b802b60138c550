// The issue list and host file readers' parsing, and the host file's name
// from a hostile address.
#include <gtest/gtest.h>

#include "firewall_files.h"

namespace lomvex {
namespace {

const std::string kHeader = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n";

TEST(IssueDescription, FoundByUntrimmedFieldZeroUpToTheNextComma) {
  struct Case {
    const char* what;
    std::string contents, id, description;
  } cases[] = {
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
      {"line feed is content", kHeader + "x\nid7,,,,,,,,d\r\n", "id7", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IssueDescriptionFromText(c.contents, c.id), c.description) << c.what;
  }
}

TEST(HostFacts, KeysAnywhereInTheLineGiveTheTextAfterTheFirstBlank) {
  struct Case {
    const char* what;
    std::string contents;
    HostFacts facts;
  } cases[] = {
      {"each key",
       "Group: Office\r\nMAC: 00-01\r\nNetBIOS: DESK\r\nDNS: desk.net",
       {"Office", "00-01", "DESK", "desk.net"}},
      {"blank before the key", "Seen MAC: 00-01", {"", "MAC: 00-01", "", ""}},
      {"two blanks keep one", "MAC:  00-01", {"", " 00-01", "", ""}},
      {"lower case is no key", "group: x\r\ndns: y\r\nmac: z", {}},
      {"key alone", "Group:", {"Group:", "", "", ""}},
      {"one line, two keys", "Group:DNS: x", {"x", "", "", "x"}},
      {"later line wins", "DNS: alpha\r\nDNS: beta", {"", "", "", "beta"}},
      {"empty value keeps", "DNS: beta\r\nDNS: ", {"", "", "", "beta"}},
  };
  for (const Case& c : cases) EXPECT_EQ(HostFactsFromText(c.contents), c.facts) << c.what;
}

TEST(HostFilePath, OnlyPlainHostNamesAndAddressesNameAFile) {
  const std::string hosts = std::string("hosts") + kPathSeparator;
  EXPECT_EQ(HostFilePath("data/", "10.0.0.1"), "data/" + hosts + "10-0-0-1.txt");
  EXPECT_EQ(HostFilePath("", "  gate-7.example "), hosts + "gate-7-example.txt");
  // Allowed by name; the open handle's check refuses the device.
  EXPECT_EQ(HostFilePath("", "CON"), hosts + "CON.txt");
  for (std::string address : {"", "../x", "..\\x", "C:x", "a*b?", "10.0.0.1\t", "caf\xC3\xA9"}) {
    EXPECT_EQ(HostFilePath("data/", address), std::nullopt) << address;
  }
  EXPECT_EQ(HostFilePath("data/", std::string("a\0b", 3)), std::nullopt);
}

}  // namespace
}  // namespace lomvex
