// Resources where the system has none: the build embeds the resource files
// as byte arrays, found here by name and type.
#include "platform/Resource.h"

#include <cstddef>
#include <cstring>

extern "C" const unsigned char lexora_resource_strings[];
extern "C" const std::size_t lexora_resource_strings_size;

namespace tavrel::platform {
namespace {

struct Embedded {
    const char* name;
    const char* type;
    const unsigned char* bytes;
    std::size_t size;
};

}  // namespace

bool LoadModuleResource(ModuleHandle /*module*/, const char* name, const char* type,
                        std::string& out) {
    if (name == nullptr || type == nullptr) {
        return false;
    }
    const Embedded table[] = {
        {"strings", "XML", lexora_resource_strings, lexora_resource_strings_size},
    };
    for (const auto& r : table) {
        if (std::strcmp(r.name, name) == 0 && std::strcmp(r.type, type) == 0) {
            out.assign(reinterpret_cast<const char*>(r.bytes), r.size);
            return true;
        }
    }
    return false;
}

}  // namespace tavrel::platform
