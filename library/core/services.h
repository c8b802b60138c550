// Everything a member of the library works with: the platform and the state
// that the library keeps for each apartment (each client thread).
#pragma once

#include "messages.h"
#include "platform.h"

namespace pelmar {

// Module state of one apartment, zeroed when the thread first uses the library.
struct ApartmentState {
  OsVersionRecord version;      // filled by IsWinNT, read by OSPlatform
  int32_t last_reg_result = 0;  // result code of the last registry call
};

struct Services {
  SystemPlatform& system;
  RegistryPlatform& registry;
  FilePlatform& files;
  MessageSource& messages;
  ApartmentState& state;
};

}  // namespace pelmar
