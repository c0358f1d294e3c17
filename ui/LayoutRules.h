// Size and position arithmetic of toolkit windows: the limits of a frame the
// user drags, how anchored controls follow it, and which part of a
// move-and-resize request is meant.
#pragma once

#include <cstdint>

#include "ui/Ucontrol.h"
#include "ui/Uwindow.h"

namespace tavrel {

constexpr std::int32_t kMaxDialogWidth = 900;
constexpr std::int32_t kMaxDialogHeight = 1000;

// Clamps the proposed frame (moving its right and bottom edges) to at least
// minSize and at most 900 x 1000 pixels. False, and nothing changed, when the
// proposal equals the current frame.
bool ClampSizing(URect& proposed, const URect& current, USize minSize);

// Where a control goes when its dialog grows by dx, dy: per axis, a control
// that follows size changes either grows (resize bit set) or moves.
URect AnchoredRect(const URect& rect, std::uint32_t flags, std::int32_t dx, std::int32_t dy);

// Zero x and y mean "do not move", zero width and height "do not resize".
struct PositionChange {
    bool move = false;
    bool resize = false;
};
PositionChange MoveResizeRule(std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height);

}  // namespace tavrel
