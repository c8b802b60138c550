#include "reg_cls_win32.h"

#include "platform_win32.h"

namespace pelmar {

HRESULT RegCls::CreateRegKey(BSTR SubKey, VARIANT_BOOL* Result) {
  if (!Result) return E_POINTER;
  *Result = VARIANT_FALSE;
  return Absorbing([&] {
    Services services = ApartmentServices();
    *Result = ToVariantBool(state_.CreateRegKey(services, Narrow(SubKey)));
  });
}

HRESULT RegCls::get_HKeyRoot(LONG* Result) {
  if (!Result) return E_POINTER;
  *Result = state_.root();
  return S_OK;
}

HRESULT RegCls::put_HKeyRoot(LONG RHS) {
  state_.set_root(RHS);
  return S_OK;
}

HRESULT RegCls::DeleteData(BSTR SubKey, BSTR DataKey, LONG RootKey, VARIANT_BOOL* Result) {
  if (!Result) return E_POINTER;
  *Result = VARIANT_FALSE;
  return Absorbing([&] {
    Services services = ApartmentServices();
    *Result = ToVariantBool(state_.DeleteData(services, Narrow(SubKey), Narrow(DataKey), RootKey));
  });
}

HRESULT RegCls::DeleteKey(BSTR SubKey, LONG RootKey, VARIANT_BOOL* Result) {
  if (!Result) return E_POINTER;
  *Result = VARIANT_FALSE;
  return Absorbing([&] {
    Services services = ApartmentServices();
    *Result = ToVariantBool(state_.DeleteKey(services, Narrow(SubKey), RootKey));
  });
}

HRESULT RegCls::GetDataKeyValue(BSTR DataKey, VARIANT* Result) {
  if (!Result) return E_POINTER;
  VariantInit(Result);
  return Absorbing([&] {
    Services services = ApartmentServices();
    ToVariant(state_.GetDataKeyValue(services, Narrow(DataKey)), Result);
  });
}

HRESULT RegCls::put_HRootSubKey(BSTR RHS) {
  return Absorbing([&] { state_.set_sub_key(Narrow(RHS)); });
}

HRESULT RegCls::get_HRootSubKey(BSTR* Result) {
  if (!Result) return E_POINTER;
  *Result = nullptr;
  return Absorbing([&] { ToBstr(state_.sub_key(), Result); });
}

HRESULT RegCls::IsKeyValid(BSTR SubKey, LONG RootKey, VARIANT_BOOL* Result) {
  if (!Result) return E_POINTER;
  *Result = VARIANT_FALSE;
  return Absorbing([&] {
    Services services = ApartmentServices();
    *Result = ToVariantBool(state_.IsKeyValid(services, Narrow(SubKey), RootKey));
  });
}

HRESULT RegCls::SetDataKeyValue(BSTR DataKey, VARIANT vValue, VARIANT_BOOL* Result) {
  if (!Result) return E_POINTER;
  *Result = VARIANT_FALSE;
  return Raising([&] {
    Services services = ApartmentServices();
    *Result = ToVariantBool(state_.SetDataKeyValue(services, Narrow(DataKey), ToValue(vValue)));
    return S_OK;
  });
}

}  // namespace pelmar
