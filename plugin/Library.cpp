// The library's load and unload. Both run inside the system loader, a
// boundary into the host process: nothing thrown may pass it.
#include "plugin/Library.h"

#include "plugin/model/Model.h"

namespace tavrel {

bool OnLibraryLoad(platform::ModuleHandle module) noexcept {
    try {
        Model* model = Model::Instance();
        if (model == nullptr) {
            return false;
        }
        model->Attach(module);
        return true;
    } catch (...) {
        // A half-read model is no model: the library reports that it cannot load.
        Model::DestroyInstance();
        return false;
    }
}

void OnLibraryUnload() noexcept {
    if (EntryPointModel() == Model::ExistingInstance()) {
        SetEntryPointModel(nullptr);  // never leave a pointer to a freed model
    }
    Model::DestroyInstance();
}

}  // namespace tavrel
