// Click selection and drag and drop decisions. The pre-order walk serves the
// Windows tree only and is tested there; item notices in the headless tests.
#include "ui/TreeRules.h"

#include <gtest/gtest.h>

#include "ui/Uwindow.h"

namespace tavrel {
namespace {

TEST(TreeRulesTest, ClicksSelectBySiblingRuns) {
    const std::vector<TreeItemRef> siblings{11, 12, 13, 14, 15};
    struct Row {
        int line;
        bool shift, ctrl, multi;
        TreeItemRef caret, hit;
        std::int32_t x;
        bool clearAll, clearCaret;
        TreeItemRef toggle;
        std::vector<TreeItemRef> select;
    } rows[] = {
        {__LINE__, false, false, true, 12, 14, 40, true, false, 0, {}},
        {__LINE__, false, false, false, 12, 14, 11, true, true, 0, {}},  // beside the items
        {__LINE__, false, true, true, 12, 14, 40, false, true, 14, {12}},
        {__LINE__, true, true, true, 12, 14, 40, false, true, 14, {12}},  // Ctrl wins
        {__LINE__, true, false, true, 14, 12, 40, false, true, 0, {13, 14}},
        {__LINE__, true, false, true, 11, 14, 40, false, true, 0, {13, 12, 11}},
        {__LINE__, true, false, true, 99, 14, 40, false, false, 0, {}},   // another parent
        {__LINE__, true, false, false, 12, 14, 40, false, false, 0, {}},  // single selection
        {__LINE__, false, true, true, 0, 14, 40, false, true, 14, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        const ClickPlan plan = PlanClick(r.shift, r.ctrl, r.multi, r.caret, r.hit, r.x, siblings);
        EXPECT_EQ(plan.clearAllStates, r.clearAll);
        EXPECT_EQ(plan.clearCaret, r.clearCaret);
        EXPECT_EQ(plan.toggle, r.toggle);
        EXPECT_EQ(plan.select, r.select);
    }
}

TEST(TreeRulesTest, DragStartMoveAndDrop) {
    struct StartRow {
        int line;
        std::vector<bool> containers;
        bool homogeneous, allowed;
        std::uint32_t flags;
    } starts[] = {
        {__LINE__, {true, false}, true, false, 0},
        {__LINE__, {true, false}, false, true, kWindowDragging},
        {__LINE__, {true, true}, true, true, kWindowDragging | kWindowDragContainers},
        {__LINE__, {}, true, true, kWindowDragging},
    };
    for (const StartRow& r : starts) {
        SCOPED_TRACE(r.line);
        const DragStart start = PlanDragStart(r.containers, r.homogeneous);
        EXPECT_EQ(start.allowed, r.allowed);
        EXPECT_EQ(start.windowFlags, r.flags);
    }
    struct MoveRow {
        int line;
        std::int32_t x, y;
        bool overDragged, setTarget, clearTarget, forbidden;
        int scroll;
    } moves[] = {
        {__LINE__, 50, 30, false, true, false, false, 0},
        {__LINE__, 50, 30, true, false, true, true, 0},  // onto itself: no target
        {__LINE__, 250, 30, false, false, false, true, 0},
        {__LINE__, 50, -3, false, false, false, true, -1},
        {__LINE__, 200, 100, false, true, false, false, 0},  // edges count as inside
    };
    for (const MoveRow& r : moves) {
        SCOPED_TRACE(r.line);
        const DragFeedback f = PlanDragMove(r.x, r.y, 200, 100, r.overDragged);
        EXPECT_EQ(f.setTarget, r.setTarget);
        EXPECT_EQ(f.clearTarget, r.clearTarget);
        EXPECT_EQ(f.forbidden, r.forbidden);
        EXPECT_EQ(f.scroll, r.scroll);
    }
    struct DropRow {
        int line;
        bool hasTarget;
        std::int32_t x, y;
        bool valid;
        std::uint32_t item;
    } drops[] = {
        {__LINE__, true, 8, 30, false, 7},    {__LINE__, true, 9, 30, true, 7},
        {__LINE__, true, 200, 30, false, 7},  {__LINE__, true, 50, 0, false, 7},
        {__LINE__, false, 50, 90, true, 0},  // below the last item
        {__LINE__, false, 5, 90, true, 0},    {__LINE__, false, 250, 90, false, 0},
        {__LINE__, false, 50, 100, false, 0},
    };
    for (const DropRow& r : drops) {
        SCOPED_TRACE(r.line);
        const DropResult drop = EvaluateDrop(r.hasTarget, 7, r.x, r.y, 200, 100);
        EXPECT_EQ(drop.valid, r.valid);
        EXPECT_EQ(drop.item, r.item);
    }
}

}  // namespace
}  // namespace tavrel
