// In-memory stand-ins for the operating system, so the library's rules run natively.
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform.h"
#include "services.h"
#include "text_rules.h"

namespace pelmar::testing {

// The value stored for `key`; nothing when there is none.
template <typename Map>
std::optional<typename Map::mapped_type> Lookup(const Map& map, const typename Map::key_type& key) {
  const auto found = map.find(key);
  return found == map.end() ? std::nullopt : std::optional(found->second);
}

class FakeSystem : public SystemPlatform {
 public:
  std::optional<OsVersionRecord> version;  // nothing: the query fails
  MemoryStatus memory;
  uint32_t processor = 586;
  std::string separator = ",";
  std::vector<uint32_t> processes;
  std::map<uint32_t, std::string> image_paths;  // a process without one cannot be opened
  std::vector<std::string> snapshot;
  TokenGroupList token;

  bool QueryVersion(OsVersionRecord& record) override {
    if (version) record = *version;
    return version.has_value();
  }
  MemoryStatus QueryMemory() override { return memory; }
  uint32_t ProcessorType() override { return processor; }
  std::string ThousandsSeparator() override { return separator; }
  bool SetTopmost(std::intptr_t, bool) override { return true; }
  uint32_t EnumerateProcesses(std::vector<uint32_t>& ids) override {
    const size_t count = std::min(ids.size(), processes.size());
    std::copy_n(processes.begin(), count, ids.begin());
    return static_cast<uint32_t>(count * 4);
  }
  std::optional<std::string> ProcessImagePath(uint32_t id) override {
    return Lookup(image_paths, id);
  }
  std::vector<std::string> SnapshotImagePaths() override { return snapshot; }
  TokenGroupList ReadTokenGroups() override { return token; }
};

// A version record of the NT family (platform 2) or the older one (platform 1).
inline OsVersionRecord Version(int major, int minor, int build, bool nt_family = true) {
  OsVersionRecord record;
  record.size = kOsVersionRecordSize;
  record.major = major;
  record.minor = minor;
  record.build = build;
  record.platform_id = nt_family ? kPlatformNt : 1;
  return record;
}

// Keys under numeric roots; names compare without regard to case. Keys are
// named "<root>:<lower-case path>".
class FakeRegistry : public RegistryPlatform {
 public:
  struct Data {
    uint32_t type;
    std::string bytes;
  };
  static constexpr int32_t kNotFound = 2;
  static constexpr int32_t kAccessDenied = 5;
  static constexpr int32_t kMoreData = 234;

  std::set<std::string> read_only_keys;  // opening them with write access is refused
  int open_handles = 0;

  static std::string Id(int32_t root, const std::string& path) {
    return std::to_string(root) + ":" + AsciiLower(path);
  }
  void AddKey(int32_t root, const std::string& path) { keys_[Id(root, path)]; }
  void Put(int32_t root, const std::string& path, const std::string& name, uint32_t type,
           std::string bytes) {
    keys_[Id(root, path)][AsciiLower(name)] = {type, std::move(bytes)};
  }
  bool HasKey(int32_t root, const std::string& path) const {
    return keys_.count(Id(root, path)) != 0;
  }
  std::optional<Data> Get(int32_t root, const std::string& path, const std::string& name) const {
    const auto values = Lookup(keys_, Id(root, path));
    return values ? Lookup(*values, AsciiLower(name)) : std::nullopt;
  }

  int32_t CreateKey(Key root, const std::string& path, Key& key) override {
    const std::string id = Id(static_cast<int32_t>(root), path);
    if (read_only_keys.count(id)) return kAccessDenied;
    keys_[id];
    return Open(id, key);
  }
  int32_t OpenKey(Key root, const std::string& path, Key& key) override {
    const std::string id = Id(static_cast<int32_t>(root), path);
    if (!keys_.count(id)) return kNotFound;
    return read_only_keys.count(id) ? kAccessDenied : Open(id, key);
  }
  int32_t QueryValueInfo(Key key, const std::string& name, uint32_t& type,
                         uint32_t& size) override {
    const std::optional<Data> data = Lookup(keys_.at(handles_.at(key)), AsciiLower(name));
    if (!data) return kNotFound;
    type = data->type;
    size = static_cast<uint32_t>(data->bytes.size());
    return 0;
  }
  int32_t QueryValueData(Key key, const std::string& name, std::string& buffer) override {
    const std::optional<Data> data = Lookup(keys_.at(handles_.at(key)), AsciiLower(name));
    if (!data) return kNotFound;
    if (data->bytes.size() > buffer.size()) return kMoreData;
    std::copy(data->bytes.begin(), data->bytes.end(), buffer.begin());
    return 0;
  }
  int32_t SetValue(Key key, const std::string& name, uint32_t type,
                   const std::string& bytes) override {
    keys_[handles_.at(key)][AsciiLower(name)] = {type, bytes};
    return 0;
  }
  // A key with subkeys is refused, as the platform refuses it.
  int32_t DeleteKey(Key root, const std::string& path) override {
    const std::string id = Id(static_cast<int32_t>(root), path);
    if (!keys_.count(id)) return kNotFound;
    const auto next = keys_.upper_bound(id);
    if (next != keys_.end() && next->first.rfind(id + "\\", 0) == 0) return kAccessDenied;
    keys_.erase(id);
    return 0;
  }
  int32_t DeleteValue(Key key, const std::string& name) override {
    return keys_[handles_.at(key)].erase(AsciiLower(name)) ? 0 : kNotFound;
  }
  void CloseKey(Key key) override {
    handles_.erase(key);
    --open_handles;
  }

 private:
  int32_t Open(const std::string& id, Key& key) {
    key = next_handle_++;
    handles_[key] = id;
    ++open_handles;
    return 0;
  }
  std::map<std::string, std::map<std::string, Data>> keys_;
  std::map<Key, std::string> handles_;
  Key next_handle_ = 100;
};

class FakeFiles : public FilePlatform {
 public:
  // INI files: (file, section, key) to value.
  std::map<std::tuple<std::string, std::string, std::string>, std::string> profile;
  int profile_calls = 0;
  bool write_result = true;
  std::map<std::string, Listing> listings;  // by pattern; others list nothing
  std::map<std::string, DateTime> modified;
  std::map<std::string, uint32_t> attributes;
  std::vector<std::pair<std::string, uint32_t>> attribute_writes;
  DateTime now;

  uint32_t ReadProfileString(const std::string& file, const std::string& section,
                             const std::string& key, std::string& buffer) override {
    ++profile_calls;
    const std::string value = profile[{file, section, key}].substr(0, buffer.size() - 1);
    std::copy(value.begin(), value.end(), buffer.begin());
    buffer[value.size()] = '\0';
    return static_cast<uint32_t>(value.size());
  }
  bool WriteProfileString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& value) override {
    ++profile_calls;
    if (write_result) profile[{file, section, key}] = value;
    return write_result;
  }
  Listing ListFiles(const std::string& pattern) override { return listings[pattern]; }
  std::optional<DateTime> ModifiedTime(const std::string& file) override {
    return Lookup(modified, file);
  }
  std::optional<uint32_t> Attributes(const std::string& file) override {
    return Lookup(attributes, file);
  }
  bool SetAttributes(const std::string& file, uint32_t value) override {
    attribute_writes.emplace_back(file, value);
    return true;
  }
  DateTime Now() override { return now; }
  DateLocale Locale() override { return EnglishDateLocale(); }
};

// A full set of services over the fakes, on the NT family unless a test says otherwise.
struct FakeServices {
  FakeSystem system;
  FakeRegistry registry;
  FakeFiles files;
  BuiltInMessages messages;
  ApartmentState state;
  Services services{system, registry, files, messages, state};
  FakeServices() { system.version = Version(5, 0, 2195); }
};

}  // namespace pelmar::testing
