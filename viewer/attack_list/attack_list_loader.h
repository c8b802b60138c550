// Reading an attack list file into the list model.
#pragma once

#include <string>

#include "attack_list_model.h"
#include "file_access.h"
#include "text_locale.h"

namespace lomvex {

enum class LoadOutcome {
  kLoaded,      // every record read
  kNoFile,      // no file at the path: an empty list and no message
  kUnreadable,  // the file could not be opened or read (message 113)
  kBadFile,     // not an attack list; what was read before the fault stays (message 113)
};

// Empties the list and the identifiers, then reads the file at path into the
// list, in its sort order. Running out of memory while reading the records
// ends the load as kBadFile. On kUnreadable and kBadFile the caller shows
// message 113.
LoadOutcome LoadAttackList(AttackListModel& list, const std::string& path, FileAccess& files,
                           const TextLocale& locale = EnglishTextLocale());

// Message 113 with its line breaks, as shown to the user.
std::string BadAttackListMessage();

}  // namespace lomvex
