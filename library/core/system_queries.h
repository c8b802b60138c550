// SysCls members that answer questions about the machine and the running system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "services.h"

namespace pelmar {

inline constexpr const char* kVersionKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion";

bool IsNT(Services& services);
// "Microsoft Windows <family> - Ver: <major>.<minor>.<build>". Throws
// AutomationError 1004 when a step fails.
std::string OSPlatform(Services& services);
std::string TotalMemory(Services& services);
std::string AvailMemory(Services& services);
std::string CPUType(Services& services);
bool IsAdminGroup(Services& services);
bool IsAppRunning(Services& services, const std::string& file_name);
// `window` is the "hWnd" read from the client's form; nothing when it has none.
bool FormOnTop(Services& services, std::optional<std::intptr_t> window, bool on_top);

}  // namespace pelmar
