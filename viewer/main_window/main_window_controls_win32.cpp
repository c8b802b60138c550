// The main window's controls: toolbar, list, label, status bar, image list and
// the tray menu, and the list's own key handling.
#include <windowsx.h>

#include <iterator>

#include "main_window_layout.h"
#include "main_window_win32.h"
#include "program_module_win32.h"
#include "viewer_ids.h"

namespace lomvex {
namespace {

constexpr int kImageSize = 16;

// A drag or double-click on a divider that would open the hidden columns 8 and 9.
bool OpensHiddenColumn(const NMHDR& notification) {
  switch (notification.code) {
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
    case HDN_DIVIDERDBLCLICKA:
    case HDN_DIVIDERDBLCLICKW:
      return reinterpret_cast<const NMHEADERA&>(notification).iItem >= kColumnSeverityText - 1;
  }
  return false;
}

struct ToolbarButton {
  int id;
  int image;  // resource id, 0 for a separator
};

constexpr ToolbarButton kToolbar[] = {
#define LOMVEX_BUTTON(id, image, tip) {id, image},
    LOMVEX_TOOLBAR(LOMVEX_BUTTON)
#undef LOMVEX_BUTTON
};
constexpr int kToolbarButtons = static_cast<int>(std::size(kToolbar));

owners::UniqueImageList CreateImages(HINSTANCE instance) {
  owners::UniqueImageList images(
      ImageList_Create(kImageSize, kImageSize, ILC_COLOR32 | ILC_MASK, IMAGE_COUNT, 0));
  if (!images) return {};
  for (int image = 1; image <= IMAGE_COUNT; ++image) {
    owners::UniqueIcon icon(
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_IMAGE_BASE + image),
                                      IMAGE_ICON, kImageSize, kImageSize, 0)));
    if (!icon || ImageList_AddIcon(images.get(), icon.get()) != image - 1) return {};
  }
  return images;
}

}  // namespace

bool frmMain::CreateControls() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  imlMain = CreateImages(instance);
  mnuTray.reset(LoadMenuA(instance, MAKEINTRESOURCEA(IDM_TRAY_MENU)));
  if (!imlMain || !mnuTray) return false;

  tbMain = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                           WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                               CCS_NOPARENTALIGN | CCS_NODIVIDER,
                           0, 0, layout::kClientWidth, layout::kToolbarHeight, handle(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TOOLBAR)), instance,
                           nullptr);
  if (tbMain == nullptr) return false;
  SendMessageA(tbMain, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(tbMain, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imlMain.get()));
  TBBUTTON buttons[kToolbarButtons] = {};
  for (int index = 0; index < kToolbarButtons; ++index) {
    TBBUTTON& button = buttons[index];
    const int image = kToolbar[index].image;
    button.idCommand = kToolbar[index].id;
    button.iBitmap = image > 0 ? image - IDI_IMAGE_BASE - 1 : 6;  // a separator's width
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = image > 0 ? BTNS_BUTTON : BTNS_SEP;
  }
  SendMessageA(tbMain, TB_ADDBUTTONSA, kToolbarButtons, reinterpret_cast<LPARAM>(buttons));

  lsvMain = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
      // The image list is the window's (imlMain), shared with the toolbar and header.
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL |
          LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
      layout::kListLeft, layout::kListTop, layout::kListWidth, layout::kListHeight, handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_LIST)), instance, nullptr);
  if (lsvMain == nullptr) return false;
  SendMessageA(lsvMain, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ListView_SetExtendedListViewStyle(lsvMain, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  ListView_SetImageList(lsvMain, imlMain.get(), LVSIL_SMALL);
  // The header's sort marks come from the same images.
  Header_SetImageList(ListView_GetHeader(lsvMain), imlMain.get());
  for (int column = 0; column < kListColumns; ++column) {
    const layout::ColumnDesign& design = layout::kColumns[column];
    std::string text = design.text_id ? ResourceText(static_cast<unsigned>(design.text_id)) : "";
    LVCOLUMNA header{};
    header.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    header.fmt = LVCFMT_LEFT;
    header.cx = design.width;
    header.pszText = text.data();
    header.iSubItem = column;
    if (SendMessageA(lsvMain, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&header)) != column) {
      return false;
    }
  }
  SetWindowSubclass(lsvMain, ListProc, 1, reinterpret_cast<DWORD_PTR>(this));

  lblMain = CreateWindowExA(
      0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, layout::kLabelLeft,
      layout::kLabelTop, layout::kLabelWidth, layout::kLabelHeight, handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_LABEL)), instance, nullptr);
  sbMain =
      CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, handle(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS)), instance, nullptr);
  if (lblMain == nullptr || sbMain == nullptr) return false;
  SendMessageA(lblMain, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(sbMain, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(sbMain, SB_SETMINHEIGHT, layout::kStatusHeight, 0);
  int right_edges[3];
  int edge = 0;
  for (int panel = 0; panel < 3; ++panel) right_edges[panel] = edge += layout::kPanelWidths[panel];
  SendMessageA(sbMain, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(right_edges));
  SendMessageA(sbMain, WM_SIZE, 0, 0);
  return true;
}

LRESULT CALLBACK frmMain::ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR id, DWORD_PTR data) {
  auto* self = reinterpret_cast<frmMain*>(data);
  switch (message) {
    case WM_KEYDOWN:
      if (wparam == VK_RETURN) return 0;  // Enter never reaches the list
      break;
    case WM_CHAR:
      if (wparam == '\r') {
        if (self->logic_) self->logic_->ListEnter();
        return 0;
      }
      break;
    case WM_NOTIFY:
      // The header reports to the list, which sizes a column on a double-click
      // before its own parent hears of it: the refusal is given here.
      if (reinterpret_cast<const NMHDR*>(lparam)->hwndFrom == ListView_GetHeader(list) &&
          OpensHiddenColumn(*reinterpret_cast<const NMHDR*>(lparam))) {
        return TRUE;
      }
      break;
    case WM_KEYUP: {
      LRESULT result = DefSubclassProc(list, message, wparam, lparam);
      if (self->logic_) self->logic_->ListKeyUp();
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(list, ListProc, id);
      break;
  }
  return DefSubclassProc(list, message, wparam, lparam);
}

}  // namespace lomvex
