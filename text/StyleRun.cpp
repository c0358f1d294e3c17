// Runs of styled text and the style filter: which found text a search style
// accepts.
#include "text/StyleRun.h"

#include "text/Ascii.h"

namespace tavrel {

// ASCII letters only, so that the answer does not depend on the locale.
bool SameFontName(const std::string& a, const std::string& b) {
    return SameIgnoringAsciiCase(a, b);
}

StringStyle CombineRuns(const std::vector<StyleRun>& runs, int first, int last) {
    const StyleRun& head = runs[static_cast<std::size_t>(first)];
    StringStyle combined = head;
    combined.effects |= SAME_FONT_MARK | SAME_SIZE_MARK;
    for (int j = first + 1; j <= last; ++j) {
        const StyleRun& run = runs[static_cast<std::size_t>(j)];
        combined.effects &=
            static_cast<std::uint16_t>(run.effects | SAME_FONT_MARK | SAME_SIZE_MARK);
        if (run.size != head.size) {
            combined.effects &= static_cast<std::uint16_t>(~SAME_SIZE_MARK);
        }
        if (!SameFontName(run.fontName, head.fontName)) {
            combined.effects &= static_cast<std::uint16_t>(~SAME_FONT_MARK);
        }
    }
    return combined;
}

bool StyleMatches(const StringStyle& filter, const StringStyle& combined,
                  const StringStyle& firstRun) {
    if ((combined.effects & filter.effectsMask) != (filter.effects & 0xFF)) {
        return false;
    }
    if (filter.size != kUnset16 &&
        ((combined.effects & SAME_SIZE_MARK) == 0 || firstRun.size != filter.size)) {
        return false;
    }
    if (!filter.fontName.empty()) {
        if ((combined.effects & SAME_FONT_MARK) == 0) {
            return false;
        }
        const bool named = SameFontName(firstRun.fontName, filter.fontName);
        const bool defaultFont =
            (filter.fontFlags & FONT_FLAG_DEFAULT) != 0 && SameFontName(firstRun.fontName, "Font0");
        if (!named && !defaultFont) {
            return false;
        }
    }
    if (filter.effects != 0 && (filter.effects & combined.effects) == 0) {
        return false;
    }
    return true;
}

}  // namespace tavrel
