// Module lookup without Windows: the host is the main program, and its
// callbacks are the program's exported symbols.
#include "platform/ModuleSystem.h"

#include <dlfcn.h>

namespace tavrel::platform {

ModuleHandle SystemFindModule(const char* /*name*/) {
    // The host program is the process itself, whatever its file is called.
    static void* self = dlopen(nullptr, RTLD_NOW);
    return self;
}

void* SystemFindFunction(ModuleHandle module, const char* name) {
    if (module == nullptr || name == nullptr) {
        return nullptr;
    }
    return dlsym(module, name);
}

}  // namespace tavrel::platform
