// Uwindow over user32: opening dialogs from the module's templates with the
// creation hook, closing, showing, activation, opacity, position and size,
// and the periodic timer.
#include "ui/Uwindow.h"

#include <algorithm>

#include "ui/LayoutRules.h"
#include "ui/WindowRegistry.h"
#include "ui/win32/WinToolkit.h"

namespace tavrel {
namespace {

// Every open prepares the controls its templates may use.
void PrepareControls() {
    INITCOMMONCONTROLSEX init;
    init.dwSize = sizeof init;
    init.dwICC = ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                 ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&init);
    LoadLibraryA("RICHED32.DLL");
}

}  // namespace

void Uwindow::destroyOwnWindow() {
    // The window cannot outlive the object its procedure reaches.
    if (window != nullptr && IsWindow(Hwnd(window)) && findWindow(window) == this) {
        DestroyWindow(Hwnd(window));
    }
}

WindowHandle Uwindow::openModeless(const std::uint16_t& templateId, UeventHandler eventHandler,
                                   platform::ModuleHandle fromModule, WindowHandle owner,
                                   std::uint32_t value) {
    prepareOpen(eventHandler, fromModule, owner, flags | kWindowKeyboardFilter);
    userValue = value;
    BeginCreation(this);
    PrepareControls();
    HWND created =
        CreateDialogParamW(static_cast<HINSTANCE>(fromModule), MAKEINTRESOURCEW(templateId),
                           Hwnd(owner), dialogProcedure, 0);
    EndCreation();
    window = Handle(created);
    if (created != nullptr) {
        SetWindowPos(created, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        flags |= kWindowExists;
    } else {
        flags = 0;
        handler = nullptr;
    }
    return window;
}

void Uwindow::openModal(const std::uint16_t& templateId, UeventHandler eventHandler,
                        platform::ModuleHandle fromModule, WindowHandle owner) {
    prepareOpen(eventHandler, fromModule, owner,
                kWindowKeyboardFilter | kWindowModal | kWindowExists);
    BeginCreation(this);
    PrepareControls();
    const INT_PTR result =
        DialogBoxParamW(static_cast<HINSTANCE>(fromModule), MAKEINTRESOURCEW(templateId),
                        Hwnd(owner), dialogProcedure, 0);
    // A template that did not load leaves the hook waiting for a window
    // that never came; it must not catch the next window of the thread.
    EndCreation();
    if (result == -1 || (window != nullptr && !IsWindow(Hwnd(window)))) {
        reset();
    }
}

void Uwindow::close(bool final) {
    if (beginClose(final)) {
        DestroyWindow(Hwnd(window));
    }
    if (final) {
        installKeyboardFilter(false);
        installMessageHook(false);
    }
    reset();
}

void Uwindow::show() {
    ShowWindow(Hwnd(window), SW_SHOW);
    flags |= kWindowShown;
}

void Uwindow::hide() {
    ShowWindow(Hwnd(window), SW_HIDE);
}

void Uwindow::bringToFront() {
    ShowWindow(Hwnd(window), SW_SHOW);
    SetFocus(Hwnd(window));
}

bool Uwindow::isActive() const {
    // A dialog without an owner has no owner to be disabled.
    return window != nullptr && GetForegroundWindow() == Hwnd(window) &&
           (parent == nullptr || IsWindowEnabled(Hwnd(parent)));
}

void Uwindow::setOpacity(float fraction) {
    if (window == nullptr) {
        return;
    }
    const float clamped = std::clamp(fraction, 0.0f, 1.0f);  // NaN stays: checked below
    const BYTE alpha = clamped >= 0.0f ? static_cast<BYTE>(clamped * 255.0f) : 255;
    const LONG_PTR style = GetWindowLongPtrW(Hwnd(window), GWL_EXSTYLE);
    SetWindowLongPtrW(Hwnd(window), GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Hwnd(window), 0, alpha, LWA_ALPHA);
}

void Uwindow::moveResize(std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height) {
    const PositionChange change = MoveResizeRule(x, y, width, height);
    UINT how = SWP_NOZORDER | SWP_NOOWNERZORDER;
    how |= change.move ? 0 : SWP_NOMOVE;
    how |= change.resize ? 0 : SWP_NOSIZE;
    SetWindowPos(Hwnd(window), nullptr, x, y, width, height, how);
}

URect Uwindow::getBounds() const {
    RECT r{0, 0, 0, 0};
    if (window != nullptr) {
        GetWindowRect(Hwnd(window), &r);
    }
    return {r.left, r.top, r.right, r.bottom};
}

void Uwindow::startTimer(std::uint32_t milliseconds) {
    stopTimer();
    // No timer without a window: it would tick for nobody, and no stop
    // could reach it.
    if (window == nullptr || !IsWindow(Hwnd(window))) {
        return;
    }
    timerId = static_cast<std::uint32_t>(SetTimer(Hwnd(window), 0, milliseconds, timerProcedure));
}

void Uwindow::stopTimer() {
    if (timerId != 0) {
        KillTimer(Hwnd(window), 0);
        timerId = 0;
    }
}

void CALLBACK timerProcedure(HWND hwnd, UINT, UINT_PTR, DWORD) {
    try {
        Uwindow* object = findWindow(Handle(hwnd));
        if (object == nullptr || object->handler == nullptr) {
            return;
        }
        Uevent event;
        event.window = object;
        event.eventClass = kEventTmer;
        event.kind = kKindTimer;
        object->handler(&event);
    } catch (...) {
        // Nothing may unwind into the system's timer dispatch.
    }
}

}  // namespace tavrel
