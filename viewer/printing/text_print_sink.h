// A print sink that writes the pages as text: each line followed by "\n", and
// a form feed right before the first line of every page after the first.
#pragma once

#include <string>

#include "print_sink.h"

namespace lomvex {

class TextPrintSink final : public PrintSink {
 public:
  void PrintLine(std::string_view line) override {
    if (page_pending_) {
      text_ += '\f';
      page_pending_ = false;
    }
    text_ += line;
    text_ += '\n';
  }
  void NewPage() override {
    page_pending_ = true;
    ++pages_;
  }
  const std::string& text() const { return text_; }
  int pages() const { return pages_; }

 private:
  std::string text_;
  bool page_pending_ = false;
  int pages_ = 1;
};

}  // namespace lomvex
