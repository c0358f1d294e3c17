// The toolkit's thread hooks: the window-creation hook that enters a new
// dialog in the registry, and the dialog keyboard filter. The filter runs
// twice over: as a message-filter hook, for loops that ask the dialog
// manager (IsDialogMessage) and for scroll-bar tracking; and from the
// message hook, for the keys of modeless dialogs that a host's plain
// GetMessage/DispatchMessage loop would otherwise hand straight to the
// controls. A key the filter handles there becomes WM_NULL, so it is
// handled once whichever way it comes.
#include "ui/win32/WinToolkit.h"

#include "ui/KeyRules.h"
#include "ui/WindowRegistry.h"

namespace tavrel {
namespace {

HHOOK creationHook = nullptr;
HHOOK filterHook = nullptr;
HHOOK messageHook = nullptr;
Uwindow* beingCreated = nullptr;

LRESULT CALLBACK CreationHookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    try {
        if (code == HCBT_CREATEWND && beingCreated != nullptr) {
            // The thread's first window since the open began: the dialog.
            Uwindow* object = beingCreated;
            RegisterWindow(Handle(reinterpret_cast<HWND>(wParam)), object);
            if ((object->flags & kWindowKeyboardFilter) != 0) {
                installKeyboardFilter(true);
                installMessageHook(true);
            }
            EndCreation();
            return 0;
        }
    } catch (...) {
        // Creation goes on without the toolkit rather than unwind into it.
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Perform(FilterAction action, const MSG& message, HWND dialog, Uwindow* object) {
    switch (action) {
        case FilterAction::NextTab:
        case FilterAction::PreviousTab:
            SetFocus(GetNextDlgTabItem(dialog, message.hwnd,
                                       action == FilterAction::PreviousTab ? TRUE : FALSE));
            break;
        case FilterAction::PressOk:
            SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            break;
        case FilterAction::CancelDrag:
            CancelDrag(*object);
            break;
        case FilterAction::Clear:
            SendMessageW(dialog, WM_CLEAR, 1, 0);
            break;
        case FilterAction::EditSelectAll:
            SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
            break;
        case FilterAction::EditCopy:
            SendMessageW(message.hwnd, WM_COPY, 0, 0);
            break;
        case FilterAction::EditPaste:
            SendMessageW(message.hwnd, WM_PASTE, 0, 0);
            break;
        case FilterAction::EditCut:
            SendMessageW(message.hwnd, WM_CUT, 0, 0);
            break;
        case FilterAction::Pass:
        case FilterAction::Swallow:
            break;
    }
}

bool FilterDialogKey(const MSG& message) {
    const HWND dialog = GetParent(message.hwnd);
    Uwindow* object = findWindow(Handle(dialog));
    const std::string className = ClassNameOf(message.hwnd, 23);
    FilterTarget target;
    target.windowRegistered = findWindow(Handle(message.hwnd)) != nullptr;
    target.parentRegistered = object != nullptr;
    target.parentModal = object != nullptr && (object->flags & kWindowModal) != 0;
    target.parentDragging = object != nullptr && (object->flags & kWindowDragging) != 0;
    target.className = className.c_str();
    const UMessage record = ToUMessage(message);
    const FilterAction action = DecideFilter(record, target, CurrentModifiers());
    if (action == FilterAction::Pass) {
        return false;
    }
    RememberHandled(record);
    Perform(action, message, dialog, object);
    return true;
}

// While the user drags a tree browser's scroll bar, its header follows.
void FollowHorizontalScroll(HWND tree) {
    Uwindow* object = findWindow(Handle(GetParent(tree)));
    const Ucontrol* browser = object ? object->controlByWindow(Handle(tree)) : nullptr;
    if (browser == nullptr || browser->kind != kKindDatb ||
        (browser->flags & kBrowserHasHeader) == 0) {
        return;
    }
    for (const UcontrolPart& part : browser->parts) {
        if (part.kind == kKindHead && part.window != nullptr) {
            SetWindowPos(Hwnd(part.window), nullptr, -GetScrollPos(tree, SB_HORZ), 0, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

LRESULT CALLBACK FilterHookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (lParam != 0 && FilterMessage(code, *reinterpret_cast<const MSG*>(lParam))) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MessageHookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && lParam != 0) {
        MSG& message = *reinterpret_cast<MSG*>(lParam);
        if ((message.message == WM_KEYDOWN || message.message == WM_KEYUP) &&
            FilterMessage(MSGF_DIALOGBOX, message)) {
            message.message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Install(HHOOK& hook, int type, HOOKPROC procedure, bool install) {
    if (install && hook == nullptr) {
        hook = SetWindowsHookExW(type, procedure, nullptr, GetCurrentThreadId());
    } else if (!install && hook != nullptr) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
}

}  // namespace

KeyModifiers CurrentModifiers() {
    KeyModifiers m;
    m.alt = GetKeyState(VK_MENU) < 0;
    m.shift = GetKeyState(VK_SHIFT) < 0;
    m.ctrl = GetKeyState(VK_CONTROL) < 0;
    return m;
}

std::string ClassNameOf(HWND hwnd, std::size_t maxChars) {
    std::string name(maxChars + 1, '\0');
    const int n = GetClassNameA(hwnd, name.data(), static_cast<int>(name.size()));
    name.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return name;
}

UMessage ToUMessage(const MSG& message) {
    UMessage m;
    m.window = Handle(message.hwnd);
    m.message = message.message;
    m.wParam = message.wParam;
    m.lParam = message.lParam;
    m.time = message.time;
    m.x = message.pt.x;
    m.y = message.pt.y;
    return m;
}

void BeginCreation(Uwindow* object) {
    if (creationHook == nullptr) {
        beingCreated = object;
        creationHook =
            SetWindowsHookExW(WH_CBT, CreationHookProcedure, nullptr, GetCurrentThreadId());
    }
}

void EndCreation() {
    if (creationHook != nullptr) {
        UnhookWindowsHookEx(creationHook);
        creationHook = nullptr;
    }
    beingCreated = nullptr;
}

void installKeyboardFilter(bool install) {
    Install(filterHook, WH_MSGFILTER, FilterHookProcedure, install);
}

void installMessageHook(bool install) {
    Install(messageHook, WH_GETMESSAGE, MessageHookProcedure, install);
}

bool KeyboardFilterInstalled() {
    return filterHook != nullptr;
}

bool MessageHookInstalled() {
    return messageHook != nullptr;
}

bool FilterMessage(int code, const MSG& message) {
    try {
        if (code == MSGF_DIALOGBOX && message.hwnd != nullptr) {
            return FilterDialogKey(message);
        }
        if (code == MSGF_SCROLLBAR && message.hwnd != nullptr) {
            FollowHorizontalScroll(message.hwnd);
        }
    } catch (...) {
        // Nothing may unwind into the host's message loop.
    }
    return false;
}

}  // namespace tavrel
