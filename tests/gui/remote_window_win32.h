// Reading and driving another process's windows the way a user or an
// accessibility tool sees them: window messages, with the controls' records
// placed in the other process's memory, and real mouse and key input.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace lomvex::gui {

// A block of memory in the other process, freed at the end.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  void* address() const { return address_; }
  char* at(size_t offset) const { return static_cast<char*>(address_) + offset; }
  bool Write(const void* data, size_t size, size_t offset = 0);
  bool Read(void* data, size_t size, size_t offset = 0) const;
  std::string ReadText(size_t offset, size_t max) const;

 private:
  HANDLE process_;
  void* address_;
};

class RemoteProcess {
 public:
  explicit RemoteProcess(HANDLE process) : process_(process) {}
  HANDLE handle() const { return process_; }

  // Cells and rows of a list view.
  int ListRowCount(HWND list) const;
  std::string ListCell(HWND list, int row, int sub_item) const;
  int ListImage(HWND list, int row) const;
  int ListSelected(HWND list) const;
  RECT ListRowRect(HWND list, int row) const;
  // Header item: its image (-1 when it shows none) and its screen rectangle.
  int HeaderImage(HWND header, int column) const;
  RECT HeaderRect(HWND header, int column) const;
  std::string StatusText(HWND status, int panel) const;
  RECT ToolbarButtonRect(HWND toolbar, int command) const;

 private:
  HANDLE process_;
};

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// The visible top-level windows of a process, optionally of one class.
std::vector<HWND> TopLevelWindows(DWORD process, const char* class_name = nullptr);
HWND FindTopLevel(DWORD process, const char* class_name, const std::string& title);

// Polls until the condition holds or the time runs out.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Real input: a left click at a point of the screen, a key press.
void ClickAt(POINT screen_point, bool double_click = false);
void PressKey(WORD virtual_key);
POINT CenterOnScreen(HWND window, RECT client_rect);

// The screen, or a part of it, as a 24-bit BMP file.
bool SaveScreen(const std::string& path, const RECT* part = nullptr);

}  // namespace lomvex::gui
