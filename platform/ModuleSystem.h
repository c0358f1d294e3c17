// The operating system's own module and symbol lookup, without the test
// seam of Module.h. Fault injection uses it to hide some exports while
// still answering the rest.
#pragma once

#include "platform/Module.h"

namespace tavrel::platform {

ModuleHandle SystemFindModule(const char* name);
void* SystemFindFunction(ModuleHandle module, const char* name);

}  // namespace tavrel::platform
