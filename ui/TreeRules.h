// The tree browser's rules that need no window: which items a Shift or Ctrl
// click selects, whether a drag may start, what the pointer shows while
// dragging, whether a drop counts, and the pre-order walk over the items.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/UdatabrowserControl.h"

namespace tavrel {

// The process-wide notice blocks: item notices and drag starts share one,
// drops have the other. A handler reads them during its call.
DataBrowserNotice& ItemNoticeBlock();
DataBrowserNotice& DropNoticeBlock();
// Writes the words an item notification names (a double-click names none
// besides its message); the others keep what the previous notice left.
void WriteItemNotice(DataBrowserNotice& block, std::uint32_t control, std::uint32_t message,
                     std::uint32_t item, std::uint32_t extra);

// A tree item as the rules see it: an opaque non-zero reference.
using TreeItemRef = std::uintptr_t;

// A click at x (tree coordinates) on hit (0: none), with the caret item.
// siblings are hit's siblings in order, hit included.
struct ClickPlan {
    bool clearAllStates = false;  // clear every item's selected state
    bool clearCaret = false;      // clear the caret selection
    TreeItemRef toggle = 0;       // toggle this item's selected state
    std::vector<TreeItemRef> select;
};
ClickPlan PlanClick(bool shift, bool ctrl, bool multiSelect, TreeItemRef caret, TreeItemRef hit,
                    std::int32_t x, const std::vector<TreeItemRef>& siblings);

// Starting a drag over the selection (true per item: it is a container).
struct DragStart {
    bool allowed = false;
    std::uint32_t windowFlags = 0;  // drag in progress, all containers
};
DragStart PlanDragStart(const std::vector<bool>& selectionContainers, bool homogeneousOnly);

// The pointer at (x, y) in the tree's coordinates, w x h its size.
struct DragFeedback {
    bool setTarget = false;    // make the hit item (possibly none) the drop target
    bool clearTarget = false;  // no drop target
    bool forbidden = false;    // show the "no" cursor (else the arrow)
    int scroll = 0;            // -1 one line up, +1 one line down
};
DragFeedback PlanDragMove(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                          bool overDraggedItem);

struct DropResult {
    bool valid = false;
    std::uint32_t item = 0;  // the target's id; 0 for the space below the items
};
DropResult EvaluateDrop(bool hasTarget, std::uint32_t targetId, std::int32_t x, std::int32_t y,
                        std::int32_t w, std::int32_t h);

// The next item in pre-order. Tree supplies Item (0 or null: none),
// firstChild(item) (of the root: the first top-level item), nextSibling,
// parent (of a top-level item: none) and isRoot.
template <class Tree>
typename Tree::Item NextTreeItem(const Tree& tree, typename Tree::Item item, bool descend) {
    using Item = typename Tree::Item;
    if (descend) {
        const Item child = tree.firstChild(item);
        if (child) {
            return child;
        }
    }
    while (item && !tree.isRoot(item)) {
        const Item sibling = tree.nextSibling(item);
        if (sibling) {
            return sibling;
        }
        item = tree.parent(item);
    }
    return Item();
}

}  // namespace tavrel
