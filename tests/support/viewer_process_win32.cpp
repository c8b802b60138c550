#include "viewer_process_win32.h"

#include <cstddef>
#include <thread>

namespace lomvex::testing {

using namespace std::chrono_literals;

bool ViewerProcess::Start(std::chrono::milliseconds timeout) {
  const std::string program = folder_ + "\\Lomvex.exe";
  std::string command = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.c_str(), &startup, &started))
    return false;
  owners::UniqueHandle thread(started.hThread);
  process_.reset(started.hProcess);
  id_ = started.dwProcessId;
  scratch_ = static_cast<char*>(
      VirtualAllocEx(process_.get(), nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  // Shown, or still hidden behind a message of its loading.
  return WaitFor([&] { return FindMain() || !TopLevelWindows(id_, "#32770").empty(); }, timeout);
}

HWND ViewerProcess::FindMain() {
  const std::vector<HWND> shown = TopLevelWindows(id_, "LomvexMainWindow");
  if (shown.empty()) return nullptr;
  main_ = shown.front();
  list_ = GetDlgItem(main_, IDC_LIST);
  header_ = ListView_GetHeader(list_);
  status_ = GetDlgItem(main_, IDC_STATUS);
  toolbar_ = GetDlgItem(main_, IDC_TOOLBAR);
  return main_;
}

void ViewerProcess::Settle() const {
  SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
  std::this_thread::sleep_for(100ms);
  SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
}

std::string ViewerProcess::ListCell(HWND list, int row, int column) const {
  // The item points to the text room after it, at its place in the viewer's memory.
  struct {
    LVITEMA item;
    TextRoom room;
  } record{};
  record.item.iSubItem = column - 1;
  record.item.pszText = scratch_ + offsetof(decltype(record), room);
  record.item.cchTextMax = sizeof record.room.text;
  return Exchange(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), record).room.text;
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

void ViewerProcess::ClickRow(int row, bool twice) const {
  RECT rect =
      Exchange(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), RECT{LVIR_BOUNDS, 0, 0, 0});
  rect.left += 60;  // on the date, clear of the image
  rect.right = rect.left + 20;
  ClickAt(CenterOnScreen(list_, rect), twice);
}

}  // namespace lomvex::testing
