// Fitting a text into a fixed number of character places, for the fixed-pitch
// printouts.
#pragma once

#include <string>
#include <string_view>

namespace lomvex {

// What becomes of a text longer than the width.
enum FitMode : int {
  kFitKeepWhole = 0,  // unchanged, longer than the width
  kFitKeepRight = 1,  // its last width characters
  kFitKeepLeft = 2,   // its first width characters
  // any other value: the empty text
};

std::string FitLeft(std::string_view text, int width, int mode);
std::string FitCenter(std::string_view text, int width, int mode);
std::string FitRight(std::string_view text, int width, int mode);

}  // namespace lomvex
