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
  GlobalLockView<DEVMODEA> mode(dev_mode_.get());
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
  GlobalLockView<DEVMODEA> mode(dev_mode_.get());
  if (mode && (mode->dmFields & DM_ORIENTATION)) {
    orientation = mode->dmOrientation == DMORIENT_LANDSCAPE ? PageOrientation::kLandscape
                                                            : PageOrientation::kPortrait;
  }
}

UniqueDc PrintSetupChoice::CreatePrinterDc(PageOrientation orientation) {
  if (!LoadDefaults()) return UniqueDc();
  SetOrientation(orientation);
  GlobalLockView<DEVNAMES> names(dev_names_.get());
  if (!names) return UniqueDc();
  const char* base = reinterpret_cast<const char*>(names.get());
  GlobalLockView<DEVMODEA> mode(dev_mode_.get());
  return UniqueDc(
      CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode.get()));
}

void GdiPrinter::SetFont(const PrinterFont& font) {
  font_ = font;
  if (dc_) SelectCurrentFont();
}

void GdiPrinter::SelectCurrentFont() {
  int height =
      -static_cast<int>(std::lround(font_.size * GetDeviceCaps(dc_.get(), LOGPIXELSY) / 72.0));
  UniqueFont font(CreateFontA(height, 0, 0, 0, font_.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                              FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font_.name.c_str()));
  Check(static_cast<bool>(font));
  HGDIOBJ previous = SelectObject(dc_.get(), font.get());
  Check(previous != nullptr && previous != HGDI_ERROR);
  if (!font_selected_) original_font_ = previous;
  font_selected_ = true;
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
  if (font_selected_) SelectObject(dc_.get(), original_font_);
  font_selected_ = false;
  gdi_font_.reset();
  dc_.reset();
}

void GdiPrinter::AbortDocument() {
  if (!dc_) return;
  AbortDoc(dc_.get());
  if (font_selected_) SelectObject(dc_.get(), original_font_);
  font_selected_ = false;
  gdi_font_.reset();
  dc_.reset();
}

}  // namespace lomvex
