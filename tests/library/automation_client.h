// What the Windows client tests use: the library under test, its objects,
// calls by name as a script host makes them, and the Wine prefix's registry
// and files to check the results against.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <optional>
#include <string>
#include <vector>

#include "owners_win32.h"
#include "pelmar.h"

namespace pelmar::testing {

using owners::ComPtr;
using owners::UniqueBstr;

// The DLL under test and the type library widl made of its definition, as
// given on the command line.
inline std::string library_path;
inline std::string defined_type_library_path;

inline ComPtr<IDispatch> Create(const CLSID& clsid) {
  ComPtr<IDispatch> object;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                   reinterpret_cast<void**>(object.put()));
  return object;
}
inline ComPtr<IDispatch> Create(const wchar_t* prog_id) {
  CLSID clsid{};
  return SUCCEEDED(CLSIDFromProgID(prog_id, &clsid)) ? Create(clsid) : ComPtr<IDispatch>();
}

// Between the plain ASCII texts of these tests and automation strings.
inline std::wstring Wide(const std::string& text) { return {text.begin(), text.end()}; }
inline std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += static_cast<char>(c);
  return narrow;
}

inline std::string GuidText(const GUID& guid) {
  wchar_t text[64];
  const int length = StringFromGUID2(guid, text, 64);
  return Narrow(std::wstring(text, length > 0 ? length - 1 : 0));
}

// A REG_SZ value as text; nothing when the key or value is missing.
inline std::optional<std::string> RegistryText(HKEY root, const std::string& path,
                                               const char* name) {
  char buffer[1024];
  DWORD size = sizeof buffer;
  if (RegGetValueA(root, path.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size)) return {};
  return std::string(buffer);
}
inline bool KeyExists(HKEY root, const std::string& path) {
  owners::UniqueRegKey key;
  return RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

// What a call by name gave: its HRESULT, the result decoded, and the
// exception's code and description.
struct CallResult {
  HRESULT hr = E_FAIL;
  VARTYPE type = VT_EMPTY;
  LONG number = 0;    // VT_I4, VT_BOOL (True is -1)
  std::wstring text;  // VT_BSTR
  SCODE scode = 0;
  std::wstring description;
  bool True() const { return type == VT_BOOL && number == VARIANT_TRUE; }
  bool False() const { return type == VT_BOOL && number == VARIANT_FALSE; }
};

// An argument as a script host passes it: Null for nullptr, by reference for a pointer.
inline void SetArgument(VARIANT* value, const std::wstring& text) {
  V_VT(value) = VT_BSTR;
  V_BSTR(value) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}
inline void SetArgument(VARIANT* value, const wchar_t* text) {
  SetArgument(value, std::wstring(text));
}
inline void SetArgument(VARIANT* value, bool flag) {
  V_VT(value) = VT_BOOL;
  V_BOOL(value) = flag ? VARIANT_TRUE : VARIANT_FALSE;
}
inline void SetArgument(VARIANT* value, std::nullptr_t) { V_VT(value) = VT_NULL; }
inline void SetArgument(VARIANT* value, LONG* number) {
  V_VT(value) = VT_I4 | VT_BYREF;
  V_I4REF(value) = number;
}
inline void SetArgument(VARIANT* value, IDispatch** object) {
  V_VT(value) = VT_DISPATCH | VT_BYREF;
  V_DISPATCHREF(value) = object;
}

inline CallResult InvokeArguments(IDispatch* object, const wchar_t* name, WORD flags,
                                  std::vector<VARIANT>& reversed) {
  CallResult result;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  result.hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(result.hr)) return result;
  DISPID named_put = DISPID_PROPERTYPUT;
  const bool put = flags & DISPATCH_PROPERTYPUT;
  DISPPARAMS params{reversed.data(), put ? &named_put : nullptr, static_cast<UINT>(reversed.size()),
                    put ? 1u : 0u};
  owners::UniqueVariant value;
  owners::UniqueExcepInfo exception;
  UINT argument_error = 0;
  result.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                             put ? nullptr : value.get(), exception.get(), &argument_error);
  if (result.hr == DISP_E_EXCEPTION) {
    if (exception->pfnDeferredFillIn) exception->pfnDeferredFillIn(exception.get());
    result.scode = exception->scode;
    if (exception->bstrDescription) result.description = exception->bstrDescription;
  }
  result.type = V_VT(value.get());
  if (result.type == VT_I4) result.number = V_I4(value.get());
  if (result.type == VT_BOOL) result.number = V_BOOL(value.get());
  if (result.type == VT_BSTR) {
    result.text.assign(V_BSTR(value.get()), SysStringLen(V_BSTR(value.get())));
  }
  return result;
}

template <typename... Arguments>
CallResult Invoke(IDispatch* object, const wchar_t* name, WORD flags,
                  const Arguments&... arguments) {
  owners::UniqueVariant values[sizeof...(Arguments) + 1];
  size_t last = sizeof...(Arguments);
  (SetArgument(values[--last].get(), arguments), ...);  // automation takes them last to first
  std::vector<VARIANT> reversed;
  for (size_t i = 0; i < sizeof...(Arguments); ++i) reversed.push_back(*values[i]);
  return InvokeArguments(object, name, flags, reversed);
}
template <typename... Arguments>
CallResult Call(IDispatch* object, const wchar_t* name, const Arguments&... arguments) {
  return Invoke(object, name, DISPATCH_METHOD, arguments...);
}
inline CallResult Get(IDispatch* object, const wchar_t* name) {
  return Invoke(object, name, DISPATCH_PROPERTYGET);
}
template <typename Value>
CallResult Put(IDispatch* object, const wchar_t* name, const Value& value) {
  return Invoke(object, name, DISPATCH_PROPERTYPUT, value);
}

}  // namespace pelmar::testing
