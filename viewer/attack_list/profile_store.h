// INI files of the platform's profile kind, behind a small interface.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace lomvex {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  // Copies the key's value into buffer as GetPrivateProfileString does: blanks
  // around it dropped, cut to size - 1 characters, NUL-terminated; gives the
  // number of characters copied (0 for a missing file, section or key).
  virtual size_t GetString(std::string_view section, std::string_view key, char* buffer,
                           size_t size) = 0;
  // Writes key=value into the section, creating the file and section as
  // needed; false when the file could not be written.
  virtual bool WriteString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};

// A profile file read and written by this program's own code (any platform).
std::unique_ptr<ProfileStore> OpenIniFile(std::string path);

}  // namespace lomvex
