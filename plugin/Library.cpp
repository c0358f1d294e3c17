// The library's load and unload. Both run inside the system loader, a
// boundary into the host process: nothing thrown may pass it.
#include "plugin/Library.h"

#include "plugin/EntryPoints.h"
#include "plugin/model/Model.h"
#include "search/dialogs/Dialogs.h"

namespace tavrel {

bool OnLibraryLoad(platform::ModuleHandle module) noexcept {
    try {
        Model* model = Model::Instance();
        if (model == nullptr) {
            return false;
        }
        model->Attach(module);
        // Choosing the menu item opens the main dialog.
        SetMainDialogOpener([](void* owner) { OpenMainDialog(owner); });
        return true;
    } catch (...) {
        // A half-read model is no model: the library reports that it cannot load.
        Model::DestroyInstance();
        return false;
    }
}

void OnLibraryUnload() noexcept {
    // The windows and the toolkit's hooks go first: nothing of the library
    // may be called from the system once it is unloaded.
    SetMainDialogOpener(nullptr);
    DestroyDialogs();
    if (EntryPointModel() == Model::ExistingInstance()) {
        SetEntryPointModel(nullptr);  // never leave a pointer to a freed model
    }
    Model::DestroyInstance();
}

}  // namespace tavrel
