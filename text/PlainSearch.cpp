// Plain search and replace over UTF-16 text. A failed comparison restarts
// after the failing character, so an escaped "^^" is never split and
// 'aabc' holds no 'abc'; replacements never overlap and are not searched
// again.
#include "text/PlainSearch.h"

#include "text/CharClass.h"
#include "text/Options.h"
#include "text/SearchCore.h"

namespace tavrel {
namespace {

struct WideRules {
    static bool Equal(char16_t a, char16_t b, std::uint32_t options) {
        return CharsEqual(a, b, options);
    }
    static bool Boundary(char16_t ch) { return IsBoundary(ch); }
};

}  // namespace

bool CharsEqual(char16_t a, char16_t b, std::uint32_t options) {
    if (a == b) {
        return true;
    }
    return (options & MATCH_CASE) == 0 && ToLower(a) == ToLower(b);
}

bool IsBoundary(char16_t ch) {
    return IsSpace(ch) || IsPunct(ch);
}

long Find(const std::u16string& text, const std::u16string& pattern, long from,
          std::uint32_t options) {
    return search_core::Find<WideRules>(text, pattern, from, options);
}

std::uint32_t ReplaceAll(std::u16string& text, const std::u16string& pattern,
                         const std::u16string& replacement, std::uint32_t options) {
    return search_core::ReplaceAll<WideRules>(text, pattern, replacement, options, true);
}

}  // namespace tavrel
