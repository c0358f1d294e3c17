// Control classification: both tables, from class name and style.
#include "ui/ControlKinds.h"

#include <gtest/gtest.h>

#include "ui/MessageCodes.h"

namespace tavrel {
namespace {

std::string Code(FourCharCode c) {
    if (c == 0) {
        return "0";
    }
    return {static_cast<char>(c >> 24), static_cast<char>(c >> 16), static_cast<char>(c >> 8),
            static_cast<char>(c)};
}

TEST(ControlKindsTest, BothTablesClassifyByClassAndStyle) {
    struct Row {
        int line;
        const char* className;
        std::uint32_t style;
        const char* kind;       // the value operations' table
        const char* builtKind;  // the event record's table
        std::uint32_t builtFlags;
        ControlItems items;
    } rows[] = {
        {__LINE__, "Button", msg::kBsAuto3State, "cbox", "cbox", kControlThreeState,
         ControlItems::None},
        {__LINE__, "BUTTON", msg::kBs3State | msg::kWsChild, "cbox", "cbox", kControlThreeState,
         ControlItems::None},
        {__LINE__, "Button", msg::kBsAutoRadioButton, "rdio", "rdio", 0, ControlItems::None},
        {__LINE__, "Button", msg::kBsGroupBox, "grpb", "grpb", 0, ControlItems::None},
        {__LINE__, "Button", 0x0B, "push", "push", 0, ControlItems::None},  // owner-drawn
        {__LINE__, "listbox", 0, "lbox", "lbox", 0, ControlItems::ListEntries},
        {__LINE__, "ComboBoxEx32", 0, "0", "popb", 0, ControlItems::ComboEntries},
        {__LINE__, "ComboBoxEx", 0, "popb", "popb", 0, ControlItems::ComboEntries},
        {__LINE__, "SysTreeView32", 0, "datb", "datb", 0, ControlItems::None},
        {__LINE__, "TStaticLabel", 0, "stxt", "stxt", 0, ControlItems::None},
        {__LINE__, "RICHEDIT", 0, "etxt", "etxt", kControlRichEdit, ControlItems::None},
        {__LINE__, "RichEdit20W", 0, "0", "etxt", kControlRichEdit, ControlItems::None},
        // Third-party families: containment, case-sensitive in the first table.
        {__LINE__, "TLMDSpeedButton", 0, "push", "push", 0, ControlItems::None},
        {__LINE__, "TLMDRadioGroupButton", 0, "rdio", "rdio", 0, ControlItems::None},
        {__LINE__, "TLMDRadioGroup", 0, "grpb", "grpb", 0, ControlItems::None},
        {__LINE__, "TLMDPanel", 0, "0", "0", 0, ControlItems::None},
        {__LINE__, "tlmdcheckbox", 0, "0", "cbox", 0, ControlItems::None},
        {__LINE__, "TLMDEdit", 0, "0", "etxt", 0, ControlItems::None},
        {__LINE__, "SysTabControl32", 0, "tabs", "tabs", 0, ControlItems::Tabs},
        {__LINE__, "msctls_trackbar32", 0, "sldr", "sldr", 0, ControlItems::TrackbarThumb},
        {__LINE__, "ToolbarWindow32", 0, "tbar", "0", 0, ControlItems::None},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(Code(ControlKindOf(r.className, r.style)), r.kind);
        const BuildPlan plan = PlanBuildControl(r.className, r.style);
        EXPECT_EQ(Code(plan.kind), r.builtKind);
        EXPECT_EQ(plan.flags, r.builtFlags);
        EXPECT_EQ(plan.items, r.items);
    }
}

TEST(ControlKindsTest, SliderThumbAndPlainTextClasses) {
    struct Row {
        int line;
        URect window, thumb;
    } rows[] = {
        {__LINE__, {10, 20, 110, 40}, {10, 20, 18, 40}},  // wider than tall
        {__LINE__, {10, 20, 30, 120}, {10, 20, 30, 28}},  // taller than wide
        {__LINE__, {0, 0, 0, 0}, {0, 0, 0, 8}},           // empty: no division
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(TrackbarThumbRect(r.window), r.thumb);
    }
    EXPECT_TRUE(IsPlainTextClass("Edit", false));
    EXPECT_FALSE(IsPlainTextClass("EDIT", false));
    EXPECT_TRUE(IsPlainTextClass("EDIT", true));
    EXPECT_FALSE(IsPlainTextClass("RICHEDIT", true));
    struct TextRow {
        int line;
        const char* className;
        bool ignoreCase;
        TextAccess access;
    } texts[] = {
        {__LINE__, "Edit", false, TextAccess::Plain},
        {__LINE__, "edit", false, TextAccess::Window},
        {__LINE__, "RICHEDIT", false, TextAccess::Rich},
        {__LINE__, "RichEdit20W", true, TextAccess::Rich},
        {__LINE__, "Button", false, TextAccess::Window},  // a button's title is its text
    };
    for (const TextRow& r : texts) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(TextAccessFor(r.className, r.ignoreCase), r.access);
    }
}

}  // namespace
}  // namespace tavrel
