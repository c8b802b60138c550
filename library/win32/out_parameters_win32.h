// A member's out-parameter: emptied before the member runs, so a failure leaves
// False, 0, an empty string or Empty, then filled from what the rules gave.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>

#include "pelmar.h"
#include "text_win32.h"
#include "value.h"

namespace pelmar {

template <typename T>
void ResetResult(T* result) {
  *result = T{};
}
inline void ResetResult(VARIANT* result) { VariantInit(result); }

inline HRESULT StoreResult(bool flag, VARIANT_BOOL* result) {
  *result = ToVariantBool(flag);
  return S_OK;
}
inline HRESULT StoreResult(int32_t number, LONG* result) {
  *result = number;
  return S_OK;
}
inline HRESULT StoreResult(double number, DOUBLE* result) {
  *result = number;
  return S_OK;
}
inline HRESULT StoreResult(int32_t attributes, FileAttribute* result) {
  *result = static_cast<FileAttribute>(attributes);
  return S_OK;
}
inline HRESULT StoreResult(const std::string& text, BSTR* result) { return ToBstr(text, result); }
inline HRESULT StoreResult(const Value& value, VARIANT* result) { return ToVariant(value, result); }

}  // namespace pelmar
