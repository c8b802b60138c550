// The platform's printer through GDI: the print setup dialog's choice of
// printer and orientation, and a printer object that starts a document with
// its first line, as the printouts expect.
#pragma once

#include <windows.h>

#include <optional>

#include "owners_win32.h"
#include "printer.h"

namespace lomvex {

// The printer, paper and orientation chosen in the print setup dialog; the
// default printer until one is chosen.
class PrintSetupChoice {
 public:
  // Shows the dialog with the orientation choice; takes the user's choice back
  // on OK. A cancel changes nothing.
  void ShowDialog(HWND owner, PageOrientation& orientation);
  // A device context of the chosen printer, in the orientation; empty when no
  // printer can be had.
  owners::UniqueDc CreatePrinterDc(PageOrientation orientation);

 private:
  bool LoadDefaults();
  void SetOrientation(PageOrientation orientation);

  owners::UniqueGlobal dev_mode_;
  owners::UniqueGlobal dev_names_;
};

class GdiPrinter final : public Printer {
 public:
  explicit GdiPrinter(PrintSetupChoice& setup) : setup_(setup) {}
  ~GdiPrinter() override { AbortDocument(); }

  void PrintLine(std::string_view line) override;
  void NewPage() override;
  void SetOrientation(PageOrientation orientation) override { orientation_ = orientation; }
  PrinterFont Font() const override { return font_; }
  void SetFont(const PrinterFont& font) override;
  void EndDocument() override;
  void AbortDocument() override;

 private:
  void StartDocument();
  void SelectCurrentFont();
  void ReleaseDocument();

  PrintSetupChoice& setup_;
  PageOrientation orientation_ = PageOrientation::kPortrait;
  PrinterFont font_{"Arial", 10, false};
  // Destroyed in reverse order: the device context gets its own font back first.
  owners::UniqueDc dc_;
  owners::UniqueFont gdi_font_;
  std::optional<owners::ScopedSelectObject> font_selection_;
  int line_height_ = 0;
  int page_height_ = 0;
  int y_ = 0;
};

}  // namespace lomvex
