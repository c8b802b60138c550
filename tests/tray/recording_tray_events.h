// Collects the events a tray control raises as "down 1 9" (kind, button, id).
#pragma once

#include <string>
#include <vector>

#include "sys_tray.h"

namespace lomvex::testing {

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
