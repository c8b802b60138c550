// Texts of the viewer's string table and the two ways they are filled in.
#pragma once

#include <string>
#include <string_view>

namespace lomvex {

enum TextId : int {
  kTextStatusVerdict = 101,
  kTextAttackCount = 102,
  kTextPrintColumns = 103,
  kTextPrintTitle = 104,
  kTextPrinterError = 105,
  kTextClearConfirm = 109,
  kTextBadAttackList = 113,
};

// The text of the given number; empty when the table has none.
std::string_view ViewerText(int id);

// Replaces the first "&&&" with the value.
std::string FillValue(std::string_view text, std::string_view value);

// Turns every single "&" into a carriage return and line feed.
std::string ExpandLineBreaks(std::string_view text);

}  // namespace lomvex
