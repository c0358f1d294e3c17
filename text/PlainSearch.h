// Plain search and replace over UTF-16 text: character equality, word
// boundaries and the restart rule that the styled step shares.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// Equal units with MATCH_CASE, else equal after lower-casing.
bool CharsEqual(char16_t a, char16_t b, std::uint32_t options);
// Space or punctuation; positions outside the text are boundaries too.
bool IsBoundary(char16_t ch);

// Index of the first occurrence at or after from, or -1.
long Find(const std::u16string& text, const std::u16string& pattern, long from,
          std::uint32_t options);
// Replaces every non-overlapping occurrence; inserted text is not searched
// again. Returns the full count.
std::uint32_t ReplaceAll(std::u16string& text, const std::u16string& pattern,
                         const std::u16string& replacement, std::uint32_t options);

}  // namespace tavrel
