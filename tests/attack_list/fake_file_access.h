// Files held in memory, for tests of code that reads the attack list.
#pragma once

#include <map>
#include <string>

#include "file_access.h"

namespace lomvex {

class FakeFileAccess final : public FileAccess {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, bool> unreadable;

  bool PathExists(const std::string& path) override { return files.count(path) > 0; }
  ReadStatus ReadWholeFile(const std::string& path, std::string& contents) override {
    auto found = files.find(path);
    if (found == files.end() || unreadable[path]) return ReadStatus::kCannotRead;
    contents = found->second;
    return ReadStatus::kRead;
  }
  // Every file held here counts as a regular one.
  ReadStatus ReadRegularFile(const std::string& path, std::string& contents, size_t) override {
    return ReadWholeFile(path, contents);
  }
  bool RemoveFile(const std::string& path) override { return files.erase(path) > 0; }
};

}  // namespace lomvex
