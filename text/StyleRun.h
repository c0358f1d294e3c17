// Runs of styled text and the rule by which a search style filter accepts
// found text: the style common to the runs a match touches, compared with
// the filter's font, size and effect constraints.
#pragma once

#include <string>
#include <vector>

#include "text/StringStyle.h"

namespace tavrel {

// A run is the style in effect at its first character, with runStart and
// runEnd (inclusive) set to the stretch of text it covers.
using StyleRun = StringStyle;

// Font names compare by length and bytes after ASCII lower-casing; a
// non-ASCII byte compares exactly.
bool SameFontName(const std::string& a, const std::string& b);

// The style shared by runs[first..last]: effect bits common to all of them,
// plus SAME_FONT_MARK / SAME_SIZE_MARK when every run has runs[first]'s font
// name / size. first and last must be valid indices with first <= last.
StringStyle CombineRuns(const std::vector<StyleRun>& runs, int first, int last);

// True when text with the combined style (from CombineRuns) whose first run
// is firstRun satisfies filter. A reset filter accepts everything.
bool StyleMatches(const StringStyle& filter, const StringStyle& combined,
                  const StringStyle& firstRun);

}  // namespace tavrel
