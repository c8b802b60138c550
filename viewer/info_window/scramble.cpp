#include "scramble.h"

namespace lomvex {
namespace {

bool IsCharacterCode(int code) { return code >= 1 && code <= 255; }

// Applies a code mapping to every character; nothing when one fails.
template <typename Map>
std::optional<std::string> MapCodes(std::string_view text, Map map) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    std::optional<int> code = map(static_cast<unsigned char>(c));
    if (!code) return std::nullopt;
    result += static_cast<char>(*code);
  }
  return result;
}

}  // namespace

std::optional<std::string> Unscramble(std::string_view text, std::int16_t key1, std::int16_t key2) {
  return MapCodes(text, [=](int code) -> std::optional<int> {
    // Wider than 16 bits, so a difference that would overflow them lands
    // outside 1..255 too instead of wrapping into it.
    int plain = (code ^ key1) - key2;
    if (!IsCharacterCode(plain)) return std::nullopt;
    return plain;
  });
}

std::optional<std::string> Scramble(std::string_view text, std::int16_t key1, std::int16_t key2) {
  return MapCodes(text, [=](int code) -> std::optional<int> {
    int sum = code + key2;
    if (!IsCharacterCode(code) || sum < INT16_MIN || sum > INT16_MAX) return std::nullopt;
    int stored = sum ^ key1;
    if (!IsCharacterCode(stored)) return std::nullopt;
    return stored;
  });
}

}  // namespace lomvex
