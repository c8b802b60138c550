#include "reg_cls_win32.h"

namespace pelmar {

HRESULT RegCls::CreateRegKey(BSTR SubKey, VARIANT_BOOL* Result) {
  return Absorbing(
      Result, [&](Services& services) { return state_.CreateRegKey(services, Narrow(SubKey)); });
}

HRESULT RegCls::get_HKeyRoot(LONG* Result) {
  return Absorbing(Result, [&](Services&) { return state_.root(); });
}

HRESULT RegCls::put_HKeyRoot(LONG RHS) {
  return Absorbing([&](Services&) { state_.set_root(RHS); });
}

HRESULT RegCls::DeleteData(BSTR SubKey, BSTR DataKey, LONG RootKey, VARIANT_BOOL* Result) {
  return Absorbing(Result, [&](Services& services) {
    return state_.DeleteData(services, Narrow(SubKey), Narrow(DataKey), RootKey);
  });
}

HRESULT RegCls::DeleteKey(BSTR SubKey, LONG RootKey, VARIANT_BOOL* Result) {
  return Absorbing(Result, [&](Services& services) {
    return state_.DeleteKey(services, Narrow(SubKey), RootKey);
  });
}

HRESULT RegCls::GetDataKeyValue(BSTR DataKey, VARIANT* Result) {
  return Absorbing(Result, [&](Services& services) {
    return sub_key_usable_ ? state_.GetDataKeyValue(services, Narrow(DataKey)) : Value{};
  });
}

HRESULT RegCls::put_HRootSubKey(BSTR RHS) {
  return Absorbing([&](Services&) {
    sub_key_usable_ = false;
    state_.set_sub_key(Narrow(RHS));
    sub_key_usable_ = true;
  });
}

HRESULT RegCls::get_HRootSubKey(BSTR* Result) {
  return Absorbing(Result,
                   [&](Services&) { return sub_key_usable_ ? state_.sub_key() : std::string(); });
}

HRESULT RegCls::IsKeyValid(BSTR SubKey, LONG RootKey, VARIANT_BOOL* Result) {
  return Absorbing(Result, [&](Services& services) {
    return state_.IsKeyValid(services, Narrow(SubKey), RootKey);
  });
}

HRESULT RegCls::SetDataKeyValue(BSTR DataKey, VARIANT vValue, VARIANT_BOOL* Result) {
  return Raising(Result, [&](Services& services) {
    return sub_key_usable_ && state_.SetDataKeyValue(services, Narrow(DataKey), ToValue(vValue));
  });
}

}  // namespace pelmar
