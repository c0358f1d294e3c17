// Control classification from class name and style, shared by the win32
// backend and the headless stand-in.
#include "ui/ControlKinds.h"

#include <string>
#include <string_view>

#include "text/Ascii.h"
#include "ui/MessageCodes.h"

namespace tavrel {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        c = AsciiLower(c);
    }
    return out;
}

bool OneOfNoCase(std::string_view name, std::initializer_list<std::string_view> names) {
    for (std::string_view n : names) {
        if (SameIgnoringAsciiCase(name, n)) {
            return true;
        }
    }
    return false;
}

bool Contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

FourCharCode ButtonKind(std::uint32_t style) {
    switch (style & msg::kButtonTypeMask) {
        case msg::kBsCheckBox:
        case msg::kBsAutoCheckBox:
        case msg::kBs3State:
        case msg::kBsAuto3State:
            return kKindCbox;
        case msg::kBsRadioButton:
        case msg::kBsAutoRadioButton:
            return kKindRdio;
        case msg::kBsGroupBox:
            return kKindGrpb;
        default:
            return kKindPush;
    }
}

// Third-party control families name their classes by what they are. A
// radio-group button is asked for before a plain button: its name contains
// "Button" too, and it is a radio button, not a push button.
FourCharCode FamilyKind(std::string_view name, std::string_view radioGroupButton,
                        std::string_view button, std::string_view radioGroup,
                        std::string_view checkBox) {
    if (Contains(name, radioGroupButton)) {
        return kKindRdio;
    }
    if (Contains(name, button)) {
        return kKindPush;
    }
    if (Contains(name, radioGroup)) {
        return kKindGrpb;
    }
    if (Contains(name, checkBox)) {
        return kKindCbox;
    }
    return 0;
}

}  // namespace

FourCharCode ControlKindOf(const char* className, std::uint32_t style) {
    const std::string_view name = className ? className : "";
    if (SameIgnoringAsciiCase(name, "Button")) {
        return ButtonKind(style);
    }
    if (SameIgnoringAsciiCase(name, "ListBox")) {
        return kKindLbox;
    }
    if (OneOfNoCase(name, {"ComboBox", "ComboBoxEx"})) {
        return kKindPopb;
    }
    if (OneOfNoCase(name, {"SysTreeView32", "TTreeview"})) {
        return kKindDatb;
    }
    if (OneOfNoCase(name, {"Static", "TStaticText", "TStaticLabel"})) {
        return kKindStxt;
    }
    if (OneOfNoCase(name, {"Edit", "TMyEdit", "RICHEDIT"})) {
        return kKindEtxt;
    }
    if (Contains(name, "TLMD")) {
        return FamilyKind(name, "RadioGroupButton", "Button", "RadioGroup", "CheckBox");
    }
    if (OneOfNoCase(name, {"TPageControl", "SysTabControl32"})) {
        return kKindTabs;
    }
    if (SameIgnoringAsciiCase(name, "msctls_trackbar32")) {
        return kKindSldr;
    }
    if (SameIgnoringAsciiCase(name, "SysListView32")) {
        return kKindLbox;
    }
    if (SameIgnoringAsciiCase(name, "ToolbarWindow32")) {
        return kKindTbar;
    }
    if (SameIgnoringAsciiCase(name, "SysHeader32")) {
        return kKindHead;
    }
    return 0;
}

BuildPlan PlanBuildControl(const char* className, std::uint32_t style) {
    const std::string name = Lower(className ? className : "");
    BuildPlan plan;
    if (name == "button") {
        plan.kind = ButtonKind(style);
        const std::uint32_t type = style & msg::kButtonTypeMask;
        if (type == msg::kBs3State || type == msg::kBsAuto3State) {
            plan.flags |= kControlThreeState;
        }
    } else if (name == "listbox") {
        plan = {kKindLbox, 0, ControlItems::ListEntries};
    } else if (name.rfind("combobox", 0) == 0) {
        plan = {kKindPopb, 0, ControlItems::ComboEntries};
    } else if (name == "systreeview32" || name == "ttreeview") {
        plan.kind = kKindDatb;
    } else if (Contains(name, "static")) {
        plan.kind = kKindStxt;
    } else if (Contains(name, "edit")) {
        plan.kind = kKindEtxt;
        plan.flags = Contains(name, "richedit") ? kControlRichEdit : 0;
    } else if (Contains(name, "tlmd")) {
        plan.kind = FamilyKind(name, "radiogroupbutton", "button", "radiogroup", "checkbox");
    } else if (name == "tpagecontrol" || name == "systabcontrol32") {
        plan = {kKindTabs, 0, ControlItems::Tabs};
    } else if (name == "msctls_trackbar32") {
        plan = {kKindSldr, 0, ControlItems::TrackbarThumb};
    }
    return plan;
}

URect TrackbarThumbRect(const URect& window) {
    URect r = window;
    const std::int64_t width = static_cast<std::int64_t>(window.right) - window.left;
    const std::int64_t height = static_cast<std::int64_t>(window.bottom) - window.top;
    // Wider than tall (height / width below 1): a horizontal slider.
    if (height < width) {
        r.right = r.left + 8;
    } else {
        r.bottom = r.top + 8;
    }
    return r;
}

bool IsPlainTextClass(const char* className, bool ignoreCase) {
    const std::string_view name = className ? className : "";
    if (ignoreCase) {
        return SameIgnoringAsciiCase(name, "Edit") || SameIgnoringAsciiCase(name, "Static");
    }
    return name == "Edit" || name == "Static";
}

TextAccess TextAccessFor(const char* className, bool ignoreCase) {
    if (IsPlainTextClass(className, ignoreCase)) {
        return TextAccess::Plain;
    }
    return Contains(Lower(className ? className : ""), "richedit") ? TextAccess::Rich
                                                                   : TextAccess::Window;
}

}  // namespace tavrel
