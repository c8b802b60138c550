#include "main_window_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "help_window_win32.h"
#include "main_window_layout.h"
#include "profile_store_win32.h"
#include "program_module_win32.h"
#include "system_facts_win32.h"
#include "text_locale_win32.h"
#include "viewer_ids.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

constexpr char kMainClassName[] = "LomvexMainWindow";
constexpr UINT_PTR tmrMain = 1;
constexpr UINT kTickMilliseconds = 1000;
// Posted when the window is first shown, to run after the showing.
constexpr UINT kShownMessage = WM_APP + 1;

std::optional<size_t> ListSelection(HWND list) {
  int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  if (row < 0) return std::nullopt;
  return static_cast<size_t>(row);
}

}  // namespace

frmMain::frmMain() = default;
frmMain::~frmMain() = default;

HWND frmMain::Create(HINSTANCE instance) {
  auto load_icon = [instance](int width_metric, int height_metric) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_LOMVEX), IMAGE_ICON,
                                         GetSystemMetrics(width_metric),
                                         GetSystemMetrics(height_metric), 0));
  };
  icon_.reset(load_icon(SM_CXICON, SM_CYICON));
  small_icon_.reset(load_icon(SM_CXSMICON, SM_CYSMICON));

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, layout::kClientWidth, layout::kClientHeight};
  AdjustWindowRectEx(&frame, style, TRUE, 0);
  owners::UniqueMenu menu(LoadMenuA(instance, MAKEINTRESOURCEA(IDM_MAIN_MENU)));
  HWND window = CreateWindowOf(
      {kMainClassName, icon_.get(), small_icon_.get()}, ResourceText(IDS_MAIN_CAPTION).c_str(),
      style, {CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top},
      nullptr, menu.get());
  // The window destroys its menu from here on.
  if (window != nullptr) (void)menu.release();
  return window;
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(handle(), WM_CREATE, OnCreate);
    HANDLE_MSG(handle(), WM_DESTROY, OnDestroy);
    HANDLE_MSG(handle(), WM_CLOSE, OnClose);
    HANDLE_MSG(handle(), WM_ACTIVATE, OnActivate);
    HANDLE_MSG(handle(), WM_SETFOCUS, OnSetFocus);
    HANDLE_MSG(handle(), WM_SIZE, OnSize);
    HANDLE_MSG(handle(), WM_PAINT, OnPaint);
    HANDLE_MSG(handle(), WM_TIMER, OnTimer);
    HANDLE_MSG(handle(), WM_COMMAND, OnCommand);
    HANDLE_MSG(handle(), WM_NOTIFY, OnNotify);
    HANDLE_MSG(handle(), WM_MENUSELECT, OnMenuSelect);
    case WM_HELP:
      OnHelp(*reinterpret_cast<const HELPINFO*>(lParam));
      return TRUE;
    case WM_SHOWWINDOW:
      if (wParam && !activated_before_) PostMessageA(handle(), kShownMessage, 0, 0);
      break;
    case kShownMessage:
      // Shown while already active (activated while hidden), so no activation
      // follows: being shown is the first activation.
      if (!activated_before_ && logic_ && GetActiveWindow() == handle()) {
        activated_before_ = true;
        logic_->Activate();
      }
      return 0;
  }
  if (message == taskbar_created_ && taskbar_created_ != 0) {
    if (logic_) logic_->ShellRestarted();
    return 0;
  }
  return DefaultHandling(message, wParam, lParam);
}

BOOL frmMain::OnCreate(HWND window, LPCREATESTRUCT) {
  if (!CreateControls()) return FALSE;
  // The shell's word to every top-level window that it restarted.
  taskbar_created_ = RegisterWindowMessageA("TaskbarCreated");
  tray_window_ = CreateTrayControlWindow(window);
  SysTray = std::make_unique<cSysTray>(tray_platform_, FromWindowHandle(tray_window_.get()));
  profile_ = OpenPlatformProfile(ProgramFolder() + "\\" + std::string(kSettingsFileName));
  file_dialog_.SetOwner(window);
  logic_ = std::make_unique<MainWindowLogic>(MainWindowServices{*this, SystemFileAccess(),
                                                                *profile_, file_dialog_, *SysTray,
                                                                UserTextLocale(), ProgramName()});
  SysTray->SetEvents(logic_.get());
  // The window's own icon, in the size the notification area shows.
  logic_->Load(FromIconHandle(small_icon_.get()), ResourceText(IDS_MAIN_CAPTION));
  SetTimer(window, tmrMain, kTickMilliseconds, nullptr);
  return TRUE;
}

void frmMain::OnDestroy(HWND window) {
  KillTimer(window, tmrMain);
  if (SysTray) SysTray->SetEvents(nullptr);
  PostQuitMessage(0);
}

void frmMain::OnClose(HWND window) {
  if (logic_) {
    logic_->Run(Command::kExit);
  } else {
    ::DestroyWindow(window);
  }
}

void frmMain::OnActivate(HWND window, UINT state, HWND other, BOOL minimized) {
  // The default handling gives the keyboard focus to the window.
  FORWARD_WM_ACTIVATE(window, state, other, minimized, DefWindowProcA);
  // A message of the loading activates the window while it is still hidden;
  // that is not its first activation, which comes once it is shown.
  if (state == WA_INACTIVE || minimized || !logic_ || !IsWindowVisible(window)) return;
  // The program's own windows only (a message box, the help window), and the
  // first activation after the window is shown; not a switch from another program.
  DWORD other_process = 0;
  if (other != nullptr) GetWindowThreadProcessId(other, &other_process);
  bool from_program = other_process == GetCurrentProcessId();
  if (!activated_before_ || from_program) logic_->Activate();
  activated_before_ = true;
}

void frmMain::OnSetFocus(HWND, HWND) {
  if (lsvMain != nullptr) SetFocus(lsvMain);
}

void frmMain::OnSize(HWND window, UINT kind, int, int) {
  if (tbMain != nullptr) {
    RECT client;
    GetClientRect(window, &client);
    if (client.right > 0) {
      MoveWindow(tbMain, 0, 0, client.right, layout::kToolbarHeight, TRUE);
    }
    SendMessageA(sbMain, WM_SIZE, 0, 0);
    // The rule lines run across the whole window.
    RECT rules{0, layout::kUpperRuleTop, client.right, layout::kLowerRuleTop + 2};
    InvalidateRect(window, &rules, TRUE);
  }
  if (logic_) logic_->Resize(kind == SIZE_MINIMIZED);
}

void frmMain::OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT outer;
  GetWindowRect(window, &outer);
  const int width = outer.right - outer.left;
  RECT upper{0, layout::kUpperRuleTop, width, layout::kUpperRuleTop + 1};
  FillRect(dc, &upper, GetSysColorBrush(COLOR_BACKGROUND));
  RECT lower{0, layout::kLowerRuleTop, width, layout::kLowerRuleTop + 2};
  FillRect(dc, &lower, GetSysColorBrush(COLOR_WINDOW));
  EndPaint(window, &paint);
}

void frmMain::OnTimer(HWND, UINT id) {
  if (id == tmrMain && logic_) logic_->Tick();
}

void frmMain::OnCommand(HWND, int id, HWND, UINT) {
  std::optional<Command> command = CommandOfId(id);
  if (command && logic_) logic_->Run(*command);
}

LRESULT frmMain::OnNotify(HWND, int, NMHDR* notification) {
  const NMHDR& header = *notification;
  if (header.hwndFrom == lsvMain) return OnListNotify(header);
  if (header.code == TTN_GETDISPINFOA || header.code == TTN_GETDISPINFOW) OnToolTip(header);
  return 0;
}

LRESULT frmMain::OnListNotify(const NMHDR& header) {
  if (!logic_) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOA:
      OnGetDispInfo(*reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header)));
      return 0;
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
      return -1;  // the rows have no text of their own to find
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if (syncing_selection_ || !(change.uChanged & LVIF_STATE) ||
          !((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) {
        return 0;
      }
      // One row at a time in a single-selection list; a search for the
      // selected row would walk a large list.
      if (change.iItem < 0) {
        logic_->ListSelectionChanged(ListSelection(lsvMain));
      } else if (change.uNewState & LVIS_SELECTED) {
        logic_->ListSelectionChanged(static_cast<size_t>(change.iItem));
      } else if (logic_->ListState().list.SelectedRow() == static_cast<size_t>(change.iItem)) {
        logic_->ListSelectionChanged(std::nullopt);
      }
      return 0;
    }
    case LVN_ODSTATECHANGED:
      if (!syncing_selection_) logic_->ListSelectionChanged(ListSelection(lsvMain));
      return 0;
    case NM_CLICK:
      logic_->ListClick();
      return 0;
    case NM_DBLCLK:
      logic_->ListDblClick();
      return 0;
    case LVN_COLUMNCLICK:
      logic_->ColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem + 1);
      return 0;
  }
  return 0;
}

void frmMain::OnGetDispInfo(NMLVDISPINFOA& info) const {
  LVITEMA& item = info.item;
  const AttackListModel& list = logic_->ListState().list;
  if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= list.RowCount()) return;
  const size_t row = static_cast<size_t>(item.iItem);
  if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0) item.iImage = list.SeverityAt(row) - 1;
  if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0) {
    std::string_view cell = list.CellAt(row, item.iSubItem + 1);
    size_t length = std::min(cell.size(), static_cast<size_t>(item.cchTextMax - 1));
    std::memcpy(item.pszText, cell.data(), length);
    item.pszText[length] = '\0';
  }
}

void frmMain::OnToolTip(const NMHDR& header) {
  const int text_id = ToolTipTextId(static_cast<int>(header.idFrom));
  if (text_id == 0) return;
  std::string tip = ResourceText(static_cast<unsigned>(text_id));
  if (header.code == TTN_GETDISPINFOA) {
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(const_cast<NMHDR&>(header));
    lstrcpynA(info.szText, tip.c_str(), sizeof info.szText);
    info.lpszText = info.szText;
  } else {
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(const_cast<NMHDR&>(header));
    MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, info.szText,
                        sizeof info.szText / sizeof info.szText[0]);
    info.szText[sizeof info.szText / sizeof info.szText[0] - 1] = L'\0';
    info.lpszText = info.szText;
  }
}

void frmMain::OnMenuSelect(HWND window, HMENU menu, int item, HMENU popup, UINT flags) {
  highlighted_menu_topic_ = 0;
  if (flags == 0xFFFFFFFF && menu == nullptr) return;  // the menu closed
  if (!(flags & MF_POPUP)) {
    highlighted_menu_topic_ = MenuItemHelpTopic(item);
    return;
  }
  // A menu of the bar, numbered by its position.
  HMENU bar = GetMenu(window);
  if (menu != bar) return;
  for (int position = 0; position < GetMenuItemCount(bar); ++position) {
    if (GetSubMenu(bar, position) == popup)
      highlighted_menu_topic_ = TopMenuHelpTopic(position + 1);
  }
}

void frmMain::OnHelp(const HELPINFO& info) {
  if (info.iContextType != HELPINFO_MENUITEM || highlighted_menu_topic_ == 0 || !logic_) return;
  int topic = highlighted_menu_topic_;
  EndMenu();
  logic_->MenuHelp(topic);
}

// ---- The platform side of the logic ----

MessageAnswer frmMain::ShowMessage(std::string_view text, std::string_view caption,
                                   MessageIcon icon, MessageButtons buttons) {
  UINT style = (icon == MessageIcon::kCritical ? MB_ICONSTOP : MB_ICONEXCLAMATION) |
               (buttons == MessageButtons::kOkCancel ? MB_OKCANCEL : MB_OK);
  int answer =
      MessageBoxA(MessageOwner(), std::string(text).c_str(), std::string(caption).c_str(), style);
  return answer == IDOK ? MessageAnswer::kOk : MessageAnswer::kCancel;
}

bool frmMain::ShowHelp(HelpCommand command, int data) {
  return lomvex::ShowHelp(handle(), command, data);
}

void frmMain::ShowPrintSetup(PageOrientation& orientation) {
  print_setup_.ShowDialog(handle(), orientation);
}

CalendarDate frmMain::Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

TimeOfDay frmMain::Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wHour, now.wMinute, now.wSecond};
}

void frmMain::SetPanelText(int panel, const std::string& text) {
  // Written only when it changes, so the clock does not flicker every second.
  if (panel_texts_[panel] == text) return;
  panel_texts_[panel] = text;
  SendMessageA(sbMain, SB_SETTEXTA, static_cast<WPARAM>(panel),
               reinterpret_cast<LPARAM>(text.c_str()));
}

void frmMain::UpdateView(unsigned parts) {
  if (handle() == nullptr || !logic_) return;
  const MainListState& state = logic_->ListState();
  if (parts & kViewRows) {
    ListView_SetItemCountEx(lsvMain, static_cast<int>(state.list.RowCount()), 0);
    InvalidateRect(lsvMain, nullptr, FALSE);
  }
  if (parts & kViewSelection) SyncSelectionToList();
  if (parts & kViewLabel) SetWindowTextA(lblMain, state.count_label.c_str());
  if (parts & kViewStatus) SetPanelText(0, state.status_text);
  if (parts & kViewDate) SetPanelText(1, logic_->DateText());
  if (parts & kViewClock) SetPanelText(2, logic_->ClockText());
  if (parts & kViewCommands) {
    HMENU menu = GetMenu(handle());
    for (int id : kListCommandIds) {
      if (IsToolbarButton(id)) {
        SendMessageA(tbMain, TB_ENABLEBUTTON, static_cast<WPARAM>(id),
                     MAKELPARAM(state.list_commands_enabled, 0));
      } else {
        EnableMenuItem(menu, static_cast<UINT>(id),
                       MF_BYCOMMAND | (state.list_commands_enabled ? MF_ENABLED : MF_GRAYED));
      }
    }
  }
}

void frmMain::SyncSelectionToList() {
  syncing_selection_ = true;
  // Only the rows that hold the state are cleared: clearing "all rows" (-1)
  // visits every row of a virtual list in some list controls, a second for a
  // million rows.
  for (int guard = 0; guard < 4; ++guard) {
    int row = ListView_GetNextItem(lsvMain, -1, LVNI_SELECTED);
    if (row < 0) break;
    ListView_SetItemState(lsvMain, row, 0, LVIS_SELECTED);
  }
  int focused = ListView_GetNextItem(lsvMain, -1, LVNI_FOCUSED);
  if (focused >= 0) ListView_SetItemState(lsvMain, focused, 0, LVIS_FOCUSED);
  std::optional<size_t> selected = logic_->ListState().list.SelectedRow();
  if (selected) {
    int row = static_cast<int>(*selected);
    ListView_SetItemState(lsvMain, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(lsvMain, row);
    ListView_EnsureVisible(lsvMain, row, FALSE);
  }
  syncing_selection_ = false;
}

void frmMain::ShowSortMarks(const ColumnClickEffect& effect) {
  // Straight on the header: the list's own column format does not carry a
  // header image everywhere.
  HWND header = ListView_GetHeader(lsvMain);
  auto mark = [header](int column, int image) {
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(header, column - 1, &item);
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt &= ~(HDF_JUSTIFYMASK | HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
    item.fmt |= HDF_LEFT;
    if (image > 0) {
      item.fmt |= HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
      item.iImage = image - 1;
    }
    Header_SetItem(header, column - 1, &item);
  };
  if (effect.unmarked_column > 0) mark(effect.unmarked_column, 0);
  mark(effect.marked_column, effect.mark_image);
}

void frmMain::HideWindow() { ShowWindow(handle(), SW_HIDE); }

void frmMain::RestoreWindow() {
  ShowWindow(handle(), SW_RESTORE);
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());
}

void frmMain::ShowTrayMenu() {
  HMENU popup = GetSubMenu(mnuTray.get(), 0);
  if (popup == nullptr) return;
  // In front first, so that the menu closes when the user clicks elsewhere.
  SetForegroundWindow(handle());
  POINT at;
  GetCursorPos(&at);
  TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, handle(), nullptr);
  PostMessageA(handle(), WM_NULL, 0, 0);
}

HWND frmMain::MessageOwner() const {
  if (info_window_ != nullptr && info_window_->handle() != nullptr) return info_window_->handle();
  return handle();
}

SystemFacts frmMain::ReadSystemFacts() { return lomvex::ReadSystemFacts(); }

void frmMain::ShowInfoWindow(const InfoView& view, InfoWindowActions& actions) {
  if (handle() == nullptr) return;
  frmAbout window(view, actions);
  info_window_ = &window;
  window.ShowModal(handle());
  info_window_ = nullptr;
}

void frmMain::DestroyWindow() {
  if (handle() != nullptr) ::DestroyWindow(handle());
}

}  // namespace lomvex
