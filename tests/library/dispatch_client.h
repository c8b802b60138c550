// A small automation client: calls members of an IDispatch by name, as a
// script host would, and keeps what came back.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <vector>

namespace pelmar::testing {

// An argument list that owns its VARIANTs.
class Arguments {
 public:
  Arguments() = default;
  Arguments(const Arguments&) = delete;
  Arguments& operator=(const Arguments&) = delete;
  ~Arguments() {
    for (VARIANT& v : values_) VariantClear(&v);
  }
  Arguments& Text(const std::wstring& text) {
    VARIANT& v = Add(VT_BSTR);
    V_BSTR(&v) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *this;
  }
  Arguments& Long(LONG number) {
    V_I4(&Add(VT_I4)) = number;
    return *this;
  }
  Arguments& LongByRef(LONG* number) {
    V_I4REF(&Add(VT_I4 | VT_BYREF)) = number;
    return *this;
  }
  Arguments& Double(double number) {
    V_R8(&Add(VT_R8)) = number;
    return *this;
  }
  Arguments& Bool(bool flag) {
    V_BOOL(&Add(VT_BOOL)) = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return *this;
  }
  Arguments& Null() {
    Add(VT_NULL);
    return *this;
  }
  Arguments& DispatchByRef(IDispatch** object) {
    V_DISPATCHREF(&Add(VT_DISPATCH | VT_BYREF)) = object;
    return *this;
  }
  // Automation takes the arguments last to first.
  std::vector<VARIANT> Reversed() const { return {values_.rbegin(), values_.rend()}; }

 private:
  VARIANT& Add(VARTYPE type) {
    VARIANT& v = values_.emplace_back();
    VariantInit(&v);
    V_VT(&v) = type;
    return v;
  }
  std::vector<VARIANT> values_;
};

struct CallResult {
  HRESULT hr = E_FAIL;
  VARIANT value;
  SCODE scode = 0;
  std::wstring description;
  CallResult() { VariantInit(&value); }
  CallResult(const CallResult&) = delete;
  CallResult& operator=(const CallResult&) = delete;
  CallResult(CallResult&& other) noexcept
      : hr(other.hr), value(other.value), scode(other.scode), description(other.description) {
    VariantInit(&other.value);
  }
  ~CallResult() { VariantClear(&value); }

  VARTYPE Type() const { return V_VT(&value); }
  bool Bool() const { return V_VT(&value) == VT_BOOL && V_BOOL(&value) == VARIANT_TRUE; }
  bool IsFalse() const { return V_VT(&value) == VT_BOOL && V_BOOL(&value) == VARIANT_FALSE; }
  std::wstring Text() const {
    return V_VT(&value) == VT_BSTR ? std::wstring(V_BSTR(&value), SysStringLen(V_BSTR(&value)))
                                   : L"<not a string>";
  }
  LONG Long() const { return V_VT(&value) == VT_I4 ? V_I4(&value) : -99999; }
};

inline DISPID IdOf(IDispatch* object, const wchar_t* name) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

inline CallResult Invoke(IDispatch* object, const wchar_t* name, WORD flags,
                         const Arguments& arguments = Arguments()) {
  CallResult result;
  const DISPID id = IdOf(object, name);
  if (id == DISPID_UNKNOWN) {
    result.hr = DISP_E_UNKNOWNNAME;
    return result;
  }
  std::vector<VARIANT> values = arguments.Reversed();
  DISPPARAMS params{};
  params.rgvarg = values.empty() ? nullptr : values.data();
  params.cArgs = static_cast<UINT>(values.size());
  DISPID named_put = DISPID_PROPERTYPUT;
  if (flags & DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &named_put;
    params.cNamedArgs = 1;
  }
  EXCEPINFO exception{};
  UINT argument_error = 0;
  result.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                             (flags & DISPATCH_PROPERTYPUT) ? nullptr : &result.value, &exception,
                             &argument_error);
  if (result.hr == DISP_E_EXCEPTION) {
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    result.scode = exception.scode;
    if (exception.bstrDescription) result.description = exception.bstrDescription;
  }
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return result;
}

inline CallResult Call(IDispatch* object, const wchar_t* name,
                       const Arguments& arguments = Arguments()) {
  return Invoke(object, name, DISPATCH_METHOD, arguments);
}
inline CallResult Get(IDispatch* object, const wchar_t* name) {
  return Invoke(object, name, DISPATCH_PROPERTYGET);
}
inline CallResult Put(IDispatch* object, const wchar_t* name, const Arguments& value) {
  return Invoke(object, name, DISPATCH_PROPERTYPUT, value);
}

}  // namespace pelmar::testing
