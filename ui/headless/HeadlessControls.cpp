// Control access over the stand-in's windows: classification by the shared
// tables, event records, texts in both widths, values and enabling.
#include "ui/Ucontrol.h"

#include <algorithm>

#include "ui/ControlKinds.h"
#include "ui/ControlPrimitives.h"
#include "ui/MessageCodes.h"
#include "ui/headless/FakeWindows.h"

namespace tavrel {

using headless::FakeWindow;
using headless::Lookup;

namespace {

constexpr std::uint32_t kMultiLine = 0x4;  // ES_MULTILINE

// A single-line edit field tells its dialog when its text is set, as the
// system's does; rich edits only when asked to, and nobody asks.
void NotifyTextChanged(const FakeWindow& control) {
    if (IsPlainTextClass(control.className.c_str(), true) &&
        PlanBuildControl(control.className.c_str(), control.style).kind == kKindEtxt &&
        (control.style & kMultiLine) == 0) {
        headless::Send(control.parent, msg::kCommand,
                       (static_cast<std::uintptr_t>(msg::kEditChange) << 16) | control.dialogId,
                       reinterpret_cast<std::intptr_t>(control.handle));
    }
}

}  // namespace

FourCharCode controlKind(WindowHandle window) {
    const FakeWindow* w = Lookup(window);
    return w != nullptr ? ControlKindOf(w->className.c_str(), w->style) : 0;
}

bool buildControl(WindowHandle window, Ucontrol& out) {
    out = Ucontrol();
    const FakeWindow* w = Lookup(window);
    if (w == nullptr) {
        return false;
    }
    out.window = window;
    out.id = w->dialogId;
    const FakeWindow* dialog = Lookup(w->parent);
    const URect origin = dialog != nullptr ? dialog->rect : URect();
    out.parts[0].rect = {origin.left + w->rect.left, origin.top + w->rect.top,
                         origin.left + w->rect.right, origin.top + w->rect.bottom};
    out.parts[0].title = DynString(w->text.toAnsi().substr(0, 126));
    out.flags |= out.parts[0].title.endsWithEllipsis() ? kControlEllipsis : 0;
    out.flags |= w->visible ? 0 : kControlHidden;
    out.flags |= w->enabled ? 0 : kControlDisabled;
    const BuildPlan plan = PlanBuildControl(w->className.c_str(), w->style);
    out.kind = plan.kind;
    out.flags |= plan.flags;
    if (plan.items == ControlItems::ListEntries || plan.items == ControlItems::ComboEntries) {
        for (const UniversalString& entry : w->entries) {
            UcontrolPart part;
            part.title = DynString(entry.toAnsi());
            if (plan.items == ControlItems::ComboEntries && part.title.endsWithEllipsis()) {
                part.flags |= kPartEllipsis;
            }
            out.parts.push_back(part);
        }
    } else if (plan.items == ControlItems::Tabs && w->entries.empty()) {
        out.kind = 0;
    } else if (plan.items == ControlItems::TrackbarThumb) {
        out.parts[0].rect = TrackbarThumbRect(out.parts[0].rect);
    }
    return out.kind != 0;
}

UniversalString getControlText(WindowHandle window) {
    const FakeWindow* w = Lookup(window);
    return w != nullptr ? UniversalString(w->text.text()) : UniversalString();
}

void setControlText(WindowHandle window, const UniversalString& text) {
    if (FakeWindow* w = Lookup(window)) {
        w->text.setText(text.text());
        NotifyTextChanged(*w);
    }
}

DynString getControlText8(WindowHandle window, bool) {
    const FakeWindow* w = Lookup(window);
    return w != nullptr ? DynString(w->text.toAnsi()) : DynString();
}

void setControlText8(WindowHandle window, const DynString& text) {
    if (FakeWindow* w = Lookup(window)) {
        UniversalString wide;
        wide.fromAnsi(text);
        w->text.setText(wide.text());
        NotifyTextChanged(*w);
    }
}

bool enableWindow(WindowHandle window, bool enable) {
    FakeWindow* w = Lookup(window);
    if (w == nullptr) {
        return false;
    }
    const bool changed = w->enabled != enable;
    w->enabled = enable;
    if (enable) {
        headless::Focus(window);
    }
    return changed;
}

namespace backend {

WindowHandle DialogItem(WindowHandle dialog, std::uint32_t id) {
    return headless::ChildById(dialog, id);
}

std::int32_t ReadValue(WindowHandle control, ValueAccess access) {
    const FakeWindow* w = Lookup(control);
    if (w == nullptr) {
        return access == ValueAccess::List || access == ValueAccess::Combo ? -1 : 0;
    }
    return w->value;
}

void WriteValue(WindowHandle control, ValueAccess access, std::int32_t value) {
    FakeWindow* w = Lookup(control);
    if (w == nullptr) {
        return;
    }
    if (access == ValueAccess::List || access == ValueAccess::Combo) {
        // An index past the entries selects nothing, as the system's lists do.
        const auto count = static_cast<std::int32_t>(w->entries.size());
        value = value >= 0 && value < count ? value : -1;
    }
    w->value = value;
}

void EnableItem(WindowHandle control, bool on) {
    if (FakeWindow* w = Lookup(control)) {
        w->enabled = on;
    }
}

void EnableToolbarButton(WindowHandle, std::uint32_t, bool) {
    // The toolbar record's part flags are all the stand-in keeps.
}

}  // namespace backend
}  // namespace tavrel
