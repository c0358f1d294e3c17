// The library's own resources: on Windows a resource of a named type in the
// module; elsewhere the same files embedded at build time.
#pragma once

#include <string>

#include "platform/Module.h"

namespace tavrel::platform {

// Copies exactly the resource's bytes into out; false when there is none.
bool LoadModuleResource(ModuleHandle module, const char* name, const char* type, std::string& out);

}  // namespace tavrel::platform
