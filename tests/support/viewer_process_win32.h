// A running Lomvex.exe, read through its controls' messages (as an accessibility
// tool reads them) and driven with real clicks and keys.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "desktop_win32.h"
#include "owners_win32.h"
#include "viewer_ids.h"

namespace lomvex::testing {

class ViewerProcess {
 public:
  // FOLDER holds Lomvex.exe and its settings file.
  explicit ViewerProcess(std::string folder) : folder_(std::move(folder)) {}
  ~ViewerProcess() {
    if (process_) TerminateProcess(process_.get(), 99);
  }

  // True once the main window shows, or a message of its loading does.
  bool Start(std::chrono::milliseconds timeout = std::chrono::seconds(30));
  // The main window once it is shown (and its controls are found); else null.
  HWND FindMain();
  bool Exited(std::chrono::milliseconds timeout) const {
    DWORD code = 1;
    return WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) ==
               WAIT_OBJECT_0 &&
           GetExitCodeProcess(process_.get(), &code) && code == 0;
  }
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.get(); }
  HWND Main() const { return main_; }

  std::vector<HWND> Boxes(const std::string& caption) const {
    return TopLevelWindows(id_, "#32770", caption.c_str());
  }
  HWND WaitForBox(const std::string& caption,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10)) const {
    return WaitForWindow(id_, "#32770", caption.c_str(), timeout);
  }
  static std::string MessageText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }
  static void Press(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  }

  void Command(int id) const { PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // Waits until the window has handled everything sent before.
  void Settle() const;

  // The list (rows from 0, columns from 1), the status bar's panels (from 1).
  int Rows() const { return ListView_GetItemCount(list_); }
  std::string Cell(int row, int column) const { return ListCell(list_, row, column); }
  std::string ListCell(HWND list, int row, int column) const;
  int Image(int row) const {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = -1;
    return Exchange(list_, LVM_GETITEMA, 0, item).iImage;
  }
  int Selected() const { return ListView_GetNextItem(list_, -1, LVNI_SELECTED); }
  bool LastRowInView() const {
    return ListView_GetTopIndex(list_) + ListView_GetCountPerPage(list_) >= Rows();
  }
  std::string Label() const { return WindowText(GetDlgItem(main_, IDC_LABEL)); }
  std::string Panel(int panel) const {
    return Exchange(status_, SB_GETTEXTA, static_cast<WPARAM>(panel - 1), TextRoom{}).text;
  }
  int HeaderImage(int column) const {  // -1 when it shows none
    HDITEMA item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item = Exchange(header_, HDM_GETITEMA, static_cast<WPARAM>(column - 1), item);
    return (item.fmt & HDF_IMAGE) ? item.iImage : -1;
  }
  bool ToolbarEnabled(int command) const {
    return SendMessageA(toolbar_, TB_ISBUTTONENABLED, static_cast<WPARAM>(command), 0) != 0;
  }
  POINT ToolbarButton(int command) const {
    return CenterOnScreen(toolbar_,
                          Exchange(toolbar_, TB_GETRECT, static_cast<WPARAM>(command), RECT{}));
  }

  // Chooses a menu item with Alt and the letters; true when the box with the caption
  // appears (the item is enabled). The box is closed again.
  bool MenuItemRuns(char menu_letter, char item_letter, const std::string& caption);
  void ClickHeader(int column) const {
    ClickAt(CenterOnScreen(
        header_, Exchange(header_, HDM_GETITEMRECT, static_cast<WPARAM>(column - 1), RECT{})));
  }
  void ClickRow(int row, bool twice = false) const;
  void ListKey(WPARAM key) const {
    PostMessageA(list_, WM_KEYDOWN, key, 1);
    PostMessageA(list_, WM_KEYUP, key, 0xC0000001);
  }

 private:
  struct TextRoom {
    char text[1024];
  };
  // Sends a control's message with the record copied into the viewer's memory, read back after.
  template <typename Record>
  Record Exchange(HWND control, UINT message, WPARAM wparam, Record record) const {
    static_assert(sizeof record <= 4096);
    if (!WriteProcessMemory(process_.get(), scratch_, &record, sizeof record, nullptr)) return {};
    SendMessageA(control, message, wparam, reinterpret_cast<LPARAM>(scratch_));
    ReadProcessMemory(process_.get(), scratch_, &record, sizeof record, nullptr);
    return record;
  }

  std::string folder_;
  owners::UniqueHandle process_;
  DWORD id_ = 0;
  char* scratch_ = nullptr;  // the viewer's memory for the records; it goes with the process
  HWND main_ = nullptr, list_ = nullptr, header_ = nullptr, status_ = nullptr, toolbar_ = nullptr;
};

}  // namespace lomvex::testing
