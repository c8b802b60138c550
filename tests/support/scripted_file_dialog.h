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
  std::vector<OpenFileRequest> requests;
  std::function<void()> while_open;  // what happens while the dialog is open

  std::string ShowOpen(const OpenFileRequest& request) override {
    std::string answer = requests.size() < answers.size() ? answers[requests.size()] : "";
    requests.push_back(request);
    if (!answer.empty()) last_ = answer;
    if (while_open) while_open();
    return last_;
  }

 private:
  std::string last_;
};

}  // namespace lomvex
