// The control record of the dialog toolkit: a control's window, dialog-item
// id, kind and flags, with its parts (list entries, tabs, toolbar buttons,
// header pieces); and the rows of a dialog's static layout table.
#pragma once

#include <cstdint>
#include <vector>

#include "text/DynString.h"
#include "text/UniversalString.h"
#include "ui/FourCharCode.h"
#include "ui/Handles.h"

namespace tavrel {

struct URect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const URect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Flags of Ucontrol.
constexpr std::uint32_t kControlHidden = 0x1;            // hidden when the record was built
constexpr std::uint32_t kControlDisabled = 0x2;          // disabled when the record was built
constexpr std::uint32_t kControlToolbar = 0x4;           // the dialog's toolbar
constexpr std::uint32_t kControlThreeState = 0x8;        // three-state check box
constexpr std::uint32_t kBrowserMultiSelect = 0x10;      // Shift/Ctrl clicks select several
constexpr std::uint32_t kBrowserHomogeneousDrag = 0x20;  // mixed selections are not dragged
constexpr std::uint32_t kBrowserHasHeader = 0x40;
constexpr std::uint32_t kControlEllipsis = 0x100;  // title ends with "..." or U+2026/0x85
constexpr std::uint32_t kControlRichEdit = 0x400;
constexpr std::uint32_t kLayoutHorizontalResizes = 0x100000;  // clear: moves
constexpr std::uint32_t kLayoutFollowsWidth = 0x200000;
constexpr std::uint32_t kLayoutVerticalResizes = 0x400000;  // clear: moves
constexpr std::uint32_t kLayoutFollowsHeight = 0x800000;
constexpr std::uint32_t kLayoutToolbarItem = 0x1000000;  // row belongs to the toolbar above
constexpr std::uint32_t kLayoutToolbarWraps = 0x2000000;
constexpr std::uint32_t kBrowserNoStandardImages = 0x10000000;
// What every row of the plug-in's tables carries: move right and down.
constexpr std::uint32_t kLayoutMoveRightAndDown = 0x00A00000;

// Part flags.
constexpr std::uint32_t kPartDisabled = 0x2;  // a disabled toolbar button
constexpr std::uint32_t kPartEllipsis = 0x100;

struct UcontrolPart {
    WindowHandle window = nullptr;  // only the windows of a browser header
    URect rect;                     // screen coordinates
    DynString title;
    DynString second;
    DynString tooltip;
    std::uint32_t id = 0;   // toolbar command id, header control id
    FourCharCode kind = 0;  // head, hdem, toolbar item kinds
    std::uint32_t flags = 0;
};

class Ucontrol {
  public:
    Ucontrol() : parts(1) {}
    Ucontrol(const Ucontrol&) = default;
    Ucontrol& operator=(const Ucontrol&) = default;
    virtual ~Ucontrol() = default;

    WindowHandle window = nullptr;  // null for a record that names a control by id only
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    FourCharCode kind = 0;            // 0: not classified
    std::vector<UcontrolPart> parts;  // part 0 is the control itself
};

// One row of a dialog's static layout table; a row of kind 0 ends the table.
struct ControlLayoutEntry {
    std::uint32_t id;
    std::uint32_t resourceId;  // icon, image or string resource in the low 16 bits; 0 none
    FourCharCode kind;
    std::uint32_t flags;
    std::uint32_t word5;  // tbar rows: string resource of the items' fields
    std::uint32_t word6;  // tbar rows: string resource of the items' tooltip texts
};
static_assert(sizeof(ControlLayoutEntry) == 24, "six 32-bit words");

// Free functions on a control window.
FourCharCode controlKind(WindowHandle window);
// Fills a fresh record for the window; true when a kind was found.
bool buildControl(WindowHandle window, Ucontrol& out);
UniversalString getControlText(WindowHandle window);
void setControlText(WindowHandle window, const UniversalString& text);
// The 8-bit forms; japanese reads a rich edit in code page 932 first.
DynString getControlText8(WindowHandle window, bool japanese);
void setControlText8(WindowHandle window, const DynString& text);
// Enables or disables the window; enabling also gives it the focus. True
// when the enabled state changed.
bool enableWindow(WindowHandle window, bool enable);

}  // namespace tavrel
