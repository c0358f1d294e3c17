// The host's six entry points. Each one is a boundary into the host program:
// whatever is thrown below is caught here and turned into the entry point's
// "nothing done" answer.
#include "plugin/EntryPoints.h"

#include <string>

#include "plugin/MenuItem.h"
#include "plugin/model/Model.h"
#include "text/UniversalString.h"

namespace tavrel {
namespace {

MainDialogOpener g_mainDialogOpener = nullptr;

// A menu text of the model as ANSI bytes that fit one record field; empty
// when there is no model.
std::string MenuText(const Model* model, const char* key) {
    if (model == nullptr) {
        return std::string();
    }
    UniversalString text;
    model->GetString(text, "lexo-messages", key, nullptr);
    return MenuFieldText(text.text());
}

}  // namespace

void SetMainDialogOpener(MainDialogOpener opener) {
    g_mainDialogOpener = opener;
}

MainDialogOpener GetMainDialogOpener() {
    return g_mainDialogOpener;
}

}  // namespace tavrel

extern "C" {

std::uint32_t NotavoExtensionVersion(std::uint32_t hostValue) {
    try {
        tavrel::Model* model = tavrel::Model::Instance();
        tavrel::SetEntryPointModel(model);
        return model != nullptr ? model->Version(hostValue) : 0;
    } catch (...) {
        return 0;
    }
}

std::uint32_t NotavoExtensionInit(std::uint32_t /*unused*/, std::uint32_t* out) {
    if (out != nullptr) {
        *out = 0;
    }
    return 1;
}

std::int16_t NotavoExtensionEnumerate(void* hostWindow, std::int16_t index, void* item) {
    try {
        tavrel::SetHostWindow(hostWindow);
        if (index != 0 || item == nullptr) {
            return 0;
        }
        const tavrel::Model* model = tavrel::EntryPointModel();
        // Both texts are ready before the first byte of the host's record
        // changes, so a failure leaves the record as it was.
        const std::string menu = tavrel::MenuText(model, "menu-item-name");
        const std::string undo = tavrel::MenuText(model, "undo-item");
        tavrel::ExtensionMenuItem(item).Describe(menu, undo);
        return 1;
    } catch (...) {
        return 0;
    }
}

std::uint32_t NotavoExtensionGetMenuStatus(std::int16_t index) {
    try {
        tavrel::Model* model = tavrel::EntryPointModel();
        return model != nullptr ? model->GetMenuStatus(index) : 1;
    } catch (...) {
        return 0;
    }
}

std::int16_t NotavoExtensionInvoke(void* window, std::int16_t index, std::uint32_t /*unused1*/,
                                   std::uint32_t /*unused2*/) {
    try {
        tavrel::MainDialogOpener open = tavrel::GetMainDialogOpener();
        if (index < 1 && open != nullptr) {
            open(window);
        }
    } catch (...) {
        // The dialog could not be opened; the host carries on without it.
    }
    return 0;
}

void NotavoExtensionTerminate(std::uint32_t value) {
    try {
        if (tavrel::Model* model = tavrel::EntryPointModel()) {
            model->Terminate(value);
        }
    } catch (...) {
        // Nothing to report: the host has finished with the plug-in.
    }
}

}  // extern "C"
