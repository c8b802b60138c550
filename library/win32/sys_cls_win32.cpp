#include "sys_cls_win32.h"

#include <optional>

#include "file_utilities.h"
#include "platform_win32.h"
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
  UniqueVariant value;
  if (FAILED(form->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &no_arguments,
                          value.get(), nullptr, nullptr))) {
    return std::nullopt;
  }
  UniqueVariant handle;
  if (FAILED(VariantChangeType(handle.get(), value.get(), 0, VT_I8))) return std::nullopt;
  return static_cast<std::intptr_t>(V_I8(handle.get()));
}

// Starts an out-parameter at its empty value, so that an absorbed failure
// leaves False, 0 or the empty string.
template <typename T>
bool Reset(T* result) {
  if (!result) return false;
  *result = T{};
  return true;
}

}  // namespace

HRESULT SysCls::FormOnTop(IDispatch** Frm, VARIANT_BOOL Flag, VARIANT_BOOL* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    Services services = ApartmentServices();
    *Result = ToVariantBool(
        pelmar::FormOnTop(services, WindowOfForm(Frm ? *Frm : nullptr), Flag != VARIANT_FALSE));
  });
}

HRESULT SysCls::IsAppRunning(BSTR FileName, VARIANT_BOOL* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    Services services = ApartmentServices();
    *Result = ToVariantBool(pelmar::IsAppRunning(services, Narrow(FileName)));
  });
}

HRESULT SysCls::IsNT(VARIANT_BOOL* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    Services services = ApartmentServices();
    *Result = ToVariantBool(pelmar::IsNT(services));
  });
}

HRESULT SysCls::get_OSPlatform(BSTR* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Raising([&] {
    Services services = ApartmentServices();
    return ToBstr(pelmar::OSPlatform(services), Result);
  });
}

HRESULT SysCls::get_TotalMemory(BSTR* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    Services services = ApartmentServices();
    ToBstr(pelmar::TotalMemory(services), Result);
  });
}

HRESULT SysCls::get_AvailMemory(BSTR* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    Services services = ApartmentServices();
    ToBstr(pelmar::AvailMemory(services), Result);
  });
}

HRESULT SysCls::get_CPUType(BSTR* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    Services services = ApartmentServices();
    ToBstr(pelmar::CPUType(services), Result);
  });
}

HRESULT SysCls::IsAdminGroup(VARIANT_BOOL* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    Services services = ApartmentServices();
    *Result = ToVariantBool(pelmar::IsAdminGroup(services));
  });
}

HRESULT SysCls::GetINIKey(BSTR DataStr, BSTR* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    WindowsFiles files;
    ToBstr(pelmar::GetINIKey(files, Narrow(DataStr)), Result);
  });
}

HRESULT SysCls::SetINIKey(BSTR DataStr, VARIANT_BOOL* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    WindowsFiles files;
    *Result = ToVariantBool(pelmar::SetINIKey(files, Narrow(DataStr)));
  });
}

HRESULT SysCls::GetFileCount(BSTR FullPath, BSTR FileExt, LONG* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    WindowsFiles files;
    *Result = pelmar::GetFileCount(files, Narrow(FullPath), Narrow(FileExt));
  });
}

HRESULT SysCls::FileExists(BSTR FileName, VARIANT_BOOL* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    WindowsFiles files;
    *Result = ToVariantBool(pelmar::FileExists(files, Narrow(FileName)));
  });
}

HRESULT SysCls::IsNumber(BSTR Text, VARIANT_BOOL* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] { *Result = ToVariantBool(pelmar::IsNumber(Narrow(Text))); });
}

HRESULT SysCls::get_LongDate(LONG* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    WindowsFiles files;
    *Result = pelmar::LongDate(files);
  });
}

HRESULT SysCls::get_LongTime(DOUBLE* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    WindowsFiles files;
    *Result = pelmar::LongTime(files);
  });
}

HRESULT SysCls::DirExists(BSTR DirName, VARIANT_BOOL* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    WindowsFiles files;
    *Result = ToVariantBool(pelmar::DirExists(files, Narrow(DirName)));
  });
}

HRESULT SysCls::GetFileAttrib(BSTR FileName, FileAttribute* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    WindowsFiles files;
    *Result = static_cast<FileAttribute>(pelmar::GetFileAttrib(files, Narrow(FileName)));
  });
}

HRESULT SysCls::GetFileDate(BSTR FileName, DATE_TYPE* FmtType, BSTR* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    WindowsFiles files;
    const int32_t type = FmtType ? static_cast<int32_t>(*FmtType) : 0;
    ToBstr(pelmar::GetFileDate(files, Narrow(FileName), type), Result);
  });
}

HRESULT SysCls::GetFileTime(BSTR FileName, TIME_TYPE* FmtType, BSTR* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] {
    WindowsFiles files;
    const int32_t type = FmtType ? static_cast<int32_t>(*FmtType) : 0;
    ToBstr(pelmar::GetFileTime(files, Narrow(FileName), type), Result);
  });
}

HRESULT SysCls::GetFileExt(BSTR FileName, BSTR* Result) {
  if (!Reset(Result)) return E_POINTER;
  return Absorbing([&] { ToBstr(pelmar::GetFileExt(Narrow(FileName)), Result); });
}

HRESULT SysCls::SetFileAttrib(BSTR FileName, FileAttribute Attrib) {
  return Absorbing([&] {
    WindowsFiles files;
    pelmar::SetFileAttrib(files, Narrow(FileName), static_cast<int32_t>(Attrib));
  });
}

}  // namespace pelmar
