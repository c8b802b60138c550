// Reading the attack list into the main list.
#pragma once

#include "file_access.h"
#include "main_list_state.h"
#include "text_locale.h"

namespace lomvex {

enum class LoadOutcome {
  kLoaded,      // every record read; label, status and host name updated
  kNoFile,      // no file at the path: an empty list and no message
  kUnreadable,  // the file could not be opened or read (message 113)
  kBadFile,     // not an attack list; what was read before the fault stays (message 113)
};

// Empties the list and the identifiers, then reads the file named by
// state.FileLocation. On kUnreadable and kBadFile the caller shows message 113.
LoadOutcome LoadAttackList(MainListState& state, FileAccess& files,
                           const TextLocale& locale = EnglishTextLocale());

// Message 113 with its line breaks, as shown to the user.
std::string BadAttackListMessage();

}  // namespace lomvex
