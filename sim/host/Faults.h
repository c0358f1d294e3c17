// Faults a test can make the simulated host show: refused saves, failing
// loads and missing exports. Missing exports work through the plug-in's
// symbol lookup seam, so the plug-in sees exactly what a host without the
// callback would give it.
#pragma once

#include <set>
#include <string>

#include "host/HostApi.h"

namespace tavrel::sim {

class Faults {
  public:
    Faults() = default;
    Faults(const Faults&) = delete;
    Faults& operator=(const Faults&) = delete;
    ~Faults() = default;

    void RefuseAllSaves(bool refuse = true) { refuseAllSaves_ = refuse; }
    void RefuseSavesOf(RecordTag tag) { refusedSaves_.insert(tag); }
    void FailLoadsOf(RecordTag tag) { failedLoads_.insert(tag); }
    // From now on, a lookup of this export name finds nothing; every other
    // name is looked up in the program as usual. The plug-in remembers the
    // bindings it has made, so a test must also reset those.
    void DropExport(const std::string& name);

    bool SaveRefused(RecordTag tag) const {
        return refuseAllSaves_ || refusedSaves_.count(tag) != 0;
    }
    bool LoadFails(RecordTag tag) const { return failedLoads_.count(tag) != 0; }
    bool ExportDropped(const std::string& name) const { return droppedExports_.count(name) != 0; }

    // Clears every fault and gives the lookup back to the system.
    void Clear();

  private:
    void InstallResolver();

    bool refuseAllSaves_ = false;
    std::set<RecordTag> refusedSaves_;
    std::set<RecordTag> failedLoads_;
    std::set<std::string> droppedExports_;
    bool resolverInstalled_ = false;
};

}  // namespace tavrel::sim
