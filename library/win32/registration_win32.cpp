// Self-registration: the type library (and with it both interfaces), the two
// classes with their programmatic identifiers, server path and threading model.
#include <windows.h>

#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "owners_win32.h"
#include "pelmar.h"
#include "platform_win32.h"
#include "text_win32.h"

namespace pelmar {
namespace {

constexpr char kHelpDirectory[] = "c:\\%system%\\help";
constexpr LCID kLibraryLocale = 0x409;

struct ClassEntry {
  const CLSID& clsid;
  const char* name;
  const char* prog_id;
};
const ClassEntry kClasses[] = {
    {CLSID_SysCls, "SysCls", "Pelmar.SysCls"},
    {CLSID_RegCls, "RegCls", "Pelmar.RegCls"},
};

std::string GuidText(const GUID& guid) {
  wchar_t text[64];
  const int length = StringFromGUID2(guid, text, 64);
  return Narrow(text, length > 0 ? length - 1 : 0);
}

bool SetKeyValue(const std::string& path, const char* name, const std::string& value) {
  owners::UniqueRegKey key;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(),
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool DeleteTree(const std::string& path) {
  const LONG result = RegDeleteTreeA(HKEY_CLASSES_ROOT, path.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::string ModulePath() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(LibraryModule(), path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : 0);
}

bool RegisterClassEntry(const ClassEntry& entry, const std::string& server_path) {
  const std::string clsid = GuidText(entry.clsid);
  const std::string key = "CLSID\\" + clsid;
  const std::string description = std::string("Pelmar.") + entry.name;
  return SetKeyValue(key, nullptr, entry.name) &&
         SetKeyValue(key + "\\InprocServer32", nullptr, server_path) &&
         SetKeyValue(key + "\\InprocServer32", "ThreadingModel", "Apartment") &&
         SetKeyValue(key + "\\ProgID", nullptr, entry.prog_id) &&
         SetKeyValue(key + "\\TypeLib", nullptr, GuidText(LIBID_Pelmar)) &&
         SetKeyValue(key + "\\VERSION", nullptr, "1.0") &&
         SetKeyValue(key + "\\Programmable", nullptr, "") &&
         SetKeyValue(entry.prog_id, nullptr, entry.prog_id) &&
         SetKeyValue(std::string(entry.prog_id) + "\\Clsid", nullptr, clsid);
}

HRESULT RegisterLibrary(const std::string& server_path) {
  std::wstring path = Widen(server_path);
  owners::ComPtr<ITypeLib> library;
  HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.put());
  if (FAILED(hr)) return hr;
  std::wstring help_directory = Widen(kHelpDirectory);
  return RegisterTypeLib(library.get(), path.data(), help_directory.data());
}

SYSKIND OwnSyskind() { return sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32; }

HRESULT RegisterServer() {
  const std::string server_path = ModulePath();
  if (server_path.empty()) return SELFREG_E_CLASS;
  if (FAILED(RegisterLibrary(server_path))) return SELFREG_E_TYPELIB;
  for (const ClassEntry& entry : kClasses) {
    if (!RegisterClassEntry(entry, server_path)) return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT UnregisterServer() {
  bool removed = true;
  for (const ClassEntry& entry : kClasses) {
    removed = DeleteTree("CLSID\\" + GuidText(entry.clsid)) && removed;
    removed = DeleteTree(entry.prog_id) && removed;
  }
  // A library no longer registered is no failure: there is nothing left to remove.
  owners::UniqueBstr registered_path;
  if (SUCCEEDED(QueryPathOfRegTypeLib(LIBID_Pelmar, 1, 0, kLibraryLocale, registered_path.put())) &&
      FAILED(UnRegisterTypeLib(LIBID_Pelmar, 1, 0, kLibraryLocale, OwnSyskind()))) {
    return SELFREG_E_TYPELIB;
  }
  return removed ? S_OK : SELFREG_E_CLASS;
}

}  // namespace
}  // namespace pelmar

// The texts built on the way may fail to allocate; no exception leaves the entry points.
extern "C" {

STDAPI DllRegisterServer() {
  try {
    return pelmar::RegisterServer();
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

STDAPI DllUnregisterServer() {
  try {
    return pelmar::UnregisterServer();
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

}  // extern "C"
