// The dialogs' questions to the model, which the version entry point made
// known.
#include "search/dialogs/DialogText.h"

#include "plugin/model/Model.h"

namespace tavrel {

UniversalString DialogString(const char* dictionary, const char* key) {
    UniversalString text;
    if (const Model* model = EntryPointModel()) {
        model->GetString(text, dictionary, key, nullptr);
    }
    return text;
}

UniversalString DescribeStyle(const UniversalString& text) {
    const Model* model = EntryPointModel();
    return model != nullptr ? model->StyleDescription(text) : UniversalString();
}

platform::ModuleHandle DialogModule() {
    const Model* model = EntryPointModel();
    return model != nullptr ? model->ModuleHandle() : nullptr;
}

}  // namespace tavrel
