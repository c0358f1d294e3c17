// When "Replace All" may run, and the names of categories and effects.
#include "search/RequestRules.h"

namespace tavrel {
namespace {

struct NamedBit {
    const char* name;
    std::uint32_t bit;
};

// In the order the dialog shows the boxes.
constexpr NamedBit kCategories[] = {
    {"text-expressions", SR_TEXT_EXPRESSIONS},
    {"articulations", SR_ARTICULATIONS},
    {"file-info", SR_FILE_INFO},
    {"smart-shapes", SR_SMART_SHAPES},
    {"staff-names", SR_STAFF_NAMES},
    {"lyrics", SR_LYRICS},
    {"staff-style-names", SR_STAFF_STYLE_NAMES},
    {"text-blocks", SR_TEXT_BLOCKS},
    {"group-names", SR_GROUP_NAMES},
    {"repeat-texts", SR_REPEAT_TEXTS},
};

constexpr NamedBit kEffects[] = {
    {"bold", EFFECT_BOLD},        {"italic", EFFECT_ITALIC}, {"underline", EFFECT_UNDERLINE},
    {"fixed", EFFECT_FIXED_SIZE}, {"hidden", EFFECT_HIDDEN},
};

// A category, "Search Everywhere" or a use-style box: the bits between the
// style boxes and the document options.
constexpr std::uint32_t kSomethingChosen = 0x00FFFFF0;

}  // namespace

bool StyleIsEmpty(const StringStyle& style) {
    return style.fontName.empty() && style.size == kUnset16 && style.effects == 0 &&
           style.effectsMask == 0;
}

ReplaceAllBlock ReplaceAllBlocker(std::int16_t windowCount, const UniversalString& searchText,
                                  const UniversalString& replaceText, std::uint32_t options) {
    if (windowCount == 0) {
        return ReplaceAllBlock::NoDocument;
    }
    if (searchText.empty() && !replaceText.empty()) {
        return ReplaceAllBlock::ReplacementWithoutSearch;
    }
    if ((options & kSomethingChosen) == 0) {
        return ReplaceAllBlock::NoCategory;
    }
    const bool restyles =
        !StyleIsEmpty(replaceText.style()) && (options & SR_USE_REPLACE_STYLE) != 0;
    if (searchText.empty() && !restyles) {
        return ReplaceAllBlock::NothingToDo;
    }
    return ReplaceAllBlock::None;
}

std::uint32_t CategoryBit(const std::string& name) {
    for (const NamedBit& c : kCategories) {
        if (name == c.name) {
            return c.bit;
        }
    }
    return 0;
}

std::string CategoryNames() {
    std::string names;
    for (const NamedBit& c : kCategories) {
        names += names.empty() ? "" : ", ";
        names += c.name;
    }
    return names;
}

std::uint16_t EffectBit(const std::string& name) {
    for (const NamedBit& e : kEffects) {
        if (name == e.name) {
            return static_cast<std::uint16_t>(e.bit);
        }
    }
    return 0;
}

}  // namespace tavrel
