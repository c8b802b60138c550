#include "type_info_cache_win32.h"

#include <atomic>
#include <cstddef>

#include "owners_win32.h"
#include "pelmar.h"
#include "platform_win32.h"

namespace pelmar {
namespace {

constexpr size_t kInterfaceCount = static_cast<size_t>(InterfaceId::kCount);
const IID* const kInterfaceIids[kInterfaceCount] = {&IID__SysCls, &IID__RegCls};

// Plain atomic pointers, filled by whichever thread comes first: no static
// destructor releases them at process exit.
std::atomic<ITypeLib*> type_library{nullptr};
std::atomic<ITypeInfo*> type_infos[kInterfaceCount];

// Keeps `loaded` in `slot` unless another thread was first; gives what the slot holds.
template <typename T>
T* Keep(std::atomic<T*>& slot, owners::ComPtr<T> loaded) {
  T* held = nullptr;
  if (slot.compare_exchange_strong(held, loaded.get())) return loaded.release();
  return held;
}

HRESULT LoadedTypeLibrary(ITypeLib** out) {
  *out = type_library.load();
  if (*out) return S_OK;
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(LibraryModule(), path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return HRESULT_FROM_WIN32(GetLastError());
  owners::ComPtr<ITypeLib> library;
  const HRESULT hr = LoadTypeLibEx(path, REGKIND_NONE, library.put());
  if (FAILED(hr)) return hr;
  *out = Keep(type_library, std::move(library));
  return S_OK;
}

// A dual interface is found as its dispatch half; calls go through the vtable half.
HRESULT VtableHalf(ITypeLib* library, REFIID iid, owners::ComPtr<ITypeInfo>& out) {
  HRESULT hr = library->GetTypeInfoOfGuid(iid, out.put());
  if (FAILED(hr)) return hr;
  HREFTYPE vtable_half = 0;
  if (FAILED(out->GetRefTypeOfImplType(-1, &vtable_half))) return S_OK;
  owners::ComPtr<ITypeInfo> dispatch_half = std::move(out);
  return dispatch_half->GetRefTypeInfo(vtable_half, out.put());
}

}  // namespace

const IID& InterfaceIid(InterfaceId id) { return *kInterfaceIids[static_cast<size_t>(id)]; }

HRESULT GetInterfaceTypeInfo(InterfaceId id, ITypeInfo** out) {
  *out = nullptr;
  std::atomic<ITypeInfo*>& slot = type_infos[static_cast<size_t>(id)];
  ITypeInfo* info = slot.load();
  if (!info) {
    ITypeLib* library = nullptr;
    HRESULT hr = LoadedTypeLibrary(&library);
    if (FAILED(hr)) return hr;
    owners::ComPtr<ITypeInfo> found;
    hr = VtableHalf(library, InterfaceIid(id), found);
    if (FAILED(hr)) return hr;
    info = Keep(slot, std::move(found));
  }
  info->AddRef();
  *out = info;
  return S_OK;
}

void ReleaseTypeInfoCache() {
  for (std::atomic<ITypeInfo*>& slot : type_infos) {
    owners::ComPtr<ITypeInfo> released(slot.exchange(nullptr));
  }
  owners::ComPtr<ITypeLib> released(type_library.exchange(nullptr));
}

}  // namespace pelmar
