#include "common.h"

#include <algorithm>
#include <vector>

#include "text_rules.h"

namespace pelmar {

bool IsWinNT(Services& services) {
  OsVersionRecord& record = services.state.version;
  record.size = kOsVersionRecordSize;
  services.system.QueryVersion(record);
  return record.platform_id == kPlatformNt;
}

namespace {

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

}  // namespace

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

bool InAdminGroup(SystemPlatform& system) {
  const TokenGroupList groups = system.ReadTokenGroups();
  if (groups.status != TokenGroupList::Status::kRead) return false;
  // Every group counts, however many the token holds.
  return std::find(groups.sids.begin(), groups.sids.end(), kAdministratorsSid) != groups.sids.end();
}

}  // namespace pelmar
