// The two notice texts the program keeps scrambled, and the routine that
// turns them back into text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lomvex {

// The key pair of both stored texts. With it every scrambled character of them
// is printable ASCII other than '"' and '\', so the resource script and the
// program's constants hold them as plain literals.
inline constexpr std::int16_t kScrambleKey1 = 17;
inline constexpr std::int16_t kScrambleKey2 = 4;

// Each character's single-byte code, exclusive-or key1, minus key2, in 16-bit
// signed arithmetic. Nothing when any result is not a character code from 1
// to 255: NUL would end the text early on its way to the platform, and other
// values do not exist in a single-byte code page.
std::optional<std::string> Unscramble(std::string_view text, std::int16_t key1, std::int16_t key2);

// The inverse: the stored form of a text, or nothing when some character has
// no stored form with this key pair.
std::optional<std::string> Scramble(std::string_view text, std::int16_t key1, std::int16_t key2);

}  // namespace lomvex
