// SysCls: system queries, INI, file and date utilities. It holds no state.
#pragma once

#include "automation_object_win32.h"
#include "pelmar.h"

namespace pelmar {

class SysCls final : public AutomationObject<_SysCls, InterfaceId::kSysCls> {
 public:
  HRESULT STDMETHODCALLTYPE FormOnTop(IDispatch** Frm, VARIANT_BOOL Flag,
                                      VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE IsAppRunning(BSTR FileName, VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE IsNT(VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE get_OSPlatform(BSTR* Result) override;
  HRESULT STDMETHODCALLTYPE get_TotalMemory(BSTR* Result) override;
  HRESULT STDMETHODCALLTYPE get_AvailMemory(BSTR* Result) override;
  HRESULT STDMETHODCALLTYPE get_CPUType(BSTR* Result) override;
  HRESULT STDMETHODCALLTYPE IsAdminGroup(VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE GetINIKey(BSTR DataStr, BSTR* Result) override;
  HRESULT STDMETHODCALLTYPE SetINIKey(BSTR DataStr, VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE GetFileCount(BSTR FullPath, BSTR FileExt, LONG* Result) override;
  HRESULT STDMETHODCALLTYPE FileExists(BSTR FileName, VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE IsNumber(BSTR Text, VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE get_LongDate(LONG* Result) override;
  HRESULT STDMETHODCALLTYPE get_LongTime(DOUBLE* Result) override;
  HRESULT STDMETHODCALLTYPE DirExists(BSTR DirName, VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE GetFileAttrib(BSTR FileName, FileAttribute* Result) override;
  HRESULT STDMETHODCALLTYPE GetFileDate(BSTR FileName, DATE_TYPE* FmtType, BSTR* Result) override;
  HRESULT STDMETHODCALLTYPE GetFileTime(BSTR FileName, TIME_TYPE* FmtType, BSTR* Result) override;
  HRESULT STDMETHODCALLTYPE GetFileExt(BSTR FileName, BSTR* Result) override;
  HRESULT STDMETHODCALLTYPE SetFileAttrib(BSTR FileName, FileAttribute Attrib) override;
};

}  // namespace pelmar
