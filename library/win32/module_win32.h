// The library's module: live objects and server locks, the class factories and
// the type information that serves IDispatch.
#pragma once

#include <windows.h>

#include <oleauto.h>

namespace pelmar {

void ObjectCreated();
void ObjectDestroyed();

// The vtable half of a dual interface from the library's own type library.
HRESULT LoadInterfaceTypeInfo(REFIID iid, ITypeInfo** out);

}  // namespace pelmar
