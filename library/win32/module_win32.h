// The library's module: while anything holds it (an object, a class factory
// or a server lock) it must stay loaded.
#pragma once

namespace pelmar {

void LockModule();
void UnlockModule();

}  // namespace pelmar
