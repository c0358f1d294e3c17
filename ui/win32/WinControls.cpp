// Control access over user32: kinds, event records with list, combo and tab
// entries, texts in both widths (plain fields, rich edits with the
// Shift-JIS path, other controls' window text), values and enabling.
// Every read goes into a buffer of the size asked for first.
#include "ui/Ucontrol.h"

#include <algorithm>
#include <vector>

#include "ui/ControlKinds.h"
#include "ui/ControlPrimitives.h"
#include "ui/TextRules.h"
#include "ui/win32/WinToolkit.h"
// Rich-edit types need the base types WinToolkit.h brings.
#include <richedit.h>

namespace tavrel {
namespace {

constexpr UINT kCodePageUtf16 = 1200;
constexpr UINT kCodePageShiftJis = 932;

// One list or combo entry, in a buffer of the length the control gives.
DynString ReadEntry(HWND control, UINT lengthMessage, UINT textMessage, WPARAM index) {
    const LRESULT length = SendMessageA(control, lengthMessage, index, 0);
    if (length < 0) {
        return DynString();
    }
    // Lists without strings answer with their item data's size (a pointer).
    std::vector<char> buffer(static_cast<std::size_t>(length) + sizeof(void*) + 1, '\0');
    SendMessageA(control, textMessage, index, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';
    return DynString(buffer.data());
}

void AddEntries(HWND control, Ucontrol& out, bool combo) {
    const UINT count = combo ? CB_GETCOUNT : LB_GETCOUNT;
    const UINT length = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    const UINT text = combo ? CB_GETLBTEXT : LB_GETTEXT;
    const LRESULT n = SendMessageA(control, count, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        UcontrolPart part;
        part.title = ReadEntry(control, length, text, static_cast<WPARAM>(i));
        if (combo && part.title.endsWithEllipsis()) {
            part.flags |= kPartEllipsis;
        }
        out.parts.push_back(part);
    }
}

void AddTabs(HWND control, Ucontrol& out) {
    const LRESULT n = SendMessageA(control, TCM_GETITEMCOUNT, 0, 0);
    if (n <= 0) {
        out.kind = 0;
        return;
    }
    for (LRESULT i = 0; i < n; ++i) {
        char text[127] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(control, TCM_GETITEMA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
        text[sizeof text - 1] = '\0';
        RECT r{0, 0, 0, 0};
        SendMessageA(control, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&r));
        UcontrolPart part;
        part.title = DynString(text);
        part.rect = {r.left, r.top, r.right, r.bottom};
        out.parts.push_back(part);
    }
}

std::u16string RichTextWide(HWND control) {
    GETTEXTLENGTHEX length{GTL_NUMCHARS, kCodePageUtf16};
    const LRESULT n =
        SendMessageW(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    if (n <= 0) {
        return std::u16string();
    }
    std::u16string buffer(static_cast<std::size_t>(n) + 1, u'\0');
    GETTEXTEX get{};
    get.cb = static_cast<DWORD>(buffer.size() * sizeof(char16_t));
    get.flags = GT_DEFAULT;
    get.codepage = kCodePageUtf16;
    SendMessageW(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                 reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = u'\0';
    buffer.resize(std::char_traits<char16_t>::length(buffer.c_str()));
    return buffer;
}

DynString RichText8(HWND control, UINT codePage) {
    GETTEXTLENGTHEX length{GTL_PRECISE | GTL_NUMBYTES, codePage};
    const LRESULT n =
        SendMessageA(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    if (n <= 0) {
        return DynString();
    }
    std::vector<char> buffer(static_cast<std::size_t>(n) + 1, '\0');
    GETTEXTEX get{};
    get.cb = static_cast<DWORD>(buffer.size());
    get.flags = GT_DEFAULT;
    get.codepage = codePage;
    SendMessageA(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                 reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';
    return DynString(buffer.data());
}

DynString WindowText8(HWND control) {
    const int n = GetWindowTextLengthA(control);
    std::vector<char> buffer(static_cast<std::size_t>(std::max(n, 0)) + 1, '\0');
    GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
    buffer.back() = '\0';
    return DynString(buffer.data());
}

}  // namespace

FourCharCode controlKind(WindowHandle window) {
    if (window == nullptr) {
        return 0;
    }
    const std::string name = ClassNameOf(Hwnd(window), 126);
    return ControlKindOf(name.c_str(),
                         static_cast<std::uint32_t>(GetWindowLongW(Hwnd(window), GWL_STYLE)));
}

bool buildControl(WindowHandle window, Ucontrol& out) {
    out = Ucontrol();
    const HWND hwnd = Hwnd(window);
    if (hwnd == nullptr || !IsWindow(hwnd)) {
        return false;
    }
    out.window = window;
    out.id = static_cast<std::uint32_t>(GetDlgCtrlID(hwnd));
    RECT r{0, 0, 0, 0};
    GetWindowRect(hwnd, &r);
    out.parts[0].rect = {r.left, r.top, r.right, r.bottom};
    char title[127] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    title[sizeof title - 1] = '\0';
    out.parts[0].title = DynString(title);
    out.flags |= out.parts[0].title.endsWithEllipsis() ? kControlEllipsis : 0;
    out.flags |= IsWindowVisible(hwnd) ? 0 : kControlHidden;
    out.flags |= IsWindowEnabled(hwnd) ? 0 : kControlDisabled;
    const std::string name = ClassNameOf(hwnd, 126);
    const BuildPlan plan =
        PlanBuildControl(name.c_str(), static_cast<std::uint32_t>(GetWindowLongW(hwnd, GWL_STYLE)));
    out.kind = plan.kind;
    out.flags |= plan.flags;
    switch (plan.items) {
        case ControlItems::ListEntries:
        case ControlItems::ComboEntries:
            AddEntries(hwnd, out, plan.items == ControlItems::ComboEntries);
            break;
        case ControlItems::Tabs:
            AddTabs(hwnd, out);
            break;
        case ControlItems::TrackbarThumb:
            out.parts[0].rect = TrackbarThumbRect(out.parts[0].rect);
            break;
        case ControlItems::None:
            break;
    }
    return out.kind != 0;
}

UniversalString getControlText(WindowHandle window) {
    const HWND hwnd = Hwnd(window);
    const std::string name = ClassNameOf(hwnd, 15);
    if (TextAccessFor(name.c_str(), false) == TextAccess::Rich) {
        return UniversalString(RichTextWide(hwnd));
    }
    const int n = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(std::max(n, 0)) + 1, L'\0');
    GetWindowTextW(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    buffer.back() = L'\0';
    return UniversalString(reinterpret_cast<const char16_t*>(buffer.data()));
}

void setControlText(WindowHandle window, const UniversalString& text) {
    const HWND hwnd = Hwnd(window);
    const std::string name = ClassNameOf(hwnd, 15);
    const std::u16string& units = text.text();
    const auto* wide = reinterpret_cast<const wchar_t*>(units.c_str());
    switch (TextAccessFor(name.c_str(), false)) {
        case TextAccess::Rich: {
            SETTEXTEX set{ST_DEFAULT, kCodePageUtf16};
            SendMessageW(hwnd, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set),
                         reinterpret_cast<LPARAM>(wide));
            break;
        }
        case TextAccess::Plain:
            SetWindowTextW(hwnd, wide);
            SendMessageW(hwnd, EM_SETSEL, 0, -1);
            break;
        case TextAccess::Window:
            SetWindowTextW(hwnd, wide);
            break;
    }
}

DynString getControlText8(WindowHandle window, bool japanese) {
    const HWND hwnd = Hwnd(window);
    const std::string name = ClassNameOf(hwnd, 15);
    if (TextAccessFor(name.c_str(), true) != TextAccess::Rich) {
        return WindowText8(hwnd);
    }
    if (japanese) {
        DynString text = RichText8(hwnd, kCodePageShiftJis);
        if (LooksLikeShiftJis(text.c_str(), text.length())) {
            return text;
        }
    }
    return RichText8(hwnd, CP_ACP);
}

void setControlText8(WindowHandle window, const DynString& text) {
    const HWND hwnd = Hwnd(window);
    const std::string name = ClassNameOf(hwnd, 15);
    const TextAccess access = TextAccessFor(name.c_str(), true);
    if (access == TextAccess::Rich && LooksLikeShiftJis(text.c_str(), text.length())) {
        SETTEXTEX set{ST_DEFAULT, kCodePageShiftJis};
        SendMessageA(hwnd, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set),
                     reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    SetWindowTextA(hwnd, text.c_str());
    if (access != TextAccess::Window) {
        SendMessageA(hwnd, EM_SETSEL, 0, -1);
    }
}

bool enableWindow(WindowHandle window, bool enable) {
    const HWND hwnd = Hwnd(window);
    if (hwnd == nullptr || !IsWindow(hwnd)) {
        return false;
    }
    const bool changed = (IsWindowEnabled(hwnd) != FALSE) != enable;
    EnableWindow(hwnd, enable ? TRUE : FALSE);
    if (enable) {
        SetFocus(hwnd);
    }
    return changed;
}

namespace backend {

WindowHandle DialogItem(WindowHandle dialog, std::uint32_t id) {
    return dialog != nullptr ? Handle(GetDlgItem(Hwnd(dialog), static_cast<int>(id))) : nullptr;
}

std::int32_t ReadValue(WindowHandle control, ValueAccess access) {
    const HWND hwnd = Hwnd(control);
    switch (access) {
        case ValueAccess::Check:
            return static_cast<std::int32_t>(SendMessageW(hwnd, BM_GETCHECK, 0, 0));
        case ValueAccess::Slider:
            return static_cast<std::int32_t>(SendMessageW(hwnd, TBM_GETPOS, 0, 0));
        case ValueAccess::List:
            return static_cast<std::int32_t>(SendMessageW(hwnd, LB_GETCURSEL, 0, 0));
        case ValueAccess::Combo:
            return static_cast<std::int32_t>(SendMessageW(hwnd, CB_GETCURSEL, 0, 0));
        default:
            return 0;
    }
}

void WriteValue(WindowHandle control, ValueAccess access, std::int32_t value) {
    const HWND hwnd = Hwnd(control);
    const auto index = static_cast<WPARAM>(static_cast<INT_PTR>(value));
    switch (access) {
        case ValueAccess::Check:
            SendMessageW(hwnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
            break;
        case ValueAccess::Slider:
            SendMessageW(hwnd, TBM_SETPOS, TRUE, value);
            break;
        case ValueAccess::List:
            SendMessageW(hwnd, LB_SETCURSEL, index, 0);
            break;
        case ValueAccess::Combo:
            SendMessageW(hwnd, CB_SETCURSEL, index, 0);
            break;
        default:
            break;
    }
}

void EnableItem(WindowHandle control, bool on) {
    EnableWindow(Hwnd(control), on ? TRUE : FALSE);
}

void EnableToolbarButton(WindowHandle toolbar, std::uint32_t commandId, bool on) {
    SendMessageW(Hwnd(toolbar), TB_ENABLEBUTTON, commandId, MAKELONG(on ? TRUE : FALSE, 0));
}

}  // namespace backend
}  // namespace tavrel
