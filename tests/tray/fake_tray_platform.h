// A tray platform that writes down what the control asks of it, one line per
// call, and like the real one lets only one control at a time hold the tray.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "sys_tray.h"

namespace lomvex::testing {

class FakeTrayPlatform : public TrayPlatform {
 public:
  // "add w4242 f7 m1125 i77 'Lomvex\0'": command, window, flags, then the
  // callback message and icon when set, and with the tip flag the tip field
  // less its trailing blanks, a NUL written as \0.
  bool NotifyIcon(TrayCommand command, const NotifyIconRecord& record) override {
    static const char* const kCommands[] = {"add", "modify", "delete"};
    std::ostringstream call;
    call << kCommands[static_cast<int>(command)] << " w" << std::hex << record.window << " f"
         << record.flags;
    if (record.callback_message != 0) call << " m" << std::dec << record.callback_message;
    if (record.icon != 0) call << " i" << std::hex << record.icon;
    std::string field(record.tip, NotifyIconRecord::kTipSize);
    if (record.flags & NotifyIconRecord::kFlagTip) {
      field.erase(field.find_last_not_of(' ') + 1);
      call << " '";
      for (char c : field) call << (c == '\0' ? std::string("\\0") : std::string(1, c));
      call << "'";
    } else if (field != std::string(NotifyIconRecord::kTipSize, '\0')) {
      call << " (tip field set without its flag)";
    }
    if (record.id != 0) call << " (id " << record.id << ")";
    calls.push_back(call.str());
    return !shell_refuses;
  }
  bool AttachWindowProcedure(std::uintptr_t window, cSysTray& control) override {
    calls.push_back(Window("attach", window));
    if (holder != nullptr) return false;
    holder = &control;
    return true;
  }
  void DetachWindowProcedure(std::uintptr_t window) override {
    calls.push_back(Window("detach", window));
    holder = nullptr;
  }

  std::vector<std::string> calls;
  cSysTray* holder = nullptr;
  bool shell_refuses = false;  // the shell's answer to every command

 private:
  static std::string Window(const char* what, std::uintptr_t window) {
    std::ostringstream call;
    call << what << " w" << std::hex << window;
    return call.str();
  }
};

}  // namespace lomvex::testing
