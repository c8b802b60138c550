#include "fit_text.h"

namespace lomvex {
namespace {

std::string Overlong(std::string_view text, int width, int mode) {
  size_t keep = width < 0 ? 0 : static_cast<size_t>(width);
  switch (mode) {
    case kFitKeepWhole:
      return std::string(text);
    case kFitKeepRight:
      return std::string(text.substr(text.size() - keep));
    case kFitKeepLeft:
      return std::string(text.substr(0, keep));
    default:
      return {};
  }
}

bool Fits(std::string_view text, int width) {
  return width >= 0 && text.size() <= static_cast<size_t>(width);
}

}  // namespace

std::string FitLeft(std::string_view text, int width, int mode) {
  if (!Fits(text, width)) return Overlong(text, width, mode);
  std::string out(text);
  out.append(width - text.size(), ' ');
  return out;
}

std::string FitRight(std::string_view text, int width, int mode) {
  if (!Fits(text, width)) return Overlong(text, width, mode);
  std::string out(width - text.size(), ' ');
  out += text;
  return out;
}

std::string FitCenter(std::string_view text, int width, int mode) {
  if (!Fits(text, width)) return Overlong(text, width, mode);
  size_t gap = width - text.size();
  // Half the gap, an exact half rounded to the even neighbour: 1 -> 0, 3 -> 2, 5 -> 2.
  size_t pad = gap / 2;
  if (gap % 2 == 1 && pad % 2 == 1) ++pad;
  std::string out(pad, ' ');
  out += text;
  out.append(pad, ' ');
  return out;
}

}  // namespace lomvex
