#include "system_facts_win32.h"

#include <windows.h>
// After windows.h, which they need.
#include <oleauto.h>

#include "owners_win32.h"

namespace lomvex {
namespace {

constexpr wchar_t kSystemClass[] = L"Pelmar.SysCls";

std::string AnsiText(BSTR text) {
  const int length = static_cast<int>(SysStringLen(text));
  if (length == 0) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string converted(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, length, converted.data(), size, nullptr, nullptr);
  return converted;
}

std::optional<std::string> PropertyText(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
    return std::nullopt;
  }
  DISPPARAMS no_arguments{};
  owners::UniqueVariant result;
  owners::UniqueExcepInfo exception;
  if (FAILED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &no_arguments,
                            result.get(), exception.get(), nullptr)) ||
      FAILED(VariantChangeType(result.get(), result.get(), 0, VT_BSTR))) {
    return std::nullopt;
  }
  return AnsiText(result->bstrVal);
}

}  // namespace

SystemFacts ReadSystemFacts() {
  CLSID class_id;
  if (FAILED(CLSIDFromProgID(kSystemClass, &class_id))) return {};
  owners::ComPtr<IDispatch> object;
  if (FAILED(CoCreateInstance(class_id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(object.put())))) {
    return {};
  }
  SystemFacts facts;
  facts.total_memory = PropertyText(object.get(), L"TotalMemory");
  facts.available_memory = PropertyText(object.get(), L"AvailMemory");
  facts.cpu_type = PropertyText(object.get(), L"CPUType");
  return facts;
}

}  // namespace lomvex
