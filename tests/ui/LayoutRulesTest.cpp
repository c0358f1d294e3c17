// Frame clamping, anchoring and the move-and-resize rule.
#include "ui/LayoutRules.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(LayoutRulesTest, DraggedFramesStayWithinLimits) {
    const URect current{100, 50, 549, 212};
    struct Row {
        int line;
        URect proposed;
        USize minSize;
        bool changed;
        URect expected;
    } rows[] = {
        {__LINE__, {100, 50, 1300, 212}, {0, 0}, true, {100, 50, 1000, 212}},  // 1200 -> 900
        {__LINE__, {100, 50, 150, 212}, {0, 0}, true, {100, 50, 150, 212}},    // 50 kept
        {__LINE__, {100, 50, 150, 212}, {449, 162}, true, {100, 50, 549, 212}},
        {__LINE__, {0, 50, 549, 212}, {0, 0}, true, {0, 50, 549, 212}},  // left edge dragged
        {__LINE__, {100, 50, 549, 212}, {0, 0}, false, {100, 50, 549, 212}},
        {__LINE__, {100, 50, 90, 40}, {0, 0}, true, {100, 50, 100, 50}},  // inverted: empty
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        URect proposed = r.proposed;
        EXPECT_EQ(ClampSizing(proposed, current, r.minSize), r.changed);
        EXPECT_EQ(proposed, r.expected);
    }
}

TEST(LayoutRulesTest, AnchoredControlsMoveOrGrow) {
    const URect rect{10, 20, 60, 40};
    struct Row {
        int line;
        std::uint32_t flags;
        URect expected;
    } rows[] = {
        {__LINE__, kLayoutMoveRightAndDown, {15, 27, 65, 47}},
        {__LINE__, kLayoutFollowsWidth, {15, 20, 65, 40}},
        {__LINE__, kLayoutFollowsWidth | kLayoutHorizontalResizes, {10, 20, 65, 40}},
        {__LINE__, kLayoutFollowsHeight | kLayoutVerticalResizes, {10, 20, 60, 47}},
        {__LINE__, kLayoutHorizontalResizes | kLayoutVerticalResizes, {10, 20, 60, 40}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(AnchoredRect(rect, r.flags, 5, 7), r.expected);
    }
}

TEST(LayoutRulesTest, ZeroMeansUnchanged) {
    struct Row {
        int line;
        std::int32_t x, y, w, h;
        bool move, resize;
    } rows[] = {
        // Move only and resize only: the headless dialog tests.
        {__LINE__, 0, 0, 0, 0, false, false},
        {__LINE__, 0, 30, 300, 0, true, true},  // either non-zero counts
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        const PositionChange change = MoveResizeRule(r.x, r.y, r.w, r.h);
        EXPECT_EQ(change.move, r.move);
        EXPECT_EQ(change.resize, r.resize);
    }
}

}  // namespace
}  // namespace tavrel
