// In-memory stand-ins for the operating system, so the library's rules run natively.
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "platform.h"
#include "services.h"

namespace pelmar::testing {

template <typename Map, typename Key>
std::optional<typename Map::mapped_type> Find(const Map& map, const Key& key) {
  const auto found = map.find(key);
  return found == map.end() ? std::nullopt : std::optional(found->second);
}

// A version record of the NT family (platform 2) or the older one (platform 1).
inline OsVersionRecord Version(int major, int minor, int build, bool nt_family = true) {
  return {kOsVersionRecordSize, major, minor, build, nt_family ? kPlatformNt : 1};
}

class FakeSystem : public SystemPlatform {
 public:
  std::optional<OsVersionRecord> version = Version(5, 0, 2195);  // nothing: the query fails
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
    return Find(image_paths, id);
  }
  std::vector<std::string> SnapshotImagePaths() override { return snapshot; }
  TokenGroupList ReadTokenGroups() override { return token; }
};

// Keys named "<root>:<path>", each with its values by name. A handle is the
// address of its key's values.
class FakeRegistry : public RegistryPlatform {
 public:
  using Data = std::pair<uint32_t, std::string>;  // type and bytes
  using Values = std::map<std::string, Data>;
  static constexpr int32_t kNotFound = 2, kAccessDenied = 5, kMoreData = 234;

  std::map<std::string, Values> keys;
  std::set<std::string> refused;  // keys that exist but do not open
  int open_keys = 0;              // opened and not yet closed

  static std::string Id(Key root, const std::string& path) {
    return std::to_string(static_cast<int32_t>(root)) + ":" + path;
  }
  Values& At(int32_t root, const std::string& path) { return keys[Id(root, path)]; }
  bool Has(int32_t root, const std::string& path) const { return keys.count(Id(root, path)); }

  int32_t CreateKey(Key root, const std::string& path, Key& key) override {
    keys[Id(root, path)];
    return OpenKey(root, path, key);
  }
  int32_t OpenKey(Key root, const std::string& path, Key& key) override {
    const auto found = keys.find(Id(root, path));
    if (found == keys.end()) return kNotFound;
    if (refused.count(found->first)) return kAccessDenied;
    key = reinterpret_cast<Key>(&found->second);
    ++open_keys;
    return 0;
  }
  int32_t QueryValueInfo(Key key, const std::string& name, uint32_t& type,
                         uint32_t& size) override {
    const std::optional<Data> found = Find(ValuesOf(key), name);
    if (found) type = found->first, size = static_cast<uint32_t>(found->second.size());
    return found ? 0 : kNotFound;
  }
  int32_t QueryValueData(Key key, const std::string& name, std::string& buffer) override {
    const std::string& bytes = ValuesOf(key).at(name).second;
    if (bytes.size() > buffer.size()) return kMoreData;
    buffer.replace(0, bytes.size(), bytes);
    return 0;
  }
  int32_t SetValue(Key key, const std::string& name, uint32_t type,
                   const std::string& bytes) override {
    ValuesOf(key)[name] = {type, bytes};
    return 0;
  }
  int32_t DeleteKey(Key root, const std::string& path) override {
    return keys.erase(Id(root, path)) ? 0 : kNotFound;
  }
  int32_t DeleteValue(Key key, const std::string& name) override {
    return ValuesOf(key).erase(name) ? 0 : kNotFound;
  }
  void CloseKey(Key) override { --open_keys; }

 private:
  static Values& ValuesOf(Key key) { return *reinterpret_cast<Values*>(key); }
};

class FakeFiles : public FilePlatform {
 public:
  std::map<std::string, std::string> profile;  // "file|section|key" to value
  int profile_calls = 0;
  bool writable = true;
  std::map<std::string, Listing> listings;  // by pattern; others list nothing
  std::map<std::string, DateTime> modified;
  std::map<std::string, uint32_t> attributes;
  std::vector<std::pair<std::string, uint32_t>> attribute_writes;
  DateTime now;

  uint32_t ReadProfileString(const std::string& file, const std::string& section,
                             const std::string& key, std::string& buffer) override {
    ++profile_calls;
    const std::string value =
        profile[file + "|" + section + "|" + key].substr(0, buffer.size() - 1);
    buffer.replace(0, value.size() + 1, value.c_str(), value.size() + 1);  // with its NUL
    return static_cast<uint32_t>(value.size());
  }
  bool WriteProfileString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& value) override {
    ++profile_calls;
    if (writable) profile[file + "|" + section + "|" + key] = value;
    return writable;
  }
  Listing ListFiles(const std::string& pattern) override { return listings[pattern]; }
  std::optional<DateTime> ModifiedTime(const std::string& file) override {
    return Find(modified, file);
  }
  std::optional<uint32_t> Attributes(const std::string& file) override {
    return Find(attributes, file);
  }
  bool SetAttributes(const std::string& file, uint32_t value) override {
    attribute_writes.emplace_back(file, value);
    return true;
  }
  DateTime Now() override { return now; }
  DateLocale Locale() override { return EnglishDateLocale(); }
};

struct FakeServices {
  FakeSystem system;
  FakeRegistry registry;
  FakeFiles files;
  BuiltInMessages messages;
  ApartmentState state;
  Services services{system, registry, files, messages, state};
};

}  // namespace pelmar::testing
