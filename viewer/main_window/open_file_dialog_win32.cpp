#include "open_file_dialog_win32.h"

#include <commdlg.h>

#include <vector>

namespace lomvex {

std::string Win32OpenFileDialog::ShowOpen(const OpenFileRequest& request) {
  // The filter: the entry's name and its pattern, each ended by a NUL, and a
  // final NUL.
  std::string filter = request.filter_name;
  filter += '\0';
  filter += request.filter_pattern;
  filter += '\0';
  filter += '\0';

  std::vector<char> name(MAX_PATH + 1, '\0');
  file_name_.copy(name.data(), std::min(file_name_.size(), static_cast<size_t>(MAX_PATH)));

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = request.title.c_str();
  dialog.Flags = request.flags;
  if (GetOpenFileNameA(&dialog)) file_name_ = name.data();
  return file_name_;
}

}  // namespace lomvex
