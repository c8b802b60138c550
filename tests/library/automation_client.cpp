#include "automation_client.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace pelmar::testing {
namespace {

std::string library_path;
std::string defined_type_library_path;

}  // namespace

const std::string& LibraryPath() { return library_path; }
const std::string& DefinedTypeLibraryPath() { return defined_type_library_path; }

ComPtr<IDispatch> Create(const CLSID& clsid) {
  ComPtr<IDispatch> object;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                   reinterpret_cast<void**>(object.put()));
  return object;
}

ComPtr<IDispatch> Create(const wchar_t* prog_id) {
  CLSID clsid{};
  if (FAILED(CLSIDFromProgID(prog_id, &clsid))) return {};
  return Create(clsid);
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += static_cast<char>(c);
  return narrow;
}

std::string GuidText(const GUID& guid) {
  wchar_t text[64];
  const int length = StringFromGUID2(guid, text, 64);
  return Narrow(std::wstring(text, length > 0 ? length - 1 : 0));
}

std::optional<std::string> RegistryText(HKEY root, const std::string& path, const char* name) {
  char buffer[1024];
  DWORD size = sizeof buffer;
  if (RegGetValueA(root, path.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size)) return {};
  return std::string(buffer);
}

bool KeyExists(HKEY root, const std::string& path) {
  owners::UniqueRegKey key;
  return RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

CallResult InvokeArguments(IDispatch* object, const wchar_t* name, WORD flags,
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

}  // namespace pelmar::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 2) {
    pelmar::testing::library_path = argv[1];
    pelmar::testing::defined_type_library_path = argv[2];
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
  const int result = RUN_ALL_TESTS();
  CoUninitialize();
  return result;
}
