// The "C" locale's view of text, the same on every platform: ASCII-only case
// folding for names the host and the toolkit compare, and bounded reads of
// zero-terminated text handed over by a caller.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavrel {

// 'A'-'Z' to 'a'-'z'; every other byte as it is, whatever the locale.
inline char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when a and b differ at most in the case of ASCII letters.
inline bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// The text at `text` up to its first zero, or its first `most` characters
// when no zero comes before; empty for null.
template <typename Char>
std::basic_string_view<Char> TerminatedView(const Char* text, std::size_t most) {
    std::size_t n = 0;
    while (text != nullptr && n < most && text[n] != Char{}) {
        ++n;
    }
    return std::basic_string_view<Char>(text, n);
}

}  // namespace tavrel
