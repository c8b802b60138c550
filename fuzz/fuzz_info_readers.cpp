// Feeds any bytes to the information window's readers as an issue list and a
// host file, with the first line as the attack identifier and the intruder's
// address, then builds the rows, the About texts and the printed page, so that
// no input can crash, hang or read out of bounds there. Traps when a host file
// name could leave the hosts folder, or a description is not the file's text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "about_texts.h"
#include "attack_info_page.h"
#include "firewall_files.h"
#include "scramble.h"

namespace {

constexpr std::string_view kDataFolder = "data/";

bool StaysInHostsFolder(const std::string& path) {
  std::string_view name = std::string_view(path).substr(kDataFolder.size() + 6);
  return path.starts_with(std::string(kDataFolder) + "hosts" + lomvex::kPathSeparator) &&
         name.ends_with(".txt") && name.find_first_of("/\\:*?.") == name.size() - 4;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  size_t line_end = bytes.find('\n');
  std::string_view key = bytes.substr(0, line_end);
  std::string_view contents =
      line_end == std::string_view::npos ? std::string_view() : bytes.substr(line_end + 1);

  std::string description = lomvex::IssueDescriptionFromText(contents, key);
  if (contents.find(description) == std::string_view::npos) __builtin_trap();
  lomvex::HostFacts host = lomvex::HostFactsFromText(contents);
  std::optional<std::string> path = lomvex::HostFilePath(kDataFolder, key);
  if (path && !StaysInHostsFolder(*path)) __builtin_trap();

  lomvex::SelectedRowTexts row{size > 0 ? data[0] % 6 : 0, key, key, key, key, key, key};
  auto rows = lomvex::BuildAttackInfoRows(row, host);
  auto lines = lomvex::AttackInfoPageLines(rows, description, key, {2026, 12, 6},
                                           lomvex::EnglishTextLocale());

  std::int16_t key1 = size > 1 ? static_cast<std::int16_t>(data[0] << 8 | data[1]) : 0;
  std::int16_t key2 = size > 3 ? static_cast<std::int16_t>(data[2] << 8 | data[3]) : 0;
  std::optional<std::string> plain = lomvex::Unscramble(key, key1, key2);
  // A stored text never holds NUL; any other that unscrambles scrambles back.
  if (plain && key.find('\0') == std::string_view::npos &&
      lomvex::Scramble(*plain, key1, key2) != std::string(key)) {
    __builtin_trap();
  }
  std::string notices = lomvex::RightsNotice(contents, "holder") +
                        lomvex::DistributionNotice(contents, "terms", "holder") +
                        lomvex::WithoutMemoryWord(contents);
  return lines.size() + notices.size() == static_cast<size_t>(-1) ? 1 : 0;
}
