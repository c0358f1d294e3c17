// What the main dialog decides without a window: which check box holds
// which bit of the option word, when "All Open Documents" is enabled, and
// the window sizes derived from the size the system gave the dialog.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/Ucontrol.h"

namespace tavrel {

// One check box of the option word.
struct OptionBox {
    std::uint32_t id;
    std::uint32_t bit;
};

// The sixteen boxes in the order the dialog sets them from the word.
const OptionBox* OptionBoxes(std::size_t& count);

// The option word rebuilt from nothing: each box's bit when value(box id)
// is not 0.
std::uint32_t CollectOptions(const std::function<double(std::uint32_t id)>& value);

// The category boxes beneath "Search Everywhere", in the order their
// enabled state is set.
const std::uint32_t* CategoryBoxIds(std::size_t& count);

// What one refresh does to "All Open Documents": with more than one window
// it follows the options area (enabled when shown, left as it is when
// hidden); with one window or none it is disabled.
enum class BoxChange { Enable, Disable, Keep };
BoxChange AllDocumentsChange(std::int16_t windowCount, bool collapsed);

// The window's sizes in pixels and the factors from the design size.
struct DialogSizes {
    float xScale = 1.0f;
    float yScale = 1.0f;
    std::int32_t width = 390;
    std::int32_t collapsedHeight = 126;
    std::int32_t expandedHeight = 254;
};
// From the window's bounds as first created.
DialogSizes SizesFromBounds(const URect& bounds);

}  // namespace tavrel
