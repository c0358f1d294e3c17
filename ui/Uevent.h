// The event record the toolkit hands to a dialog's one handler function:
// the window message it came from, the class and kind it was translated to,
// and the control it concerns.
#pragma once

#include <cstdint>

#include "ui/FourCharCode.h"
#include "ui/Handles.h"
#include "ui/Ucontrol.h"

namespace tavrel {

class Uwindow;

// The seven fields of a window message record.
struct UMessage {
    WindowHandle window = nullptr;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::uint32_t time = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const UMessage& o) const {
        return window == o.window && message == o.message && wParam == o.wParam &&
               lParam == o.lParam && time == o.time && x == o.x && y == o.y;
    }
};

class Uevent {
  public:
    UMessage message;
    Uwindow* window = nullptr;
    void* param = nullptr;  // a DataBrowserNotice for tree-browser events
    std::uint32_t kind = 0;
    FourCharCode eventClass = 0;  // 0: no event
    FourCharCode command = 0;     // class cmds only
    Ucontrol control;
};

// The control id every handler dispatches on: the id of an id-only control
// record; else the command id of a plain WM_COMMAND (wParam below 0x10000);
// else the dialog id of the event's control window, 0 when there is none.
std::uint32_t EventControlId(const Uevent& event);

// A dialog's handler: 1 for the events it handles, 0 for the rest.
using UeventHandler = std::uint32_t (*)(Uevent* event);

}  // namespace tavrel
