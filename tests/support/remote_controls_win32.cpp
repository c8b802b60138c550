#include "remote_controls_win32.h"

#include <cstring>

namespace lomvex::testing {

namespace {

constexpr size_t kTextRoom = 1024;

// A block of memory in the other process, freed at the end.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, size_t size)
      : process_(process),
        address_(static_cast<char*>(
            VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
  ~RemoteMemory() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  char* at(size_t offset) const { return address_ + offset; }
  LPARAM param() const { return reinterpret_cast<LPARAM>(address_); }
  bool Write(const void* data, size_t size, size_t offset = 0) {
    return address_ != nullptr && WriteProcessMemory(process_, at(offset), data, size, nullptr);
  }
  bool Read(void* data, size_t size, size_t offset = 0) const {
    return address_ != nullptr && ReadProcessMemory(process_, at(offset), data, size, nullptr);
  }

 private:
  HANDLE process_;
  char* address_;
};

}  // namespace

template <typename Record>
Record RemoteControls::Exchange(HWND control, UINT message, WPARAM wparam, Record record) const {
  RemoteMemory memory(process_, sizeof record);
  memory.Write(&record, sizeof record);
  SendMessageA(control, message, wparam, memory.param());
  memory.Read(&record, sizeof record);
  return record;
}

std::string RemoteControls::Text(HWND control, UINT message, WPARAM wparam, LVITEMA* item) const {
  const size_t offset = item != nullptr ? sizeof *item : 0;
  RemoteMemory memory(process_, offset + kTextRoom);
  std::string text(kTextRoom, '\0');
  if (item != nullptr) {
    item->pszText = memory.at(offset);
    item->cchTextMax = kTextRoom;
    if (!memory.Write(item, offset)) return {};
  }
  if (!memory.Write(text.data(), 1, offset)) return {};
  SendMessageA(control, message, wparam, memory.param());
  if (!memory.Read(text.data(), kTextRoom, offset)) return {};
  text.resize(std::strlen(text.c_str()));
  return text;
}

int RemoteControls::ListRowCount(HWND list) const {
  return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

std::string RemoteControls::ListCell(HWND list, int row, int sub_item) const {
  LVITEMA item{};
  item.iSubItem = sub_item;
  return Text(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), &item);
}

int RemoteControls::ListImage(HWND list, int row) const {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = -1;
  return Exchange(list, LVM_GETITEMA, 0, item).iImage;
}

int RemoteControls::ListSelected(HWND list) const {
  return static_cast<int>(
      SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

RECT RemoteControls::ListRowRect(HWND list, int row) const {
  return Exchange(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), RECT{LVIR_BOUNDS, 0, 0, 0});
}

int RemoteControls::HeaderImage(HWND header, int column) const {
  HDITEMA item{};
  item.mask = HDI_FORMAT | HDI_IMAGE;
  item = Exchange(header, HDM_GETITEMA, static_cast<WPARAM>(column), item);
  return (item.fmt & HDF_IMAGE) ? item.iImage : -1;
}

RECT RemoteControls::HeaderRect(HWND header, int column) const {
  return Exchange(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), RECT{});
}

std::string RemoteControls::StatusText(HWND status, int panel) const {
  return Text(status, SB_GETTEXTA, static_cast<WPARAM>(panel));
}

RECT RemoteControls::ToolbarButtonRect(HWND toolbar, int command) const {
  return Exchange(toolbar, TB_GETRECT, static_cast<WPARAM>(command), RECT{});
}

}  // namespace lomvex::testing
