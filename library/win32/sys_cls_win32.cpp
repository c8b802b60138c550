#include "sys_cls_win32.h"

#include <optional>

#include "file_utilities.h"
#include "system_queries.h"

namespace pelmar {
namespace {

// The "hWnd" property of a client's form, read by name at call time.
std::optional<std::intptr_t> WindowOfForm(IDispatch* form) {
  if (!form) return std::nullopt;
  LPOLESTR name = const_cast<LPOLESTR>(L"hWnd");
  DISPID id = 0;
  if (FAILED(form->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) {
    return std::nullopt;
  }
  DISPPARAMS no_arguments{};
  owners::UniqueVariant value;
  if (FAILED(form->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &no_arguments,
                          value.get(), nullptr, nullptr))) {
    return std::nullopt;
  }
  owners::UniqueVariant handle;
  if (FAILED(VariantChangeType(handle.get(), value.get(), 0, VT_I8))) return std::nullopt;
  return static_cast<std::intptr_t>(V_I8(handle.get()));
}

// A format passed by reference; a missing one is outside 1 to 4.
template <typename Format>
int32_t FormatType(const Format* format) {
  return format ? static_cast<int32_t>(*format) : 0;
}

}  // namespace

HRESULT SysCls::FormOnTop(IDispatch** Frm, VARIANT_BOOL Flag, VARIANT_BOOL* Result) {
  return Absorbing(Result, [&](Services& services) {
    return pelmar::FormOnTop(services, WindowOfForm(Frm ? *Frm : nullptr), Flag != VARIANT_FALSE);
  });
}

HRESULT SysCls::IsAppRunning(BSTR FileName, VARIANT_BOOL* Result) {
  return Absorbing(
      Result, [&](Services& services) { return pelmar::IsAppRunning(services, Narrow(FileName)); });
}

HRESULT SysCls::IsNT(VARIANT_BOOL* Result) {
  return Absorbing(Result, [](Services& services) { return pelmar::IsNT(services); });
}

HRESULT SysCls::get_OSPlatform(BSTR* Result) {
  return Raising(Result, [](Services& services) { return pelmar::OSPlatform(services); });
}

HRESULT SysCls::get_TotalMemory(BSTR* Result) {
  return Absorbing(Result, [](Services& services) { return pelmar::TotalMemory(services); });
}

HRESULT SysCls::get_AvailMemory(BSTR* Result) {
  return Absorbing(Result, [](Services& services) { return pelmar::AvailMemory(services); });
}

HRESULT SysCls::get_CPUType(BSTR* Result) {
  return Absorbing(Result, [](Services& services) { return pelmar::CPUType(services); });
}

HRESULT SysCls::IsAdminGroup(VARIANT_BOOL* Result) {
  return Absorbing(Result, [](Services& services) { return pelmar::IsAdminGroup(services); });
}

HRESULT SysCls::GetINIKey(BSTR DataStr, BSTR* Result) {
  return Absorbing(Result, [&](Services& services) {
    return pelmar::GetINIKey(services.files, Narrow(DataStr));
  });
}

HRESULT SysCls::SetINIKey(BSTR DataStr, VARIANT_BOOL* Result) {
  return Absorbing(Result, [&](Services& services) {
    return pelmar::SetINIKey(services.files, Narrow(DataStr));
  });
}

HRESULT SysCls::GetFileCount(BSTR FullPath, BSTR FileExt, LONG* Result) {
  return Absorbing(Result, [&](Services& services) {
    return pelmar::GetFileCount(services.files, Narrow(FullPath), Narrow(FileExt));
  });
}

HRESULT SysCls::FileExists(BSTR FileName, VARIANT_BOOL* Result) {
  return Absorbing(Result, [&](Services& services) {
    return pelmar::FileExists(services.files, Narrow(FileName));
  });
}

HRESULT SysCls::IsNumber(BSTR Text, VARIANT_BOOL* Result) {
  return Absorbing(Result, [&](Services&) { return pelmar::IsNumber(Narrow(Text)); });
}

HRESULT SysCls::get_LongDate(LONG* Result) {
  return Absorbing(Result, [](Services& services) { return pelmar::LongDate(services.files); });
}

HRESULT SysCls::get_LongTime(DOUBLE* Result) {
  return Absorbing(Result, [](Services& services) { return pelmar::LongTime(services.files); });
}

HRESULT SysCls::DirExists(BSTR DirName, VARIANT_BOOL* Result) {
  return Absorbing(Result, [&](Services& services) {
    return pelmar::DirExists(services.files, Narrow(DirName));
  });
}

HRESULT SysCls::GetFileAttrib(BSTR FileName, FileAttribute* Result) {
  return Absorbing(Result, [&](Services& services) {
    return pelmar::GetFileAttrib(services.files, Narrow(FileName));
  });
}

HRESULT SysCls::GetFileDate(BSTR FileName, DATE_TYPE* FmtType, BSTR* Result) {
  return Absorbing(Result, [&](Services& services) {
    return pelmar::GetFileDate(services.files, Narrow(FileName), FormatType(FmtType));
  });
}

HRESULT SysCls::GetFileTime(BSTR FileName, TIME_TYPE* FmtType, BSTR* Result) {
  return Absorbing(Result, [&](Services& services) {
    return pelmar::GetFileTime(services.files, Narrow(FileName), FormatType(FmtType));
  });
}

HRESULT SysCls::GetFileExt(BSTR FileName, BSTR* Result) {
  return Absorbing(Result, [&](Services&) { return pelmar::GetFileExt(Narrow(FileName)); });
}

HRESULT SysCls::SetFileAttrib(BSTR FileName, FileAttribute Attrib) {
  return Absorbing([&](Services& services) {
    pelmar::SetFileAttrib(services.files, Narrow(FileName), static_cast<int32_t>(Attrib));
  });
}

}  // namespace pelmar
