// The stand-in's windows: creation from templates, destruction, the dialog
// procedure, z-order, the active window and keyboard focus.
#include "ui/headless/FakeWindows.h"

#include <algorithm>
#include <map>

#include "ui/ControlKinds.h"
#include "ui/EventRules.h"
#include "ui/MessageCodes.h"
#include "ui/Uwindow.h"
#include "ui/WindowRegistry.h"

namespace tavrel::headless {
namespace {

struct World {
    std::map<WindowHandle, FakeWindow> windows;
    std::vector<WindowHandle> order;  // dialogs, top first
    std::vector<WindowHandle> destroying;
    WindowHandle active = nullptr;
    std::uintptr_t lastHandle = 0x1000;
};

World& TheWorld() {
    static World world;
    return world;
}

// Handles are small numbers, so they fit the 32-bit words that carry them.
WindowHandle NewHandle() {
    World& world = TheWorld();
    world.lastHandle += 4;
    return reinterpret_cast<WindowHandle>(world.lastHandle);
}

// Dialog units of the templates' font at 96 DPI, truncated.
URect ToPixels(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    return {x * 3 / 2, y * 13 / 8, (x + w) * 3 / 2, (y + h) * 13 / 8};
}

// Full style words (with WS_CHILD) say whether a control is visible; a
// template that gives only the class's own bits means the resource
// compiler's default, which is visible.
bool StyleVisible(std::uint32_t style) {
    return (style & msg::kWsVisible) != 0 || (style & msg::kWsChild) == 0;
}

WindowHandle CreateControl(const DialogItemTemplate& item, WindowHandle dialog) {
    FakeWindow control;
    control.handle = NewHandle();
    control.parent = dialog;
    control.className = item.className ? item.className : "";
    control.style = item.style;
    control.dialogId = static_cast<std::uint16_t>(item.id);
    control.text = UniversalString(item.text);
    control.rect = ToPixels(item.x, item.y, item.width, item.height);
    control.visible = StyleVisible(item.style);
    control.enabled = (item.style & msg::kWsDisabled) == 0;
    const FourCharCode kind = ControlKindOf(control.className.c_str(), item.style);
    control.value = kind == kKindLbox || kind == kKindPopb ? -1 : 0;
    const WindowHandle handle = control.handle;
    TheWorld().windows.emplace(handle, std::move(control));
    return handle;
}

// The window has gone: its object forgets it, as the system's would.
void Forget(WindowHandle dialog, Uwindow* object) {
    UnregisterWindow(dialog);
    if (object != nullptr && object->window == dialog) {
        object->timerId = 0;
        object->reset();
    }
}

}  // namespace

bool IsDialog(const FakeWindow& window) {
    return window.className == kDialogClass;
}

FakeWindow* Lookup(WindowHandle handle) {
    auto& windows = TheWorld().windows;
    const auto it = windows.find(handle);
    return it == windows.end() ? nullptr : &it->second;
}

WindowHandle CreateFromTemplate(const DialogTemplate& dialog, WindowHandle owner) {
    FakeWindow window;
    window.handle = NewHandle();
    window.parent = owner;
    window.className = kDialogClass;
    window.style = dialog.style;
    window.text = UniversalString(dialog.title);
    window.rect = ToPixels(0, 0, dialog.width, dialog.height);
    window.visible = (dialog.style & msg::kWsVisible) != 0;
    window.templateId = dialog.id;
    const WindowHandle handle = window.handle;
    for (std::size_t i = 0; i < dialog.itemCount; ++i) {
        window.children.push_back(CreateControl(dialog.items[i], handle));
    }
    TheWorld().windows.emplace(handle, std::move(window));
    FakeWindow& created = *Lookup(handle);
    created.focus = NextTabStop(handle, nullptr, false);
    Raise(handle);
    return handle;
}

void Destroy(WindowHandle dialog) {
    World& world = TheWorld();
    FakeWindow* window = Lookup(dialog);
    if (window == nullptr ||
        std::count(world.destroying.begin(), world.destroying.end(), dialog) != 0) {
        return;
    }
    world.destroying.push_back(dialog);
    Send(dialog, msg::kDestroy, 0, 0);
    Send(dialog, msg::kNcDestroy, 0, 0);
    window = Lookup(dialog);
    if (window == nullptr) {
        return;
    }
    const WindowHandle owner = window->parent;
    for (WindowHandle child : window->children) {
        world.windows.erase(child);
    }
    world.windows.erase(dialog);
    world.order.erase(std::remove(world.order.begin(), world.order.end(), dialog),
                      world.order.end());
    world.destroying.erase(std::remove(world.destroying.begin(), world.destroying.end(), dialog),
                           world.destroying.end());
    if (world.active == dialog) {
        world.active = Lookup(owner) != nullptr ? owner : nullptr;
    }
}

WindowHandle ChildById(WindowHandle dialog, std::uint32_t id) {
    const FakeWindow* window = Lookup(dialog);
    if (window == nullptr) {
        return nullptr;
    }
    for (WindowHandle child : window->children) {
        if (Lookup(child)->dialogId == id) {
            return child;
        }
    }
    return nullptr;
}

std::intptr_t Send(WindowHandle dialog, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam) {
    Uwindow* object = findWindow(dialog);
    const Translation t = TranslateMessage(message, wParam, object ? object->flags : 0);
    if (t.action == MessageAction::Forget) {
        Forget(dialog, object);
        return 0;
    }
    if (object == nullptr || object->handler == nullptr) {
        return 0;
    }
    Uevent event;
    event.window = object;
    event.message.window = dialog;
    event.message.message = message;
    event.message.wParam = wParam;
    event.message.lParam = lParam;
    ApplyTranslation(t, event);
    if (t.action == MessageAction::CommandControl && lParam != 0) {
        buildControl(reinterpret_cast<WindowHandle>(lParam), event.control);
    }
    if (t.consumed) {
        return 1;
    }
    return object->handler(&event);
}

void SendNotice(WindowHandle tree, DataBrowserNotice& notice, std::uint32_t notifyCode) {
    const FakeWindow* control = Lookup(tree);
    Uwindow* object = control ? findWindow(control->parent) : nullptr;
    if (object == nullptr || object->handler == nullptr) {
        return;
    }
    Uevent event;
    event.window = object;
    event.message.window = control->parent;
    event.message.message = msg::kNotify;
    event.message.wParam = control->dialogId;
    event.message.lParam = static_cast<std::intptr_t>(notifyCode);
    event.param = &notice;
    event.eventClass = kEventCntl;
    event.kind = kKindControlUsed;
    if (const Ucontrol* bound = object->controlByWindow(tree)) {
        event.control = *bound;
    } else {
        buildControl(tree, event.control);
    }
    object->handler(&event);
}

const std::vector<WindowHandle>& ZOrder() {
    return TheWorld().order;
}

void Raise(WindowHandle dialog) {
    auto& order = TheWorld().order;
    order.erase(std::remove(order.begin(), order.end(), dialog), order.end());
    order.insert(order.begin(), dialog);
}

WindowHandle ActiveWindow() {
    return TheWorld().active;
}

void Activate(WindowHandle dialog) {
    TheWorld().active = Lookup(dialog) != nullptr ? dialog : nullptr;
}

void Focus(WindowHandle control) {
    FakeWindow* window = Lookup(control);
    if (window == nullptr) {
        return;
    }
    if (IsDialog(*window)) {
        Activate(control);
    } else if (FakeWindow* dialog = Lookup(window->parent)) {
        dialog->focus = control;
        Activate(dialog->handle);
    }
}

bool IsTabStop(const FakeWindow& control) {
    if (!control.visible || !control.enabled) {
        return false;
    }
    if ((control.style & msg::kWsChild) != 0) {
        return (control.style & msg::kWsTabStop) != 0;
    }
    // The resource compiler's defaults: buttons, fields, lists and trees.
    const FourCharCode kind = controlKind(control.handle);
    return kind == kKindPush || kind == kKindCbox || kind == kKindRdio || kind == kKindEtxt ||
           kind == kKindPopb || kind == kKindLbox || kind == kKindDatb || kind == kKindSldr;
}

WindowHandle NextTabStop(WindowHandle dialog, WindowHandle from, bool previous) {
    const FakeWindow* window = Lookup(dialog);
    if (window == nullptr || window->children.empty()) {
        return nullptr;
    }
    const auto& children = window->children;
    const auto n = static_cast<long>(children.size());
    long start = std::find(children.begin(), children.end(), from) - children.begin();
    if (start == n) {
        start = previous ? n : -1;  // from nowhere: the first (or last) tab stop
    }
    for (long step = 1; step <= n; ++step) {
        const long at = previous ? ((start - step) % n + n) % n : (start + step) % n;
        if (IsTabStop(*Lookup(children[static_cast<std::size_t>(at)]))) {
            return children[static_cast<std::size_t>(at)];
        }
    }
    return nullptr;
}

}  // namespace tavrel::headless
