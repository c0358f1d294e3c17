// The members of Uwindow that need no window system: construction, the
// steps every open and close shares, the handle a modal dialog's handler
// stores, reset, control lookups and the text setters that convert before
// they write.
#include "ui/Uwindow.h"

#include "ui/WindowRegistry.h"

namespace tavrel {

Uwindow::Uwindow() = default;

Uwindow::Uwindow(WindowHandle existing) : window(existing) {}

Uwindow::~Uwindow() {
    destroyOwnWindow();
    close(true);
    UnregisterObject(this);
}

void Uwindow::setWindow(WindowHandle handle) {
    if (handle != nullptr) {
        window = handle;
    }
}

void Uwindow::prepareOpen(UeventHandler eventHandler, platform::ModuleHandle fromModule,
                          WindowHandle owner, std::uint32_t openFlags) {
    if (module == nullptr) {
        module = fromModule;
    }
    handler = eventHandler;
    parent = owner;
    flags = openFlags;
}

bool Uwindow::beginClose(bool final) {
    stopTimer();
    if (!final && RegisteredWindowCount() != 0) {
        UnregisterWindow(window);
    }
    return (flags & kWindowExists) != 0 && (flags & kWindowKeepOnClose) == 0 && window != nullptr;
}

void Uwindow::reset() {
    window = nullptr;
    flags = 0;
    controls.clear();
}

Ucontrol* Uwindow::controlById(std::uint32_t id) {
    for (Ucontrol& control : controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

Ucontrol* Uwindow::controlByWindow(WindowHandle handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    for (Ucontrol& control : controls) {
        if (control.window == handle) {
            return &control;
        }
    }
    return nullptr;
}

Ucontrol* Uwindow::controlAt(std::size_t index) {
    return index < controls.size() ? &controls[index] : nullptr;
}

int Uwindow::indexOfControl(std::uint32_t id) const {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Uwindow::setText(std::uint32_t id, const char* text) {
    setText(id, DynString(text));
}

void Uwindow::setText(std::uint32_t id, const std::string& utf8) {
    setText(id, UniversalString(utf8));
}

}  // namespace tavrel
