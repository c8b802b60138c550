#include "help_window_win32.h"

#include <memory>
#include <string>
#include <vector>

#include "program_files_win32.h"
#include "viewer_ids.h"

namespace lomvex {
namespace {

constexpr char kHelpClassName[] = "LomvexHelpWindow";
constexpr int kContentsWidth = 170;
constexpr int kGap = 6;

std::vector<HelpTopic> ShippedTopics() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_HELP_TEXT), MAKEINTRESOURCEA(10));
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (data == nullptr) return {};
  return ParseHelpTopics(
      std::string_view(static_cast<const char*>(data), SizeofResource(module, found)));
}

// The window's state, attached to it.
class HelpWindow {
 public:
  friend LRESULT CALLBACK HelpWindowProc(HWND, UINT, WPARAM, LPARAM);
  static HWND Find();
  static HWND Create(std::vector<HelpTopic> topics);
  static HelpWindow* From(HWND window) {
    return reinterpret_cast<HelpWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  void ShowTopic(int index);
  const std::vector<HelpTopic>& Topics() const { return topics_; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  bool OnCreate(HWND window);
  void OnSize(int width, int height);
  void OnCommand(int id, int code);

  std::vector<HelpTopic> topics_;
  HWND window_ = nullptr;
  HWND contents_ = nullptr;
  HWND text_ = nullptr;
};

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

bool RegisterHelpClass() {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kHelpClassName, &window_class)) return true;
  window_class.lpfnWndProc = HelpWindowProc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.hIcon = LoadIconA(window_class.hInstance, MAKEINTRESOURCEA(IDI_LOMVEX));
  window_class.lpszClassName = kHelpClassName;
  return RegisterClassExA(&window_class) != 0;
}

HWND HelpWindow::Find() {
  const DWORD process = GetCurrentProcessId();
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, kHelpClassName, nullptr)) != nullptr) {
    DWORD owner_process = 0;
    GetWindowThreadProcessId(window, &owner_process);
    if (owner_process == process) return window;
  }
  return nullptr;
}

HWND HelpWindow::Create(std::vector<HelpTopic> topics) {
  if (topics.empty() || !RegisterHelpClass()) return nullptr;
  auto state = std::make_unique<HelpWindow>();
  state->topics_ = std::move(topics);
  // The window owns its state from WM_NCCREATE on and deletes it in WM_NCDESTROY.
  HWND window =
      CreateWindowExA(0, kHelpClassName, ResourceText(IDS_HELP_TITLE).c_str(),
                      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 640, 440,
                      nullptr, nullptr, GetModuleHandleA(nullptr), state.release());
  return window;
}

bool HelpWindow::OnCreate(HWND window) {
  window_ = window;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  contents_ = CreateWindowExA(
      WS_EX_CLIENTEDGE, "LISTBOX", "",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 0,
      0, window, reinterpret_cast<HMENU>(IDC_HELP_CONTENTS), instance, nullptr);
  text_ = CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", "",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
      0, 0, 0, 0, window, reinterpret_cast<HMENU>(IDC_HELP_TEXT), instance, nullptr);
  if (contents_ == nullptr || text_ == nullptr) return false;
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  SendMessageA(contents_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (const HelpTopic& topic : topics_) {
    SendMessageA(contents_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(topic.title.c_str()));
  }
  RECT client;
  GetClientRect(window, &client);
  OnSize(client.right, client.bottom);
  return true;
}

void HelpWindow::OnSize(int width, int height) {
  MoveWindow(contents_, kGap, kGap, kContentsWidth, height - 2 * kGap, TRUE);
  int text_left = kContentsWidth + 2 * kGap;
  MoveWindow(text_, text_left, kGap, width - text_left - kGap, height - 2 * kGap, TRUE);
}

void HelpWindow::OnCommand(int id, int code) {
  if (id == IDC_HELP_CONTENTS && code == LBN_SELCHANGE) {
    ShowTopic(static_cast<int>(SendMessageA(contents_, LB_GETCURSEL, 0, 0)));
  }
}

void HelpWindow::ShowTopic(int index) {
  if (index < 0 || index >= static_cast<int>(topics_.size())) return;
  SendMessageA(contents_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SetWindowTextA(text_, topics_[static_cast<size_t>(index)].text.c_str());
}

LRESULT HelpWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(window_) ? 0 : -1;
    case WM_SIZE:
      OnSize(LOWORD(lparam), HIWORD(lparam));
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_SETFOCUS:
      SetFocus(contents_);
      return 0;
  }
  return DefWindowProcA(window_, message, wparam, lparam);
}

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* state =
        static_cast<HelpWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    state->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  }
  HelpWindow* state = HelpWindow::From(window);
  if (state == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete state;
    return DefWindowProcA(window, message, wparam, lparam);
  }
  return state->HandleMessage(message, wparam, lparam);
}

}  // namespace

bool ShowHelp(HWND owner, HelpCommand command, int data) {
  HWND window = HelpWindow::Find();
  if (command == kHelpQuit) {
    if (window != nullptr) DestroyWindow(window);
    return true;
  }
  if (command != kHelpContents && command != kHelpContext) return false;
  std::vector<HelpTopic> topics = window ? std::vector<HelpTopic>() : ShippedTopics();
  int topic = 0;
  if (command == kHelpContext) {
    topic = FindHelpTopic(window ? HelpWindow::From(window)->Topics() : topics, data);
    if (topic < 0) return false;
  }
  if (window == nullptr) window = HelpWindow::Create(std::move(topics));
  if (window == nullptr) return false;
  HelpWindow::From(window)->ShowTopic(topic);
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  return true;
}

}  // namespace lomvex
