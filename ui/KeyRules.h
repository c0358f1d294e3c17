// Keyboard rules of the toolkit: the commands a tree browser and a rich
// edit turn keys into, and the dialog keyboard filter that gives modeless
// dialogs Tab, Enter, Escape, Delete and the editing shortcuts inside a
// host's message loop. Decisions only; the backends carry them out.
#pragma once

#include <cstdint>

#include "ui/FourCharCode.h"
#include "ui/Uevent.h"

namespace tavrel {

struct KeyModifiers {
    bool alt = false;
    bool shift = false;
    bool ctrl = false;
    bool ctrlOnly() const { return ctrl && !alt && !shift; }
    bool none() const { return !ctrl && !alt && !shift; }
};

// TVN_KEYDOWN in a tree browser: the cmds command, 0 for none.
FourCharCode TreeKeyCommand(std::uint32_t virtualKey, KeyModifiers modifiers);

enum class EditAction { None, SelectAll, Copy, Paste, Cut };

// A key released in a rich edit (EN_MSGFILTER): an edit action the toolkit
// performs itself (consumed), or a cmds command for the handler.
struct RichEditKey {
    EditAction action = EditAction::None;
    FourCharCode command = 0;
};
RichEditKey RichEditKeyRule(std::uint32_t virtualKey, KeyModifiers modifiers,
                            bool notifierIsBrowser);

enum class FilterAction {
    Pass,           // not handled: the message goes on
    Swallow,        // handled before: the same record again
    NextTab,        // focus to the next tab stop of the dialog
    PreviousTab,    // Shift+Tab: focus to the previous one
    PressOk,        // WM_COMMAND IDOK to the dialog
    CancelDrag,     // end the tree drag in progress
    Clear,          // WM_CLEAR to the dialog
    EditSelectAll,  // the edit field's own shortcuts
    EditCopy,
    EditPaste,
    EditCut,
};

// What the filter knows about a key message's window.
struct FilterTarget {
    bool windowRegistered = false;  // the window is itself a toolkit dialog
    bool parentRegistered = false;  // its parent is one
    bool parentModal = false;
    bool parentDragging = false;
    const char* className = "";  // the window's class, at most 23 characters
};

// The filter's decision for a message under the dialog-box hook code. A
// record equal to the last handled one is swallowed; the caller remembers
// every record it handles with RememberHandled.
FilterAction DecideFilter(const UMessage& message, const FilterTarget& target,
                          KeyModifiers modifiers);
void RememberHandled(const UMessage& message);
void ForgetHandled();

}  // namespace tavrel
