#include "remote_window_win32.h"

#include <fstream>
#include <thread>

namespace lomvex::gui {

RemoteMemory::RemoteMemory(HANDLE process, size_t size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteMemory::~RemoteMemory() {
  if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteMemory::Write(const void* data, size_t size, size_t offset) {
  SIZE_T written = 0;
  return WriteProcessMemory(process_, at(offset), data, size, &written) && written == size;
}

bool RemoteMemory::Read(void* data, size_t size, size_t offset) const {
  SIZE_T read = 0;
  return ReadProcessMemory(process_, at(offset), data, size, &read) && read == size;
}

std::string RemoteMemory::ReadText(size_t offset, size_t max) const {
  std::string text(max, '\0');
  if (!Read(text.data(), max, offset)) return {};
  text.resize(text.find('\0') == std::string::npos ? max : text.find('\0'));
  return text;
}

namespace {

constexpr size_t kTextRoom = 1024;

}  // namespace

int RemoteProcess::ListRowCount(HWND list) const {
  return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

std::string RemoteProcess::ListCell(HWND list, int row, int sub_item) const {
  RemoteMemory memory(process_, sizeof(LVITEMA) + kTextRoom);
  LVITEMA item{};
  item.iSubItem = sub_item;
  item.pszText = memory.at(sizeof(LVITEMA));
  item.cchTextMax = kTextRoom;
  memory.Write(&item, sizeof item);
  char empty = '\0';
  memory.Write(&empty, 1, sizeof(LVITEMA));
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(memory.address()));
  return memory.ReadText(sizeof(LVITEMA), kTextRoom);
}

int RemoteProcess::ListImage(HWND list, int row) const {
  RemoteMemory memory(process_, sizeof(LVITEMA));
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = -1;
  memory.Write(&item, sizeof item);
  SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory.address()));
  memory.Read(&item, sizeof item);
  return item.iImage;
}

int RemoteProcess::ListSelected(HWND list) const {
  return static_cast<int>(
      SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

RECT RemoteProcess::ListRowRect(HWND list, int row) const {
  RemoteMemory memory(process_, sizeof(RECT));
  RECT rect{LVIR_BOUNDS, 0, 0, 0};
  memory.Write(&rect, sizeof rect);
  SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(memory.address()));
  memory.Read(&rect, sizeof rect);
  return rect;
}

int RemoteProcess::HeaderImage(HWND header, int column) const {
  RemoteMemory memory(process_, sizeof(HDITEMA));
  HDITEMA item{};
  item.mask = HDI_FORMAT | HDI_IMAGE;
  memory.Write(&item, sizeof item);
  SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column),
               reinterpret_cast<LPARAM>(memory.address()));
  memory.Read(&item, sizeof item);
  return (item.fmt & HDF_IMAGE) ? item.iImage : -1;
}

RECT RemoteProcess::HeaderRect(HWND header, int column) const {
  RemoteMemory memory(process_, sizeof(RECT));
  RECT rect{};
  SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
               reinterpret_cast<LPARAM>(memory.address()));
  memory.Read(&rect, sizeof rect);
  return rect;
}

std::string RemoteProcess::StatusText(HWND status, int panel) const {
  RemoteMemory memory(process_, kTextRoom);
  char empty = '\0';
  memory.Write(&empty, 1);
  SendMessageA(status, SB_GETTEXTA, static_cast<WPARAM>(panel),
               reinterpret_cast<LPARAM>(memory.address()));
  return memory.ReadText(0, kTextRoom);
}

RECT RemoteProcess::ToolbarButtonRect(HWND toolbar, int command) const {
  RemoteMemory memory(process_, sizeof(RECT));
  RECT rect{};
  SendMessageA(toolbar, TB_GETRECT, static_cast<WPARAM>(command),
               reinterpret_cast<LPARAM>(memory.address()));
  memory.Read(&rect, sizeof rect);
  return rect;
}

std::string WindowText(HWND window) {
  char text[2048] = "";
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

std::string ClassName(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

namespace {

struct WindowSearch {
  DWORD process;
  const char* class_name;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.process && IsWindowVisible(window) &&
      (search.class_name == nullptr || ClassName(window) == search.class_name)) {
    search.found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD process, const char* class_name) {
  WindowSearch search{process, class_name, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopLevel(DWORD process, const char* class_name, const std::string& title) {
  for (HWND window : TopLevelWindows(process, class_name)) {
    if (WindowText(window) == title) return window;
  }
  return nullptr;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
}

void ClickAt(POINT point, bool double_click) {
  // Single clicks far enough apart that two of them never make a double-click.
  static auto last_click = std::chrono::steady_clock::now() - std::chrono::seconds(1);
  auto quiet = last_click + std::chrono::milliseconds(GetDoubleClickTime() + 100);
  if (!double_click) std::this_thread::sleep_until(quiet);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = point.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = point.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &move, sizeof move);
  // The pointer settles over the target before the button goes down.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  for (int click = 0; click < (double_click ? 2 : 1); ++click) {
    INPUT inputs[2] = {move, move};
    inputs[0].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
  }
  last_click = std::chrono::steady_clock::now();
}

void PressKey(WORD virtual_key) {
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = virtual_key;
  inputs[1].type = INPUT_KEYBOARD;
  inputs[1].ki.wVk = virtual_key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

POINT CenterOnScreen(HWND window, RECT rect) {
  POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ClientToScreen(window, &point);
  return point;
}

bool SaveScreen(const std::string& path, const RECT* part) {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (part != nullptr) IntersectRect(&area, &area, part);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = false;
  if (bitmap != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != 0;
    SelectObject(memory, previous);
    GdiFlush();
    const DWORD row = ((width * 3 + 3) / 4) * 4;
    const DWORD image_size = row * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + image_size;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), image_size);
    ok = ok && out.good();
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

}  // namespace lomvex::gui
