// The one dialog procedure of all toolkit dialogs: finds the dialog's
// object, translates the message with the shared rules, does the window
// work that goes with it, and hands the event to the dialog's handler.
// Also the frame layout on WM_SIZING.
#include "ui/win32/WinToolkit.h"

#include <windowsx.h>

#include "ui/EventRules.h"
#include "ui/LayoutRules.h"
#include "ui/MessageCodes.h"
#include "ui/WindowRegistry.h"

namespace tavrel {
namespace {

// The portable rules speak the system's numbers.
static_assert(msg::kInitDialog == WM_INITDIALOG && msg::kCommand == WM_COMMAND &&
              msg::kNotify == WM_NOTIFY && msg::kSizing == WM_SIZING &&
              msg::kContextMenu == WM_CONTEXTMENU && msg::kNcDestroy == WM_NCDESTROY &&
              msg::kClear == WM_CLEAR && msg::kLButtonUp == WM_LBUTTONUP &&
              msg::kMouseMove == WM_MOUSEMOVE && msg::kKeyDown == WM_KEYDOWN &&
              msg::kKeyUp == WM_KEYUP && msg::kClose == WM_CLOSE && msg::kPaint == WM_PAINT);
static_assert(msg::kNmClick == static_cast<std::uint32_t>(NM_CLICK) &&
              msg::kNmDblClk == static_cast<std::uint32_t>(NM_DBLCLK) &&
              msg::kTvnSelChangedW == static_cast<std::uint32_t>(TVN_SELCHANGEDW) &&
              msg::kTvnSelChangedA == static_cast<std::uint32_t>(TVN_SELCHANGEDA) &&
              msg::kTvnItemExpandedW == static_cast<std::uint32_t>(TVN_ITEMEXPANDEDW) &&
              msg::kTvnBeginDragW == static_cast<std::uint32_t>(TVN_BEGINDRAGW) &&
              msg::kTvnKeyDown == static_cast<std::uint32_t>(TVN_KEYDOWN) &&
              msg::kTtnGetDispInfoW == static_cast<std::uint32_t>(TTN_GETDISPINFOW) &&
              msg::kEditChange == EN_CHANGE && msg::kEditSetFocus == EN_SETFOCUS);
static_assert(msg::kVkTab == VK_TAB && msg::kVkReturn == VK_RETURN && msg::kVkEscape == VK_ESCAPE &&
              msg::kVkDelete == VK_DELETE && msg::kWsTabStop == WS_TABSTOP &&
              msg::kWsVisible == WS_VISIBLE && msg::kBsAuto3State == BS_AUTO3STATE &&
              msg::kBsGroupBox == BS_GROUPBOX && msg::kMsgfDialogBox == MSGF_DIALOGBOX &&
              msg::kMsgfScrollBar == MSGF_SCROLLBAR && msg::kTveCollapse == TVE_COLLAPSE);

// The window has gone: its registry entry and its object's hold on it go.
void Forget(HWND hwnd, Uwindow* object) {
    UnregisterWindow(Handle(hwnd));
    if (object != nullptr && object->window == Handle(hwnd)) {
        object->timerId = 0;  // the system's timers die with their window
        object->reset();
    }
}

HWND ContextTarget(LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return point.x == -1 || point.y == -1 ? GetFocus() : WindowFromPoint(point);
}

INT_PTR Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Uwindow* object = findWindow(Handle(hwnd));
    Translation t = TranslateMessage(message, wParam, object ? object->flags : 0);
    if (t.action == MessageAction::Forget) {
        Forget(hwnd, object);
        return FALSE;
    }
    if (object == nullptr || object->handler == nullptr) {
        return FALSE;
    }
    Uevent event;
    event.window = object;
    event.message.window = Handle(hwnd);
    event.message.message = message;
    event.message.wParam = wParam;
    event.message.lParam = lParam;
    ApplyTranslation(t, event);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (t.action) {
        case MessageAction::Redraw:
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            break;
        case MessageAction::CommandControl:
            if (lParam != 0) {
                buildControl(Handle(reinterpret_cast<HWND>(lParam)), event.control);
            }
            break;
        case MessageAction::ContextControl:
            if (HWND target = ContextTarget(lParam)) {
                buildControl(Handle(target), event.control);
            }
            break;
        case MessageAction::Layout:
            if (lParam != 0) {
                LayoutOnSizing(*object, *reinterpret_cast<RECT*>(lParam));
            }
            SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, TRUE);  // the frame's answer: processed
            break;
        case MessageAction::Notify: {
            LRESULT result = 0;
            if (lParam != 0 &&
                HandleNotify(*object, event, *reinterpret_cast<NMHDR*>(lParam), result)) {
                SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
                return TRUE;
            }
            break;
        }
        case MessageAction::DragMove:
            DragMove(*object, point);
            break;
        case MessageAction::Drop:
            t.consumed = !Drop(*object, point, event);
            break;
        default:
            break;
    }
    if (t.consumed) {
        return TRUE;
    }
    return static_cast<INT_PTR>(object->handler(&event));
}

}  // namespace

INT_PTR CALLBACK dialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return Procedure(hwnd, message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system or the host: the message gets
        // the default processing instead.
        return FALSE;
    }
}

void LayoutOnSizing(Uwindow& dialog, RECT& proposed) {
    RECT current{0, 0, 0, 0};
    GetWindowRect(Hwnd(dialog.window), &current);
    URect next{proposed.left, proposed.top, proposed.right, proposed.bottom};
    const URect now{current.left, current.top, current.right, current.bottom};
    if (!ClampSizing(next, now, dialog.minSize)) {
        return;
    }
    proposed = {next.left, next.top, next.right, next.bottom};
    const std::int32_t dx = (next.right - next.left) - (now.right - now.left);
    const std::int32_t dy = (next.bottom - next.top) - (now.bottom - now.top);
    for (const Ucontrol& control : dialog.controls) {
        if (control.window == nullptr) {
            continue;
        }
        RECT r{0, 0, 0, 0};
        GetWindowRect(Hwnd(control.window), &r);
        MapWindowPoints(nullptr, Hwnd(dialog.window), reinterpret_cast<POINT*>(&r), 2);
        const URect from{r.left, r.top, r.right, r.bottom};
        const URect to = AnchoredRect(from, control.flags, dx, dy);
        if (to == from) {
            continue;
        }
        const PositionChange change =
            MoveResizeRule(to.left, to.top, to.right - to.left, to.bottom - to.top);
        UINT how = SWP_NOZORDER | SWP_NOACTIVATE;
        how |= change.move ? 0 : SWP_NOMOVE;
        how |= change.resize ? 0 : SWP_NOSIZE;
        SetWindowPos(Hwnd(control.window), nullptr, to.left, to.top, to.right - to.left,
                     to.bottom - to.top, how);
    }
    UpdateWindow(Hwnd(dialog.window));
}

}  // namespace tavrel
