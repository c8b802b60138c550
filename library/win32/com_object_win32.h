// IUnknown as every object of the library answers it: QueryInterface from the
// object's own list of interfaces, and a reference count that keeps the module
// loaded from an object's first reference to its last.
#pragma once

#include <windows.h>

#include <atomic>

#include "module_win32.h"

namespace pelmar {

template <typename... Interfaces>
class ComObject : public Interfaces... {
 public:
  ComObject() = default;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = FindInterface(iid);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    const ULONG count = ++references_;
    if (count == 1) LockModule();
    return count;
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG count = --references_;
    if (count == 0) {
      UnlockModule();
      LastReferenceReleased();
    }
    return count;
  }

 protected:
  virtual ~ComObject() = default;
  // The pointer to hand out for `iid`; nullptr for an interface the object lacks.
  virtual void* FindInterface(REFIID iid) = 0;
  // An object made with new deletes itself; one that lives as long as the module does not.
  virtual void LastReferenceReleased() { delete this; }

 private:
  std::atomic<ULONG> references_{0};
};

}  // namespace pelmar
