#include "platform_win32.h"

#include <psapi.h>
#include <sddl.h>
#include <tlhelp32.h>

#include <type_traits>
#include <vector>

#include "owners_win32.h"
#include "text_win32.h"

namespace pelmar {
namespace {

HMODULE library_module = nullptr;

// Every registry open and create asks for query, set, create subkey,
// enumerate, notify and create link.
constexpr REGSAM kKeyAccess = 0x3F;
constexpr DWORD kProcessAccess = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;  // 0x410
constexpr UINT kTopmostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;

HKEY ToHkey(RegistryPlatform::Key key) { return reinterpret_cast<HKEY>(key); }

std::string LocaleText(LCTYPE type, const char* fallback) {
  char buffer[96];
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) > 0) {
    return FromCodePage(buffer);
  }
  return fallback;
}

}  // namespace

HMODULE LibraryModule() { return library_module; }
void SetLibraryModule(HMODULE module) { library_module = module; }

bool WindowsSystem::QueryVersion(OsVersionRecord& record) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = record.size;
  if (!GetVersionExA(&info)) return false;
  record.major = static_cast<int32_t>(info.dwMajorVersion);
  record.minor = static_cast<int32_t>(info.dwMinorVersion);
  record.build = static_cast<int32_t>(info.dwBuildNumber);
  record.platform_id = static_cast<int32_t>(info.dwPlatformId);
  static_assert(sizeof info.szCSDVersion == sizeof record.service);
  std::copy(std::begin(info.szCSDVersion), std::end(info.szCSDVersion), record.service.begin());
  return true;
}

MemoryStatus WindowsSystem::QueryMemory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return {};
  return {status.ullTotalPhys, status.ullAvailPhys};
}

uint32_t WindowsSystem::ProcessorType() {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  return info.dwProcessorType;
}

std::string WindowsSystem::ThousandsSeparator() { return LocaleText(LOCALE_STHOUSAND, ","); }

bool WindowsSystem::SetTopmost(std::intptr_t window, bool topmost) {
  return SetWindowPos(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                      0, 0, kTopmostFlags) > 0;
}

uint32_t WindowsSystem::EnumerateProcesses(std::vector<uint32_t>& ids) {
  DWORD written = 0;
  if (!EnumProcesses(reinterpret_cast<DWORD*>(ids.data()),
                     static_cast<DWORD>(ids.size() * sizeof(DWORD)), &written)) {
    return 0;
  }
  return written;
}

std::optional<std::string> WindowsSystem::ProcessImagePath(uint32_t id) {
  owners::UniqueHandle process(OpenProcess(kProcessAccess, FALSE, id));
  if (!process) return std::nullopt;
  HMODULE modules[50];
  DWORD needed = 0;
  if (!EnumProcessModules(process.get(), modules, sizeof modules, &needed)) return std::nullopt;
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameExA(process.get(), modules[0], path, sizeof path);
  return FromCodePage(std::string_view(path, length));
}

std::vector<std::string> WindowsSystem::SnapshotImagePaths() {
  std::vector<std::string> paths;
  // A snapshot that fails is INVALID_HANDLE_VALUE, as a file that does not open.
  owners::UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPALL, 0));
  if (!snapshot) return paths;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more;
       more = Process32Next(snapshot.get(), &entry)) {
    paths.push_back(FromCodePage(entry.szExeFile));
  }
  return paths;
}

TokenGroupList WindowsSystem::ReadTokenGroups() {
  TokenGroupList groups;
  owners::UniqueHandle token;
  if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, token.put()) &&
      !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) {
    return groups;
  }
  DWORD size = 0;
  GetTokenInformation(token.get(), ::TokenGroups, nullptr, 0, &size);
  if (size == 0) {
    groups.status = TokenGroupList::Status::kNoGroups;
    return groups;
  }
  // Whole TOKEN_GROUPS records, so the list is aligned as the structure needs.
  std::vector<TOKEN_GROUPS> buffer(size / sizeof(TOKEN_GROUPS) + 1);
  if (!GetTokenInformation(token.get(), ::TokenGroups, buffer.data(), size, &size)) {
    groups.status = TokenGroupList::Status::kReadFailed;
    return groups;
  }
  const TOKEN_GROUPS& list = buffer.front();
  for (DWORD i = 0; i < list.GroupCount; ++i) {
    owners::UniqueLocalText sid_text;
    const bool converted = IsValidSid(list.Groups[i].Sid) &&
                           ConvertSidToStringSidA(list.Groups[i].Sid, sid_text.put());
    groups.sids.emplace_back(converted ? sid_text.get() : "");
  }
  groups.status = TokenGroupList::Status::kRead;
  return groups;
}

int32_t WindowsRegistry::CreateKey(Key root, const std::string& path, Key& key) {
  HKEY created = nullptr;
  DWORD disposition = 0;
  const LONG result = RegCreateKeyExA(ToHkey(root), ToCodePage(path).c_str(), 0, nullptr, 0,
                                      kKeyAccess, nullptr, &created, &disposition);
  if (result == ERROR_SUCCESS) key = reinterpret_cast<Key>(created);
  return result;
}

int32_t WindowsRegistry::OpenKey(Key root, const std::string& path, Key& key) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(ToHkey(root), ToCodePage(path).c_str(), 0, kKeyAccess, &opened);
  if (result == ERROR_SUCCESS) key = reinterpret_cast<Key>(opened);
  return result;
}

int32_t WindowsRegistry::QueryValueInfo(Key key, const std::string& name, uint32_t& type,
                                        uint32_t& size) {
  DWORD value_type = 0;
  DWORD value_size = 0;
  const LONG result = RegQueryValueExA(ToHkey(key), ToCodePage(name).c_str(), nullptr, &value_type,
                                       nullptr, &value_size);
  type = value_type;
  size = value_size;
  return result;
}

int32_t WindowsRegistry::QueryValueData(Key key, const std::string& name, std::string& data) {
  DWORD size = static_cast<DWORD>(data.size());
  DWORD type = 0;
  const LONG result = RegQueryValueExA(ToHkey(key), ToCodePage(name).c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(data.data()), &size);
  if (result == ERROR_SUCCESS && type == REG_SZ) data = FromCodePage(data);
  return result;
}

int32_t WindowsRegistry::SetValue(Key key, const std::string& name, uint32_t type,
                                  const std::string& data) {
  const std::string stored = type == REG_SZ ? ToCodePage(data) : data;
  return RegSetValueExA(ToHkey(key), ToCodePage(name).c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(stored.data()),
                        static_cast<DWORD>(stored.size()));
}

int32_t WindowsRegistry::DeleteKey(Key root, const std::string& path) {
  return RegDeleteKeyA(ToHkey(root), ToCodePage(path).c_str());
}

int32_t WindowsRegistry::DeleteValue(Key key, const std::string& name) {
  return RegDeleteValueA(ToHkey(key), ToCodePage(name).c_str());
}

void WindowsRegistry::CloseKey(Key key) { RegCloseKey(ToHkey(key)); }

uint32_t WindowsFiles::ReadProfileString(const std::string& file, const std::string& section,
                                         const std::string& key, std::string& buffer) {
  std::string read(buffer.size(), ' ');
  const DWORD length = GetPrivateProfileStringA(
      ToCodePage(section).c_str(), ToCodePage(key).c_str(), "", read.data(),
      static_cast<DWORD>(read.size()), ToCodePage(file).c_str());
  buffer = FromCodePage(read);
  return length;
}

bool WindowsFiles::WriteProfileString(const std::string& file, const std::string& section,
                                      const std::string& key, const std::string& value) {
  return WritePrivateProfileStringA(ToCodePage(section).c_str(), ToCodePage(key).c_str(),
                                    ToCodePage(value).c_str(), ToCodePage(file).c_str());
}

Listing WindowsFiles::ListFiles(const std::string& pattern) {
  constexpr int32_t kInvalidCall = 5;
  constexpr int32_t kBadFileName = 52;
  if (pattern.empty()) return {kInvalidCall, {}};
  // A folder ending in a backslash stands for its entries.
  const std::string search = pattern.back() == '\\' ? pattern + "*" : pattern;
  WIN32_FIND_DATAA found{};
  owners::UniqueFind find(FindFirstFileA(ToCodePage(search).c_str(), &found));
  if (!find) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return {};
    return {error == ERROR_PATH_NOT_FOUND ? kPathNotFound : kBadFileName, {}};
  }
  Listing listing;
  constexpr DWORD kSkipped =
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  do {
    if (!(found.dwFileAttributes & kSkipped))
      listing.names.push_back(FromCodePage(found.cFileName));
  } while (FindNextFileA(find.get(), &found));
  return listing;
}

std::optional<DateTime> WindowsFiles::ModifiedTime(const std::string& file) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  FILETIME local{};
  SYSTEMTIME time{};
  if (!GetFileAttributesExA(ToCodePage(file).c_str(), GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
      !FileTimeToSystemTime(&local, &time)) {
    return std::nullopt;
  }
  return DateTime{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

std::optional<uint32_t> WindowsFiles::Attributes(const std::string& file) {
  const DWORD attributes = GetFileAttributesA(ToCodePage(file).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

bool WindowsFiles::SetAttributes(const std::string& file, uint32_t attributes) {
  return SetFileAttributesA(ToCodePage(file).c_str(),
                            attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes);
}

DateTime WindowsFiles::Now() {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

DateLocale WindowsFiles::Locale() {
  DateLocale locale = EnglishDateLocale();
  for (int month = 0; month < 12; ++month) {
    locale.month_names[month] =
        LocaleText(LOCALE_SMONTHNAME1 + month, locale.month_names[month].c_str());
  }
  locale.am = LocaleText(LOCALE_S1159, "AM");
  locale.pm = LocaleText(LOCALE_S2359, "PM");
  locale.date_separator = LocaleText(LOCALE_SDATE, "/");
  locale.time_separator = LocaleText(LOCALE_STIME, ":");
  return locale;
}

std::string ResourceMessages::Load(int id) {
  char text[256];
  const int length = LoadStringA(LibraryModule(), id, text, sizeof text);
  return FromCodePage(std::string_view(text, length > 0 ? length : 0));
}

Services ApartmentServices() {
  // The platform objects and the message loader hold nothing; the module state
  // is one per thread (trivially destructible, so nothing runs at thread exit
  // after the library may have been unloaded).
  static WindowsSystem system;
  static WindowsRegistry registry;
  static WindowsFiles files;
  static ResourceMessages messages;
  thread_local ApartmentState state;
  static_assert(std::is_trivially_destructible_v<ApartmentState>);
  return {system, registry, files, messages, state};
}

}  // namespace pelmar
