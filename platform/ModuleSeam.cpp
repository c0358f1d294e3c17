// The lookup seam shared by every platform: tests may answer function
// lookups themselves, and every lookup is counted so that tests can prove a
// callback is bound only once.
#include "platform/Module.h"

#include <utility>

#include "platform/ModuleSystem.h"

namespace tavrel::platform {
namespace {

SymbolResolver& Resolver() {
    static SymbolResolver resolver;
    return resolver;
}

unsigned long& LookupCounter() {
    static unsigned long count = 0;
    return count;
}

// A stand-in module handle for tests that answer lookups themselves.
char testModuleToken;

}  // namespace

void SetSymbolResolverForTesting(SymbolResolver resolver) {
    Resolver() = std::move(resolver);
}

unsigned long FunctionLookupCount() {
    return LookupCounter();
}

void ResetFunctionLookupCount() {
    LookupCounter() = 0;
}

ModuleHandle FindModule(const char* name) {
    if (Resolver()) {
        return &testModuleToken;
    }
    return SystemFindModule(name);
}

void* FindFunction(ModuleHandle module, const char* name) {
    ++LookupCounter();
    if (Resolver()) {
        return Resolver()(name);
    }
    if (module == nullptr || name == nullptr) {
        return nullptr;
    }
    return SystemFindFunction(module, name);
}

}  // namespace tavrel::platform
