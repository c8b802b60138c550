#include "platform_family.h"

namespace pelmar {

bool IsWinNT(Services& services) {
  OsVersionRecord& record = services.state.version;
  record.size = kOsVersionRecordSize;
  services.system.QueryVersion(record);
  return record.platform_id == kPlatformNt;
}

}  // namespace pelmar
