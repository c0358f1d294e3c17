// The message translation table and the control id of an event.
#include "ui/EventRules.h"

#include "ui/MessageCodes.h"
#include "ui/UdatabrowserControl.h"
#include "ui/Uwindow.h"

namespace tavrel {

Translation TranslateMessage(std::uint32_t message, std::uintptr_t wParam,
                             std::uint32_t windowFlags) {
    Translation t;
    const bool dragging = (windowFlags & kWindowDragging) != 0;
    switch (message) {
        case msg::kInitDialog:
            t.eventClass = kEventWind;
            t.kind = kKindInitialised;
            break;
        case msg::kDestroy:
            t.eventClass = kEventWind;
            t.kind = kKindDestroyed;
            break;
        case msg::kNcDestroy:
            t.action = MessageAction::Forget;
            break;
        case msg::kSize:
            t.action = MessageAction::Redraw;
            break;
        case msg::kPaint:
            t.consumed = (windowFlags & kWindowSuspendPaint) != 0;
            break;
        case msg::kCommand: {
            t.eventClass = kEventCntl;
            const std::uint32_t code = static_cast<std::uint32_t>((wParam >> 16) & 0xFFFF);
            if (code == 0 || code == 1 || code == msg::kEditChange) {
                t.kind = kKindControlUsed;
            }
            t.action = MessageAction::CommandControl;
            break;
        }
        case msg::kClear:
            t.eventClass = kEventCmds;
            t.kind = kKindCommand;
            t.command = kCommandClear;
            break;
        case msg::kContextMenu:
            t.eventClass = kEventCntl;
            t.kind = kKindContextMenu;
            t.action = MessageAction::ContextControl;
            break;
        case msg::kSizing:
            t.consumed = true;
            t.action = MessageAction::Layout;
            break;
        case msg::kNotify:
            t.action = MessageAction::Notify;
            break;
        case msg::kMouseMove:
            t.consumed = !dragging;
            t.action = dragging ? MessageAction::DragMove : MessageAction::None;
            break;
        case msg::kLButtonUp:
            // A valid drop clears this; anything else is swallowed.
            t.consumed = true;
            t.action = dragging ? MessageAction::Drop : MessageAction::None;
            break;
        default:
            break;
    }
    return t;
}

void ApplyTranslation(const Translation& translation, Uevent& event) {
    event.eventClass = translation.eventClass;
    event.kind = translation.kind;
    event.command = translation.command;
}

NotifyRule RuleForNotification(std::uint32_t code) {
    switch (code) {
        case msg::kNmDblClk:
            return {NotifyAction::ItemNotice, kItemDoubleClicked};
        case msg::kTvnSelChangedA:
        case msg::kTvnSelChangedW:
            return {NotifyAction::ItemNotice, kItemSelectionChanged};
        case msg::kTvnItemExpandedA:
        case msg::kTvnItemExpandedW:
            return {NotifyAction::ItemNotice, kItemOpened};
        case msg::kTvnBeginDragA:
        case msg::kTvnBeginDragW:
            return {NotifyAction::BeginDrag, 0};
        case msg::kNmClick:
            return {NotifyAction::Click, 0};
        case msg::kTvnKeyDown:
            return {NotifyAction::TreeKey, 0};
        case msg::kTtnGetDispInfoW:
            return {NotifyAction::Tooltip, 0};
        case msg::kEnMsgFilter:
            return {NotifyAction::RichEditKey, 0};
        default:
            return {};
    }
}

std::uint32_t ExpandedItemMessage(std::uint32_t action) {
    return (action & 0x3) == msg::kTveCollapse ? kItemClosed : kItemOpened;
}

std::uint32_t EventControlId(const Uevent& event) {
    const Ucontrol& control = event.control;
    if (control.window == nullptr && control.id != 0) {
        return control.id;
    }
    const std::uintptr_t wParam = event.message.wParam;
    if (wParam < 0x10000 && (wParam & 0xFFFF) != 0) {
        return static_cast<std::uint32_t>(wParam & 0xFFFF);
    }
    // A control record built for an event carries its window's dialog id.
    return control.window != nullptr ? control.id : 0;
}

}  // namespace tavrel
