// What the library does when the system loads and unloads it: create the
// model with its strings, and destroy it again.
#pragma once

#include "platform/Module.h"

namespace tavrel {

// Gets or creates the model and attaches it to module. True exactly when a
// model exists afterwards; on any failure there is none and false.
bool OnLibraryLoad(platform::ModuleHandle module) noexcept;
// Destroys the model and forgets every pointer to it.
void OnLibraryUnload() noexcept;

}  // namespace tavrel
