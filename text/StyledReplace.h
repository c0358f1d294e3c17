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
// once, before the first occurrence is sought. Runs in one forward pass
// where it can and step by step where it must; both give the same result.
std::uint32_t ReplaceInStyledText(UniversalString& text, const UniversalString& search,
                                  const UniversalString& replacement, std::uint32_t options);

// The same, one ReplaceNextStyled step after another from the start of the
// text each time: the reference the single pass is held to. steps, when
// given, receives each step's result, the closing 0 included.
std::uint32_t ReplaceInStyledTextStepwise(UniversalString& text, const UniversalString& search,
                                          const UniversalString& replacement, std::uint32_t options,
                                          std::vector<int>* steps = nullptr);

// The single pass alone: false, with text untouched, for a text or request
// it does not handle (see ReplaceAllInOnePass).
bool ReplaceInStyledTextOnePass(UniversalString& text, const UniversalString& search,
                                const UniversalString& replacement, std::uint32_t options,
                                std::uint32_t& count, std::vector<int>* steps = nullptr);

}  // namespace tavrel
