#include "tray_test_desktop_win32.h"

#include <cstdlib>

namespace lomvex::testing {

namespace {

// Wine makes a desktop with a size under this key a virtual desktop, whose tray
// neither stalls on X servers without a window manager nor shows elsewhere.
constexpr char kWineDesktopSizes[] = "Software\\Wine\\Explorer\\Desktops";

}  // namespace

void TrayTestDesktop::Enter() {
  name_ = "LomvexTrayTest" + std::to_string(GetCurrentProcessId());
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kWineDesktopSizes, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr) == ERROR_SUCCESS) {
    static constexpr char kSize[] = "320x240";
    RegSetValueExA(key, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(kSize),
                   sizeof kSize);
    RegCloseKey(key);
  }
  desktop_ = CreateDesktopA(name_.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  if (desktop_ == nullptr || !SetThreadDesktop(desktop_)) return;
  // The desktop and its tray come up with the first use of the desktop window.
  GetDesktopWindow();
  for (int wait = 0; wait < 40 && !TrayPresent(); ++wait) Sleep(50);
}

void TrayTestDesktop::Leave() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kWineDesktopSizes, 0, KEY_SET_VALUE, &key) ==
      ERROR_SUCCESS) {
    RegDeleteValueA(key, name_.c_str());
    RegCloseKey(key);
  }
  // The desktop handle stays with the thread until the process ends.
}

bool TrayTestDesktop::TrayRequired() {
  const char* value = std::getenv("LOMVEX_TRAY_REQUIRED");
  return value != nullptr && value[0] == '1';
}

}  // namespace lomvex::testing
