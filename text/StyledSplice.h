// Putting a replacement into a styled text: the commands that give it its
// style, the commands that restore the style of the text after it, and the
// information inserts of the replaced stretches, which are kept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/StringStyle.h"
#include "text/StyleRun.h"
#include "text/StyledMatch.h"

namespace tavrel {

// The replacement style reduced to what must be written in front of the
// replacement: D is the style at the match, C the style before it, and
// rangeStart the first index of the replaced range (all commands from there
// to the match go with it).
StringStyle ReducedReplacementStyle(const StringStyle& replacement, const StyleRun& d,
                                    const StyleRun& c, std::int32_t firstRun,
                                    std::int32_t rangeStart);

// The style after the replacement, E, reduced against S, the style in effect
// at the end of the replacement: what restores E.
StringStyle RestoreStyle(const StyleRun& e, const StringStyle& s);

// Replaces the found occurrence (occ.found == 1) in text by replacement with
// replacementStyle, and returns the new index of the character that was at
// occ.next (meaningful only when occ.next is not -1).
std::int32_t SpliceReplacement(std::u16string& text, const std::vector<StyleRun>& runs,
                               const Occurrence& occ, const std::u16string& replacement,
                               const StringStyle& replacementStyle);

}  // namespace tavrel
