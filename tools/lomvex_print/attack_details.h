// The page that the attack information view's "Print" makes for one row of
// the list, from the view the window builds for that row: the firewall's issue
// list and host file are read from the attack list's folder.
#pragma once

#include <string>
#include <string_view>

#include "attack_list_model.h"
#include "event_format.h"
#include "file_access.h"

namespace lomvex {

// The folder part of a path, up to and including its last separator ("/"; on
// Windows "\" too); empty when it has none, so the files are looked for in
// the working folder.
std::string DataFolderOf(std::string_view path);

// The page of the list's row (display order, which must exist) as text, each
// line followed by "\n".
std::string AttackDetailsPage(const AttackListModel& list, size_t row, std::string_view host_name,
                              std::string_view data_folder, CalendarDate today, FileAccess& files);

}  // namespace lomvex
