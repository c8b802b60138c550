// The library's platform over the Win32 calls.
#pragma once

#include <windows.h>

#include "platform.h"
#include "services.h"

namespace pelmar {

class WindowsSystem : public SystemPlatform {
 public:
  bool QueryVersion(OsVersionRecord& record) override;
  MemoryStatus QueryMemory() override;
  uint32_t ProcessorType() override;
  std::string ThousandsSeparator() override;
  bool SetTopmost(std::intptr_t window, bool topmost) override;
  uint32_t EnumerateProcesses(std::vector<uint32_t>& ids) override;
  std::optional<std::string> ProcessImagePath(uint32_t id) override;
  std::vector<std::string> SnapshotImagePaths() override;
  TokenGroupList ReadTokenGroups() override;
};

class WindowsRegistry : public RegistryPlatform {
 public:
  int32_t CreateKey(Key root, const std::string& path, Key& key) override;
  int32_t OpenKey(Key root, const std::string& path, Key& key) override;
  int32_t QueryValueInfo(Key key, const std::string& name, uint32_t& type, uint32_t& size) override;
  int32_t QueryValueData(Key key, const std::string& name, std::string& data) override;
  int32_t SetValue(Key key, const std::string& name, uint32_t type,
                   const std::string& data) override;
  int32_t DeleteKey(Key root, const std::string& path) override;
  int32_t DeleteValue(Key key, const std::string& name) override;
  void CloseKey(Key key) override;
};

class WindowsFiles : public FilePlatform {
 public:
  uint32_t ReadProfileString(const std::string& file, const std::string& section,
                             const std::string& key, std::string& buffer) override;
  bool WriteProfileString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& value) override;
  Listing ListFiles(const std::string& pattern) override;
  std::optional<DateTime> ModifiedTime(const std::string& file) override;
  std::optional<uint32_t> Attributes(const std::string& file) override;
  bool SetAttributes(const std::string& file, uint32_t attributes) override;
  DateTime Now() override;
  DateLocale Locale() override;
};

// Messages from the library's string resources.
class ResourceMessages : public MessageSource {
 public:
  std::string Load(int id) override;
};

// The services of the calling thread's apartment.
Services ApartmentServices();

// The library's own module, set when it is loaded.
HMODULE LibraryModule();
void SetLibraryModule(HMODULE module);

}  // namespace pelmar
