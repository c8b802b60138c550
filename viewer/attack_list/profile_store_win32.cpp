// Profile files through the platform's own profile functions.
#include <windows.h>

#include "profile_store_win32.h"

namespace lomvex {
namespace {

class Win32ProfileFile final : public ProfileStore {
 public:
  explicit Win32ProfileFile(std::string path) : path_(std::move(path)) {}

  size_t GetString(std::string_view section, std::string_view key, char* buffer,
                   size_t size) override {
    return GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), nullptr,
                                    buffer, static_cast<DWORD>(size), path_.c_str());
  }

  bool WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override {
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(), path_.c_str()) != 0;
  }

 private:
  std::string path_;
};

}  // namespace

std::unique_ptr<ProfileStore> OpenPlatformProfile(std::string path) {
  return std::make_unique<Win32ProfileFile>(std::move(path));
}

}  // namespace lomvex
