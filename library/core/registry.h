// Registry access: the primitives of RegWrapper and the members of RegCls.
#pragma once

#include <cstdint>
#include <string>

#include "services.h"
#include "value.h"

namespace pelmar {

inline constexpr int32_t kCurrentUserRoot = static_cast<int32_t>(0x80000001u);
inline constexpr int32_t kLocalMachineRoot = static_cast<int32_t>(0x80000002u);
inline constexpr uint32_t kStringKind = 1;
inline constexpr uint32_t kNumberKind = 4;

// The registry primitives. Each sets the apartment's last result code before it
// tests it and succeeds exactly when that code is 0. Arguments passed by
// reference are the caller's variables: a root of 0 is replaced in place by the
// current user's root where the primitive says so. A failure other than a
// result code leaves as an AutomationError.
class RegWrapper {
 public:
  explicit RegWrapper(Services& services) : services_(services) {}

  bool CreateKey(int32_t root, const std::string& path);
  bool ReadValue(const std::string& path, const std::string& name, Value& value, int32_t& root);
  bool WriteValue(const std::string& path, const std::string& name, const Value& value,
                  uint32_t kind, int32_t& root);
  bool KeyExists(int32_t& root, const std::string& path);
  bool RemoveKey(int32_t root, const std::string& path);
  bool RemoveValue(int32_t root, const std::string& path, const std::string& name);

 private:
  using Key = RegistryPlatform::Key;
  bool QueryValue(Key key, const std::string& name, Value& value);
  bool StoreValue(Key key, const std::string& name, uint32_t kind, const Value& value);
  bool Record(int32_t result);

  Services& services_;
};

// A RegCls object: a root key and a key path below it, and the outcome of the
// last SetDataKeyValue.
class RegObject {
 public:
  int32_t root() const { return root_; }
  void set_root(int32_t root) { root_ = root; }
  const std::string& sub_key() const { return sub_key_; }
  void set_sub_key(std::string path);

  bool CreateRegKey(Services& services, std::string sub_key);
  bool IsKeyValid(Services& services, std::string sub_key, int32_t root_key);
  bool DeleteKey(Services& services, std::string sub_key, int32_t root_key);
  bool DeleteData(Services& services, std::string sub_key, const std::string& data_key,
                  int32_t root_key);
  // The value as a string or a 32-bit number; Empty when it cannot be read.
  Value GetDataKeyValue(Services& services, const std::string& data_key);
  // Stores a value under the object's key, creating the key when it is missing.
  // Throws AutomationError when a step fails other than by a result code.
  bool SetDataKeyValue(Services& services, std::string data_key, const Value& value);

 private:
  int32_t root_ = 0;
  std::string sub_key_;
  bool last_result_ = false;
};

}  // namespace pelmar
