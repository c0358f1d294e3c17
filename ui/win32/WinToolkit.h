// What the win32 files of the toolkit share: handle conversions, the system
// callbacks (dialog procedure, timer procedure, hooks), the tree-view walk,
// the tree browser's notification and drag work, and bounded class-name
// reads. Only ui/win32/ includes it.
#pragma once

#include <windows.h>
// The common controls build on the base types above.
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "ui/Handles.h"
#include "ui/KeyRules.h"
#include "ui/Uevent.h"
#include "ui/Uwindow.h"

namespace tavrel {

inline HWND Hwnd(WindowHandle handle) {
    return static_cast<HWND>(handle);
}
inline WindowHandle Handle(HWND hwnd) {
    return static_cast<WindowHandle>(hwnd);
}

// The class name, read into a buffer of maxChars + 1 and so cut to maxChars.
std::string ClassNameOf(HWND hwnd, std::size_t maxChars);
UMessage ToUMessage(const MSG& message);
// Alt, Shift and Ctrl as the keyboard state holds them now.
KeyModifiers CurrentModifiers();

// The one dialog procedure of every toolkit dialog, and the timer's.
INT_PTR CALLBACK dialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void CALLBACK timerProcedure(HWND hwnd, UINT message, UINT_PTR id, DWORD time);

// The window-creation hook lives from the start of an open to the creation
// of its window; EndCreation removes it if the window never came.
void BeginCreation(Uwindow* object);
void EndCreation();
// The dialog keyboard filter and the message hook, per thread.
void installKeyboardFilter(bool install);
void installMessageHook(bool install);
bool KeyboardFilterInstalled();
bool MessageHookInstalled();
// The filter's work for one message under a hook code: true when handled
// (the message must then go no further).
bool FilterMessage(int code, const MSG& message);

// Tree-view items: the owner's id of an item, the pre-order walk, lookup by
// id from the root, and the selected test.
std::uint32_t itemId(HWND tree, HTREEITEM item);
HTREEITEM nextItem(HWND tree, HTREEITEM item, bool descend);
HTREEITEM findItem(HWND tree, std::uint32_t id);
bool isSelected(HWND tree, HTREEITEM item);

// WM_NOTIFY of a toolkit dialog. Fills the event (class, kind, command,
// param, control) when there is one for the handler; true when the toolkit
// consumed the notification (result then goes back to the sender).
bool HandleNotify(Uwindow& dialog, Uevent& event, NMHDR& header, LRESULT& result);
// Drag tracking on the dialog while a tree drag is in progress; point in the
// dialog's client coordinates.
void DragMove(Uwindow& dialog, POINT point);
// True when the drop is valid: the event then carries the drop notice.
bool Drop(Uwindow& dialog, POINT point, Uevent& event);
// Ends the drag's image, drop target, capture and cursor, and the drag.
void CancelDrag(Uwindow& dialog);

// WM_SIZING: clamps the proposed frame and moves the anchored controls.
void LayoutOnSizing(Uwindow& dialog, RECT& proposed);

}  // namespace tavrel
