// Paths as the viewer handles them: "\" is the only separator.
#pragma once

#include <string>
#include <string_view>

namespace lomvex {

// The path up to and including its last "\"; empty when it has none.
std::string FolderOfPath(std::string_view path);

}  // namespace lomvex
