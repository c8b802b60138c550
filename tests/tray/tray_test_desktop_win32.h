// A desktop of the test's own, so that the tray icons it adds cannot meet
// those of other programs. Under Wine the desktop is a small virtual one with
// its own tray, on whatever X display the test runs.
#pragma once

#include <windows.h>

#include <string>

namespace lomvex::testing {

class TrayTestDesktop {
 public:
  // Must run before the thread creates any window.
  void Enter();
  void Leave();

  // Whether the shell's tray exists here (not on a machine without a display).
  static bool TrayPresent() { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; }
  // Set by the test runner when it gives the test a display: the tray must exist.
  static bool TrayRequired();

 private:
  std::string name_;
  HDESK desktop_ = nullptr;
};

}  // namespace lomvex::testing
