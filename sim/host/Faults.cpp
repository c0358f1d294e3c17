// Fault injection for the simulated host.
#include "sim/host/Faults.h"

#include "host/HostCallbacks.h"
#include "platform/Module.h"
#include "platform/ModuleSystem.h"

namespace tavrel::sim {

void Faults::DropExport(const std::string& name) {
    droppedExports_.insert(name);
    InstallResolver();
}

void Faults::InstallResolver() {
    // The resolver holds its own copy of the names, so it stays valid
    // whatever happens to this object; it is replaced on every change.
    platform::ModuleHandle program = platform::SystemFindModule(host::kHostModuleName);
    std::set<std::string> dropped = droppedExports_;
    platform::SetSymbolResolverForTesting([program, dropped](const char* name) -> void* {
        if (name == nullptr || dropped.count(name) != 0) {
            return nullptr;
        }
        return platform::SystemFindFunction(program, name);
    });
    resolverInstalled_ = true;
}

void Faults::Clear() {
    refuseAllSaves_ = false;
    refusedSaves_.clear();
    failedLoads_.clear();
    droppedExports_.clear();
    if (resolverInstalled_) {
        // Only a resolver of ours is removed; another test's stays.
        platform::SetSymbolResolverForTesting(nullptr);
        resolverInstalled_ = false;
    }
}

}  // namespace tavrel::sim
