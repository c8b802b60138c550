#include "window_win32.h"

namespace lomvex {
namespace {

struct Attachment {
  Window* state;
  bool* attached;
};

}  // namespace

HWND Window::CreateWindowOf(const WindowClass& window_class, const char* caption, DWORD style,
                            const WindowPlacement& placement, HWND owner, HMENU menu,
                            bool* attached) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA registered{};
  registered.cbSize = sizeof registered;
  if (!GetClassInfoExA(instance, window_class.name, &registered)) {
    registered.lpfnWndProc = WindowProc;
    registered.hInstance = instance;
    registered.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    registered.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    registered.hIcon = window_class.icon;
    registered.hIconSm = window_class.small_icon;
    registered.lpszClassName = window_class.name;
    if (RegisterClassExA(&registered) == 0) return nullptr;
  }
  Attachment attachment{this, attached};
  if (attached != nullptr) *attached = false;
  return CreateWindowExA(0, window_class.name, caption, style, placement.x, placement.y,
                         placement.width, placement.height, owner, menu, instance, &attachment);
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* attachment =
        static_cast<Attachment*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    Window* self = attachment->state;
    if (attachment->attached != nullptr) *attachment->attached = true;
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    self->OnFinalMessage();
    return result;
  }
  // No exception may unwind through the system's code that called us: a
  // handler that fails leaves the message to the default handling.
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace lomvex
