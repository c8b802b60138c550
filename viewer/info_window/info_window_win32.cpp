#include "info_window_win32.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include "viewer_ids.h"

namespace lomvex {
namespace {

constexpr char kInfoClassName[] = "LomvexInfoWindow";

// The window's design in twips, shown at 96 dots per inch (15 twips a pixel).
constexpr int Pixels(int twips) { return twips / 15; }

struct Design {
  int left, top, width, height;
};
constexpr int kClientWidth = 5745, kClientHeight = 4695;
constexpr int kTopBelowOwner = 275;
constexpr Design kTitle{300, 120, 5175, 375};         // lblAbout 1
constexpr Design kRightsNotice{300, 540, 5175, 375};  // lblAbout 2
constexpr Design kText{180, 2940, 5295, 1095};        // lblAbout 3
constexpr Design kHeader{300, 120, 975, 375};         // lblAbout 5
constexpr int kWideHeader = 5175;                     // in the attack view
constexpr Design kImage1{285, 1080, 795, 735};        // imgAbout 1
constexpr Design kImage2{4620, 1080, 795, 735};       // imgAbout 2
constexpr Design kList{225, 1920, 5235, 855};         // lsvAbout
constexpr Design kAttackList{225, 400, 5235, 2400};   // lsvAbout in the attack view
constexpr Design kPrintButton{3480, 4200, 935, 375};  // cmdOptions 1
constexpr Design kOkButton{4500, 4200, 935, 375};     // cmdOptions 2
constexpr int kLabelColumn = 1600, kValueColumn = 3550;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

RECT InPixels(const Design& design) {
  const int left = Pixels(design.left), top = Pixels(design.top);
  return {left, top, left + Pixels(design.width), top + Pixels(design.height)};
}

HICON LoadIconSized(int id, int size) {
  return static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}

bool IsPartOf(HWND window, HWND target) { return target == window || IsChild(window, target); }

}  // namespace

void frmAbout::ShowModal(HWND owner) {
  icon_.reset(LoadIconSized(IDI_INFO, GetSystemMetrics(SM_CXICON)));
  small_icon_.reset(LoadIconSized(IDI_INFO, GetSystemMetrics(SM_CXSMICON)));
  program_icon_.reset(LoadIconSized(IDI_LOMVEX, GetSystemMetrics(SM_CXICON)));
  const RECT place = Placement(owner);
  // The icons go to the window, not to its class: the class outlives them.
  HWND window = CreateWindowOf(
      {kInfoClassName}, view_.caption.c_str(), kStyle,
      {place.left, place.top, place.right - place.left, place.bottom - place.top}, owner);
  if (window == nullptr) return;
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
  EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetFocus(GetDlgItem(window, IDC_INFO_OK));

  MSG message;
  while (!closing_ && handle() != nullptr) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the program's own loop
      break;
    }
    if (got < 0) break;
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1 &&
        IsPartOf(window, message.hwnd)) {
      HELPINFO help{sizeof help, HELPINFO_WINDOW, 0, message.hwnd, 0, message.pt};
      SendMessageA(window, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
      continue;
    }
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  // The owner first, so that it becomes the active window when this one goes.
  if (IsWindow(owner)) EnableWindow(owner, TRUE);
  if (handle() != nullptr) DestroyWindow(handle());
}

RECT frmAbout::Placement(HWND owner) const {
  RECT frame{0, 0, Pixels(kClientWidth), Pixels(kClientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  RECT owner_frame{};
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  // A minimised (or tray-hidden) owner stands where it will be restored.
  if (IsIconic(owner) && GetWindowPlacement(owner, &placement)) {
    owner_frame = placement.rcNormalPosition;
  } else {
    GetWindowRect(owner, &owner_frame);
  }
  const int left = owner_frame.left + (owner_frame.right - owner_frame.left - width) / 2;
  const int top = owner_frame.top + Pixels(kTopBelowOwner);
  return {left, top, left + width, top + height};
}

LRESULT frmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(handle(), WM_CREATE, OnCreate);
    HANDLE_MSG(handle(), WM_COMMAND, OnCommand);
    HANDLE_MSG(handle(), WM_CLOSE, OnClose);
    case WM_HELP:
      actions_.HelpKey();
      return TRUE;
    case DM_GETDEFID:
      return MAKELRESULT(DefaultButton(), DC_HASDEFID);
  }
  return DefaultHandling(message, wParam, lParam);
}

int frmAbout::DefaultButton() const {
  const HWND focus = GetFocus();
  const int id = focus != nullptr && GetParent(focus) == handle() ? GetDlgCtrlID(focus) : 0;
  return id == IDC_INFO_PRINT ? id : IDC_INFO_OK;
}

void frmAbout::OnCommand(HWND, int id, HWND, UINT code) {
  switch (id) {
    case IDC_INFO_OK:
    case IDOK:
    case IDCANCEL:  // Esc
      Close();
      break;
    case IDC_INFO_PRINT:
      if (code == BN_CLICKED && view_.mode == InfoMode::kAttackInfo) actions_.Print();
      break;
  }
}

BOOL frmAbout::OnCreate(HWND, LPCREATESTRUCT) { return CreateControls() ? TRUE : FALSE; }

HWND frmAbout::CreateControl(const char* class_name, const char* text, DWORD style,
                             const RECT& place, int id, DWORD ex_style) {
  HWND control = CreateWindowExA(ex_style, class_name, text, WS_CHILD | style, place.left,
                                 place.top, place.right - place.left, place.bottom - place.top,
                                 handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (control != nullptr) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  }
  return control;
}

bool frmAbout::CreateControls() {
  const bool about = view_.mode == InfoMode::kAbout;
  constexpr DWORD kLabel = SS_NOPREFIX | WS_VISIBLE;
  HWND title = CreateControl("STATIC", view_.title.c_str(), kLabel | SS_CENTER, InPixels(kTitle),
                             IDC_INFO_TITLE);
  HWND notice = CreateControl("STATIC", view_.rights_notice.c_str(), kLabel | SS_CENTER,
                              InPixels(kRightsNotice), IDC_INFO_NOTICE);
  HWND text =
      CreateControl("STATIC", view_.text.c_str(), kLabel | SS_LEFT, InPixels(kText), IDC_INFO_TEXT);
  Design header = kHeader;
  if (!about) header.width = kWideHeader;
  HWND header_label = CreateControl("STATIC", view_.header.c_str(),
                                    SS_NOPREFIX | SS_LEFT | (about ? 0 : WS_VISIBLE),
                                    InPixels(header), IDC_INFO_HEADER);
  HWND image1 = CreateControl("STATIC", "", SS_ICON | SS_CENTERIMAGE | WS_VISIBLE,
                              InPixels(kImage1), IDC_INFO_IMAGE_1);
  HWND image2 = CreateControl("STATIC", "", SS_ICON | SS_CENTERIMAGE | WS_VISIBLE,
                              InPixels(kImage2), IDC_INFO_IMAGE_2);
  // The attack view's list lies over the title, notice and images.
  HWND list = CreateControl(
      WC_LISTVIEWA, "",
      WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | (about ? 0 : WS_TABSTOP),
      InPixels(about ? kList : kAttackList), IDC_INFO_LIST, WS_EX_CLIENTEDGE);
  HWND print =
      CreateControl("BUTTON", "&Print", BS_PUSHBUTTON | WS_TABSTOP | (about ? 0 : WS_VISIBLE),
                    InPixels(kPrintButton), IDC_INFO_PRINT);
  HWND ok = CreateControl("BUTTON", "&OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE,
                          InPixels(kOkButton), IDC_INFO_OK);
  if (!title || !notice || !text || !header_label || !image1 || !image2 || !list || !print || !ok) {
    return false;
  }
  if (!about) ShowWindow(title, SW_HIDE);
  LOGFONTA bold{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof bold, &bold);
  bold.lfWeight = FW_BOLD;
  title_font_.reset(CreateFontIndirectA(&bold));
  if (title_font_) SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(title_font_.get()), 0);
  for (auto [image, icon] : {std::pair{image1, icon_.get()}, {image2, program_icon_.get()}}) {
    SendMessageA(image, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  }
  return FillInfoList(list);
}

bool frmAbout::FillInfoList(HWND list) {
  const COLORREF background =
      GetSysColor(view_.mode == InfoMode::kAbout ? COLOR_BTNFACE : COLOR_WINDOW);
  ListView_SetBkColor(list, background);
  ListView_SetTextBkColor(list, background);
  ListView_SetTextColor(list, GetSysColor(COLOR_WINDOWTEXT));
  const int widths[] = {Pixels(kLabelColumn), Pixels(kValueColumn)};
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNA design{};
    design.mask = LVCF_WIDTH | LVCF_SUBITEM;
    design.cx = widths[column];
    design.iSubItem = column;
    if (SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&design)) != column) {
      return false;
    }
  }
  int index = 0;
  for (const InfoRow& row : view_.rows) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(row.label.c_str());
    if (SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) != index) {
      return false;
    }
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(row.value.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    ++index;
  }
  return true;
}

}  // namespace lomvex
