// How a window message becomes a toolkit event: the class, kind and command
// it gives, whether the dialog procedure swallows it, and which piece of
// window-system work goes with it. Both backends run these rules; only the
// work itself differs.
#pragma once

#include <cstdint>

#include "ui/FourCharCode.h"
#include "ui/Uevent.h"

namespace tavrel {

// The window-system work a message needs besides the event fields.
enum class MessageAction {
    None,
    Redraw,          // WM_SIZE: invalidate, erase and repaint at once
    CommandControl,  // build the event's control from the window in lParam
    ContextControl,  // build it from the window under the point (or the focus)
    Layout,          // WM_SIZING: clamp and move the anchored controls
    Notify,          // WM_NOTIFY: tree notices, tooltips, rich-edit keys
    DragMove,        // WM_MOUSEMOVE during a tree drag
    Drop,            // WM_LBUTTONUP during a tree drag; consumed unless valid
    Forget,          // WM_NCDESTROY: the window leaves the registry
};

struct Translation {
    FourCharCode eventClass = 0;
    std::uint32_t kind = 0;
    FourCharCode command = 0;
    bool consumed = false;
    MessageAction action = MessageAction::None;
};

// windowFlags are the Uwindow's flags (suspended painting, drag in progress).
Translation TranslateMessage(std::uint32_t message, std::uintptr_t wParam,
                             std::uint32_t windowFlags);
// Copies class, kind and command into the event.
void ApplyTranslation(const Translation& translation, Uevent& event);

// What a WM_NOTIFY code asks of the toolkit.
enum class NotifyAction {
    None,
    ItemNotice,  // an item notice to the owner (message below)
    BeginDrag,
    Click,
    TreeKey,
    Tooltip,
    RichEditKey,
};
struct NotifyRule {
    NotifyAction action = NotifyAction::None;
    std::uint32_t itemMessage = 0;  // 7 double-click, 14 selection; expand: see below
};
NotifyRule RuleForNotification(std::uint32_t code);
// The item message of an expanded notice: 10 for a collapse, else 8.
std::uint32_t ExpandedItemMessage(std::uint32_t action);

}  // namespace tavrel
