// A tray platform that records what the control asks of it and, like the
// real one, lets only one control at a time hold the tray.
#pragma once

#include <cstdint>
#include <vector>

#include "sys_tray.h"

namespace lomvex::testing {

struct PlatformCall {
  enum Kind { kNotify, kAttach, kDetach } kind;
  TrayCommand command = TrayCommand::kAdd;
  NotifyIconRecord record;
  std::uintptr_t window = 0;
};

class FakeTrayPlatform : public TrayPlatform {
 public:
  void NotifyIcon(TrayCommand command, const NotifyIconRecord& record) override {
    calls.push_back({PlatformCall::kNotify, command, record, record.window});
  }
  bool AttachWindowProcedure(std::uintptr_t window, cSysTray& control) override {
    calls.push_back({PlatformCall::kAttach, TrayCommand::kAdd, {}, window});
    if (holder != nullptr) return false;
    holder = &control;
    return true;
  }
  void DetachWindowProcedure(std::uintptr_t window) override {
    calls.push_back({PlatformCall::kDetach, TrayCommand::kAdd, {}, window});
    holder = nullptr;
  }

  std::vector<PlatformCall> NotifyCalls() const {
    std::vector<PlatformCall> notifies;
    for (const auto& call : calls) {
      if (call.kind == PlatformCall::kNotify) notifies.push_back(call);
    }
    return notifies;
  }

  std::vector<PlatformCall> calls;
  cSysTray* holder = nullptr;
};

}  // namespace lomvex::testing
