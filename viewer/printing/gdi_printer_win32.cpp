#include "gdi_printer_win32.h"

#include <commdlg.h>

#include <cmath>

namespace lomvex {
namespace {

constexpr char kDocumentName[] = "Lomvex - Attack List";

void Check(bool ok) {
  if (!ok) throw PrinterError();
}

}  // namespace

bool PrintSetupChoice::LoadDefaults() {
  if (dev_names_) return true;
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.Flags = PD_RETURNDEFAULT;
  if (!PrintDlgA(&dialog)) return false;
  dev_mode_.reset(dialog.hDevMode);
  dev_names_.reset(dialog.hDevNames);
  return static_cast<bool>(dev_names_);
}

void PrintSetupChoice::SetOrientation(PageOrientation orientation) {
  owners::ScopedGlobalLock<DEVMODEA> mode(dev_mode_.get());
  if (!mode) return;
  mode->dmOrientation = static_cast<short>(orientation);
  mode->dmFields |= DM_ORIENTATION;
}

void PrintSetupChoice::ShowDialog(HWND owner, PageOrientation& orientation) {
  LoadDefaults();
  SetOrientation(orientation);
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_PRINTSETUP;
  // The dialog may free the blocks it is given and hand back new ones.
  dialog.hDevMode = dev_mode_.release();
  dialog.hDevNames = dev_names_.release();
  BOOL chosen = PrintDlgA(&dialog);
  dev_mode_.reset(dialog.hDevMode);
  dev_names_.reset(dialog.hDevNames);
  if (!chosen) return;
  owners::ScopedGlobalLock<DEVMODEA> mode(dev_mode_.get());
  if (mode && (mode->dmFields & DM_ORIENTATION)) {
    orientation = mode->dmOrientation == DMORIENT_LANDSCAPE ? PageOrientation::kLandscape
                                                            : PageOrientation::kPortrait;
  }
}

owners::UniqueDc PrintSetupChoice::CreatePrinterDc(PageOrientation orientation) {
  if (!LoadDefaults()) return {};
  SetOrientation(orientation);
  owners::ScopedGlobalLock<DEVNAMES> names(dev_names_.get());
  if (!names) return {};
  const char* base = reinterpret_cast<const char*>(names.get());
  owners::ScopedGlobalLock<DEVMODEA> mode(dev_mode_.get());
  return owners::UniqueDc(
      CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode.get()));
}

void GdiPrinter::SetFont(const PrinterFont& font) {
  font_ = font;
  if (dc_) SelectCurrentFont();
}

void GdiPrinter::SelectCurrentFont() {
  int height =
      -static_cast<int>(std::lround(font_.size * GetDeviceCaps(dc_.get(), LOGPIXELSY) / 72.0));
  owners::UniqueFont font(CreateFontA(height, 0, 0, 0, font_.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                      FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, font_.name.c_str()));
  Check(static_cast<bool>(font));
  if (font_selection_) {
    HGDIOBJ previous = SelectObject(dc_.get(), font.get());
    Check(previous != nullptr && previous != HGDI_ERROR);
  } else {
    // The first selection keeps the device context's own font to put back.
    font_selection_.emplace(dc_.get(), font.get());
    if (!*font_selection_) {
      font_selection_.reset();
      throw PrinterError();
    }
  }
  gdi_font_ = std::move(font);  // the font it replaces is no longer selected
  TEXTMETRICA metrics;
  Check(GetTextMetricsA(dc_.get(), &metrics) != 0);
  line_height_ = metrics.tmHeight + metrics.tmExternalLeading;
}

void GdiPrinter::StartDocument() {
  dc_ = setup_.CreatePrinterDc(orientation_);
  Check(static_cast<bool>(dc_));
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = kDocumentName;
  Check(StartDocA(dc_.get(), &document) > 0);
  Check(StartPage(dc_.get()) > 0);
  page_height_ = GetDeviceCaps(dc_.get(), VERTRES);
  y_ = 0;
  SelectCurrentFont();
}

void GdiPrinter::PrintLine(std::string_view line) {
  if (!dc_) StartDocument();
  // A line that would run off the page goes on the next one.
  if (y_ > 0 && y_ + line_height_ > page_height_) NewPage();
  Check(TextOutA(dc_.get(), 0, y_, line.data(), static_cast<int>(line.size())) != 0);
  y_ += line_height_;
}

void GdiPrinter::NewPage() {
  if (!dc_) StartDocument();
  Check(EndPage(dc_.get()) > 0);
  Check(StartPage(dc_.get()) > 0);
  // Some drivers reset the device context's objects with every page.
  SelectCurrentFont();
  y_ = 0;
}

void GdiPrinter::EndDocument() {
  if (!dc_) return;
  bool ended = EndPage(dc_.get()) > 0 && EndDoc(dc_.get()) > 0;
  if (!ended) {
    AbortDocument();
    throw PrinterError();
  }
  ReleaseDocument();
}

void GdiPrinter::AbortDocument() {
  if (!dc_) return;
  AbortDoc(dc_.get());
  ReleaseDocument();
}

void GdiPrinter::ReleaseDocument() {
  font_selection_.reset();
  gdi_font_.reset();
  dc_.reset();
}

}  // namespace lomvex
