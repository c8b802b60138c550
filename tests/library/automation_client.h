// What the Windows client tests share: the library under test, its objects,
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
const std::string& LibraryPath();
const std::string& DefinedTypeLibraryPath();
ComPtr<IDispatch> Create(const CLSID& clsid);
ComPtr<IDispatch> Create(const wchar_t* prog_id);

std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);
std::string GuidText(const GUID& guid);
// A REG_SZ value as text; nothing when the key or value is missing.
std::optional<std::string> RegistryText(HKEY root, const std::string& path, const char* name);
bool KeyExists(HKEY root, const std::string& path);

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

CallResult InvokeArguments(IDispatch* object, const wchar_t* name, WORD flags,
                           std::vector<VARIANT>& reversed);

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
