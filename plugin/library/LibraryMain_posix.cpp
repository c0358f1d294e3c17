// The shared object's load and unload hooks, the counterparts of the Windows
// entry function. The embedded resources belong to the shared object itself,
// so the model needs no module handle to find them.
#include "plugin/Library.h"

namespace {

__attribute__((constructor)) void LoadLexora() {
    tavrel::OnLibraryLoad(nullptr);
}

__attribute__((destructor)) void UnloadLexora() {
    tavrel::OnLibraryUnload();
}

}  // namespace
