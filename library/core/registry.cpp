#include "registry.h"

#include <algorithm>
#include <cstring>

#include "platform_family.h"
#include "text_rules.h"

namespace pelmar {
namespace {

using Key = RegistryPlatform::Key;

// Root values are the platform's predefined handles, sign-extended.
Key RootKey(int32_t root) { return static_cast<Key>(static_cast<std::intptr_t>(root)); }

int32_t DefaultRoot(int32_t root) { return root == 0 ? kCurrentUserRoot : root; }

// Closes a key opened by the platform on every path.
class OpenedKey {
 public:
  explicit OpenedKey(RegistryPlatform& registry) : registry_(registry) {}
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;
  ~OpenedKey() {
    if (key_ != 0) registry_.CloseKey(key_);
  }
  Key& slot() { return key_; }
  Key get() const { return key_; }

 private:
  RegistryPlatform& registry_;
  Key key_ = 0;
};

std::string WithoutNuls(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
  return text;
}

}  // namespace

bool RegWrapper::Record(int32_t result) {
  services_.state.last_reg_result = result;
  return result == 0;
}

bool RegWrapper::CreateKey(int32_t root, const std::string& path) {
  OpenedKey key(services_.registry);
  return Record(services_.registry.CreateKey(RootKey(root), path, key.slot()));
}

bool RegWrapper::ReadValue(const std::string& path, const std::string& name, Value& value,
                           int32_t& root) {
  root = DefaultRoot(root);
  OpenedKey key(services_.registry);
  if (!Record(services_.registry.OpenKey(RootKey(root), path, key.slot()))) return false;
  return QueryValue(key.get(), name, value);
}

bool RegWrapper::QueryValue(Key key, const std::string& name, Value& value) {
  uint32_t type = 0;
  uint32_t size = 0;
  if (!Record(services_.registry.QueryValueInfo(key, name, type, size))) return false;
  if (type == kStringKind) {
    std::string buffer(size, '\0');
    const bool read = Record(services_.registry.QueryValueData(key, name, buffer));
    value = read ? WithoutNuls(std::move(buffer)) : std::string();
  } else if (type == kNumberKind) {
    std::string buffer(4, '\0');
    if (Record(services_.registry.QueryValueData(key, name, buffer))) {
      int32_t number = 0;
      std::memcpy(&number, buffer.data(), sizeof number);
      value = int64_t{number};
    }
  } else {
    Record(-1);
  }
  return services_.state.last_reg_result == 0;
}

bool RegWrapper::WriteValue(const std::string& path, const std::string& name, const Value& value,
                            uint32_t kind, int32_t& root) {
  root = DefaultRoot(root);
  OpenedKey key(services_.registry);
  // The older family cannot create a key here, only open it.
  const int32_t opened = IsWinNT(services_)
                             ? services_.registry.CreateKey(RootKey(root), path, key.slot())
                             : services_.registry.OpenKey(RootKey(root), path, key.slot());
  if (!Record(opened)) return false;
  try {
    return StoreValue(key.get(), name, kind, value);
  } catch (const AutomationError&) {
    throw KeyError(services_.messages, path);
  }
}

bool RegWrapper::StoreValue(Key key, const std::string& name, uint32_t kind, const Value& value) {
  std::string data;
  if (kind == kStringKind) {
    const std::string* text = std::get_if<std::string>(&value);
    data = text ? *text : std::string();
    data.push_back('\0');
  } else {
    const std::optional<int32_t> number = ToLong(value);
    if (!number) throw KeyError(services_.messages, name);
    data.assign(reinterpret_cast<const char*>(&*number), sizeof *number);
  }
  return Record(services_.registry.SetValue(key, name, kind, data));
}

bool RegWrapper::KeyExists(int32_t& root, const std::string& path) {
  root = DefaultRoot(root);
  OpenedKey key(services_.registry);
  return Record(services_.registry.OpenKey(RootKey(root), path, key.slot()));
}

bool RegWrapper::RemoveKey(int32_t root, const std::string& path) {
  return Record(services_.registry.DeleteKey(RootKey(root), path));
}

bool RegWrapper::RemoveValue(int32_t root, const std::string& path, const std::string& name) {
  OpenedKey key(services_.registry);
  if (!Record(services_.registry.OpenKey(RootKey(root), path, key.slot()))) return false;
  return Record(services_.registry.DeleteValue(key.get(), name));
}

void RegObject::set_sub_key(std::string path) {
  StripSlashes(path);
  sub_key_ = std::move(path);
}

bool RegObject::CreateRegKey(Services& services, std::string sub_key) {
  StripSlashes(sub_key);
  root_ = DefaultRoot(root_);
  RegWrapper wrapper(services);
  try {
    if (wrapper.KeyExists(root_, sub_key)) return false;
    return wrapper.CreateKey(root_, sub_key);
  } catch (const AutomationError&) {
    return false;
  }
}

bool RegObject::IsKeyValid(Services& services, std::string sub_key, int32_t root_key) {
  StripSlashes(sub_key);
  root_key = DefaultRoot(root_key);
  try {
    return RegWrapper(services).KeyExists(root_key, sub_key);
  } catch (const AutomationError&) {
    return false;
  }
}

bool RegObject::DeleteKey(Services& services, std::string sub_key, int32_t root_key) {
  StripSlashes(sub_key);
  try {
    return RegWrapper(services).RemoveKey(DefaultRoot(root_key), sub_key);
  } catch (const AutomationError&) {
    return false;
  }
}

bool RegObject::DeleteData(Services& services, std::string sub_key, const std::string& data_key,
                           int32_t root_key) {
  StripSlashes(sub_key);
  try {
    return RegWrapper(services).RemoveValue(DefaultRoot(root_key), sub_key, data_key);
  } catch (const AutomationError&) {
    return false;
  }
}

Value RegObject::GetDataKeyValue(Services& services, const std::string& data_key) {
  Value value;
  try {
    if (RegWrapper(services).ReadValue(sub_key_, data_key, value, root_)) return value;
  } catch (const AutomationError&) {
  }
  return {};
}

bool RegObject::SetDataKeyValue(Services& services, std::string data_key, const Value& value) {
  StripSlashes(data_key);
  const uint32_t kind = std::holds_alternative<std::string>(value) ? kStringKind : kNumberKind;
  root_ = DefaultRoot(root_);
  RegWrapper wrapper(services);
  // A missing key is created first, and the value is stored in the same call.
  bool stored = false;
  if (wrapper.KeyExists(root_, sub_key_) || wrapper.CreateKey(root_, sub_key_)) {
    stored = wrapper.WriteValue(sub_key_, data_key, value, kind, root_);
  }
  last_result_ = stored;
  return last_result_;
}

}  // namespace pelmar
