// The registry of dialog templates as plain data, by template id.
#include "ui/DialogTemplate.h"

#include <map>

namespace tavrel {
namespace {

std::map<std::uint16_t, const DialogTemplate*>& Templates() {
    static std::map<std::uint16_t, const DialogTemplate*> templates;
    return templates;
}

}  // namespace

void RegisterDialogTemplate(const DialogTemplate* dialog) {
    if (dialog != nullptr) {
        Templates()[dialog->id] = dialog;
    }
}

const DialogTemplate* FindDialogTemplate(std::uint16_t id) {
    const auto& templates = Templates();
    const auto it = templates.find(id);
    return it == templates.end() ? nullptr : it->second;
}

}  // namespace tavrel
