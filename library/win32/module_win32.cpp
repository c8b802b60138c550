// The in-process server's entry points for loading and class creation.
#include "module_win32.h"

#include <atomic>
#include <new>

#include "com_owners_win32.h"
#include "pelmar.h"
#include "platform_win32.h"
#include "reg_cls_win32.h"
#include "sys_cls_win32.h"

namespace pelmar {
namespace {

std::atomic<long> live_objects{0};
std::atomic<long> server_locks{0};

template <typename Object>
class ClassFactory final : public IClassFactory {
 public:
  ClassFactory() { ObjectCreated(); }
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;
  ~ClassFactory() { ObjectDestroyed(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    Object* object = new (std::nothrow) Object;
    if (!object) return E_OUTOFMEMORY;
    HRESULT hr = object->Initialize();
    if (SUCCEEDED(hr)) hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      ++server_locks;
    } else {
      --server_locks;
    }
    return S_OK;
  }

 private:
  std::atomic<ULONG> references_{1};
};

template <typename Object>
HRESULT HandOutFactory(REFIID iid, void** out) {
  auto* factory = new (std::nothrow) ClassFactory<Object>;
  if (!factory) return E_OUTOFMEMORY;
  const HRESULT hr = factory->QueryInterface(iid, out);
  factory->Release();
  return hr;
}

}  // namespace

void ObjectCreated() { ++live_objects; }
void ObjectDestroyed() { --live_objects; }

HRESULT LoadInterfaceTypeInfo(REFIID iid, ITypeInfo** out) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(LibraryModule(), path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return HRESULT_FROM_WIN32(GetLastError());
  ComPtr<ITypeLib> library;
  HRESULT hr = LoadTypeLibEx(path, REGKIND_NONE, library.out());
  if (FAILED(hr)) return hr;
  ComPtr<ITypeInfo> info;
  hr = library->GetTypeInfoOfGuid(iid, info.out());
  if (FAILED(hr)) return hr;
  // A dual interface is found as its dispatch half; calls go through the vtable half.
  HREFTYPE vtable_half = 0;
  if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &vtable_half))) {
    return info->GetRefTypeInfo(vtable_half, out);
  }
  *out = info.get();
  (*out)->AddRef();
  return S_OK;
}

}  // namespace pelmar

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) pelmar::SetLibraryModule(instance);
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (IsEqualCLSID(clsid, CLSID_SysCls)) return pelmar::HandOutFactory<pelmar::SysCls>(iid, out);
  if (IsEqualCLSID(clsid, CLSID_RegCls)) return pelmar::HandOutFactory<pelmar::RegCls>(iid, out);
  return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() {
  return pelmar::live_objects == 0 && pelmar::server_locks == 0 ? S_OK : S_FALSE;
}

}  // extern "C"
