// Self-registration: the type library (and with it both interfaces), the two
// classes with their programmatic identifiers, server path and threading model.
#include <windows.h>

#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "owners_win32.h"
#include "pelmar.h"
#include "platform_win32.h"

namespace pelmar {
namespace {

constexpr wchar_t kHelpDirectory[] = L"c:\\%system%\\help";
constexpr LCID kLibraryLocale = 0x409;

struct ClassEntry {
  const CLSID& clsid;
  const wchar_t* name;
  const wchar_t* prog_id;
};
const ClassEntry kClasses[] = {
    {CLSID_SysCls, L"SysCls", L"Pelmar.SysCls"},
    {CLSID_RegCls, L"RegCls", L"Pelmar.RegCls"},
};

std::wstring GuidText(const GUID& guid) {
  wchar_t text[64];
  const int length = StringFromGUID2(guid, text, 64);
  return std::wstring(text, length > 0 ? length - 1 : 0);
}

bool SetKeyValue(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  owners::UniqueRegKey key;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(),
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// A text value under HKEY_CLASSES_ROOT in the registry view `view`; empty when missing.
std::wstring KeyValue(const std::wstring& path, const wchar_t* name, REGSAM view = 0) {
  owners::UniqueRegKey key;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE | view, key.put()) !=
      ERROR_SUCCESS) {
    return {};
  }
  DWORD size = 0;
  if (RegGetValueW(key.get(), nullptr, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  std::wstring value(size / sizeof(wchar_t), L'\0');
  if (RegGetValueW(key.get(), nullptr, name, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  value.resize(wcsnlen(value.c_str(), value.size()));
  return value;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool DeleteTree(const std::wstring& path) {
  const LONG result = RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

// The DLL's own path, whatever characters its folders' names hold.
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(LibraryModule(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return path.substr(0, length);
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

bool RegisterClassEntry(const ClassEntry& entry, const std::wstring& server_path) {
  const std::wstring clsid = GuidText(entry.clsid);
  const std::wstring key = L"CLSID\\" + clsid;
  return SetKeyValue(key, nullptr, entry.name) &&
         SetKeyValue(key + L"\\InprocServer32", nullptr, server_path) &&
         SetKeyValue(key + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
         SetKeyValue(key + L"\\ProgID", nullptr, entry.prog_id) &&
         SetKeyValue(key + L"\\TypeLib", nullptr, GuidText(LIBID_Pelmar)) &&
         SetKeyValue(key + L"\\VERSION", nullptr, L"1.0") &&
         SetKeyValue(key + L"\\Programmable", nullptr, L"") &&
         SetKeyValue(entry.prog_id, nullptr, entry.prog_id) &&
         SetKeyValue(std::wstring(entry.prog_id) + L"\\Clsid", nullptr, clsid);
}

HRESULT RegisterLibrary(std::wstring server_path) {
  owners::ComPtr<ITypeLib> library;
  HRESULT hr = LoadTypeLibEx(server_path.c_str(), REGKIND_NONE, library.put());
  if (FAILED(hr)) return hr;
  std::wstring help_directory = kHelpDirectory;
  return RegisterTypeLib(library.get(), server_path.data(), help_directory.data());
}

constexpr bool kIs64Bit = sizeof(void*) == 8;
SYSKIND OwnSyskind() { return kIs64Bit ? SYS_WIN64 : SYS_WIN32; }

HRESULT RegisterServer() {
  const std::wstring server_path = ModulePath();
  if (server_path.empty()) return SELFREG_E_CLASS;
  if (FAILED(RegisterLibrary(server_path))) return SELFREG_E_TYPELIB;
  for (const ClassEntry& entry : kClasses) {
    if (!RegisterClassEntry(entry, server_path)) return SELFREG_E_CLASS;
  }
  return S_OK;
}

// A programmatic identifier is shared by the 32-bit and 64-bit registry views: it
// stays while it names another class or the other build still serves this one.
bool ProgIdIsOurs(const ClassEntry& entry) {
  const std::wstring clsid = GuidText(entry.clsid);
  return SameText(KeyValue(std::wstring(entry.prog_id) + L"\\Clsid", nullptr), clsid) &&
         KeyValue(L"CLSID\\" + clsid + L"\\InprocServer32", nullptr,
                  kIs64Bit ? KEY_WOW64_32KEY : KEY_WOW64_64KEY)
             .empty();
}

// The type library's key is shared too: it goes only while this DLL is what it names.
bool LibraryIsOurs(const std::wstring& server_path) {
  const std::wstring key =
      L"TypeLib\\" + GuidText(LIBID_Pelmar) + L"\\1.0\\409\\" + (kIs64Bit ? L"win64" : L"win32");
  return SameText(KeyValue(key, nullptr), server_path);
}

HRESULT UnregisterServer() {
  const std::wstring server_path = ModulePath();
  bool removed = true;
  for (const ClassEntry& entry : kClasses) {
    removed = DeleteTree(L"CLSID\\" + GuidText(entry.clsid)) && removed;
    if (ProgIdIsOurs(entry)) removed = DeleteTree(entry.prog_id) && removed;
  }
  // A library no longer registered is no failure: there is nothing left to remove.
  if (LibraryIsOurs(server_path) &&
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
