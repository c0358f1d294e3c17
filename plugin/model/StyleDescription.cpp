// The model's description of a text style, as the main dialog shows it under
// each edit field.
#include "plugin/model/Model.h"

#include <cstdint>
#include <vector>

#include "text/StringStyle.h"

namespace tavrel {
namespace {

constexpr const char* kStyles = "font-styles";

// The effects a description names, in the order it names them.
struct DescribedEffect {
    std::uint16_t bit;
    const char* key;
};
constexpr DescribedEffect kDescribedEffects[] = {
    {EFFECT_FIXED_SIZE, "fixed"},    {EFFECT_BOLD, "bold"},     {EFFECT_ITALIC, "italic"},
    {EFFECT_UNDERLINE, "underline"}, {EFFECT_HIDDEN, "hidden"},
};

// Sizes from 255 up are not described: the host shows nothing that large.
constexpr int kLargestDescribedSize = 254;

}  // namespace

UniversalString Model::StyleDescription(const UniversalString& text) const {
    const StringStyle& style = text.style();
    UniversalString word;
    std::vector<UniversalString> parts;
    if (!style.fontName.empty()) {
        parts.emplace_back(style.fontName);
    }
    const int size = static_cast<std::int16_t>(style.size);
    if (size > 0 && size <= kLargestDescribedSize) {
        parts.push_back(GetString(word, kStyles, "size", nullptr).plusNumber(size));
    }
    for (const DescribedEffect& effect : kDescribedEffects) {
        if ((style.effectsMask & effect.bit) == 0) {
            continue;
        }
        GetString(word, kStyles, effect.key, nullptr);
        // The resource names fixed size under a longer key than the one
        // looked up first; without this the word would come out empty.
        if (word.empty() && effect.bit == EFFECT_FIXED_SIZE) {
            GetString(word, kStyles, "fixed-size", nullptr);
        }
        UniversalString part;
        if ((style.effects & effect.bit) == 0) {
            GetString(part, kStyles, "non", nullptr);
        }
        part += word;
        parts.push_back(part);
    }
    UniversalString description;
    if (parts.empty()) {
        return GetString(description, kStyles, "no-style", nullptr);
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            description += ", ";
        }
        description += parts[i];
    }
    description += ".";
    return description;
}

}  // namespace tavrel
