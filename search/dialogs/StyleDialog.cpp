// The Font & Style dialog: a modal dialog over the state's editedStyle with
// the font list in a tree browser, five three-state effect boxes, a font
// name and a size.
#include "search/dialogs/Dialogs.h"

#include "host/TypedRecords.h"
#include "platform/Fonts.h"
#include "plugin/model/Model.h"
#include "resources/resource.h"
#include "search/dialogs/DialogText.h"
#include "search/dialogs/StyleFields.h"

namespace tavrel {
namespace {

// Host font numbers the list looks at.
constexpr std::uint16_t kDocumentFontCount = 1024;

constexpr ControlLayoutEntry kStyleLayout[] = {
    {IDC_CANCEL, 0, kKindPush, kLayoutMoveRightAndDown, 0, 0},
    {IDC_FS_SAMPLE, 0, kKindStxt, kLayoutMoveRightAndDown, 0, 0},
    {IDC_FS_FONT_LIST, 0, kKindDatb, kLayoutMoveRightAndDown, 0, 0},
    {IDC_FS_ITALIC, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_FS_BOLD, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_FS_UNDERLINE, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_FS_FONT_NAME, 0, kKindEtxt, kLayoutMoveRightAndDown, 0, 0},
    {IDC_FS_FIXED_SIZE, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_FS_SIZE, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_FS_HIDDEN, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {0, 0, 0, 0, 0, 0},
};

// The effect boxes in the order the dialog shows them, and in the order
// Confirm reads them.
struct EffectBox {
    std::uint32_t id;
    std::uint16_t bit;
};
constexpr EffectBox kShownOrder[] = {
    {IDC_FS_ITALIC, EFFECT_ITALIC},       {IDC_FS_BOLD, EFFECT_BOLD},
    {IDC_FS_UNDERLINE, EFFECT_UNDERLINE}, {IDC_FS_FIXED_SIZE, EFFECT_FIXED_SIZE},
    {IDC_FS_HIDDEN, EFFECT_HIDDEN},
};
constexpr EffectBox kReadOrder[] = {
    {IDC_FS_ITALIC, EFFECT_ITALIC},         {IDC_FS_BOLD, EFFECT_BOLD},
    {IDC_FS_UNDERLINE, EFFECT_UNDERLINE},   {IDC_FS_HIDDEN, EFFECT_HIDDEN},
    {IDC_FS_FIXED_SIZE, EFFECT_FIXED_SIZE},
};

// Set by Confirm; an opening that ends any other way is a cancel.
bool g_confirmed = false;

void FillFontList(Uwindow& dialog, LexoraDialogs& dialogs) {
    std::vector<UniversalString> documentFonts;
    documentFonts.reserve(kDocumentFontCount);
    for (std::uint16_t i = 0; i < kDocumentFontCount; ++i) {
        documentFonts.push_back(FontName(i));
    }
    dialogs.fontList = OrderFontList(platform::SystemFontNames(HostWindow()), documentFonts,
                                     dialogs.state.editingSearchStyle);
    for (std::size_t k = 0; k < dialogs.fontList.size(); ++k) {
        dialog.requestItem(IDC_FS_FONT_LIST, 0, FontRowId(k));
    }
}

void Initialise(Uwindow& dialog, LexoraDialogs& dialogs) {
    const StringStyle& style = dialogs.state.editedStyle;
    dialog.bindControls(kStyleLayout);
    BrowserColumn column;
    column.title = DialogString("lexo-messages", "font-name-title");
    column.width = 400;
    column.minWidth = 300;
    column.maxWidth = 1000;
    dialog.setupBrowser(IDC_FS_FONT_LIST, {column}, kBrowserOptionHomogeneousDrag);
    for (const EffectBox& box : kShownOrder) {
        dialog.setValue(box.id, static_cast<float>(EffectBoxState(style, box.bit)));
    }
    if (static_cast<std::int16_t>(style.size) > 0) {
        dialog.setValue(IDC_FS_SIZE, static_cast<float>(style.size));
    } else {
        dialog.setText(IDC_FS_SIZE, "");
    }
    const UniversalString fontName(style.fontName);
    dialog.setText(IDC_FS_FONT_NAME, fontName);
    dialog.show();
    FillFontList(dialog, dialogs);
    const int k = FindFontEntry(dialogs.fontList, fontName);
    if (k >= 0) {
        dialog.selectItem(IDC_FS_FONT_LIST, FontRowId(static_cast<std::size_t>(k)));
    }
}

void Confirm(Uwindow& dialog, StringStyle& style) {
    style.reset();
    style.fontName = dialog.getText(IDC_FS_FONT_NAME).toUtf8();
    const int size = ReadSizeField(dialog.getText(IDC_FS_SIZE).text());
    if (size > 0) {
        style.size = static_cast<std::uint16_t>(size);
    }
    for (const EffectBox& box : kReadOrder) {
        ApplyEffectBox(style, box.bit, static_cast<int>(dialog.getValue(box.id)));
    }
    g_confirmed = true;
    dialog.close(false);
}

void Cancel(Uwindow& dialog, StringStyle& style) {
    dialog.close(false);
    style.effects = kUnset16;
}

std::uint32_t OnTreeEvent(Uwindow& dialog, const Uevent& event,
                          const std::vector<UniversalString>& list) {
    const auto* notice = static_cast<const DataBrowserNotice*>(event.param);
    if (notice == nullptr) {
        return 0;
    }
    if (notice->noticeKind == kNoticeAddItem) {
        const int k = FontEntryOfRow(notice->item, list.size());
        if (k >= 0 && !list[static_cast<std::size_t>(k)].empty()) {
            dialog.insertItem(IDC_FS_FONT_LIST, 0, notice->item, list[static_cast<std::size_t>(k)],
                              kImageItem);
        }
        return 1;
    }
    if (notice->noticeKind == kNoticeItem &&
        (notice->message == kItemDoubleClicked || notice->message == kItemSelectionChanged)) {
        const int k = FontEntryOfRow(dialog.selectedItem(IDC_FS_FONT_LIST), list.size());
        if (k >= 0) {
            UniversalString name = list[static_cast<std::size_t>(k)];
            if (name.endsWith(u'*')) {
                name.truncate(name.length() - 1);
            }
            dialog.setText(IDC_FS_FONT_NAME, name);
        }
        return 1;
    }
    return 0;
}

}  // namespace

void OpenStyleDialog(WindowHandle owner) {
    LexoraDialogs& dialogs = Dialogs();
    g_confirmed = false;
    if (!dialogs.style.isOpen()) {
        dialogs.style.openModal(IDD_FONT_STYLE, StyleDialogHandler, DialogModule(), owner);
        enableWindow(owner, true);
    }
    // A dialog that could not open, or that the system destroyed, changed
    // nothing: the caller must not take the style it was given as chosen.
    if (!g_confirmed) {
        dialogs.state.editedStyle.effects = kUnset16;
    }
}

std::uint32_t StyleDialogHandler(Uevent* event) {
    if (event == nullptr || event->window == nullptr) {
        return 0;
    }
    Uwindow& dialog = *event->window;
    LexoraDialogs& dialogs = Dialogs();
    StringStyle& style = dialogs.state.editedStyle;
    if (event->eventClass == kEventWind) {
        switch (event->kind) {
            case kKindInitialised:
                dialog.setWindow(event->message.window);
                Initialise(dialog, dialogs);
                return 1;
            case kKindDestroyed:
                dialog.reset();
                return 1;
            case kKindCloseRequest:
                style.effects = kUnset16;
                dialog.close(false);
                return 1;
            default:
                return 0;
        }
    }
    if (event->eventClass != kEventCntl || event->kind != kKindControlUsed) {
        return 0;
    }
    switch (EventControlId(*event)) {
        case IDC_OK:
            Confirm(dialog, style);
            return 1;
        case IDC_CANCEL:
            Cancel(dialog, style);
            return 1;
        case IDC_FS_FONT_LIST:
            return OnTreeEvent(dialog, *event, dialogs.fontList);
        default:
            return 1;  // the boxes keep their own state until Confirm
    }
}

}  // namespace tavrel
