// The control operations of Uwindow by dialog-item id, the same on every
// window system: each finds the item, asks its kind and reads or writes it
// the way that kind wants. Also the add-item request of a tree browser,
// which only talks to the dialog's own handler.
#include "ui/Uwindow.h"

#include <cmath>
#include <limits>

#include "ui/BindingRules.h"
#include "ui/ControlPrimitives.h"
#include "ui/TextRules.h"

namespace tavrel {
namespace {

// The integer part of a value, kept inside 32 bits (NaN gives 0).
std::int32_t Truncated(float value) {
    if (!std::isfinite(value)) {
        return value > 0 ? std::numeric_limits<std::int32_t>::max()
                         : (value < 0 ? std::numeric_limits<std::int32_t>::min() : 0);
    }
    const double v = std::trunc(static_cast<double>(value));
    if (v >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (v <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(v);
}

}  // namespace

double Uwindow::getValue(std::uint32_t id) {
    const WindowHandle item = backend::DialogItem(window, id);
    if (item == nullptr) {
        return 0.0;
    }
    const ValueAccess access = ValueAccessFor(controlKind(item));
    switch (access) {
        case ValueAccess::Text:
            return ReadEditNumber(getControlText8(item, false));
        case ValueAccess::Check:
        case ValueAccess::Slider:
            return backend::ReadValue(item, access);
        case ValueAccess::List:
        case ValueAccess::Combo:
            return backend::ReadValue(item, access) + 1.0;
        case ValueAccess::None:
            break;
    }
    return 0.0;
}

bool Uwindow::setValue(std::uint32_t id, float value) {
    const WindowHandle item = backend::DialogItem(window, id);
    if (item == nullptr) {
        return false;
    }
    const std::int32_t n = Truncated(value);
    const ValueAccess access = ValueAccessFor(controlKind(item));
    switch (access) {
        case ValueAccess::Text:
            setControlText8(item, ValueText(value));
            return true;
        case ValueAccess::Check:
            // The low 16 bits: 2 is the indeterminate state of a three-state box.
            backend::WriteValue(item, access, n & 0xFFFF);
            return true;
        case ValueAccess::Slider:
            backend::WriteValue(item, access, n);
            return true;
        case ValueAccess::List:
        case ValueAccess::Combo:
            backend::WriteValue(item, access, n - 1);
            return true;
        case ValueAccess::None:
            break;
    }
    return false;
}

UniversalString Uwindow::getText(std::uint32_t id) {
    const WindowHandle item = backend::DialogItem(window, id);
    return item != nullptr ? getControlText(item) : UniversalString();
}

void Uwindow::setText(std::uint32_t id, const UniversalString& text) {
    if (const WindowHandle item = backend::DialogItem(window, id)) {
        setControlText(item, text);
    }
}

void Uwindow::setText(std::uint32_t id, const DynString& text) {
    if (const WindowHandle item = backend::DialogItem(window, id)) {
        setControlText8(item, text);
    }
}

void Uwindow::enableControl(std::uint32_t id, bool on) {
    if (const WindowHandle item = backend::DialogItem(window, id)) {
        backend::EnableItem(item, on);
        return;
    }
    Ucontrol* toolbar = FindToolbar(controls);
    UcontrolPart* button = toolbar != nullptr ? ToolbarButton(*toolbar, id) : nullptr;
    if (button == nullptr) {
        return;
    }
    button->flags = on ? (button->flags & ~kPartDisabled) : (button->flags | kPartDisabled);
    backend::EnableToolbarButton(toolbar->window, id, on);
}

void Uwindow::requestItem(std::uint32_t id, std::uint32_t container, std::uint32_t item) {
    const Ucontrol* browser = controlById(id);
    if (browser == nullptr || browser->kind != kKindDatb || item == 0 || handler == nullptr) {
        return;
    }
    DataBrowserNotice notice;
    notice.control = HandleToWord(browser->window);
    notice.noticeKind = kNoticeAddItem;
    notice.container = container;
    notice.item = item;
    Uevent event;
    event.window = this;
    event.param = &notice;
    event.eventClass = kEventCntl;
    event.kind = kKindControlUsed;
    event.control = *browser;
    handler(&event);
}

}  // namespace tavrel
