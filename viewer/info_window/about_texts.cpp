#include "about_texts.h"

#include "scramble.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

// The distribution terms, scrambled with the program's key pair.
constexpr std::string_view kScrambledTerms = "[gxxjtgx";

// Every occurrence of the pattern replaced, left to right; the inserted text
// is not searched again.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement) {
  std::string result;
  size_t start = 0;
  for (size_t at; (at = text.find(pattern, start)) != std::string_view::npos;
       start = at + pattern.size()) {
    result.append(text, start, at - start);
    result += replacement;
  }
  result.append(text, start);
  return result;
}

}  // namespace

std::string RightsHolder(std::string_view stored) {
  return Unscramble(stored, kScrambleKey1, kScrambleKey2).value_or("");
}

std::string DistributionTerms() {
  return Unscramble(kScrambledTerms, kScrambleKey1, kScrambleKey2).value_or("");
}

std::string RightsNotice(std::string_view notice, std::string_view holder) {
  return ReplaceAll(ExpandLineBreaks(notice), "~~~", holder);
}

std::string DistributionNotice(std::string_view notice, std::string_view terms,
                               std::string_view holder) {
  return ReplaceAll(ReplaceAll(notice, "&&&", terms), "~~~", holder);
}

std::string WithoutMemoryWord(std::string_view text) { return ReplaceAll(text, "Memory", ""); }

std::array<InfoRow, 3> BuildAboutRows(const std::optional<std::string>& total_memory,
                                      const std::optional<std::string>& available_memory,
                                      const std::optional<std::string>& cpu_type) {
  return {{
      {"Memory:", WithoutMemoryWord(total_memory.value_or(""))},
      {"", WithoutMemoryWord(available_memory.value_or(""))},
      {"CPU Type:", cpu_type.value_or("")},
  }};
}

}  // namespace lomvex
