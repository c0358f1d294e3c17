// Uwindow over the stand-in's windows: opening from a registered template,
// closing, showing, activation, opacity, bounds, the timer the automation
// fires, and binding the layout table's rows to the in-memory controls.
#include "ui/Uwindow.h"

#include "ui/BindingRules.h"
#include "ui/DialogTemplate.h"
#include "ui/LayoutRules.h"
#include "ui/MessageCodes.h"
#include "ui/WindowRegistry.h"
#include "ui/headless/FakeWindows.h"

namespace tavrel {

using headless::FakeWindow;
using headless::Lookup;

void Uwindow::destroyOwnWindow() {
    // A window whose object goes away goes with it, whatever its flags say.
    if (window != nullptr && findWindow(window) == this) {
        headless::Destroy(window);
    }
}

WindowHandle Uwindow::openModeless(const std::uint16_t& templateId, UeventHandler eventHandler,
                                   platform::ModuleHandle fromModule, WindowHandle owner,
                                   std::uint32_t value) {
    prepareOpen(eventHandler, fromModule, owner, flags | kWindowKeyboardFilter);
    userValue = value;
    const DialogTemplate* dialog = FindDialogTemplate(templateId);
    const WindowHandle created = dialog ? headless::CreateFromTemplate(*dialog, owner) : nullptr;
    if (created == nullptr) {
        flags = 0;
        handler = nullptr;
        return nullptr;
    }
    RegisterWindow(created, this);
    headless::Send(created, msg::kInitDialog, 0, 0);
    if (Lookup(created) == nullptr) {
        return nullptr;  // the handler closed it at once
    }
    window = created;
    flags |= kWindowExists;
    if (Lookup(created)->visible) {
        headless::Activate(created);
    }
    return created;
}

void Uwindow::openModal(const std::uint16_t& templateId, UeventHandler eventHandler,
                        platform::ModuleHandle fromModule, WindowHandle owner) {
    prepareOpen(eventHandler, fromModule, owner,
                kWindowKeyboardFilter | kWindowModal | kWindowExists);
    const DialogTemplate* dialog = FindDialogTemplate(templateId);
    if (dialog == nullptr) {
        flags = 0;
        return;
    }
    const WindowHandle created = headless::CreateFromTemplate(*dialog, owner);
    RegisterWindow(created, this);
    // The owner is disabled while the modal dialog is up, as the system does.
    FakeWindow* ownerWindow = Lookup(owner);
    const bool ownerWasEnabled = ownerWindow != nullptr && ownerWindow->enabled;
    if (ownerWindow != nullptr) {
        ownerWindow->enabled = false;
    }
    headless::Send(created, msg::kInitDialog, 0, 0);
    if (FakeWindow* up = Lookup(created)) {
        up->visible = true;
        headless::Activate(created);
        headless::DriveModal(*this, created);
    }
    if (FakeWindow* back = Lookup(owner); back != nullptr && ownerWasEnabled) {
        back->enabled = true;
    }
}

void Uwindow::close(bool final) {
    if (beginClose(final)) {
        headless::Destroy(window);
    }
    reset();
}

void Uwindow::show() {
    if (FakeWindow* w = Lookup(window)) {
        w->visible = true;
        headless::Activate(window);
    }
    flags |= kWindowShown;
}

void Uwindow::hide() {
    if (FakeWindow* w = Lookup(window)) {
        w->visible = false;
        if (headless::ActiveWindow() == window) {
            headless::Activate(parent);
        }
    }
}

void Uwindow::bringToFront() {
    if (FakeWindow* w = Lookup(window)) {
        w->visible = true;
        headless::Raise(window);
        headless::Activate(window);
    }
}

bool Uwindow::isActive() const {
    if (window == nullptr || headless::ActiveWindow() != window) {
        return false;
    }
    const FakeWindow* owner = Lookup(parent);
    return owner == nullptr || owner->enabled;
}

void Uwindow::setOpacity(float fraction) {
    if (FakeWindow* w = Lookup(window)) {
        w->opacity = fraction;
    }
}

void Uwindow::enable(bool on) {
    if (window != nullptr) {
        enableWindow(window, on);
    }
}

void Uwindow::moveResize(std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height) {
    FakeWindow* w = Lookup(window);
    if (w == nullptr) {
        return;
    }
    const PositionChange change = MoveResizeRule(x, y, width, height);
    URect r = w->rect;
    if (change.move) {
        r = {x, y, x + (r.right - r.left), y + (r.bottom - r.top)};
    }
    if (change.resize) {
        r.right = r.left + width;
        r.bottom = r.top + height;
    }
    w->rect = r;
}

URect Uwindow::getBounds() const {
    const FakeWindow* w = Lookup(window);
    return w != nullptr ? w->rect : URect();
}

void Uwindow::startTimer(std::uint32_t) {
    stopTimer();
    // No timer without a window: there would be nothing for it to tick on.
    if (Lookup(window) != nullptr) {
        timerId = 1;
    }
}

void Uwindow::stopTimer() {
    timerId = 0;
}

void Uwindow::bindControls(const ControlLayoutEntry* table) {
    const BindingPlan plan = PlanBinding(table);
    if (plan.toolbar != nullptr) {
        // The stand-in draws no toolbar; its record keeps the buttons' states.
        controls.push_back(ToolbarRecord(plan));
    }
    for (const ControlLayoutEntry* row : plan.controls) {
        Ucontrol record;
        record.id = row->id;
        record.kind = row->kind;
        record.flags = row->flags;
        record.window = headless::ChildById(window, row->id);
        controls.push_back(record);
    }
}

void Uwindow::setButtonImage(std::uint32_t, std::uint16_t) {
    // The stand-in has no images: buttons keep their text, as they do when
    // the module holds no bitmap or icon of that id.
}

}  // namespace tavrel
