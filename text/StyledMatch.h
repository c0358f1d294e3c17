// Finding the next occurrence for the styled replacement: the walk over a
// text's runs that steps over commands and information inserts, and the
// run-by-run occurrences of a style-only request.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/StyleRun.h"

namespace tavrel {

// A character of an information insert the walk stepped over, with the
// number of search characters matched before it.
struct InsertChar {
    std::int32_t index;
    std::int32_t matched;
};

// What one walk found. Indices are into the text; runs are into its runs.
struct Occurrence {
    int found = 0;           // 1 found, 0 nothing (the filter is applied later)
    std::int32_t prev = -1;  // last text character before the candidate
    std::int32_t prevRun = 0;
    std::int32_t next = -1;  // the character after the occurrence; -1 at the end
    std::int32_t nextRun = 0;
    std::int32_t firstRun = -1;
    std::int32_t firstPos = 0;
    std::int32_t lastRun = 0;
    std::int32_t lastPos = 0;
    std::vector<InsertChar> inserts;  // in text order
};

// The next occurrence of search (not empty) that begins at or after
// position, with the plain search's equality, boundaries and restart rule.
Occurrence FindOccurrence(const std::u16string& text, const std::vector<StyleRun>& runs,
                          const std::u16string& search, std::int32_t position,
                          std::uint32_t options);

// The first whole run that begins at or after position.
Occurrence FindRunOccurrence(const std::u16string& text, const std::vector<StyleRun>& runs,
                             std::int32_t position);

}  // namespace tavrel
