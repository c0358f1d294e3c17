// Which toolkit kind a control window is, decided from its class name and
// window style alone, so both window systems classify alike. Two tables
// exist: the one the value operations use, and the one that builds the
// control record of an event (lower-cased names, a few more flags).
#pragma once

#include <cstdint>

#include "ui/FourCharCode.h"
#include "ui/Ucontrol.h"

namespace tavrel {

// The kind the value operations act on; 0 when the class is not one of ours.
FourCharCode ControlKindOf(const char* className, std::uint32_t style);

// What else a built record carries besides kind and flags.
enum class ControlItems {
    None,
    ListEntries,    // one part per list entry
    ComboEntries,   // one part per combo entry, ellipsis flag per entry
    Tabs,           // one part per tab; no kind at all when there is no tab
    TrackbarThumb,  // part 0's rectangle is cut to the thumb's 8 pixels
};

struct BuildPlan {
    FourCharCode kind = 0;
    std::uint32_t flags = 0;  // kControlThreeState, kControlRichEdit
    ControlItems items = ControlItems::None;
};
BuildPlan PlanBuildControl(const char* className, std::uint32_t style);

// Part 0's rectangle of a slider: 8 pixels along its long side.
URect TrackbarThumbRect(const URect& window);

// "Edit" or "Static": the classes whose text is the plain window text.
bool IsPlainTextClass(const char* className, bool ignoreCase);

// How a control's text is read and written: plain fields (and their text
// selected after a write), rich edits through their own messages, and every
// other control (buttons, lists) through its window text.
enum class TextAccess { Plain, Rich, Window };
TextAccess TextAccessFor(const char* className, bool ignoreCase);

}  // namespace tavrel
