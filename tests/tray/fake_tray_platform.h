// A tray platform that logs each call and, like the real one, lets one control
// at a time hold the tray; and a log of the events a control raises.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "sys_tray.h"

namespace lomvex::testing {

class FakeTrayPlatform : public TrayPlatform {
 public:
  // "add w4242 f7 m1125 i77 'Lomvex\0'": command, window, flags, then the
  // callback message and icon when set, and with the tip flag the tip field
  // less its trailing blanks, a NUL written as \0.
  bool NotifyIcon(TrayCommand command, const NotifyIconRecord& record) override {
    const std::string name[] = {"add", "modify", "delete"};
    std::string call = name[static_cast<int>(command)] + " w" + std::to_string(record.window) +
                       " f" + std::to_string(record.flags);
    if (record.callback_message != 0) call += " m" + std::to_string(record.callback_message);
    if (record.icon != 0) call += " i" + std::to_string(record.icon);
    std::string field(record.tip, NotifyIconRecord::kTipSize);
    if (record.flags & NotifyIconRecord::kFlagTip) {
      call += " '";
      for (char c : field.erase(field.find_last_not_of(' ') + 1))
        call += c ? std::string(1, c) : "\\0";
      call += "'";
    } else if (field != std::string(NotifyIconRecord::kTipSize, '\0')) {
      call += " (tip field set without its flag)";
    }
    if (record.id != 0) call += " (id " + std::to_string(record.id) + ")";
    calls.push_back(call);
    if (log) log->push_back("tray " + name[static_cast<int>(command)]);
    return !shell_refuses;
  }
  bool AttachWindowProcedure(std::uintptr_t window, cSysTray&) override {
    calls.push_back("attach w" + std::to_string(window));
    return !std::exchange(held, true);
  }
  void DetachWindowProcedure(std::uintptr_t window) override {
    calls.push_back("detach w" + std::to_string(window));
    held = false;
  }

  std::vector<std::string> calls;
  bool shell_refuses = false;               // the shell's answer to every command
  std::vector<std::string>* log = nullptr;  // gets "tray add" and so on for each NotifyIcon

 private:
  bool held = false;  // by a control that attached and has not detached yet
};

// Collects the events a tray control raises as "down 1 9" (kind, button, id).
class RecordingTrayEvents : public TrayEvents {
 public:
  void OnTrayMouseDown(int button, std::uint32_t id) override { Add("down", button, id); }
  void OnTrayMouseUp(int button, std::uint32_t id) override { Add("up", button, id); }
  void OnTrayMouseDblClick(int button, std::uint32_t id) override { Add("dbl", button, id); }
  void Add(const char* kind, int button, std::uint32_t id) {
    raised.push_back(std::string(kind) + " " + std::to_string(button) + " " + std::to_string(id));
  }

  std::vector<std::string> raised;
};

}  // namespace lomvex::testing
