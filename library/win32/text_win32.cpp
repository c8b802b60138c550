#include "text_win32.h"

#include <climits>

#include "owners_win32.h"

namespace pelmar {

namespace {

// `text` in `code_page`, or UnrepresentableText when it cannot be held exactly:
// no best-fit look-alikes, no default character, no broken surrogate pair.
std::string Encode(UINT code_page, const wchar_t* text, size_t length) {
  if (!text || length == 0) return {};
  if (length > INT_MAX) throw UnrepresentableText{};
  const bool utf8 = code_page == CP_UTF8 || (code_page == CP_ACP && GetACP() == CP_UTF8);
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* const report = utf8 ? nullptr : &used_default;
  const int wide_length = static_cast<int>(length);
  const int size =
      WideCharToMultiByte(code_page, flags, text, wide_length, nullptr, 0, nullptr, report);
  if (size <= 0 || used_default) throw UnrepresentableText{};
  std::string encoded(size, '\0');
  if (WideCharToMultiByte(code_page, flags, text, wide_length, encoded.data(), size, nullptr,
                          report) != size ||
      used_default) {
    throw UnrepresentableText{};
  }
  return encoded;
}

std::wstring Decode(UINT code_page, std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(code_page, 0, text.data(), length, nullptr, 0);
  std::wstring wide(size > 0 ? size : 0, L'\0');
  if (size > 0) MultiByteToWideChar(code_page, 0, text.data(), length, wide.data(), size);
  return wide;
}

}  // namespace

std::string Narrow(const wchar_t* text, size_t length) { return Encode(CP_UTF8, text, length); }

std::string Narrow(BSTR text) { return Narrow(text, text ? SysStringLen(text) : 0); }

std::wstring Widen(std::string_view text) { return Decode(CP_UTF8, text); }

std::string ToCodePage(std::string_view text) {
  const std::wstring wide = Widen(text);
  return Encode(CP_ACP, wide.data(), wide.size());
}

std::string FromCodePage(std::string_view text) {
  const std::wstring wide = Decode(CP_ACP, text);
  return Narrow(wide.data(), wide.size());
}

HRESULT ToBstr(const std::string& text, BSTR* out) {
  const std::wstring wide = Widen(text);
  *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

Value ToValue(const VARIANT& variant) {
  owners::UniqueVariant plain;
  if (FAILED(VariantCopyInd(plain.get(), const_cast<VARIANT*>(&variant)))) return OpaqueValue{};
  const VARIANT& v = *plain;
  switch (V_VT(&v)) {
    case VT_EMPTY:
      return std::monostate{};
    case VT_NULL:
      return NullValue{};
    case VT_BOOL:
      return V_BOOL(&v) != VARIANT_FALSE;
    case VT_BSTR:
      try {
        return Narrow(V_BSTR(&v));
      } catch (const UnrepresentableText&) {
        return OpaqueValue{};
      }
    case VT_I1:
      return int64_t{V_I1(&v)};
    case VT_UI1:
      return int64_t{V_UI1(&v)};
    case VT_I2:
      return int64_t{V_I2(&v)};
    case VT_UI2:
      return int64_t{V_UI2(&v)};
    case VT_I4:
      return int64_t{V_I4(&v)};
    case VT_UI4:
      return int64_t{V_UI4(&v)};
    case VT_INT:
      return int64_t{V_INT(&v)};
    case VT_UINT:
      return int64_t{V_UINT(&v)};
    case VT_I8:
      return int64_t{V_I8(&v)};
    case VT_UI8:
      if (V_UI8(&v) > static_cast<ULONGLONG>(INT64_MAX)) return OpaqueValue{};
      return static_cast<int64_t>(V_UI8(&v));
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_DECIMAL: {
      owners::UniqueVariant number;
      if (FAILED(VariantChangeType(number.get(), const_cast<VARIANT*>(&v), 0, VT_R8)))
        return OpaqueValue{};
      return V_R8(&*number);
    }
    default:
      return OpaqueValue{};
  }
}

HRESULT ToVariant(const Value& value, VARIANT* out) {
  VariantClear(out);
  if (const auto* text = std::get_if<std::string>(&value)) {
    BSTR bstr = nullptr;
    if (HRESULT hr = ToBstr(*text, &bstr); FAILED(hr)) return hr;
    V_VT(out) = VT_BSTR;
    V_BSTR(out) = bstr;
  } else if (const auto* number = std::get_if<int64_t>(&value)) {
    V_VT(out) = VT_I4;
    V_I4(out) = static_cast<LONG>(*number);
  }
  return S_OK;
}

HRESULT RaiseAutomationError(const AutomationError& error, REFIID source_interface) {
  owners::ComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(CreateErrorInfo(create.put()))) {
    const std::wstring description = Widen(error.description);
    create->SetGUID(source_interface);
    create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
    owners::ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(info.put())))) {
      SetErrorInfo(0, info.get());
    }
  }
  return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, error.number);
}

}  // namespace pelmar
