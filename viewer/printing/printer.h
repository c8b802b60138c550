// The platform's printer as the printouts use it: a page stream with a font
// and an orientation. A document starts with its first line.
#pragma once

#include <string>

#include "print_sink.h"

namespace lomvex {

enum class PageOrientation { kPortrait = 1, kLandscape = 2 };

struct PrinterFont {
  std::string name;
  float size = 0;  // points
  bool bold = false;

  bool operator==(const PrinterFont&) const = default;
};

// PrintLine and NewPage (from PrintSink) throw PrinterError on failure.
class Printer : public PrintSink {
 public:
  virtual void SetOrientation(PageOrientation orientation) = 0;
  virtual PrinterFont Font() const = 0;
  virtual void SetFont(const PrinterFont& font) = 0;
  // Sends the document to the printer. Throws PrinterError.
  virtual void EndDocument() = 0;
  // Drops a document that failed half-way; never throws.
  virtual void AbortDocument() = 0;
};

class PrinterError {};

}  // namespace lomvex
