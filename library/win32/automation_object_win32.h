// One dual interface of the library as an automation object: IDispatch served
// from the cached type information, ISupportErrorInfo, and the two ways a member
// runs (absorbing its failures or raising them as automation errors).
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <new>

#include "com_object_win32.h"
#include "messages.h"
#include "out_parameters_win32.h"
#include "owners_win32.h"
#include "platform_win32.h"
#include "services.h"
#include "text_win32.h"
#include "type_info_cache_win32.h"

namespace pelmar {

template <typename Interface, InterfaceId kInterface>
class AutomationObject : public ComObject<Interface, ISupportErrorInfo> {
 public:
  // A new object is usable only after this succeeded.
  HRESULT Initialize() { return GetInterfaceTypeInfo(kInterface, type_info_.put()); }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    type_info_->AddRef();
    *out = type_info_.get();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    return DispGetIDsOfNames(type_info_.get(), names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument_error) override {
    return DispInvoke(static_cast<Interface*>(this), type_info_.get(), id, flags, params, result,
                      exception, argument_error);
  }

  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
    return IsEqualIID(iid, InterfaceIid(kInterface)) ? S_OK : S_FALSE;
  }

 protected:
  // A member of the absorbing regime: `*result` starts empty and keeps what was
  // stored before anything failed; the caller sees no error.
  template <typename Result, typename Body>
  static HRESULT Absorbing(Result* result, Body body) {
    if (!result) return WithoutErrorInfo(E_POINTER);
    ResetResult(result);
    return Absorbing([&](Services& services) { StoreResult(body(services), result); });
  }
  // The same for a member without a result.
  template <typename Body>
  static HRESULT Absorbing(Body body) {
    try {
      Services services = ApartmentServices();
      body(services);
    } catch (...) {
    }
    return S_OK;
  }

  // A member of the raising regime: its first failure reaches the caller as an
  // automation error (1004 with its description), as out of memory, or as an
  // unexpected failure.
  template <typename Result, typename Body>
  static HRESULT Raising(Result* result, Body body) {
    if (!result) return WithoutErrorInfo(E_POINTER);
    ResetResult(result);
    try {
      Services services = ApartmentServices();
      return WithoutErrorInfo(StoreResult(body(services), result));
    } catch (const UnrepresentableText&) {
      return WithoutErrorInfo(S_OK);  // a failure the result already says
    } catch (const AutomationError& error) {
      return RaiseAutomationError(error, InterfaceIid(kInterface));
    } catch (const std::bad_alloc&) {
      return WithoutErrorInfo(E_OUTOFMEMORY);
    } catch (...) {
      return WithoutErrorInfo(E_UNEXPECTED);
    }
  }

 private:
  // Only error 1004 carries error information: any other failure clears what an
  // earlier one left, so a client never reads it as this failure's.
  static HRESULT WithoutErrorInfo(HRESULT hr) {
    if (FAILED(hr)) SetErrorInfo(0, nullptr);
    return hr;
  }

  void* FindInterface(REFIID iid) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, InterfaceIid(kInterface))) {
      return static_cast<Interface*>(this);
    }
    if (IsEqualIID(iid, IID_ISupportErrorInfo)) return static_cast<ISupportErrorInfo*>(this);
    return nullptr;
  }

  owners::ComPtr<ITypeInfo> type_info_;
};

}  // namespace pelmar
