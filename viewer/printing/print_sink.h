// Where printed lines go: a printer, or any text output.
#pragma once

#include <string_view>

namespace lomvex {

class PrintSink {
 public:
  virtual ~PrintSink() = default;
  // Prints one line and moves to the next. May throw to end the printout.
  virtual void PrintLine(std::string_view line) = 0;
  // Starts a new page. May throw to end the printout.
  virtual void NewPage() = 0;
};

}  // namespace lomvex
