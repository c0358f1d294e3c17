// The library's Windows entry function: the system calls it when a process
// loads or unloads lexora.dll (and for thread notifications, which need no
// work). Declared by hand so that only the platform layer includes the
// system headers; the signature is the one the C run-time's start-up calls.
#include "plugin/Library.h"

namespace {

constexpr unsigned long kProcessDetach = 0;
constexpr unsigned long kProcessAttach = 1;

}  // namespace

extern "C" int __stdcall DllMain(void* instance, unsigned long reason, void* /*reserved*/) {
    if (reason == kProcessAttach) {
        return tavrel::OnLibraryLoad(instance) ? 1 : 0;
    }
    if (reason == kProcessDetach) {
        tavrel::OnLibraryUnload();
    }
    return 0;
}
