// The program's own folder and name, and its texts by number.
#pragma once

#include <string>

namespace lomvex {

// The folder that holds the program file, without a trailing "\".
std::string ProgramFolder();
// The program file's name without its extension ("Lomvex").
std::string ProgramName();
// A text of the program's string table; empty when it has none.
std::string ResourceText(unsigned id);

}  // namespace lomvex
