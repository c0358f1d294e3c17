// The main dialog's box table, enabled-state rule and window sizes.
#include "search/dialogs/MainDialogRules.h"

#include <iterator>

#include "resources/resource.h"
#include "search/SearchRequest.h"

namespace tavrel {
namespace {

constexpr OptionBox kOptionBoxes[] = {
    {IDC_EVERYWHERE, SR_EVERYWHERE},
    {IDC_TEXT_EXPRESSIONS, SR_TEXT_EXPRESSIONS},
    {IDC_ARTICULATIONS, SR_ARTICULATIONS},
    {IDC_LYRICS, SR_LYRICS},
    {IDC_TEXT_BLOCKS, SR_TEXT_BLOCKS},
    {IDC_REPEAT_TEXTS, SR_REPEAT_TEXTS},
    {IDC_FILE_INFO, SR_FILE_INFO},
    {IDC_SMART_SHAPES, SR_SMART_SHAPES},
    {IDC_STAFF_NAMES, SR_STAFF_NAMES},
    {IDC_STAFF_STYLE_NAMES, SR_STAFF_STYLE_NAMES},
    {IDC_GROUP_NAMES, SR_GROUP_NAMES},
    {IDC_USE_SEARCH_STYLE, SR_USE_SEARCH_STYLE},
    {IDC_USE_REPLACE_STYLE, SR_USE_REPLACE_STYLE},
    {IDC_MATCH_CASE, SR_MATCH_CASE},
    {IDC_WHOLE_WORDS, SR_WHOLE_WORDS},
    {IDC_ALL_DOCUMENTS, SR_ALL_DOCUMENTS},
};

constexpr std::uint32_t kCategoryBoxIds[] = {
    IDC_TEXT_EXPRESSIONS, IDC_ARTICULATIONS,     IDC_LYRICS,       IDC_TEXT_BLOCKS,
    IDC_REPEAT_TEXTS,     IDC_FILE_INFO,         IDC_SMART_SHAPES, IDC_STAFF_NAMES,
    IDC_GROUP_NAMES,      IDC_STAFF_STYLE_NAMES,
};

// The size the window's layout was designed at.
constexpr float kDesignWidth = 389.0f;
constexpr float kDesignHeight = 250.0f;
constexpr float kDesignDialogWidth = 390.0f;
constexpr float kDesignCollapsedHeight = 126.0f;
constexpr float kDesignExpandedHeight = 254.0f;

}  // namespace

const OptionBox* OptionBoxes(std::size_t& count) {
    count = std::size(kOptionBoxes);
    return kOptionBoxes;
}

std::uint32_t CollectOptions(const std::function<double(std::uint32_t id)>& value) {
    std::uint32_t options = 0;
    for (const OptionBox& box : kOptionBoxes) {
        if (value(box.id) != 0) {
            options |= box.bit;
        }
    }
    return options;
}

const std::uint32_t* CategoryBoxIds(std::size_t& count) {
    count = std::size(kCategoryBoxIds);
    return kCategoryBoxIds;
}

BoxChange AllDocumentsChange(std::int16_t windowCount, bool collapsed) {
    if (windowCount <= 1) {
        return BoxChange::Disable;
    }
    return collapsed ? BoxChange::Keep : BoxChange::Enable;
}

DialogSizes SizesFromBounds(const URect& bounds) {
    const auto width = static_cast<std::int16_t>(bounds.right - bounds.left);
    const auto height = static_cast<std::int16_t>(bounds.bottom - bounds.top);
    DialogSizes sizes;
    sizes.xScale = width / kDesignWidth;
    sizes.yScale = height / kDesignHeight;
    sizes.width = static_cast<std::int32_t>(kDesignDialogWidth * sizes.xScale);
    sizes.collapsedHeight = static_cast<std::int32_t>(kDesignCollapsedHeight * sizes.yScale);
    sizes.expandedHeight = static_cast<std::int32_t>(kDesignExpandedHeight * sizes.yScale);
    return sizes;
}

}  // namespace tavrel
