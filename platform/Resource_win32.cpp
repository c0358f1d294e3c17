// Resources carried in the library's own module. A resource is not
// zero-terminated: copy exactly its size.
#include "platform/Resource.h"

#include <windows.h>

namespace tavrel::platform {

bool LoadModuleResource(ModuleHandle module, const char* name, const char* type, std::string& out) {
    if (name == nullptr || type == nullptr) {
        return false;
    }
    auto* hmodule = static_cast<HMODULE>(module);
    HRSRC found = FindResourceA(hmodule, name, type);
    if (found == nullptr) {
        return false;
    }
    const DWORD size = SizeofResource(hmodule, found);
    HGLOBAL loaded = LoadResource(hmodule, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return false;
    }
    out.assign(static_cast<const char*>(bytes), size);
    return true;
}

}  // namespace tavrel::platform
