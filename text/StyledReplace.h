// The styled find-and-replace step over a score text with inline commands:
// the text's style runs, one occurrence found and replaced per call with the
// style commands around it, and the loop over a whole text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/StyleRun.h"
#include "text/UniversalString.h"

namespace tavrel {

// The runs of text between style commands, each with the style in effect at
// its first character. Inserts and legacy effect commands are text here.
std::vector<StyleRun> BuildRuns(const std::u16string& text);

// Finds the next occurrence of search at or after position in text (whose
// inserts are placeholders) and, when it passes search's style filter,
// replaces it by replacement with replacement's style. Returns 1 (replaced),
// -1 (found, rejected by the filter; text unchanged) or 0 (nothing more).
// position moves past the occurrence; -1 means nothing more to search.
// Both texts empty restyles whole runs, one per call. Information inserts
// are never deleted by a replacement. Legacy effect groups are converted
// first (a conversion before position moves position with its character);
// a legacy command left unconverted is never searched inside or replaced.
int ReplaceNextStyled(UniversalString& text, const UniversalString& search,
                      const UniversalString& replacement, std::int32_t& position,
                      std::uint32_t options);

// Replaces every occurrence in text and returns how many were replaced; text
// is written only when that is above 0. Legacy effect groups are converted
// once, before the first occurrence is sought.
std::uint32_t ReplaceInStyledText(UniversalString& text, const UniversalString& search,
                                  const UniversalString& replacement, std::uint32_t options);

}  // namespace tavrel
