// Tree, rich-edit and dialog-filter key rules.
#include "ui/KeyRules.h"

#include <cstring>

#include "ui/MessageCodes.h"

namespace tavrel {
namespace {

UMessage lastHandled;
bool haveLastHandled = false;

bool ClassIs(const char* className, const char* name) {
    return className != nullptr && std::strcmp(className, name) == 0;
}

FilterAction KeyDownAction(const FilterTarget& target, std::uint32_t key, KeyModifiers modifiers) {
    // Rich edits keep every key for themselves.
    if (ClassIs(target.className, "RICHEDIT") || ClassIs(target.className, "RichEdit20A")) {
        return FilterAction::Pass;
    }
    switch (key) {
        case msg::kVkTab:
            return modifiers.shift ? FilterAction::PreviousTab : FilterAction::NextTab;
        case msg::kVkReturn:
            return FilterAction::PressOk;
        case msg::kVkEscape:
            return target.parentDragging ? FilterAction::CancelDrag : FilterAction::Pass;
        case msg::kVkDelete:
            return ClassIs(target.className, "SysTreeView32") ? FilterAction::Clear
                                                              : FilterAction::Pass;
        default:
            return FilterAction::Pass;
    }
}

FilterAction KeyUpAction(const FilterTarget& target, std::uint32_t key, KeyModifiers modifiers) {
    if (!ClassIs(target.className, "Edit") || !modifiers.ctrlOnly()) {
        return FilterAction::Pass;
    }
    switch (key) {
        case 'A':
            return FilterAction::EditSelectAll;
        case 'C':
            return FilterAction::EditCopy;
        case 'V':
            return FilterAction::EditPaste;
        case 'X':
            return FilterAction::EditCut;
        default:
            return FilterAction::Pass;
    }
}

}  // namespace

FourCharCode TreeKeyCommand(std::uint32_t virtualKey, KeyModifiers modifiers) {
    if (virtualKey == msg::kVkSpace && !modifiers.ctrl && !modifiers.alt) {
        return kCommandSpace;
    }
    if (!modifiers.ctrlOnly()) {
        return 0;
    }
    switch (virtualKey) {
        case 'A':
            return kCommandSelectAll;
        case 'C':
            return kCommandCopy;
        case 'V':
            return kCommandPaste;
        case 'Y':
            return kCommandRedo;
        case 'Z':
            return kCommandUndo;
        default:
            return 0;
    }
}

RichEditKey RichEditKeyRule(std::uint32_t virtualKey, KeyModifiers modifiers,
                            bool notifierIsBrowser) {
    if (virtualKey == msg::kVkSpace && modifiers.none()) {
        return {EditAction::None, notifierIsBrowser ? kCommandSpace : 0};
    }
    if (!modifiers.ctrlOnly()) {
        return {};
    }
    switch (virtualKey) {
        case 'A':
            return {EditAction::SelectAll, 0};
        case 'C':
            return {EditAction::Copy, 0};
        case 'V':
            return {EditAction::Paste, 0};
        case 'X':
            return {EditAction::Cut, 0};
        case 'Y':
            return {EditAction::None, kCommandRedo};
        case 'Z':
            return {EditAction::None, kCommandUndo};
        default:
            return {};
    }
}

FilterAction DecideFilter(const UMessage& message, const FilterTarget& target,
                          KeyModifiers modifiers) {
    if (message.window == nullptr) {
        return FilterAction::Pass;
    }
    if (haveLastHandled && message == lastHandled) {
        return FilterAction::Swallow;
    }
    // Only the controls of a modeless toolkit dialog; modal dialogs run the
    // system's own dialog loop, which does all of this already.
    if (target.windowRegistered || !target.parentRegistered || target.parentModal) {
        return FilterAction::Pass;
    }
    const auto key = static_cast<std::uint32_t>(message.wParam);
    if (message.message == msg::kKeyDown) {
        return KeyDownAction(target, key, modifiers);
    }
    if (message.message == msg::kKeyUp) {
        return KeyUpAction(target, key, modifiers);
    }
    return FilterAction::Pass;
}

void RememberHandled(const UMessage& message) {
    lastHandled = message;
    haveLastHandled = true;
}

void ForgetHandled() {
    haveLastHandled = false;
    lastHandled = UMessage();
}

}  // namespace tavrel
