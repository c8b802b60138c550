// The in-process server's entry points for loading, unloading and class creation.
#include "module_win32.h"

#include <atomic>
#include <new>

#include "com_object_win32.h"
#include "owners_win32.h"
#include "pelmar.h"
#include "platform_win32.h"
#include "reg_cls_win32.h"
#include "sys_cls_win32.h"
#include "type_info_cache_win32.h"

namespace pelmar {
namespace {

std::atomic<long> module_locks{0};
// Kept apart from the objects' locks so that an unmatched LockServer(FALSE)
// cannot take the count below zero and keep the module loaded for good.
std::atomic<long> server_locks{0};

void UnlockServer() {
  long locks = server_locks.load();
  while (locks > 0 && !server_locks.compare_exchange_weak(locks, locks - 1)) {
  }
}

// One static factory per class, living as long as the module; its references
// still hold the module while a client keeps one.
template <typename Object>
class ClassFactory final : public ComObject<IClassFactory> {
 public:
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    Object* created = new (std::nothrow) Object;
    if (!created) return E_OUTOFMEMORY;
    created->AddRef();
    const owners::ComPtr<Object> object(created);
    const HRESULT hr = object->Initialize();
    return FAILED(hr) ? hr : object->QueryInterface(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    lock ? void(++server_locks) : UnlockServer();
    return S_OK;
  }

 private:
  void* FindInterface(REFIID iid) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      return static_cast<IClassFactory*>(this);
    }
    return nullptr;
  }
  void LastReferenceReleased() override {}
};

ClassFactory<SysCls> sys_cls_factory;
ClassFactory<RegCls> reg_cls_factory;

}  // namespace

void LockModule() { ++module_locks; }
void UnlockModule() { --module_locks; }

}  // namespace pelmar

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved) {
  if (reason == DLL_PROCESS_ATTACH) pelmar::SetLibraryModule(instance);
  // Unloaded by FreeLibrary (`reserved` null), the process goes on and the type
  // library is let go; at process exit nothing is released under the loader lock.
  if (reason == DLL_PROCESS_DETACH && !reserved) pelmar::ReleaseTypeInfoCache();
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (IsEqualCLSID(clsid, CLSID_SysCls)) return pelmar::sys_cls_factory.QueryInterface(iid, out);
  if (IsEqualCLSID(clsid, CLSID_RegCls)) return pelmar::reg_cls_factory.QueryInterface(iid, out);
  return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() {
  return pelmar::module_locks == 0 && pelmar::server_locks == 0 ? S_OK : S_FALSE;
}

}  // extern "C"
