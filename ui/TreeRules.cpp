// Click selection, drag and drop decisions of the tree browser.
#include "ui/TreeRules.h"

#include <algorithm>

#include "ui/Uwindow.h"

namespace tavrel {
namespace {

// Shift-click: the run of siblings from hit towards caret, caret included,
// when caret is a sibling at all.
void PlanShiftRun(ClickPlan& plan, TreeItemRef caret, TreeItemRef hit,
                  const std::vector<TreeItemRef>& siblings) {
    const auto hitAt = std::find(siblings.begin(), siblings.end(), hit);
    const auto caretAt = std::find(siblings.begin(), siblings.end(), caret);
    if (hitAt == siblings.end() || caretAt == siblings.end() || caretAt == hitAt) {
        return;
    }
    plan.clearCaret = true;
    if (caretAt > hitAt) {
        plan.select.assign(hitAt + 1, caretAt + 1);
    } else {
        for (auto it = hitAt; it != caretAt;) {
            --it;
            plan.select.push_back(*it);
        }
    }
}

}  // namespace

DataBrowserNotice& ItemNoticeBlock() {
    static DataBrowserNotice block;
    return block;
}

DataBrowserNotice& DropNoticeBlock() {
    static DataBrowserNotice block;
    return block;
}

void WriteItemNotice(DataBrowserNotice& block, std::uint32_t control, std::uint32_t message,
                     std::uint32_t item, std::uint32_t extra) {
    block.control = control;
    block.noticeKind = kNoticeItem;
    block.message = message;
    if (message == kItemSelectionChanged) {
        block.item = item;
        block.extra = extra;
    } else if (message == kItemOpened || message == kItemClosed) {
        block.item = item;
    }
}

ClickPlan PlanClick(bool shift, bool ctrl, bool multiSelect, TreeItemRef caret, TreeItemRef hit,
                    std::int32_t x, const std::vector<TreeItemRef>& siblings) {
    ClickPlan plan;
    if (!shift && !ctrl) {
        plan.clearCaret = hit == 0 || x < 12;
        plan.clearAllStates = true;
        return plan;
    }
    if (!multiSelect || hit == 0) {
        return plan;
    }
    if (ctrl) {
        plan.clearCaret = true;
        plan.toggle = hit;
        if (caret != 0) {
            plan.select.push_back(caret);
        }
        return plan;
    }
    PlanShiftRun(plan, caret, hit, siblings);
    return plan;
}

DragStart PlanDragStart(const std::vector<bool>& selectionContainers, bool homogeneousOnly) {
    const auto containers =
        std::count(selectionContainers.begin(), selectionContainers.end(), true);
    const bool all =
        !selectionContainers.empty() && containers == static_cast<long>(selectionContainers.size());
    if (homogeneousOnly && !selectionContainers.empty() && !all && containers != 0) {
        return {};
    }
    return {true, kWindowDragging | (all ? kWindowDragContainers : 0u)};
}

DragFeedback PlanDragMove(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                          bool overDraggedItem) {
    DragFeedback f;
    if (x <= w && y >= 0 && y <= h) {
        // Over the dragged item itself there is nothing to drop on: no target
        // stays highlighted from an earlier item.
        f.setTarget = !overDraggedItem;
        f.clearTarget = overDraggedItem;
        f.forbidden = overDraggedItem;
    } else {
        f.forbidden = true;
    }
    if (y < 0) {
        f.scroll = -1;
    } else if (y > h) {
        f.scroll = 1;
    }
    return f;
}

DropResult EvaluateDrop(bool hasTarget, std::uint32_t targetId, std::int32_t x, std::int32_t y,
                        std::int32_t w, std::int32_t h) {
    const bool rowsInside = y > 0 && y < h;
    if (hasTarget) {
        return {x > 8 && x < w && rowsInside, targetId};
    }
    // The empty space below the items, inside the tree: a drop beside the
    // tree is outside it and drops nothing.
    return {x > 0 && x < w && rowsInside, 0};
}

}  // namespace tavrel
