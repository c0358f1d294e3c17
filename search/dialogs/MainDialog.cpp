// The main dialog: opening, its handler, and the steps that keep its
// controls, the option word and the options area in step.
#include "search/dialogs/MainDialog.h"

#include "host/HostCallbacks.h"
#include "resources/resource.h"
#include "search/RequestRules.h"
#include "search/SearchRequest.h"
#include "search/dialogs/DialogText.h"
#include "search/dialogs/Dialogs.h"

namespace tavrel {
namespace {

constexpr std::uint32_t kRefreshMilliseconds = 300;
constexpr std::uint32_t kModelessUserValue = 1;
constexpr std::uint16_t kExpanderImage = 1019;
constexpr float kActiveOpacity = 1.0f;
constexpr float kInactiveOpacity = 0.75f;

constexpr ControlLayoutEntry kMainLayout[] = {
    {IDC_SEARCH_TEXT, 0, kKindEtxt, kLayoutMoveRightAndDown, 0, 0},
    {IDC_USE_SEARCH_STYLE, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_SEARCH_STYLE_BUTTON, 0, kKindPush, kLayoutMoveRightAndDown, 0, 0},
    {IDC_SEARCH_STYLE_TEXT, 0, kKindStxt, kLayoutMoveRightAndDown, 0, 0},
    {IDC_REPLACE_TEXT, 0, kKindEtxt, kLayoutMoveRightAndDown, 0, 0},
    {IDC_USE_REPLACE_STYLE, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_REPLACE_STYLE_BUTTON, 0, kKindPush, kLayoutMoveRightAndDown, 0, 0},
    {IDC_REPLACE_STYLE_TEXT, 0, kKindStxt, kLayoutMoveRightAndDown, 0, 0},
    {IDC_REPLACE_ALL, 0, kKindPush, kLayoutMoveRightAndDown, 0, 0},
    {IDC_EXPANDER_LABEL, 0, kKindStxt, kLayoutMoveRightAndDown, 0, 0},
    {IDC_EVERYWHERE, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_TEXT_EXPRESSIONS, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_ARTICULATIONS, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_FILE_INFO, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_SMART_SHAPES, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_STAFF_NAMES, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_LYRICS, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_STAFF_STYLE_NAMES, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_TEXT_BLOCKS, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_GROUP_NAMES, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_REPEAT_TEXTS, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_MATCH_CASE, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_WHOLE_WORDS, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_ALL_DOCUMENTS, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_EXPANDER, 0, kKindCbox, kLayoutMoveRightAndDown, 0, 0},
    {IDC_ABOUT_BUTTON, 0, kKindPush, kLayoutMoveRightAndDown, 0, 0},
    {IDC_HELP_BUTTON, 0, kKindPush, kLayoutMoveRightAndDown, 0, 0},
    {0, 0, 0, 0, 0, 0},
};

void Initialise(Uwindow& dialog, FindReplaceState& state) {
    state.options = SR_INITIAL_OPTIONS;
    dialog.bindControls(kMainLayout);
    // The template holds no image for it, so the button keeps its text.
    dialog.setButtonImage(IDC_EXPANDER, kExpanderImage);
    dialog.setText(IDC_SEARCH_TEXT, state.searchText);
    dialog.setText(IDC_REPLACE_TEXT, state.replaceText);
    state.sizes = SizesFromBounds(dialog.getBounds());
    dialog.moveResize(0, 0, static_cast<std::int16_t>(state.sizes.width),
                      static_cast<std::int16_t>(state.sizes.collapsedHeight));
    state.collapsed = true;
    Apply(dialog, state);
    dialog.setValue(IDC_EXPANDER, state.collapsed ? 1.0f : 0.0f);
    dialog.show();
}

void ToggleOptions(Uwindow& dialog, FindReplaceState& state) {
    const std::int32_t height =
        state.collapsed ? state.sizes.expandedHeight : state.sizes.collapsedHeight;
    dialog.moveResize(0, 0, static_cast<std::int16_t>(state.sizes.width),
                      static_cast<std::int16_t>(height));
    state.collapsed = !state.collapsed;
    UpdateOptions(dialog, state);
}

void Refresh(Uwindow& dialog, const FindReplaceState& state) {
    const UniversalString search = dialog.getText(IDC_SEARCH_TEXT);
    UniversalString replace = state.replaceText;  // the style chosen, the text as typed
    replace.setText(dialog.getText(IDC_REPLACE_TEXT));
    const std::int16_t windows = host::GetWindowCount();
    switch (AllDocumentsChange(windows, state.collapsed)) {
        case BoxChange::Enable:
            dialog.enableControl(IDC_ALL_DOCUMENTS, true);
            break;
        case BoxChange::Disable:
            dialog.enableControl(IDC_ALL_DOCUMENTS, false);
            break;
        case BoxChange::Keep:
            break;
    }
    const bool runs =
        ReplaceAllBlocker(windows, search, replace, state.options) == ReplaceAllBlock::None;
    dialog.enableControl(IDC_REPLACE_ALL, runs);
    dialog.setOpacity(dialog.isActive() ? kActiveOpacity : kInactiveOpacity);
}

void Hide(Uwindow& dialog) {
    dialog.stopTimer();
    dialog.hide();
}

void OnControl(Uwindow& dialog, FindReplaceState& state, std::uint32_t id) {
    switch (id) {
        case IDC_CANCEL:
            Hide(dialog);
            break;
        case IDC_SEARCH_STYLE_BUTTON:
            UseStyle(dialog, state, true);
            break;
        case IDC_REPLACE_STYLE_BUTTON:
            UseStyle(dialog, state, false);
            break;
        case IDC_USE_SEARCH_STYLE:
        case IDC_USE_REPLACE_STYLE:
            Collect(dialog, state);
            Apply(dialog, state);
            break;
        case IDC_EVERYWHERE:
            Collect(dialog, state);
            UpdateOptions(dialog, state);
            break;
        case IDC_HELP_BUTTON:
            OpenHelp();
            break;
        case IDC_REPLACE_ALL:
            RunReplaceAllFromDialog(dialog, state);
            break;
        case IDC_EXPANDER:
        case IDC_EXPANDER_LABEL:
            ToggleOptions(dialog, state);
            break;
        case IDC_ABOUT_BUTTON:
            OpenAboutDialog(dialog.window);
            break;
        default:
            // The category and option boxes count at the next collect; the
            // hidden OK button and the edit fields' changes do nothing.
            break;
    }
}

}  // namespace

void Collect(Uwindow& dialog, FindReplaceState& state) {
    state.options = CollectOptions([&dialog](std::uint32_t id) { return dialog.getValue(id); });
}

void Apply(Uwindow& dialog, FindReplaceState& state) {
    std::size_t count = 0;
    const OptionBox* boxes = OptionBoxes(count);
    for (std::size_t i = 0; i < count; ++i) {
        dialog.setValue(boxes[i].id, (state.options & boxes[i].bit) != 0 ? 1.0f : 0.0f);
    }
    dialog.setText(IDC_SEARCH_STYLE_TEXT, (state.options & SR_USE_SEARCH_STYLE) != 0
                                              ? DescribeStyle(state.searchText)
                                              : UniversalString());
    dialog.setText(IDC_REPLACE_STYLE_TEXT, (state.options & SR_USE_REPLACE_STYLE) != 0
                                               ? DescribeStyle(state.replaceText)
                                               : UniversalString());
    UpdateOptions(dialog, state);
    Collect(dialog, state);
}

void UpdateOptions(Uwindow& dialog, const FindReplaceState& state) {
    dialog.setValue(IDC_EVERYWHERE, (state.options & SR_EVERYWHERE) != 0 ? 1.0f : 0.0f);
    const bool categoriesOff = (state.options & SR_EVERYWHERE) != 0 || state.collapsed;
    std::size_t count = 0;
    const std::uint32_t* categories = CategoryBoxIds(count);
    for (std::size_t i = 0; i < count; ++i) {
        dialog.enableControl(categories[i], !categoriesOff);
    }
    for (std::uint32_t id : {IDC_EVERYWHERE, IDC_MATCH_CASE, IDC_WHOLE_WORDS}) {
        dialog.enableControl(id, !state.collapsed);
    }
    if (state.collapsed) {
        dialog.setText(IDC_EXPANDER_LABEL, DialogString("lexo-messages", "show-options"));
        dialog.setText(IDC_EXPANDER, "+");
    } else {
        dialog.setText(IDC_EXPANDER_LABEL, DialogString("lexo-messages", "hide-options"));
        dialog.setText(IDC_EXPANDER, "-");
    }
}

int OpenMainDialog(WindowHandle owner) {
    Uwindow& dialog = Dialogs().main;
    if (!dialog.isOpen()) {
        dialog.openModeless(IDD_MAIN, MainDialogHandler, DialogModule(), owner, kModelessUserValue);
        enableWindow(owner, true);
    } else {
        dialog.bringToFront();
    }
    dialog.startTimer(kRefreshMilliseconds);
    return 1;
}

std::uint32_t MainDialogHandler(Uevent* event) {
    if (event == nullptr || event->window == nullptr) {
        return 0;
    }
    Uwindow& dialog = *event->window;
    FindReplaceState& state = Dialogs().state;
    if (event->eventClass == kEventTmer && event->kind == kKindTimer) {
        Refresh(dialog, state);
        return 0;
    }
    if (event->eventClass == kEventCntl && event->kind == kKindControlUsed) {
        OnControl(dialog, state, EventControlId(*event));
        return 1;
    }
    if (event->eventClass != kEventWind) {
        return 0;
    }
    switch (event->kind) {
        case kKindInitialised:
            dialog.setWindow(event->message.window);
            Initialise(dialog, state);
            return 1;
        case kKindDestroyed:
            // The fields still exist: what was typed outlives the window,
            // as it would have after Use Style or Replace All.
            state.searchText.setText(dialog.getText(IDC_SEARCH_TEXT));
            state.replaceText.setText(dialog.getText(IDC_REPLACE_TEXT));
            dialog.reset();
            return 1;
        case kKindCloseRequest:
            Hide(dialog);
            return 1;
        default:
            return 0;
    }
}

}  // namespace tavrel
