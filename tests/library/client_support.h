// What the Windows client tests share: the library's path, object creation and
// reading the registry and files of the Wine prefix.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>

#include "owners_win32.h"
#include "dispatch_client.h"
#include "pelmar.h"

namespace pelmar::testing {

using owners::ComPtr;
using owners::UniqueBstr;
using owners::UniqueRegKey;

// The DLL under test, as given on the command line.
const std::string& LibraryPath();

ComPtr<IDispatch> CreateByClassId(const CLSID& clsid);
ComPtr<IDispatch> CreateByProgId(const wchar_t* prog_id);

// A value of HKEY_CLASSES_ROOT or another root as text; nothing when missing.
bool ReadRegistryText(HKEY root, const std::string& path, const char* name, std::string& text);
bool KeyExists(HKEY root, const std::string& path);
std::string GuidText(const GUID& guid);

// A fresh folder below the prefix's temporary folder, removed with its files.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name);
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  std::wstring WideFile(const std::string& name) const;
  void Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

std::wstring Wide(const std::string& text);

}  // namespace pelmar::testing
