// What a user does to the stand-in's dialogs, turned into the messages and
// notices the system would send, and what a user sees of them.
#include "ui/headless/Automation.h"

#include <algorithm>
#include <utility>

#include "ui/ControlKinds.h"
#include "ui/KeyRules.h"
#include "ui/MessageCodes.h"
#include "ui/TextRules.h"
#include "ui/TreeRules.h"
#include "ui/WindowRegistry.h"
#include "ui/headless/FakeWindows.h"

namespace tavrel::headless {
namespace {

ModalDriver& Driver() {
    static ModalDriver driver;
    return driver;
}

// Each key message gets its own time, as real input has.
std::uint32_t NextKeyTime() {
    static std::uint32_t time = 0;
    return ++time;
}

std::uintptr_t CommandWord(std::uint32_t id, std::uint32_t code) {
    return (static_cast<std::uintptr_t>(code) << 16) | (id & 0xFFFF);
}

std::intptr_t HandleWord(WindowHandle handle) {
    return reinterpret_cast<std::intptr_t>(handle);
}

FakeWindow* Control(Uwindow& dialog, std::uint32_t id, FourCharCode kind) {
    FakeWindow* control = Lookup(ChildById(dialog.window, id));
    if (control == nullptr ||
        PlanBuildControl(control->className.c_str(), control->style).kind != kind) {
        return nullptr;
    }
    return control;
}

bool Usable(const FakeWindow& control) {
    return control.enabled && control.visible;
}

// WM_COMMAND IDCANCEL, unless a Cancel button exists and is disabled.
void Cancel(WindowHandle dialog) {
    const FakeWindow* cancel = Lookup(ChildById(dialog, msg::kIdCancel));
    if (cancel == nullptr || cancel->enabled) {
        Send(dialog, msg::kCommand, CommandWord(msg::kIdCancel, msg::kButtonClicked),
             HandleWord(cancel ? cancel->handle : nullptr));
    }
}

void ToggleByStyle(FakeWindow& box) {
    switch (box.style & msg::kButtonTypeMask) {
        case msg::kBsAutoCheckBox:
            box.value = box.value == 0 ? 1 : 0;
            break;
        case msg::kBsAuto3State:
            box.value = (box.value + 1) % 3;
            break;
        case msg::kBsAutoRadioButton: {
            // The other automatic radio buttons of its group go off; a group
            // runs from one WS_GROUP control to the next.
            const FakeWindow* dialog = Lookup(box.parent);
            std::vector<int> groups;
            int group = 0;
            int boxGroup = 0;
            for (WindowHandle h : dialog->children) {
                group += (Lookup(h)->style & msg::kWsGroup) != 0 ? 1 : 0;
                groups.push_back(group);
                boxGroup = h == box.handle ? group : boxGroup;
            }
            for (std::size_t i = 0; i < dialog->children.size(); ++i) {
                FakeWindow& other = *Lookup(dialog->children[i]);
                if (groups[i] == boxGroup &&
                    (other.style & msg::kButtonTypeMask) == msg::kBsAutoRadioButton) {
                    other.value = 0;
                }
            }
            box.value = 1;
            break;
        }
        default:
            break;
    }
}

// The key as the system's dialog loop handles it in a modal dialog.
void ModalKey(Uwindow& dialog, FakeWindow* focus, Key key) {
    const WindowHandle d = dialog.window ? dialog.window : (focus ? focus->parent : nullptr);
    switch (key) {
        case Key::Tab:
            Focus(NextTabStop(d, focus ? focus->handle : nullptr, false));
            break;
        case Key::Enter: {
            std::uint32_t id = msg::kIdOk;
            if (focus != nullptr && controlKind(focus->handle) == kKindPush) {
                id = focus->dialogId;
            } else if (const FakeWindow* dialogWindow = Lookup(d)) {
                for (WindowHandle h : dialogWindow->children) {
                    const FakeWindow& c = *Lookup(h);
                    if (controlKind(h) == kKindPush &&
                        (c.style & msg::kButtonTypeMask) == msg::kBsDefPushButton) {
                        id = c.dialogId;
                        break;
                    }
                }
            }
            Send(d, msg::kCommand, CommandWord(id, msg::kButtonClicked),
                 HandleWord(ChildById(d, id)));
            break;
        }
        case Key::Escape:
            Cancel(d);
            break;
        case Key::Delete:
            break;
    }
}

void PerformFilterAction(Uwindow& dialog, FakeWindow* focus, FilterAction action) {
    const WindowHandle d = dialog.window;
    switch (action) {
        case FilterAction::NextTab:
        case FilterAction::PreviousTab:
            Focus(NextTabStop(d, focus ? focus->handle : nullptr,
                              action == FilterAction::PreviousTab));
            break;
        case FilterAction::PressOk:
            Send(d, msg::kCommand, msg::kIdOk, 0);
            break;
        case FilterAction::CancelDrag:
            dialog.flags &= ~(kWindowDragging | kWindowDragContainers);
            break;
        case FilterAction::Clear:
            Send(d, msg::kClear, 1, 0);
            break;
        default:
            break;
    }
}

}  // namespace

std::vector<Uwindow*> OpenDialogs() {
    std::vector<Uwindow*> open;
    for (WindowHandle h : ZOrder()) {
        if (Uwindow* object = findWindow(h)) {
            open.push_back(object);
        }
    }
    return open;
}

Uwindow* TopDialog() {
    const std::vector<Uwindow*> open = OpenDialogs();
    for (Uwindow* dialog : open) {
        const FakeWindow* w = Lookup(dialog->window);
        if (w != nullptr && w->visible) {
            return dialog;
        }
    }
    return open.empty() ? nullptr : open.front();
}

Uwindow* FindDialog(std::uint16_t templateId) {
    for (Uwindow* dialog : OpenDialogs()) {
        if (TemplateIdOf(*dialog) == templateId) {
            return dialog;
        }
    }
    return nullptr;
}

std::uint16_t TemplateIdOf(const Uwindow& dialog) {
    const FakeWindow* w = Lookup(dialog.window);
    return w != nullptr ? w->templateId : 0;
}

bool TypeText(Uwindow& dialog, std::uint32_t id, const UniversalString& text) {
    FakeWindow* field = Control(dialog, id, kKindEtxt);
    if (field == nullptr) {
        return false;
    }
    if (Usable(*field)) {
        Focus(field->handle);
        field->text.setText(text.text());
        // Rich edits tell their dialog only what their event mask asks for:
        // keys and the mouse, not changes.
        if (IsPlainTextClass(field->className.c_str(), true)) {
            Send(field->parent, msg::kCommand, CommandWord(id, msg::kEditChange),
                 HandleWord(field->handle));
        }
    }
    return true;
}

bool SetBox(Uwindow& dialog, std::uint32_t id, int value) {
    FakeWindow* box = Control(dialog, id, kKindCbox);
    if (box == nullptr) {
        box = Control(dialog, id, kKindRdio);
    }
    const bool threeState =
        box != nullptr &&
        PlanBuildControl(box->className.c_str(), box->style).flags & kControlThreeState;
    if (box == nullptr || value < 0 || value > (threeState ? 2 : 1)) {
        return false;
    }
    box->value = value;
    return true;
}

bool Click(Uwindow& dialog, std::uint32_t id) {
    FakeWindow* button = Lookup(ChildById(dialog.window, id));
    const FourCharCode kind = button ? controlKind(button->handle) : 0;
    if (kind != kKindPush && kind != kKindCbox && kind != kKindRdio) {
        return false;
    }
    if (Usable(*button)) {
        Focus(button->handle);
        ToggleByStyle(*button);
        Send(button->parent, msg::kCommand, CommandWord(id, msg::kButtonClicked),
             HandleWord(button->handle));
    }
    return true;
}

bool SelectRow(Uwindow& dialog, std::uint32_t treeId, const UniversalString& text) {
    FakeWindow* tree = Control(dialog, treeId, kKindDatb);
    if (tree == nullptr) {
        return false;
    }
    const auto row = std::find_if(tree->rows.begin(), tree->rows.end(),
                                  [&](const TreeRow& r) { return r.text == text; });
    if (row == tree->rows.end()) {
        return false;
    }
    if (!Usable(*tree)) {
        return true;
    }
    Focus(tree->handle);
    if (tree->caret != row->item) {
        const std::uint32_t previous = tree->caret;
        tree->caret = row->item;
        DataBrowserNotice& notice = ItemNoticeBlock();
        WriteItemNotice(notice, HandleToWord(tree->handle), kItemSelectionChanged, previous,
                        row->item);
        SendNotice(tree->handle, notice, msg::kTvnSelChangedW);
    }
    return true;
}

bool DoubleClickRow(Uwindow& dialog, std::uint32_t treeId, const UniversalString& text) {
    if (!SelectRow(dialog, treeId, text)) {
        return false;
    }
    FakeWindow* tree = Control(dialog, treeId, kKindDatb);
    if (tree == nullptr || !Usable(*tree)) {
        return true;
    }
    const std::uint32_t item = tree->caret;
    DataBrowserNotice& notice = ItemNoticeBlock();
    WriteItemNotice(notice, HandleToWord(tree->handle), kItemDoubleClicked, 0, 0);
    SendNotice(tree->handle, notice, msg::kNmDblClk);
    // The tree then opens or closes a container, as the system's does.
    tree = Control(dialog, treeId, kKindDatb);
    if (tree == nullptr) {
        return true;
    }
    const auto row = std::find_if(tree->rows.begin(), tree->rows.end(),
                                  [&](const TreeRow& r) { return r.item == item; });
    const bool container = row != tree->rows.end() &&
                           std::any_of(tree->rows.begin(), tree->rows.end(),
                                       [&](const TreeRow& r) { return r.container == item; });
    if (container) {
        row->expanded = !row->expanded;
        WriteItemNotice(notice, HandleToWord(tree->handle),
                        row->expanded ? kItemOpened : kItemClosed, item, 0);
        SendNotice(tree->handle, notice, msg::kTvnItemExpandedW);
    }
    return true;
}

bool PressKey(Uwindow& dialog, Key key) {
    const FakeWindow* dialogWindow = Lookup(dialog.window);
    if (dialogWindow == nullptr) {
        return false;
    }
    FakeWindow* focus = Lookup(dialogWindow->focus);
    if ((dialog.flags & kWindowModal) != 0) {
        ModalKey(dialog, focus, key);
        return true;
    }
    static constexpr std::uint32_t kVirtualKeys[] = {msg::kVkTab, msg::kVkReturn, msg::kVkEscape,
                                                     msg::kVkDelete};
    UMessage message;
    message.window = focus ? focus->handle : dialog.window;
    message.message = msg::kKeyDown;
    message.wParam = kVirtualKeys[static_cast<int>(key)];
    message.time = NextKeyTime();
    FilterTarget target;
    target.windowRegistered = findWindow(message.window) != nullptr;
    target.parentRegistered = focus != nullptr && findWindow(focus->parent) != nullptr;
    target.parentModal = false;
    target.parentDragging = (dialog.flags & kWindowDragging) != 0;
    target.className = focus ? focus->className.c_str() : "";
    const FilterAction action = DecideFilter(message, target, KeyModifiers());
    if (action != FilterAction::Pass) {
        RememberHandled(message);
        PerformFilterAction(dialog, focus, action);
    } else if (key == Key::Escape && ChildById(dialog.window, msg::kIdCancel) != nullptr) {
        Cancel(dialog.window);
    }
    return true;
}

void FireTimer(Uwindow& dialog) {
    if (dialog.timerId == 0 || dialog.handler == nullptr || Lookup(dialog.window) == nullptr) {
        return;
    }
    Uevent event;
    event.window = &dialog;
    event.eventClass = kEventTmer;
    event.kind = kKindTimer;
    dialog.handler(&event);
}

void SetActive(Uwindow& dialog, bool active) {
    if (active) {
        Activate(dialog.window);
    } else if (ActiveWindow() == dialog.window) {
        Activate(nullptr);
    }
}

void CloseBox(Uwindow& dialog) {
    const WindowHandle d = dialog.window;
    if (Lookup(d) != nullptr && Send(d, msg::kClose, 0, 0) == 0 && Lookup(d) != nullptr) {
        Cancel(d);
    }
}

void SetModalDriver(ModalDriver driver) {
    Driver() = std::move(driver);
}

void DriveModal(Uwindow& modal, WindowHandle dialog) {
    const ModalDriver driver = Driver();
    if (driver) {
        driver(modal);
    }
    if (Lookup(dialog) != nullptr) {
        Cancel(dialog);
    }
    // A dialog that ignores even Escape is taken down, so no session hangs.
    if (Lookup(dialog) != nullptr) {
        Destroy(dialog);
    }
}

DialogState Describe(const Uwindow& dialog) {
    DialogState state;
    const FakeWindow* w = Lookup(dialog.window);
    if (w == nullptr) {
        return state;
    }
    state.templateId = w->templateId;
    state.title.setText(w->text.text());
    state.width = w->rect.right - w->rect.left;
    state.height = w->rect.bottom - w->rect.top;
    state.opacity = w->opacity;
    state.visible = w->visible;
    // Reading a value changes nothing; the operation is simply not const.
    Uwindow& reader = const_cast<Uwindow&>(dialog);
    for (const Ucontrol& control : dialog.controls) {
        ControlState c;
        c.id = control.id;
        c.kind = control.kind;
        if (const FakeWindow* cw = Lookup(control.window)) {
            c.text.setText(cw->text.text());
            c.value = reader.getValue(control.id);
            c.enabled = cw->enabled;
            c.visible = cw->visible;
            for (const TreeRow& row : cw->rows) {
                c.rows.push_back(row.text);
                c.rowItems.push_back(row.item);
                if (row.item == cw->caret) {
                    c.selectedRow = row.text;
                }
            }
            c.selectedItem = cw->caret;
        }
        state.controls.push_back(c);
    }
    return state;
}

}  // namespace tavrel::headless
