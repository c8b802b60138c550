// An open-file dialog that gives prepared answers and, like the platform's,
// keeps the name chosen last: a cancel reports it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "settings.h"

namespace lomvex {

class ScriptedFileDialog final : public FileDialog {
 public:
  std::vector<std::string> answers;  // in turn; "" cancels, as does running out
  std::function<void()> while_open;  // what happens while the dialog is open

  std::string ShowOpen(const OpenFileRequest&) override {
    if (shown_ < answers.size() && !answers[shown_].empty()) last_ = answers[shown_];
    ++shown_;
    if (while_open) while_open();
    return last_;
  }

 private:
  size_t shown_ = 0;
  std::string last_;
};

}  // namespace lomvex
