// Tree keys, rich-edit keys and the dialog keyboard filter's decisions.
#include "ui/KeyRules.h"

#include <gtest/gtest.h>

#include "ui/MessageCodes.h"

namespace tavrel {
namespace {

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kCtrl{false, false, true};
constexpr KeyModifiers kShift{false, true, false};
constexpr KeyModifiers kCtrlShift{false, true, true};

TEST(KeyRulesTest, TreeAndRichEditKeysBecomeCommands) {
    struct Row {
        int line;
        std::uint32_t key;
        KeyModifiers modifiers;
        FourCharCode tree;
        EditAction richAction;
        FourCharCode richCommand;  // from a browser notifier
    } rows[] = {
        {__LINE__, msg::kVkSpace, kNone, kCommandSpace, EditAction::None, kCommandSpace},
        {__LINE__, msg::kVkSpace, kCtrl, 0, EditAction::None, 0},
        {__LINE__, 'A', kCtrl, kCommandSelectAll, EditAction::SelectAll, 0},
        {__LINE__, 'X', kCtrl, 0, EditAction::Cut, 0},
        {__LINE__, 'Z', kCtrl, kCommandUndo, EditAction::None, kCommandUndo},
        {__LINE__, 'A', kCtrlShift, 0, EditAction::None, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(TreeKeyCommand(r.key, r.modifiers), r.tree);
        const RichEditKey rich = RichEditKeyRule(r.key, r.modifiers, true);
        EXPECT_EQ(rich.action, r.richAction);
        EXPECT_EQ(rich.command, r.richCommand);
    }
    EXPECT_EQ(RichEditKeyRule(msg::kVkSpace, kNone, false).command, 0u);
}

TEST(KeyRulesTest, FilterActsOnlyForControlsOfModelessToolkitDialogs) {
    using F = FilterAction;
    const FilterTarget edit{false, true, false, false, "Edit"};
    const FilterTarget tree{false, true, false, false, "SysTreeView32"};
    const FilterTarget dragging{false, true, false, true, "SysTreeView32"};
    const FilterTarget rich{false, true, false, false, "RichEdit20A"};
    const FilterTarget modal{false, true, true, false, "Edit"};
    const FilterTarget dialogItself{true, false, false, false, "#32770"};
    const FilterTarget foreign{false, false, false, false, "Edit"};
    struct Row {
        int line;
        FilterTarget target;
        std::uint32_t message, key;
        KeyModifiers modifiers;
        FilterAction expected;
    } rows[] = {
        {__LINE__, edit, msg::kKeyDown, msg::kVkTab, kNone, F::NextTab},
        {__LINE__, edit, msg::kKeyDown, msg::kVkTab, kShift, F::PreviousTab},
        {__LINE__, edit, msg::kKeyDown, msg::kVkReturn, kNone, F::PressOk},
        {__LINE__, edit, msg::kKeyDown, msg::kVkEscape, kNone, F::Pass},
        {__LINE__, dragging, msg::kKeyDown, msg::kVkEscape, kNone, F::CancelDrag},
        {__LINE__, tree, msg::kKeyDown, msg::kVkDelete, kNone, F::Clear},
        {__LINE__, edit, msg::kKeyDown, msg::kVkDelete, kNone, F::Pass},
        {__LINE__, edit, msg::kKeyUp, 'A', kCtrl, F::EditSelectAll},
        {__LINE__, edit, msg::kKeyUp, 'X', kCtrl, F::EditCut},
        {__LINE__, edit, msg::kKeyUp, 'A', kCtrlShift, F::Pass},
        {__LINE__, tree, msg::kKeyUp, 'A', kCtrl, F::Pass},
        {__LINE__, rich, msg::kKeyDown, msg::kVkReturn, kNone, F::Pass},
        {__LINE__, modal, msg::kKeyDown, msg::kVkTab, kNone, F::Pass},
        {__LINE__, dialogItself, msg::kKeyDown, msg::kVkTab, kNone, F::Pass},
        {__LINE__, foreign, msg::kKeyDown, msg::kVkTab, kNone, F::Pass},
        {__LINE__, edit, msg::kContextMenu, 0, kNone, F::Pass},
    };
    std::uint32_t time = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        UMessage m;
        m.window = reinterpret_cast<WindowHandle>(0x40);
        m.message = r.message;
        m.wParam = r.key;
        m.time = ++time;
        EXPECT_EQ(DecideFilter(m, r.target, r.modifiers), r.expected);
    }
}

TEST(KeyRulesTest, TheSameRecordIsHandledOnce) {
    const FilterTarget edit{false, true, false, false, "Edit"};
    UMessage m;
    m.window = reinterpret_cast<WindowHandle>(0x40);
    m.message = msg::kKeyDown;
    m.wParam = msg::kVkReturn;
    m.time = 77;
    ForgetHandled();
    EXPECT_EQ(DecideFilter(m, edit, kNone), FilterAction::PressOk);
    RememberHandled(m);
    EXPECT_EQ(DecideFilter(m, edit, kNone), FilterAction::Swallow);
    UMessage later = m;
    later.time = 78;  // any field differing makes it a new key
    EXPECT_EQ(DecideFilter(later, edit, kNone), FilterAction::PressOk);
    UMessage none = m;
    none.window = nullptr;
    EXPECT_EQ(DecideFilter(none, edit, kNone), FilterAction::Pass);
    ForgetHandled();
}

}  // namespace
}  // namespace tavrel
