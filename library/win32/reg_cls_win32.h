// RegCls: registry access with a root key and key path of its own.
#pragma once

#include "automation_object_win32.h"
#include "pelmar.h"
#include "registry.h"

namespace pelmar {

class RegCls final : public AutomationObject<_RegCls, InterfaceId::kRegCls> {
 public:
  HRESULT STDMETHODCALLTYPE CreateRegKey(BSTR SubKey, VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE get_HKeyRoot(LONG* Result) override;
  HRESULT STDMETHODCALLTYPE put_HKeyRoot(LONG RHS) override;
  HRESULT STDMETHODCALLTYPE DeleteData(BSTR SubKey, BSTR DataKey, LONG RootKey,
                                       VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE DeleteKey(BSTR SubKey, LONG RootKey, VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE GetDataKeyValue(BSTR DataKey, VARIANT* Result) override;
  HRESULT STDMETHODCALLTYPE put_HRootSubKey(BSTR RHS) override;
  HRESULT STDMETHODCALLTYPE get_HRootSubKey(BSTR* Result) override;
  HRESULT STDMETHODCALLTYPE IsKeyValid(BSTR SubKey, LONG RootKey, VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE SetDataKeyValue(BSTR DataKey, VARIANT vValue,
                                            VARIANT_BOOL* Result) override;

 private:
  RegObject state_;
  // False after a key path the code page cannot hold: the object's key is then
  // none that exists, so its values are neither read nor written.
  bool sub_key_usable_ = true;
};

}  // namespace pelmar
