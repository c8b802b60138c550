// Month and day names and designators of the user's locale.
#pragma once

#include "text_locale.h"

namespace lomvex {

TextLocale UserTextLocale();

}  // namespace lomvex
