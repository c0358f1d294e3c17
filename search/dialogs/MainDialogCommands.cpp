// The main dialog's buttons that reach beyond it: Use Style, Replace All
// and Help.
#include "search/dialogs/MainDialog.h"

#include "host/HostCallbacks.h"
#include "plugin/model/Model.h"
#include "resources/resource.h"
#include "search/ReplaceAll.h"
#include "search/SearchRequest.h"
#include "search/dialogs/DialogText.h"

namespace tavrel {
namespace {

constexpr const char* kHelpTopic = "9967";

// What one "Use Style..." button works on.
struct StyleTarget {
    UniversalString& text;
    std::uint32_t field;
    std::uint32_t description;
    std::uint32_t box;
    std::uint32_t useBit;
};

ReplaceAllMessages Messages() {
    const Model* model = EntryPointModel();
    if (model == nullptr || model->Strings() == nullptr) {
        return ReplaceAllMessages();
    }
    return LoadReplaceAllMessages(*model->Strings());
}

}  // namespace

void UseStyle(Uwindow& dialog, FindReplaceState& state, bool forSearch) {
    const StyleTarget target =
        forSearch ? StyleTarget{state.searchText, IDC_SEARCH_TEXT, IDC_SEARCH_STYLE_TEXT,
                                IDC_USE_SEARCH_STYLE, SR_USE_SEARCH_STYLE}
                  : StyleTarget{state.replaceText, IDC_REPLACE_TEXT, IDC_REPLACE_STYLE_TEXT,
                                IDC_USE_REPLACE_STYLE, SR_USE_REPLACE_STYLE};
    target.text.setText(dialog.getText(target.field));
    state.editedStyle = target.text.style();
    state.editingSearchStyle = forSearch;
    dialog.enable(false);
    OpenStyleDialog(dialog.window);
    dialog.enable(true);
    if (state.editedStyle.effects == kUnset16) {
        return;  // cancelled: style, description and box stay as they were
    }
    target.text.setStyle(state.editedStyle);
    dialog.setText(target.description, DescribeStyle(target.text));
    dialog.setValue(target.box, 1.0f);
    state.options |= target.useBit;
}

void RunReplaceAllFromDialog(Uwindow& dialog, FindReplaceState& state) {
    Collect(dialog, state);
    state.searchText.setText(dialog.getText(IDC_SEARCH_TEXT));
    state.replaceText.setText(dialog.getText(IDC_REPLACE_TEXT));
    SearchRequest request;
    request.searchText = state.searchText;
    request.replaceText = state.replaceText;
    request.options = state.options;
    const ReplaceAllResult result = RunReplaceAll(request, Messages());
    dialog.enable(false);
    ShowReplaceAllResult(HostWindow(), result);
    dialog.enable(true);
}

void OpenHelp() {
    host::OpenHelpItem(kHelpTopic);
}

}  // namespace tavrel
