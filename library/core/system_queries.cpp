#include "system_queries.h"

#include <algorithm>
#include <vector>

#include "message_text.h"
#include "platform_family.h"
#include "registry.h"
#include "text_rules.h"

namespace pelmar {
namespace {

std::string ValueText(const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<int64_t>(&value)) return FormatPlain(*number);
  return {};
}

std::string LastTwoCharacters(const std::string& text) {
  return text.size() <= 2 ? text : text.substr(text.size() - 2);
}

std::string MemoryText(Services& services, uint64_t bytes, int message) {
  return FormatGrouped(bytes, services.system.ThousandsSeparator()) +
         services.messages.Load(message);
}

// The id table grows by doubling until the platform writes fewer bytes than it holds.
std::vector<uint32_t> RunningProcessIds(SystemPlatform& system) {
  uint32_t table_bytes = 8;
  uint32_t written = 96;
  std::vector<uint32_t> ids;
  constexpr uint32_t kLargestTable = 1u << 24;  // a guard against a platform that always fills it
  while (table_bytes <= written && table_bytes < kLargestTable) {
    table_bytes *= 2;
    ids.assign(table_bytes / 4, 0);
    written = system.EnumerateProcesses(ids);
  }
  ids.resize(std::min<size_t>(written / 4, ids.size()));
  return ids;
}

// True when a running process's executable path contains `name`, compared
// without regard to case.
bool FindRunningApp(Services& services, const std::string& name, bool nt_family) {
  const std::string wanted = AsciiLower(name);
  if (nt_family) {
    for (uint32_t id : RunningProcessIds(services.system)) {
      const std::optional<std::string> path = services.system.ProcessImagePath(id);
      if (path && AsciiLower(*path).find(wanted) != std::string::npos) return true;
    }
    return false;
  }
  for (const std::string& path : services.system.SnapshotImagePaths()) {
    if (AsciiLower(path).find(wanted) != std::string::npos) return true;
  }
  return false;
}

// True when the caller's token holds the Administrators group; every group
// counts, however many the token holds.
bool InAdminGroup(SystemPlatform& system) {
  constexpr const char* kAdministratorsSid = "S-1-5-32-544";
  const TokenGroupList groups = system.ReadTokenGroups();
  if (groups.status != TokenGroupList::Status::kRead) return false;
  return std::find(groups.sids.begin(), groups.sids.end(), kAdministratorsSid) != groups.sids.end();
}

}  // namespace

bool IsNT(Services& services) { return IsWinNT(services); }

std::string OSPlatform(Services& services) {
  const bool nt_family = IsWinNT(services);
  try {
    std::string family = "NT";
    if (!nt_family) {
      Value version;
      int32_t root = kLocalMachineRoot;
      RegWrapper(services).ReadValue(kVersionKeyPath, "Version", version, root);
      family = LastTwoCharacters(ValueText(version));
    }
    const OsVersionRecord& record = services.state.version;
    return ReplaceAll(services.messages.Load(PELMAR_MSG_PLATFORM), "&&", family) +
           FormatPlain(record.major) + "." + FormatPlain(record.minor) + "." +
           FormatPlain(record.build);
  } catch (const AutomationError&) {
    throw KeyError(services.messages, nt_family ? "" : kVersionKeyPath);
  }
}

std::string TotalMemory(Services& services) {
  return MemoryText(services, services.system.QueryMemory().total_physical,
                    PELMAR_MSG_TOTAL_MEMORY);
}

std::string AvailMemory(Services& services) {
  return MemoryText(services, services.system.QueryMemory().available_physical,
                    PELMAR_MSG_AVAILABLE_MEMORY);
}

std::string CPUType(Services& services) {
  std::string name;
  switch (services.system.ProcessorType()) {
    case 386:
      name = "386 ";
      break;
    case 486:
      name = "486 ";
      break;
    case 586:
      name = "Intel Pentium ";
      break;
    default:
      name = "Unknown Intel ";
      break;
  }
  return name + services.messages.Load(PELMAR_MSG_PROCESSOR);
}

bool IsAdminGroup(Services& services) { return IsWinNT(services) && InAdminGroup(services.system); }

bool IsAppRunning(Services& services, const std::string& file_name) {
  return FindRunningApp(services, file_name, IsWinNT(services));
}

bool FormOnTop(Services& services, std::optional<std::intptr_t> window, bool on_top) {
  if (!window) return false;
  return services.system.SetTopmost(*window, on_top);
}

}  // namespace pelmar
