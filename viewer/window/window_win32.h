// The base of the viewer's windows: the window's state is the derived object,
// attached to the window from WM_NCCREATE to WM_NCDESTROY, and each message
// goes to a typed handler through the windowsx.h message crackers.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <windowsx.h>

namespace lomvex {

struct WindowClass {
  const char* name;
  HICON icon = nullptr;
  HICON small_icon = nullptr;
};

struct WindowPlacement {
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
};

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND handle() const { return window_; }

 protected:
  Window() = default;
  virtual ~Window() = default;

  // Registers the class on first use and creates the window with this object
  // as its state; null when either fails. A menu passed in belongs to the
  // window only once it exists. `attached` tells whether the window took this
  // object (it then saw its final message even if creation failed later).
  HWND CreateWindowOf(const WindowClass& window_class, const char* caption, DWORD style,
                      const WindowPlacement& placement, HWND owner = nullptr, HMENU menu = nullptr,
                      bool* attached = nullptr);

  // Handles one message; what a window does not handle goes to DefaultHandling.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window_, message, wParam, lParam);
  }
  // After the window's last message; a window that owns its state deletes it here.
  virtual void OnFinalMessage() {}

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
};

// The state attached to a window of this program, or null.
template <typename State>
State* WindowState(HWND window) {
  return dynamic_cast<State*>(reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA)));
}

}  // namespace lomvex
