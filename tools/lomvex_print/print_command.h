// The lomvex-print command, apart from its process: arguments in, bytes out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "event_format.h"
#include "file_access.h"

namespace lomvex {

struct PrintCommandResult {
  int exit_status = 0;
  std::string standard_output;
  std::string standard_error;
};

inline constexpr int kExitBadFile = 1;
inline constexpr int kExitUsageOrUnreadable = 2;

// Runs "lomvex-print [--details ROW] [--today YYYY-MM-DD] [--sort COLUMN[:asc|:desc]]
// ATTACK_LIST"; arguments exclude the program name. today is used when --today
// is absent. With --details the firewall's other files are read through files
// too, from the attack list's folder.
PrintCommandResult RunPrintCommand(const std::vector<std::string>& arguments, CalendarDate today,
                                   FileAccess& files);

std::string PrintCommandUsage();

}  // namespace lomvex
