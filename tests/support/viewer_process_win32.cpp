#include "viewer_process_win32.h"

#include <cstring>
#include <thread>

#include "desktop_win32.h"
#include "sys_tray.h"
#include "viewer_ids.h"

namespace lomvex::testing {

using namespace std::chrono_literals;

constexpr char kDialogClass[] = "#32770";
constexpr size_t kScratchSize = 4096, kTextRoom = 1024;

ViewerProcess::~ViewerProcess() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT)
    TerminateProcess(process_.get(), 99);
}

bool ViewerProcess::Start(std::chrono::milliseconds timeout) {
  const std::string program = folder_ + "\\Lomvex.exe";
  std::string command = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.c_str(), &startup, &started))
    return false;
  CloseHandle(started.hThread);
  process_.reset(started.hProcess);
  id_ = started.dwProcessId;
  scratch_ = static_cast<char*>(VirtualAllocEx(process_.get(), nullptr, kScratchSize,
                                               MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  // Shown, or still hidden behind a message of its loading.
  return WaitFor(
      [&] { return FindMain() != nullptr || !TopLevelWindows(id_, kDialogClass).empty(); },
      timeout);
}

HWND ViewerProcess::FindMain() {
  const std::vector<HWND> shown = TopLevelWindows(id_, "LomvexMainWindow");
  if (shown.empty()) return nullptr;
  main_ = shown.front();
  list_ = GetDlgItem(main_, IDC_LIST);
  header_ = ListView_GetHeader(list_);
  label_ = GetDlgItem(main_, IDC_LABEL);
  status_ = GetDlgItem(main_, IDC_STATUS);
  toolbar_ = GetDlgItem(main_, IDC_TOOLBAR);
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

HWND ViewerProcess::WaitForBox(const std::string& caption,
                               std::chrono::milliseconds timeout) const {
  HWND box = nullptr;
  WaitFor([&] { return (box = FindTopLevel(id_, kDialogClass, caption)) != nullptr; }, timeout);
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

void ViewerProcess::Settle() const {
  SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
  std::this_thread::sleep_for(100ms);
  SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
}

template <typename Record>
Record ViewerProcess::Exchange(HWND control, UINT message, WPARAM wparam, Record record) const {
  static_assert(sizeof record <= kScratchSize);
  if (!WriteProcessMemory(process_.get(), scratch_, &record, sizeof record, nullptr)) return {};
  SendMessageA(control, message, wparam, reinterpret_cast<LPARAM>(scratch_));
  ReadProcessMemory(process_.get(), scratch_, &record, sizeof record, nullptr);
  return record;
}

std::string ViewerProcess::Text(HWND control, UINT message, WPARAM wparam, LVITEMA* item) const {
  static_assert(sizeof *item + kTextRoom <= kScratchSize);
  char* text = scratch_ + (item != nullptr ? sizeof *item : 0);
  std::string read(kTextRoom, '\0');
  if (item != nullptr) {
    item->pszText = text;
    item->cchTextMax = kTextRoom;
    WriteProcessMemory(process_.get(), scratch_, item, sizeof *item, nullptr);
  }
  if (!WriteProcessMemory(process_.get(), text, read.data(), 1, nullptr)) return {};
  SendMessageA(control, message, wparam, reinterpret_cast<LPARAM>(item ? scratch_ : text));
  ReadProcessMemory(process_.get(), text, read.data(), kTextRoom, nullptr);
  read.resize(std::strlen(read.c_str()));
  return read;
}

std::string ViewerProcess::ListCell(HWND list, int row, int column) const {
  LVITEMA item{};
  item.iSubItem = column - 1;
  return Text(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), &item);
}

int ViewerProcess::Image(int row) const {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = -1;
  return Exchange(list_, LVM_GETITEMA, 0, item).iImage;
}

std::string ViewerProcess::Label() const { return WindowText(label_); }

std::string ViewerProcess::Panel(int panel) const {
  return Text(status_, SB_GETTEXTA, static_cast<WPARAM>(panel - 1));
}

int ViewerProcess::HeaderImage(int column) const {
  HDITEMA item{};
  item.mask = HDI_FORMAT | HDI_IMAGE;
  item = Exchange(header_, HDM_GETITEMA, static_cast<WPARAM>(column - 1), item);
  return (item.fmt & HDF_IMAGE) ? item.iImage : -1;
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
    WaitFor([&] { return !IsWindow(box); });
  }
  Settle();
  return box != nullptr;
}

void ViewerProcess::ClickHeader(int column) const {
  ClickAt(CenterOnScreen(
      header_, Exchange(header_, HDM_GETITEMRECT, static_cast<WPARAM>(column - 1), RECT{})));
}

void ViewerProcess::ClickRow(int row, bool twice) const {
  RECT rect =
      Exchange(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), RECT{LVIR_BOUNDS, 0, 0, 0});
  rect.left += 60;  // on the date, clear of the image
  rect.right = rect.left + 20;
  ClickAt(CenterOnScreen(list_, rect), twice);
}

POINT ViewerProcess::ToolbarButtonCenter(int command) const {
  return CenterOnScreen(toolbar_,
                        Exchange(toolbar_, TB_GETRECT, static_cast<WPARAM>(command), RECT{}));
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
  PostMessageA(tray_control_, TrayCallbackMessage, 0, mouse_message);
}

}  // namespace lomvex::testing
