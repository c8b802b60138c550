// The common dialog's open-file form. Like the dialog control of the window,
// it keeps its file name between uses: each use starts with the name chosen
// last, and a cancel reports that name unchanged.
#pragma once

#include <windows.h>

#include "settings.h"

namespace lomvex {

class Win32OpenFileDialog final : public FileDialog {
 public:
  explicit Win32OpenFileDialog(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  std::string ShowOpen(const OpenFileRequest& request) override;

 private:
  HWND owner_;
  std::string file_name_;
};

}  // namespace lomvex
