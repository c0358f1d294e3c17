// The window registry: an ordered map, touched only on the UI thread.
#include "ui/WindowRegistry.h"

#include <iterator>
#include <map>

#include "ui/Uwindow.h"

namespace tavrel {
namespace {

std::map<WindowHandle, Uwindow*>& Registry() {
    static std::map<WindowHandle, Uwindow*> registry;
    return registry;
}

}  // namespace

void RegisterWindow(WindowHandle handle, Uwindow* object) {
    if (handle != nullptr) {
        Registry()[handle] = object;
    }
}

void UnregisterWindow(WindowHandle handle) {
    Registry().erase(handle);
}

void UnregisterObject(const Uwindow* object) {
    auto& registry = Registry();
    for (auto it = registry.begin(); it != registry.end();) {
        it = it->second == object ? registry.erase(it) : std::next(it);
    }
}

std::size_t RegisteredWindowCount() {
    return Registry().size();
}

Uwindow* findWindow(WindowHandle handle) {
    const auto& registry = Registry();
    const auto it = registry.find(handle);
    return it == registry.end() ? nullptr : it->second;
}

}  // namespace tavrel
