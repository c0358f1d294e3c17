// The templates' control lists expanded into DialogTemplate tables.
#include "search/dialogs/DialogTemplates.h"

#include <iterator>

#include "resources/resource.h"

namespace tavrel {
namespace {

// Each .inc file is read twice: once for the dialog's own line, once for
// its controls.
#define LEXORA_DIALOG(id, title, width, height, style, exStyle) \
    { id, title, width, height, style, nullptr, 0 }
#define LEXORA_CONTROL(id, className, text, x, y, width, height, style)
#define LEXORA_DIALOG_END

const DialogTemplate kMainHeader =
#include "resources/MainDialog.inc"
    ;
const DialogTemplate kStyleHeader =
#include "resources/StyleDialog.inc"
    ;
const DialogTemplate kAboutHeader =
#include "resources/AboutDialog.inc"
    ;

#undef LEXORA_DIALOG
#undef LEXORA_CONTROL
#define LEXORA_DIALOG(id, title, width, height, style, exStyle)
#define LEXORA_CONTROL(id, className, text, x, y, width, height, style) \
    {id, className, text, x, y, width, height, static_cast<std::uint32_t>(style)},

const DialogItemTemplate kMainItems[] = {
#include "resources/MainDialog.inc"
};
const DialogItemTemplate kStyleItems[] = {
#include "resources/StyleDialog.inc"
};
const DialogItemTemplate kAboutItems[] = {
#include "resources/AboutDialog.inc"
};

#undef LEXORA_DIALOG
#undef LEXORA_CONTROL
#undef LEXORA_DIALOG_END

template <std::size_t N>
DialogTemplate WithItems(DialogTemplate header, const DialogItemTemplate (&items)[N]) {
    header.items = items;
    header.itemCount = N;
    return header;
}

}  // namespace

const DialogTemplate& MainDialogTemplate() {
    static const DialogTemplate main = WithItems(kMainHeader, kMainItems);
    return main;
}

const DialogTemplate& StyleDialogTemplate() {
    static const DialogTemplate style = WithItems(kStyleHeader, kStyleItems);
    return style;
}

const DialogTemplate& AboutDialogTemplate() {
    static const DialogTemplate about = WithItems(kAboutHeader, kAboutItems);
    return about;
}

void RegisterLexoraTemplates() {
    RegisterDialogTemplate(&MainDialogTemplate());
    RegisterDialogTemplate(&StyleDialogTemplate());
    RegisterDialogTemplate(&AboutDialogTemplate());
}

}  // namespace tavrel
