// A printer that keeps its pages as text and can be told to fail at a line.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "printer.h"

namespace lomvex {

class TextPrinter final : public Printer {
 public:
  PrinterFont font{"Arial", 10, false};
  PageOrientation orientation = PageOrientation::kPortrait;
  std::vector<std::vector<std::string>> pages;
  std::vector<PrinterFont> line_fonts;  // the font of every line printed
  int fail_at_line = -1;                // the line (from 0) whose printing fails
  bool ended = false;
  bool aborted = false;
  std::vector<std::string>* log = nullptr;  // gets "printer font NAME" on every change
  std::function<void()> while_printing;     // runs once, at the next line printed

  void PrintLine(std::string_view line) override {
    if (while_printing) std::exchange(while_printing, nullptr)();
    if (fail_at_line == static_cast<int>(line_fonts.size())) throw PrinterError();
    if (pages.empty()) pages.emplace_back();
    pages.back().emplace_back(line);
    line_fonts.push_back(font);
  }
  void NewPage() override { pages.emplace_back(); }
  void SetOrientation(PageOrientation value) override { orientation = value; }
  PrinterFont Font() const override { return font; }
  void SetFont(const PrinterFont& value) override {
    font = value;
    if (log) log->push_back("printer font " + value.name);
  }
  void EndDocument() override { ended = true; }
  void AbortDocument() override { aborted = true; }
};

}  // namespace lomvex
