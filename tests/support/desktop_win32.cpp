#include "desktop_win32.h"

#include <fstream>
#include <thread>

#include "owners_win32.h"

namespace lomvex::testing {

using namespace std::chrono_literals;

std::string WindowText(HWND window) {
  char text[2048] = "";
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

std::vector<HWND> TopLevelWindows(DWORD process, const char* class_name, const char* caption) {
  std::vector<HWND> found;
  for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, class_name, caption));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process && IsWindowVisible(window)) found.push_back(window);
  }
  return found;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(25ms);
  }
  return true;
}

HWND WaitForWindow(DWORD process, const char* class_name, const char* caption,
                   std::chrono::milliseconds timeout) {
  std::vector<HWND> shown;
  WaitFor([&] { return !(shown = TopLevelWindows(process, class_name, caption)).empty(); },
          timeout);
  return shown.empty() ? nullptr : shown.front();
}

// The pointer to a point, with MOUSEEVENTF_LEFTDOWN or _LEFTUP when given.
static void MovePointer(POINT point, DWORD buttons = 0) {
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = point.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = point.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  SendInput(1, &move, sizeof move);
}

void ClickAt(POINT point, bool twice) {
  static auto last_click = std::chrono::steady_clock::now() - 1s;
  std::this_thread::sleep_until(last_click + std::chrono::milliseconds(GetDoubleClickTime() + 100));
  MovePointer(point);
  std::this_thread::sleep_for(300ms);  // the pointer settles over the target first
  for (int click = 0; click < (twice ? 2 : 1); ++click) {
    MovePointer(point, MOUSEEVENTF_LEFTDOWN);
    MovePointer(point, MOUSEEVENTF_LEFTUP);
  }
  last_click = std::chrono::steady_clock::now();
}

void DragFromTo(POINT from, POINT to) {
  ClickAt(from);  // also waits out the double-click time after the last click
  MovePointer(from, MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 4; ++step) {
    std::this_thread::sleep_for(100ms);
    MovePointer({from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4});
  }
  MovePointer(to, MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD virtual_key, WORD modifier) {
  INPUT keys[4] = {};
  for (INPUT& input : keys) input.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[3].ki.wVk = modifier;
  keys[1].ki.wVk = keys[2].ki.wVk = virtual_key;
  keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  modifier != 0 ? SendInput(4, keys, sizeof(INPUT)) : SendInput(2, keys + 1, sizeof(INPUT));
}

POINT CenterOnScreen(HWND window, RECT rect) {
  POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ClientToScreen(window, &point);
  return point;
}

bool SaveScreen(const std::string& path, HWND window) {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, frame;
  GetWindowRect(window, &frame);
  IntersectRect(&area, &area, &frame);
  const int width = area.right - area.left, height = area.bottom - area.top;
  owners::UniqueScreenDc screen(GetDC(nullptr));
  owners::UniqueDc memory(CreateCompatibleDC(screen.get()));
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}};
  void* bits = nullptr;
  owners::UniqueBitmap bitmap(
      CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return false;
  owners::ScopedSelectObject selected(memory.get(), bitmap.get());
  if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY))
    return false;
  GdiFlush();
  const DWORD image_size = ((width * 3 + 3) / 4) * 4 * static_cast<DWORD>(height);
  const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info.bmiHeader;
  const BITMAPFILEHEADER file{0x4D42, offset + image_size, 0, 0, offset};
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), image_size);
  return out.good();
}

}  // namespace lomvex::testing
