#include "viewer_process_win32.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include <thread>

#include "desktop_win32.h"

namespace lomvex::testing {

using namespace std::chrono_literals;

namespace {

// The tray's notification message, as the tray control asks for it.
constexpr UINT kTrayCallbackMessage = WM_USER + 101;
constexpr char kDialogClass[] = "#32770";

}  // namespace

ViewerProcess::~ViewerProcess() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 99);
  }
}

bool ViewerProcess::Start(std::chrono::milliseconds timeout) {
  const std::string program = folder_ + "\\Lomvex.exe";
  std::string command = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.c_str(), &startup, &started)) {
    return false;
  }
  CloseHandle(started.hThread);
  process_.reset(started.hProcess);
  id_ = started.dwProcessId;
  controls_ = RemoteControls(process_.get());
  // Shown, or still hidden behind a message of its loading.
  return WaitFor(
      [&] { return FindMain() != nullptr || !TopLevelWindows(id_, kDialogClass).empty(); },
      timeout);
}

HWND ViewerProcess::FindMain() {
  const std::vector<HWND> shown = TopLevelWindows(id_, "LomvexMainWindow");
  if (shown.empty()) return nullptr;
  main_ = shown.front();
  list_ = FindWindowExA(main_, nullptr, WC_LISTVIEWA, nullptr);
  header_ = ListView_GetHeader(list_);
  label_ = FindWindowExA(main_, nullptr, "Static", nullptr);
  status_ = FindWindowExA(main_, nullptr, STATUSCLASSNAMEA, nullptr);
  toolbar_ = FindWindowExA(main_, nullptr, TOOLBARCLASSNAMEA, nullptr);
  tray_control_ = FindWindowExA(main_, nullptr, "Lomvex.cSysTray", nullptr);
  return main_;
}

bool ViewerProcess::Exited(std::chrono::milliseconds timeout) {
  return WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD ViewerProcess::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

HWND ViewerProcess::MessageBoxWindow(const std::string& caption) const {
  return FindTopLevel(id_, kDialogClass, caption);
}

HWND ViewerProcess::WaitForBox(const std::string& caption,
                               std::chrono::milliseconds timeout) const {
  HWND box = nullptr;
  WaitFor([&] { return (box = MessageBoxWindow(caption)) != nullptr; }, timeout);
  return box;
}

int ViewerProcess::CountBoxes(const std::string& caption) const {
  int count = 0;
  for (HWND window : TopLevelWindows(id_, kDialogClass)) count += WindowText(window) == caption;
  return count;
}

std::string ViewerProcess::MessageText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

void ViewerProcess::Press(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void ViewerProcess::Command(int id) const { PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void ViewerProcess::Settle() const {
  SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
  std::this_thread::sleep_for(100ms);
  SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
}

std::string ViewerProcess::Label() const { return WindowText(label_); }

bool ViewerProcess::ToolbarEnabled(int command) const {
  return SendMessageA(toolbar_, TB_ISBUTTONENABLED, static_cast<WPARAM>(command), 0) != 0;
}

bool ViewerProcess::LastRowInView() const {
  return ListView_GetTopIndex(list_) + ListView_GetCountPerPage(list_) >= Rows();
}

bool ViewerProcess::MenuItemRuns(char menu_letter, char item_letter, const std::string& caption) {
  SetForegroundWindow(main_);
  WaitFor([&] { return GetForegroundWindow() == main_; }, 2s);
  PressKey(VK_MENU);
  PressKey(static_cast<WORD>(menu_letter));
  std::this_thread::sleep_for(300ms);
  PressKey(static_cast<WORD>(item_letter));
  HWND box = WaitForBox(caption, 3s);
  if (box == nullptr) {
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
  } else {
    Press(box, IDCANCEL);
    WaitFor([&] { return MessageBoxWindow(caption) == nullptr; });
  }
  Settle();
  return box != nullptr;
}

void ViewerProcess::ClickHeader(int column) const {
  ClickAt(CenterOnScreen(header_, controls_.HeaderRect(header_, column - 1)));
}

void ViewerProcess::ClickRow(int row, bool double_click) const {
  RECT rect = controls_.ListRowRect(list_, row);
  rect.left += 60;  // on the date, clear of the image
  rect.right = rect.left + 20;
  ClickAt(CenterOnScreen(list_, rect), double_click);
}

POINT ViewerProcess::ToolbarButtonCenter(int command) const {
  return CenterOnScreen(toolbar_, controls_.ToolbarButtonRect(toolbar_, command));
}

void ViewerProcess::ClickToolbar(int command) const { ClickAt(ToolbarButtonCenter(command)); }

void ViewerProcess::HoverToolbar(int command) const {
  POINT point = ToolbarButtonCenter(command);
  MovePointer(point);
  point.x += 1;  // a small move over the button wakes the tool tip
  MovePointer(point);
}

void ViewerProcess::ListKey(WPARAM key) const {
  PostMessageA(list_, WM_KEYDOWN, key, 1);
  PostMessageA(list_, WM_KEYUP, key, 0xC0000001);
}

void ViewerProcess::TrayNotify(UINT mouse_message) const {
  PostMessageA(tray_control_, kTrayCallbackMessage, 0, mouse_message);
}

}  // namespace lomvex::testing
