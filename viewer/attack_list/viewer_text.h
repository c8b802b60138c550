// Texts of the viewer's string table and the two ways they are filled in.
#pragma once

#include <string>
#include <string_view>

#include "viewer_ids.h"

namespace lomvex {

// The text of the given number (IDS_*); empty when the table has none.
std::string_view ViewerText(int id);

// Replaces the first "&&&" with the value.
std::string FillValue(std::string_view text, std::string_view value);

// Turns every single "&" into a carriage return and line feed.
std::string ExpandLineBreaks(std::string_view text);

}  // namespace lomvex
