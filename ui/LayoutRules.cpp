// Frame clamping, control anchoring and the move-and-resize rule.
#include "ui/LayoutRules.h"

#include <algorithm>

namespace tavrel {

bool ClampSizing(URect& proposed, const URect& current, USize minSize) {
    if (proposed == current) {
        return false;
    }
    std::int64_t width = static_cast<std::int64_t>(proposed.right) - proposed.left;
    std::int64_t height = static_cast<std::int64_t>(proposed.bottom) - proposed.top;
    width = std::min<std::int64_t>(std::max<std::int64_t>(width, minSize.width), kMaxDialogWidth);
    height =
        std::min<std::int64_t>(std::max<std::int64_t>(height, minSize.height), kMaxDialogHeight);
    proposed.right = static_cast<std::int32_t>(proposed.left + width);
    proposed.bottom = static_cast<std::int32_t>(proposed.top + height);
    return true;
}

URect AnchoredRect(const URect& rect, std::uint32_t flags, std::int32_t dx, std::int32_t dy) {
    URect r = rect;
    if ((flags & kLayoutFollowsWidth) != 0) {
        if ((flags & kLayoutHorizontalResizes) == 0) {
            r.left += dx;
        }
        r.right += dx;
    }
    if ((flags & kLayoutFollowsHeight) != 0) {
        if ((flags & kLayoutVerticalResizes) == 0) {
            r.top += dy;
        }
        r.bottom += dy;
    }
    return r;
}

PositionChange MoveResizeRule(std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height) {
    return {x != 0 || y != 0, width != 0 || height != 0};
}

}  // namespace tavrel
