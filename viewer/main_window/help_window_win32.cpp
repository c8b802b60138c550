#include "help_window_win32.h"

#include <memory>
#include <string>
#include <vector>

#include "program_module_win32.h"
#include "viewer_ids.h"
#include "window_win32.h"

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

// The help window; it owns its state, which goes with the window.
class HelpWindow final : public Window {
 public:
  static HWND Find();
  static HWND Create(std::vector<HelpTopic> topics);
  void ShowTopic(int index);
  const std::vector<HelpTopic>& Topics() const { return topics_; }

 private:
  explicit HelpWindow(std::vector<HelpTopic> topics) : topics_(std::move(topics)) {}
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage() override { delete this; }

  BOOL OnCreate(HWND window, LPCREATESTRUCT create);
  void OnSize(HWND window, UINT kind, int width, int height);
  void OnCommand(HWND window, int id, HWND control, UINT code);
  void OnSetFocus(HWND window, HWND previous);

  std::vector<HelpTopic> topics_;
  HWND contents_ = nullptr;
  HWND text_ = nullptr;
};

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
  if (topics.empty()) return nullptr;
  std::unique_ptr<HelpWindow> state(new HelpWindow(std::move(topics)));
  HINSTANCE instance = GetModuleHandleA(nullptr);
  bool attached = false;
  HWND window = state->CreateWindowOf(
      {kHelpClassName, LoadIconA(instance, MAKEINTRESOURCEA(IDI_LOMVEX))},
      ResourceText(IDS_HELP_TITLE).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
      {CW_USEDEFAULT, CW_USEDEFAULT, 640, 440}, nullptr, nullptr, &attached);
  // Once attached, the window deletes its state at its end, also when
  // creation fails after that.
  if (attached) (void)state.release();
  return window;
}

BOOL HelpWindow::OnCreate(HWND window, LPCREATESTRUCT) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  contents_ = CreateWindowExA(
      WS_EX_CLIENTEDGE, "LISTBOX", "",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 0,
      0, window, reinterpret_cast<HMENU>(IDC_HELP_CONTENTS), instance, nullptr);
  text_ = CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", "",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
      0, 0, 0, 0, window, reinterpret_cast<HMENU>(IDC_HELP_TEXT), instance, nullptr);
  if (contents_ == nullptr || text_ == nullptr) return FALSE;
  HFONT font = GetStockFont(DEFAULT_GUI_FONT);
  SetWindowFont(contents_, font, FALSE);
  SetWindowFont(text_, font, FALSE);
  for (const HelpTopic& topic : topics_) ListBox_AddString(contents_, topic.title.c_str());
  RECT client;
  GetClientRect(window, &client);
  OnSize(window, SIZE_RESTORED, client.right, client.bottom);
  return TRUE;
}

void HelpWindow::OnSize(HWND, UINT, int width, int height) {
  MoveWindow(contents_, kGap, kGap, kContentsWidth, height - 2 * kGap, TRUE);
  int text_left = kContentsWidth + 2 * kGap;
  MoveWindow(text_, text_left, kGap, width - text_left - kGap, height - 2 * kGap, TRUE);
}

void HelpWindow::OnCommand(HWND, int id, HWND, UINT code) {
  if (id == IDC_HELP_CONTENTS && code == LBN_SELCHANGE) ShowTopic(ListBox_GetCurSel(contents_));
}

void HelpWindow::OnSetFocus(HWND, HWND) { SetFocus(contents_); }

void HelpWindow::ShowTopic(int index) {
  if (index < 0 || index >= static_cast<int>(topics_.size())) return;
  ListBox_SetCurSel(contents_, index);
  SetWindowTextA(text_, topics_[static_cast<size_t>(index)].text.c_str());
}

LRESULT HelpWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(handle(), WM_CREATE, OnCreate);
    HANDLE_MSG(handle(), WM_SIZE, OnSize);
    HANDLE_MSG(handle(), WM_COMMAND, OnCommand);
    HANDLE_MSG(handle(), WM_SETFOCUS, OnSetFocus);
  }
  return DefaultHandling(message, wParam, lParam);
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
    topic = FindHelpTopic(window ? WindowState<HelpWindow>(window)->Topics() : topics, data);
    if (topic < 0) return false;
  }
  if (window == nullptr) window = HelpWindow::Create(std::move(topics));
  if (window == nullptr) return false;
  WindowState<HelpWindow>(window)->ShowTopic(topic);
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  return true;
}

}  // namespace lomvex
