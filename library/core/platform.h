// What the library's rules need of the operating system. The Windows binding
// implements these over the Win32 calls; tests use fakes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelmar {

// The operating-system version record, in the platform's layout.
struct OsVersionRecord {
  uint32_t size = 0;
  int32_t major = 0;
  int32_t minor = 0;
  int32_t build = 0;
  int32_t platform_id = 0;
  std::array<char, 128> service{};
};
inline constexpr uint32_t kOsVersionRecordSize = 148;
inline constexpr int32_t kPlatformNt = 2;

struct MemoryStatus {
  uint64_t total_physical = 0;
  uint64_t available_physical = 0;
};

// The caller's token groups as SID texts ("S-1-5-32-544"); an invalid SID is empty.
struct TokenGroupList {
  enum class Status { kNoToken, kNoGroups, kReadFailed, kRead };
  Status status = Status::kNoToken;
  std::vector<std::string> sids;
};

class SystemPlatform {
 public:
  virtual ~SystemPlatform() = default;
  // Fills `record` (its size field set by the caller); false leaves it as it was.
  virtual bool QueryVersion(OsVersionRecord& record) = 0;
  virtual MemoryStatus QueryMemory() = 0;
  virtual uint32_t ProcessorType() = 0;
  // The user's thousands separator for number formatting.
  virtual std::string ThousandsSeparator() = 0;
  // Moves a window into or out of the topmost band; true when the call reports success.
  virtual bool SetTopmost(std::intptr_t window, bool topmost) = 0;
  // Fills `ids` (sized by the caller) with process ids; the result is the bytes written.
  virtual uint32_t EnumerateProcesses(std::vector<uint32_t>& ids) = 0;
  // The executable path of a process; nothing when it cannot be opened or listed.
  virtual std::optional<std::string> ProcessImagePath(uint32_t id) = 0;
  // The executable paths of a process snapshot (the older platform family).
  virtual std::vector<std::string> SnapshotImagePaths() = 0;
  virtual TokenGroupList ReadTokenGroups() = 0;
};

// Registry calls; results are the platform's error codes (0 is success).
class RegistryPlatform {
 public:
  using Key = std::uintptr_t;
  virtual ~RegistryPlatform() = default;
  virtual int32_t CreateKey(Key root, const std::string& path, Key& key) = 0;
  virtual int32_t OpenKey(Key root, const std::string& path, Key& key) = 0;
  virtual int32_t QueryValueInfo(Key key, const std::string& name, uint32_t& type,
                                 uint32_t& size) = 0;
  // Reads the value's data into `data`, whose size is the buffer's.
  virtual int32_t QueryValueData(Key key, const std::string& name, std::string& data) = 0;
  virtual int32_t SetValue(Key key, const std::string& name, uint32_t type,
                           const std::string& data) = 0;
  virtual int32_t DeleteKey(Key root, const std::string& path) = 0;
  virtual int32_t DeleteValue(Key key, const std::string& name) = 0;
  virtual void CloseKey(Key key) = 0;
};

struct DateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Names and separators that dates and times are written with.
struct DateLocale {
  std::array<std::string, 12> month_names;
  std::string am;
  std::string pm;
  std::string date_separator;
  std::string time_separator;
};
DateLocale EnglishDateLocale();

// The result of a directory listing: the matching normal files, or an error.
struct Listing {
  int32_t error = 0;  // 0, kPathNotFound or another runtime error number
  std::vector<std::string> names;
};
inline constexpr int32_t kPathNotFound = 76;

class FilePlatform {
 public:
  virtual ~FilePlatform() = default;
  // Reads a key into `buffer` (its size is the buffer's); the count copied.
  virtual uint32_t ReadProfileString(const std::string& file, const std::string& section,
                                     const std::string& key, std::string& buffer) = 0;
  virtual bool WriteProfileString(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& value) = 0;
  // Names without the hidden, system or directory attribute matching `pattern`;
  // a pattern ending in a backslash lists the folder.
  virtual Listing ListFiles(const std::string& pattern) = 0;
  virtual std::optional<DateTime> ModifiedTime(const std::string& file) = 0;
  virtual std::optional<uint32_t> Attributes(const std::string& file) = 0;
  virtual bool SetAttributes(const std::string& file, uint32_t attributes) = 0;
  virtual DateTime Now() = 0;
  virtual DateLocale Locale() = 0;
};

}  // namespace pelmar
