// Binding a dialog's layout table over user32: the toolbar with its images
// and tooltips, the control records, edit-field notifications and the
// message hook, icons of pictures; button images; enabling the window with
// its toolbar buttons.
#include "ui/Uwindow.h"

#include "ui/BindingRules.h"
#include "ui/win32/WinToolkit.h"
// Rich-edit types need the base types WinToolkit.h brings.
#include <richedit.h>

namespace tavrel {
namespace {

HICON LoadModuleIcon(HINSTANCE module, std::uint32_t resourceId, int size) {
    if ((resourceId & 0xFFFF) == 0) {
        return nullptr;
    }
    return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(resourceId & 0xFFFF), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

DynString LoadString8(HINSTANCE module, std::uint32_t resourceId) {
    char buffer[1024] = {};
    if ((resourceId & 0xFFFF) == 0) {
        return DynString();
    }
    LoadStringA(module, resourceId & 0xFFFF, buffer, sizeof buffer);
    buffer[sizeof buffer - 1] = '\0';
    return DynString(buffer);
}

HWND CreateToolbar(Uwindow& dialog, const BindingPlan& plan) {
    const auto module = static_cast<HINSTANCE>(dialog.module);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS;
    style |= (plan.toolbar->flags & kLayoutToolbarWraps) ? TBSTYLE_WRAPABLE : 0;
    HWND toolbar = CreateWindowExW(
        WS_EX_CLIENTEDGE, TOOLBARCLASSNAMEW, nullptr, style, 0, 0, 0, 0, Hwnd(dialog.window),
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(plan.toolbar->id)), module, nullptr);
    if (toolbar == nullptr) {
        return nullptr;
    }
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    int icons = 0;
    for (const ControlLayoutEntry* item : plan.toolbarItems) {
        icons += (item->resourceId & 0xFFFF) != 0 ? 1 : 0;
    }
    HIMAGELIST images = ImageList_Create(32, 32, ILC_COLOR32, icons, 0);
    for (const ControlLayoutEntry* item : plan.toolbarItems) {
        TBBUTTON button{};
        if (IsToolbarSeparator(item->kind)) {
            button.iBitmap = 16;  // a separator's width
            button.fsStyle = BTNS_SEP;
        } else if (item->kind == kKindPush) {
            button.iBitmap = I_IMAGENONE;
            if (HICON icon = LoadModuleIcon(module, item->resourceId, 32)) {
                button.iBitmap = ImageList_AddIcon(images, icon);
                DestroyIcon(icon);
            }
            button.idCommand = static_cast<int>(item->id);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        } else {
            continue;
        }
        SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELONG(32, 32));
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    return toolbar;
}

}  // namespace

void Uwindow::bindControls(const ControlLayoutEntry* table) {
    const BindingPlan plan = PlanBinding(table);
    const auto instance = static_cast<HINSTANCE>(module);
    if (plan.toolbar != nullptr) {
        Ucontrol toolbar = ToolbarRecord(plan);
        toolbar.window = Handle(CreateToolbar(*this, plan));
        AssignTooltips(toolbar, LoadString8(instance, plan.toolbar->word6));
        controls.push_back(toolbar);
    }
    for (const ControlLayoutEntry* row : plan.controls) {
        Ucontrol record;
        record.id = row->id;
        record.kind = row->kind;
        record.flags = row->flags;
        const HWND item = window ? GetDlgItem(Hwnd(window), static_cast<int>(row->id)) : nullptr;
        record.window = Handle(item);
        if (row->kind == kKindEtxt && item != nullptr) {
            SendMessageW(item, EM_SETEVENTMASK, 0, ENM_KEYEVENTS | ENM_MOUSEEVENTS);
            installMessageHook(true);
        } else if (row->kind == kKindPict && item != nullptr) {
            if (HICON icon = LoadModuleIcon(instance, row->resourceId, 0)) {
                SendMessageW(item, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
            }
        }
        controls.push_back(record);
    }
}

void Uwindow::setButtonImage(std::uint32_t id, std::uint16_t resourceId) {
    const auto instance = static_cast<HINSTANCE>(module);
    if (HWND item = window ? GetDlgItem(Hwnd(window), static_cast<int>(id)) : nullptr) {
        if (HBITMAP bitmap = LoadBitmapW(instance, MAKEINTRESOURCEW(resourceId))) {
            PostMessageW(item, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
        } else {
            HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(resourceId));
            SendMessageW(item, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
        }
        return;
    }
    Ucontrol* toolbar = FindToolbar(controls);
    if (toolbar == nullptr || toolbar->window == nullptr) {
        return;
    }
    const HWND bar = Hwnd(toolbar->window);
    const LRESULT count = SendMessageW(bar, TB_BUTTONCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageW(bar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        if (button.idCommand != static_cast<int>(id)) {
            continue;
        }
        auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(bar, TB_GETIMAGELIST, 0, 0));
        if (HICON icon = LoadModuleIcon(instance, resourceId, 32)) {
            ImageList_ReplaceIcon(images, button.iBitmap, icon);
            DestroyIcon(icon);
        }
        SendMessageW(bar, TB_HIDEBUTTON, id, MAKELONG(TRUE, 0));
        SendMessageW(bar, TB_HIDEBUTTON, id, MAKELONG(FALSE, 0));
        return;
    }
}

void Uwindow::enable(bool on) {
    enableWindow(window, on);
    Ucontrol* toolbar = FindToolbar(controls);
    if (toolbar == nullptr) {
        return;
    }
    for (std::size_t i = 1; i < toolbar->parts.size(); ++i) {
        const UcontrolPart& part = toolbar->parts[i];
        // A button disabled on its own stays so when the window comes back.
        if (on && (part.flags & kPartDisabled) != 0) {
            continue;
        }
        SendMessageW(Hwnd(toolbar->window), TB_ENABLEBUTTON, part.id,
                     MAKELONG(on ? TRUE : FALSE, 0));
    }
}

}  // namespace tavrel
