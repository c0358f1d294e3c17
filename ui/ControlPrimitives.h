// The few window-system calls the portable control operations need, which
// each backend provides: finding a dialog item, reading and writing a
// control's number, enabling an item or a toolbar button.
#pragma once

#include <cstdint>

#include "ui/Handles.h"
#include "ui/TextRules.h"

namespace tavrel::backend {

// The dialog's child window with that dialog-item id, or null.
WindowHandle DialogItem(WindowHandle dialog, std::uint32_t id);
// Check state, slider position, or the 0-based selection (-1: none).
std::int32_t ReadValue(WindowHandle control, ValueAccess access);
void WriteValue(WindowHandle control, ValueAccess access, std::int32_t value);
void EnableItem(WindowHandle control, bool on);
void EnableToolbarButton(WindowHandle toolbar, std::uint32_t commandId, bool on);

}  // namespace tavrel::backend
