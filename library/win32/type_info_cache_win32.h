// The type information that serves IDispatch: the library's own type library is
// loaded once per process and each interface's information is kept from its
// first use until the library is unloaded.
#pragma once

#include <windows.h>

#include <oleauto.h>

namespace pelmar {

enum class InterfaceId { kSysCls, kRegCls, kCount };

const IID& InterfaceIid(InterfaceId id);

// The vtable half of the interface's dual description, with a reference for the caller.
HRESULT GetInterfaceTypeInfo(InterfaceId id, ITypeInfo** out);

// Lets the type library go. Only for an unloading library in a process that
// goes on, never at process exit, when other libraries may already be gone.
void ReleaseTypeInfoCache();

}  // namespace pelmar
