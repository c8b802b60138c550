// The Windows file system: a file search for existence, a shared read of the
// whole file.
#include <algorithm>

#include "file_access.h"
#include "owners_win32.h"

namespace lomvex {
namespace {

constexpr DWORD kNotOrdinary =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Share read, write and delete: the firewall may go on writing, renaming or
// deleting the file while it is read.
owners::UniqueFile OpenSharedForReading(const std::string& path) {
  return owners::UniqueFile(CreateFileA(
      path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

class Win32FileAccess final : public FileAccess {
 public:
  bool PathExists(const std::string& path) override {
    if (path.empty()) return false;
    WIN32_FIND_DATAA found;
    owners::UniqueFind search(FindFirstFileA(path.c_str(), &found));
    if (!search) return false;
    do {
      if ((found.dwFileAttributes & kNotOrdinary) == 0) return true;
    } while (FindNextFileA(search.get(), &found));
    return false;
  }

  ReadStatus ReadWholeFile(const std::string& path, std::string& contents) override {
    contents.clear();
    owners::UniqueFile file = OpenSharedForReading(path);
    if (!file) return ReadStatus::kCannotRead;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart >= 0xFFFFFFFFLL) {
      return ReadStatus::kCannotRead;
    }
    // What the file held when opened: a writer that appends meanwhile does not
    // make the buffer grow, and the next reload reads the rest.
    contents.resize(static_cast<size_t>(size.QuadPart));
    size_t filled = 0;
    while (filled < contents.size()) {
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - filled, 1u << 30));
      DWORD got = 0;
      if (!ReadFile(file.get(), contents.data() + filled, chunk, &got, nullptr)) {
        contents.clear();
        return ReadStatus::kCannotRead;
      }
      if (got == 0) break;
      filled += got;
    }
    contents.resize(filled);
    return ReadStatus::kRead;
  }

  ReadStatus ReadRegularFile(const std::string& path, std::string& contents,
                             size_t max_bytes) override {
    contents.clear();
    owners::UniqueFile file = OpenSharedForReading(path);
    if (!file) return ReadStatus::kCannotRead;
    // A reserved device name (CON, NUL, COM1...) opens a device whatever the
    // folder and extension: only a disk file that is no folder is read.
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(file.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return ReadStatus::kCannotRead;
    }
    unsigned long long size =
        (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > max_bytes) return ReadStatus::kCannotRead;
    // One byte more than allowed shows a file that grew past the limit.
    contents.resize(static_cast<size_t>(size) + 1);
    size_t filled = 0;
    while (filled < contents.size()) {
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - filled, 1u << 30));
      DWORD got = 0;
      if (!ReadFile(file.get(), contents.data() + filled, chunk, &got, nullptr) ||
          (filled += got) > max_bytes) {
        contents.clear();
        return ReadStatus::kCannotRead;
      }
      if (got == 0) break;
      if (filled == contents.size()) contents.resize(std::min(max_bytes, filled * 2) + 1);
    }
    contents.resize(filled);
    return ReadStatus::kRead;
  }

  bool RemoveFile(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }
};

}  // namespace

FileAccess& SystemFileAccess() {
  static Win32FileAccess access;
  return access;
}

}  // namespace lomvex
