// What the viewer asks of the file system, behind one small interface.
#pragma once

#include <string>
#include <string_view>

namespace lomvex {

enum class ReadStatus { kRead, kCannotRead };

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  // True when the path names at least one ordinary file as a file search finds
  // it: wildcards match, folders, hidden and system files do not count.
  virtual bool PathExists(const std::string& path) = 0;
  // Reads the whole file into contents. The file is opened so that its writer
  // may go on writing, renaming and deleting it, and closed before returning.
  virtual ReadStatus ReadWholeFile(const std::string& path, std::string& contents) = 0;
  // Reads the file as ReadWholeFile does, but only when the opened handle is a
  // regular disk file (never a device, pipe or folder; checked after opening,
  // so a swap of the name cannot slip one in) of at most max_bytes.
  virtual ReadStatus ReadRegularFile(const std::string& path, std::string& contents,
                                     size_t max_bytes) = 0;
  // Deletes the file; false when it could not be deleted.
  virtual bool RemoveFile(const std::string& path) = 0;
};

// The platform's own file system.
FileAccess& SystemFileAccess();

}  // namespace lomvex
