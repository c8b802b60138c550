// The file system of a POSIX host, for the native build.
#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "file_access.h"

namespace lomvex {
namespace {

struct FdCloser {
  int fd;
  ~FdCloser() {
    if (fd >= 0) close(fd);
  }
};

struct GlobOwner {
  glob_t result{};
  ~GlobOwner() { globfree(&result); }
};

bool IsOrdinaryFile(const char* path) {
  struct stat info;
  if (stat(path, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  const char* name = strrchr(path, '/');
  name = name ? name + 1 : path;
  return name[0] != '.';  // a dot file is the hidden file of this platform
}

// The file search's wildcards are only * and ?: every other character of the
// path, brackets and backslashes included, matches itself.
std::string AsWildcardPattern(const std::string& path) {
  std::string pattern;
  pattern.reserve(path.size());
  for (char c : path) {
    if (c == '[' || c == ']' || c == '\\') pattern += '\\';
    pattern += c;
  }
  return pattern;
}

class PosixFileAccess final : public FileAccess {
 public:
  bool PathExists(const std::string& path) override {
    if (path.empty()) return false;
    if (path.find_first_of("*?") == std::string::npos) return IsOrdinaryFile(path.c_str());
    GlobOwner found;
    if (glob(AsWildcardPattern(path).c_str(), GLOB_NOSORT, nullptr, &found.result) != 0) {
      return false;
    }
    for (size_t i = 0; i < found.result.gl_pathc; ++i) {
      if (IsOrdinaryFile(found.result.gl_pathv[i])) return true;
    }
    return false;
  }

  ReadStatus ReadWholeFile(const std::string& path, std::string& contents) override {
    contents.clear();
    FdCloser file{open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) return ReadStatus::kCannotRead;
    struct stat info;
    if (fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return ReadStatus::kCannotRead;
    // What the file held when opened: a writer that appends meanwhile does not
    // make the buffer grow, and the next reload reads the rest.
    contents.resize(static_cast<size_t>(info.st_size));
    size_t filled = 0;
    while (filled < contents.size()) {
      ssize_t got = read(file.fd, contents.data() + filled, contents.size() - filled);
      if (got < 0) {
        contents.clear();
        return ReadStatus::kCannotRead;
      }
      if (got == 0) break;
      filled += static_cast<size_t>(got);
    }
    contents.resize(filled);
    return ReadStatus::kRead;
  }

  ReadStatus ReadRegularFile(const std::string& path, std::string& contents,
                             size_t max_bytes) override {
    contents.clear();
    // Non-blocking, so opening a FIFO does not wait for a writer; no terminal
    // becomes the controlling one.
    FdCloser file{open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    if (file.fd < 0) return ReadStatus::kCannotRead;
    struct stat info;
    if (fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<unsigned long long>(info.st_size) > max_bytes) {
      return ReadStatus::kCannotRead;
    }
    // One byte more than allowed shows a file that grew past the limit.
    contents.resize(std::min<size_t>(max_bytes, static_cast<size_t>(info.st_size)) + 1);
    size_t filled = 0;
    while (filled < contents.size()) {
      ssize_t got = read(file.fd, contents.data() + filled, contents.size() - filled);
      if (got == 0) break;
      if (got < 0 || (filled += static_cast<size_t>(got)) > max_bytes) {
        contents.clear();
        return ReadStatus::kCannotRead;
      }
      if (filled == contents.size()) contents.resize(std::min(max_bytes, filled * 2) + 1);
    }
    contents.resize(filled);
    return ReadStatus::kRead;
  }

  bool RemoveFile(const std::string& path) override { return unlink(path.c_str()) == 0; }
};

}  // namespace

FileAccess& SystemFileAccess() {
  static PosixFileAccess access;
  return access;
}

}  // namespace lomvex
