// Finding a loaded module and a function in it by name: the host program's
// exported callbacks on Windows (GetModuleHandleA/GetProcAddress) and the
// main program's exported symbols elsewhere (dlopen/dlsym).
#pragma once

#include <functional>

namespace tavrel::platform {

using ModuleHandle = void*;

// The loaded module of that name (Windows), or the main program (elsewhere).
ModuleHandle FindModule(const char* name);
// The exported function, or null.
void* FindFunction(ModuleHandle module, const char* name);

// Test seam: while set, FindFunction asks this resolver instead of the
// system; FindModule then gives a non-null stand-in handle.
using SymbolResolver = std::function<void*(const char* name)>;
void SetSymbolResolverForTesting(SymbolResolver resolver);
// How many times FindFunction has been called since the last reset.
unsigned long FunctionLookupCount();
void ResetFunctionLookupCount();

}  // namespace tavrel::platform
