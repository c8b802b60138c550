#include "path_text.h"

namespace lomvex {

std::string FolderOfPath(std::string_view path) {
  size_t last = path.rfind('\\');
  if (last == std::string_view::npos) return {};
  return std::string(path.substr(0, last + 1));
}

}  // namespace lomvex
