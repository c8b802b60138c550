// Files held in memory, for code that checks, reads and deletes files.
#pragma once

#include <map>
#include <set>
#include <string>

#include "file_access.h"

namespace lomvex {

class MemoryFiles final : public FileAccess {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> unreadable;  // there, but cannot be read
  std::set<std::string> locked;      // there, but cannot be deleted
  int reads = 0;

  bool PathExists(const std::string& path) override { return files.count(path) > 0; }
  ReadStatus ReadWholeFile(const std::string& path, std::string& contents) override {
    ++reads;
    auto found = files.find(path);
    if (found == files.end() || unreadable.count(path)) return ReadStatus::kCannotRead;
    contents = found->second;
    return ReadStatus::kRead;
  }
  // Every file held here counts as a regular one.
  ReadStatus ReadRegularFile(const std::string& path, std::string& contents, size_t) override {
    return ReadWholeFile(path, contents);
  }
  bool RemoveFile(const std::string& path) override {
    return locked.count(path) == 0 && files.erase(path) > 0;
  }
};

}  // namespace lomvex
