// Finding windows, waiting for them, and real mouse and key input on the
// desktop the test runs on, as a user at the screen would give it.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace lomvex::testing {

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// The visible top-level windows of a process, optionally of one class.
std::vector<HWND> TopLevelWindows(DWORD process, const char* class_name = nullptr);
HWND FindTopLevel(DWORD process, const char* class_name, const std::string& title);

// Polls until the condition holds or the time runs out.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));
// Dispatches what is waiting in this thread's queue.
void PumpMessages();

// Real input: the pointer to a point of the screen, a left click there, a key press.
void MovePointer(POINT screen_point);
void ClickAt(POINT screen_point);
void DoubleClickAt(POINT screen_point);
void PressKey(WORD virtual_key);
POINT CenterOnScreen(HWND window, RECT client_rect);

// The screen, or a part of it, as a 24-bit BMP file.
bool SaveScreen(const std::string& path, const RECT* part = nullptr);

}  // namespace lomvex::testing
