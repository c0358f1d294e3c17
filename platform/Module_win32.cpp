// Module lookup on Windows: the host's executable is already loaded, and its
// callbacks are exported by name.
#include "platform/ModuleSystem.h"

#include <windows.h>

namespace tavrel::platform {

ModuleHandle SystemFindModule(const char* name) {
    return reinterpret_cast<ModuleHandle>(GetModuleHandleA(name));
}

void* SystemFindFunction(ModuleHandle module, const char* name) {
    if (module == nullptr || name == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

}  // namespace tavrel::platform
