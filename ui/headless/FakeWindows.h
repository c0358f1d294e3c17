// The headless stand-in's window system: dialogs and their controls as
// records in memory, made from registered dialog templates, with the state a
// user can see (text, value, enabled, visible, bounds, opacity, tree rows,
// focus, the active window) and one dialog procedure that turns messages
// into toolkit events through the shared translation rules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/UniversalString.h"
#include "ui/DialogTemplate.h"
#include "ui/Handles.h"
#include "ui/Ucontrol.h"
#include "ui/UdatabrowserControl.h"

namespace tavrel {
class Uwindow;
}

namespace tavrel::headless {

struct TreeRow {
    std::uint32_t item = 0;
    std::uint32_t container = 0;  // 0: top level
    UniversalString text;
    int image = 0;
    bool expanded = false;
};

struct FakeWindow {
    WindowHandle handle = nullptr;
    WindowHandle parent = nullptr;  // a dialog's owner; a control's dialog
    std::string className;
    std::uint32_t style = 0;
    std::uint32_t dialogId = 0;
    UniversalString text;
    URect rect;  // a dialog: screen pixels; a control: its dialog's client pixels
    bool enabled = true;
    bool visible = true;
    std::int32_t value = 0;  // check state, slider position, 0-based selection
    std::vector<UniversalString> entries;
    std::vector<TreeRow> rows;  // in pre-order
    std::uint32_t caret = 0;    // the selected row's item id
    // Dialogs only.
    std::uint16_t templateId = 0;
    float opacity = 1.0f;
    WindowHandle focus = nullptr;
    std::vector<WindowHandle> children;
};

constexpr const char* kDialogClass = "#32770";
bool IsDialog(const FakeWindow& window);
FakeWindow* Lookup(WindowHandle handle);
// A dialog and its controls from the template; registered, not yet told.
WindowHandle CreateFromTemplate(const DialogTemplate& dialog, WindowHandle owner);
// WM_DESTROY and WM_NCDESTROY through the dialog procedure, then gone.
void Destroy(WindowHandle dialog);
WindowHandle ChildById(WindowHandle dialog, std::uint32_t id);
// The one dialog procedure of the stand-in; param is a tree notice.
std::intptr_t Send(WindowHandle dialog, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam);
// A tree-browser event to the dialog's handler, with the notice as param.
void SendNotice(WindowHandle tree, DataBrowserNotice& notice, std::uint32_t notifyCode);

// Dialogs, the one on top first; raising puts one on top.
const std::vector<WindowHandle>& ZOrder();
void Raise(WindowHandle dialog);
WindowHandle ActiveWindow();
void Activate(WindowHandle dialog);  // null: no dialog is active
void Focus(WindowHandle control);    // focus within its dialog, which is activated
bool IsTabStop(const FakeWindow& control);
// The next (or previous) tab stop of the dialog after the control.
WindowHandle NextTabStop(WindowHandle dialog, WindowHandle from, bool previous);

// What a modal open does while its dialog is up: the automation's modal
// driver, then, if the dialog is still open, Escape; a dialog that ignores
// even that is destroyed, so no session hangs.
void DriveModal(Uwindow& modal, WindowHandle dialog);

}  // namespace tavrel::headless
