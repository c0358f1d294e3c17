// Layout tables, toolbar records and tooltips; the window and template
// registries.
#include "ui/BindingRules.h"

#include <gtest/gtest.h>

#include "ui/DialogTemplate.h"
#include "ui/Uwindow.h"
#include "ui/WindowRegistry.h"

namespace tavrel {
namespace {

constexpr std::uint32_t kItem = kLayoutToolbarItem;

TEST(BindingRulesTest, TheToolbarTakesItsItemsAndTheRestBecomeControls) {
    const ControlLayoutEntry table[] = {
        {1049, 0, kKindEtxt, kLayoutMoveRightAndDown, 0, 0},
        {900, 0, kKindTbar, kLayoutToolbarWraps, 0, 0},
        {901, 201, kKindPush, kItem, 0, 0},
        {902, 0, kKindSepa, kItem, 0, 0},
        {903, 202, kKindPush, kItem, 0, 0},
        {1047, 0, kKindDatb, 0, 0, 0},
        {905, 0, kKindTbar, 0, 0, 0},  // a second toolbar is not made
        {0, 0, 0, 0, 0, 0},
        {1, 0, kKindPush, 0, 0, 0},  // past the end
    };
    const BindingPlan plan = PlanBinding(table);
    ASSERT_EQ(plan.toolbar, &table[1]);
    EXPECT_EQ(plan.toolbarItems,
              (std::vector<const ControlLayoutEntry*>{&table[2], &table[3], &table[4]}));
    EXPECT_EQ(plan.controls, (std::vector<const ControlLayoutEntry*>{&table[0], &table[5]}));
    EXPECT_TRUE(PlanBinding(nullptr).controls.empty());

    Ucontrol toolbar = ToolbarRecord(plan);
    EXPECT_EQ(toolbar.id, 900u);
    EXPECT_EQ(toolbar.flags, kLayoutToolbarWraps | kControlToolbar);
    ASSERT_EQ(toolbar.parts.size(), 4u);
    EXPECT_EQ(toolbar.parts[1].id, 901u);
    EXPECT_EQ(toolbar.parts[2].id, 0u);  // separators carry no command
    EXPECT_EQ(toolbar.parts[2].kind, kKindSepa);
    AssignTooltips(toolbar, DynString("Open:Gap:Save:Extra"));
    EXPECT_EQ(toolbar.parts[1].tooltip, "Open");
    EXPECT_EQ(toolbar.parts[3].tooltip, "Save");
    EXPECT_EQ(ToolbarButton(toolbar, 903), &toolbar.parts[3]);
    EXPECT_EQ(ToolbarButton(toolbar, 0), nullptr);
    EXPECT_EQ(ToolbarButton(toolbar, 904), nullptr);

    std::vector<Ucontrol> controls(2);
    EXPECT_EQ(FindToolbar(controls), nullptr);
    controls.push_back(toolbar);
    EXPECT_EQ(FindToolbar(controls), &controls[2]);
}

TEST(BindingRulesTest, RegistriesReplaceAndForget) {
    auto* const handle = reinterpret_cast<WindowHandle>(0x7000);
    Uwindow first;
    Uwindow second;
    RegisterWindow(handle, &first);
    RegisterWindow(handle, &second);  // a reused handle names the newer object
    EXPECT_EQ(findWindow(handle), &second);
    RegisterWindow(reinterpret_cast<WindowHandle>(0x7004), &second);
    UnregisterObject(&second);
    EXPECT_EQ(findWindow(handle), nullptr);
    EXPECT_EQ(findWindow(reinterpret_cast<WindowHandle>(0x7004)), nullptr);
    RegisterWindow(handle, &first);
    UnregisterWindow(handle);
    EXPECT_EQ(findWindow(handle), nullptr);
    RegisterWindow(nullptr, &first);
    EXPECT_EQ(findWindow(nullptr), nullptr);

    static const DialogTemplate dialog{4711, "Test", 10, 10, 0, nullptr, 0};
    EXPECT_EQ(FindDialogTemplate(4711), nullptr);
    RegisterDialogTemplate(&dialog);
    EXPECT_EQ(FindDialogTemplate(4711), &dialog);
}

}  // namespace
}  // namespace tavrel
