// IUnknown, IDispatch (served from the type library) and ISupportErrorInfo for
// one dual interface of the library.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <atomic>
#include <new>

#include "com_owners_win32.h"
#include "messages.h"
#include "module_win32.h"
#include "text_win32.h"

namespace pelmar {

template <typename Interface, const IID& kIid>
class AutomationObject : public Interface, public ISupportErrorInfo {
 public:
  AutomationObject() { ObjectCreated(); }
  AutomationObject(const AutomationObject&) = delete;
  AutomationObject& operator=(const AutomationObject&) = delete;
  virtual ~AutomationObject() { ObjectDestroyed(); }

  // Loads the type information; a new object is usable only after this succeeded.
  HRESULT Initialize() { return LoadInterfaceTypeInfo(kIid, type_info_.out()); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIid)) {
      *out = static_cast<Interface*>(this);
    } else if (IsEqualIID(iid, IID_ISupportErrorInfo)) {
      *out = static_cast<ISupportErrorInfo*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

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
    return IsEqualIID(iid, kIid) ? S_OK : S_FALSE;
  }

 protected:
  // A member of the absorbing regime: whatever fails inside, the caller gets
  // the result assigned so far and no error.
  template <typename Body>
  static HRESULT Absorbing(Body body) {
    try {
      body();
    } catch (...) {
    }
    return S_OK;
  }

  // A member of the raising regime: its first failure reaches the caller as an
  // automation error.
  template <typename Body>
  static HRESULT Raising(Body body) {
    try {
      return body();
    } catch (const AutomationError& error) {
      return RaiseAutomationError(error, kIid);
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    } catch (...) {
      return E_UNEXPECTED;
    }
  }

 private:
  std::atomic<ULONG> references_{1};
  ComPtr<ITypeInfo> type_info_;
};

}  // namespace pelmar
