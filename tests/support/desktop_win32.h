// Finding and waiting for windows; real mouse and key input, as a user at the screen gives it.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace lomvex::testing {

std::string WindowText(HWND window);
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));
// The visible top-level windows of a process, optionally of one class and caption; the first
// once one shows (else null).
std::vector<HWND> TopLevelWindows(DWORD process, const char* class_name = nullptr,
                                  const char* caption = nullptr);
HWND WaitForWindow(DWORD process, const char* class_name, const char* caption = nullptr,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10));

// A left click (or two), far enough from the last that the two never make a double-click.
void ClickAt(POINT screen_point, bool twice = false);
// A left-button drag in a few steps, as a hand moves.
void DragFromTo(POINT from, POINT to);
// A key press, with a modifier such as VK_MENU held.
void PressKey(WORD virtual_key, WORD modifier = 0);
POINT CenterOnScreen(HWND window, RECT client_rect);

// The screen under a window's frame as a 24-bit BMP file.
bool SaveScreen(const std::string& path, HWND window);

}  // namespace lomvex::testing
