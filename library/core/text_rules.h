// Text rules shared by the library's members.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmar {

// Removes one backslash at the start, then one at the end.
void StripSlashes(std::string& path);

// True when the text is not empty and every character is one of "0123456789-.".
bool AllNumberChars(std::string_view text);

std::string AsciiLower(std::string text);
std::string AsciiUpper(std::string text);

// Splits at every "|"; the empty text has no parts.
std::vector<std::string> SplitRequest(std::string_view request);

// An INI file name without a "." gets ".Ini".
std::string IniFileName(std::string name);

// Everything after the last "."; the whole name when it has none.
std::string FileExtension(std::string_view name);

// "#0": plain decimal, a minus sign for negatives.
std::string FormatPlain(int64_t value);

// "###,###,###": groups of three digits joined by `separator`, no leading
// zeros (so 0 gives the empty text); as many groups as the value needs.
std::string FormatGrouped(uint64_t value, std::string_view separator);

}  // namespace pelmar
