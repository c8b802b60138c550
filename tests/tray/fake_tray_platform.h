// A tray platform that writes down what the control asks of it, one line per
// call, and like the real one lets only one control at a time hold the tray;
// and the events a control raises, written down the same way.
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
    if (log) log->push_back(std::string("tray ") + kCommands[static_cast<int>(command)]);
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
  std::vector<std::string>* log = nullptr;  // gets "tray add" and so on for each NotifyIcon

 private:
  static std::string Window(const char* what, std::uintptr_t window) {
    std::ostringstream call;
    call << what << " w" << std::hex << window;
    return call.str();
  }
};

// Collects the events a tray control raises as "down 1 9" (kind, button, id).
class RecordingTrayEvents : public TrayEvents {
 public:
  void OnTrayMouseDown(int button, std::uint32_t id) override { Add("down", button, id); }
  void OnTrayMouseUp(int button, std::uint32_t id) override { Add("up", button, id); }
  void OnTrayMouseDblClick(int button, std::uint32_t id) override { Add("dbl", button, id); }

  std::vector<std::string> raised;

 private:
  void Add(const char* kind, int button, std::uint32_t id) {
    raised.push_back(std::string(kind) + " " + std::to_string(button) + " " + std::to_string(id));
  }
};

}  // namespace lomvex::testing
