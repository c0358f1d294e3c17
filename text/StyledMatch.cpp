// The walk that finds an occurrence among a styled text's characters. Style
// commands lie between runs and are never visited; an information insert is
// stepped over whole, so it neither matches nor breaks a match; a legacy
// effect command is visited but never matched, so it breaks one.
#include "text/StyledMatch.h"

#include "text/Inserts.h"
#include "text/Options.h"
#include "text/PlainSearch.h"

namespace tavrel {
namespace {

struct Walk {
    const std::u16string& text;
    const std::u16string& search;
    std::int32_t position;
    std::uint32_t options;
    Occurrence occ;
    std::size_t matched = 0;
    bool inInsert = false;
    std::int32_t legacyEnd = -1;  // last index of the legacy command last met

    bool Rejected() const {
        if ((options & WHOLE_WORDS) == 0) {
            return false;
        }
        return (occ.prev != -1 && !IsBoundary(text[static_cast<std::size_t>(occ.prev)])) ||
               !IsBoundary(text[static_cast<std::size_t>(occ.next)]);
    }

    // True while i lies in a legacy effect command, from its caret through
    // its ')'.
    bool InLegacyCommand(std::int32_t i) {
        if (i > legacyEnd && IsLegacyEffectStart(text, static_cast<std::size_t>(i))) {
            const std::size_t close = text.find(u')', static_cast<std::size_t>(i));
            legacyEnd = close == std::u16string::npos ? static_cast<std::int32_t>(text.size())
                                                      : static_cast<std::int32_t>(close);
        }
        return i <= legacyEnd;
    }

    // One character of run r; true when the occurrence is complete.
    bool Visit(std::int32_t r, std::int32_t i, std::int32_t runEnd) {
        const char16_t c = text[static_cast<std::size_t>(i)];
        if (inInsert || (!InLegacyCommand(i) && c == u'^' && i < runEnd - 3 &&
                         IsInformationInsertStart(text, static_cast<std::size_t>(i)))) {
            inInsert = !(inInsert && c == u')');
            occ.inserts.push_back({i, static_cast<std::int32_t>(matched)});
            return false;
        }
        // A legacy command left unconverted is invisible: none of its
        // characters is compared, and each ends a partial match.
        if (i >= position && matched < search.size() && !InLegacyCommand(i) &&
            CharsEqual(c, search[matched], options)) {
            if (matched == 0) {
                occ.firstRun = r;
                occ.firstPos = i;
            }
            if (matched + 1 == search.size()) {
                occ.lastRun = r;
                occ.lastPos = i;
            }
            ++matched;
            return false;
        }
        if (matched == search.size()) {
            occ.next = i;
            occ.nextRun = r;
            if (!Rejected()) {
                return true;
            }
            occ.next = -1;  // rejected: i is not tried as a first character
        }
        occ.prev = i;
        occ.prevRun = r;
        matched = 0;
        return false;
    }
};

}  // namespace

Occurrence FindOccurrence(const std::u16string& text, const std::vector<StyleRun>& runs,
                          const std::u16string& search, std::int32_t position,
                          std::uint32_t options) {
    Walk walk{text, search, position, options, Occurrence{}};
    for (std::size_t r = 0; r < runs.size(); ++r) {
        for (std::int32_t i = runs[r].runStart; i <= runs[r].runEnd; ++i) {
            if (walk.Visit(static_cast<std::int32_t>(r), i, runs[r].runEnd)) {
                walk.occ.found = 1;
                return walk.occ;
            }
        }
    }
    Occurrence& occ = walk.occ;
    if (!search.empty() && walk.matched == search.size()) {
        // The occurrence runs to the end of the text.
        occ.nextRun = occ.lastRun;
        const bool rejected = (options & WHOLE_WORDS) != 0 && occ.prev != -1 &&
                              !IsBoundary(text[static_cast<std::size_t>(occ.prev)]);
        occ.found = rejected ? 0 : 1;
    }
    return occ;
}

Occurrence FindRunOccurrence(const std::u16string& text, const std::vector<StyleRun>& runs,
                             std::int32_t position) {
    Occurrence occ;
    const std::int32_t count = static_cast<std::int32_t>(runs.size());
    std::int32_t r = 0;
    while (r < count && runs[static_cast<std::size_t>(r)].runStart < position) {
        ++r;
    }
    if (r == count) {
        return occ;
    }
    const StyleRun& run = runs[static_cast<std::size_t>(r)];
    occ.firstRun = occ.lastRun = r;
    occ.firstPos = run.runStart;
    occ.lastPos = run.runEnd;
    occ.prevRun = r > 0 ? r - 1 : 0;
    occ.prev = r > 0 ? runs[static_cast<std::size_t>(r - 1)].runEnd : -1;
    const bool last = r + 1 == count;
    occ.nextRun = last ? r : r + 1;
    const std::int32_t lastIndex = static_cast<std::int32_t>(text.size()) - 1;
    occ.next =
        !last && run.runEnd < lastIndex ? runs[static_cast<std::size_t>(r + 1)].runStart : -1;
    occ.found = 1;
    return occ;
}

}  // namespace tavrel
