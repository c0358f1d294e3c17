// The search loop shared by the wide and the 8-bit strings: the restart rule,
// whole-word boundaries and non-overlapping replacement, written once over a
// character type and its equality and boundary rules.
#pragma once

#include <cstdint>
#include <string>

#include "text/Options.h"

namespace tavrel::search_core {

// Rules supplies: static bool Equal(Ch a, Ch b, std::uint32_t options);
//                 static bool Boundary(Ch ch);

// Leading pattern units matching text from s on; s + pattern.size() must
// not exceed text.size().
template <class Rules, class Ch>
std::size_t MatchLength(const std::basic_string<Ch>& text, std::size_t s,
                        const std::basic_string<Ch>& pattern, std::uint32_t options) {
    std::size_t j = 0;
    while (j < pattern.size() && Rules::Equal(text[s + j], pattern[j], options)) {
        ++j;
    }
    return j;
}

template <class Rules, class Ch>
long Find(const std::basic_string<Ch>& text, const std::basic_string<Ch>& pattern, long from,
          std::uint32_t options) {
    const std::size_t n = text.size();
    const std::size_t m = pattern.size();
    if (m == 0 || m > n) {
        return -1;
    }
    std::size_t s = from < 0 ? 0 : static_cast<std::size_t>(from);
    while (s <= n - m) {  // m <= n, so n - m cannot wrap
        const std::size_t j = MatchLength<Rules>(text, s, pattern, options);
        if (j < m) {
            s += j + 1;  // restart after the failing unit
            continue;
        }
        if ((options & WHOLE_WORDS) == 0 || ((s == 0 || Rules::Boundary(text[s - 1])) &&
                                             (s + m == n || Rules::Boundary(text[s + m])))) {
            return static_cast<long>(s);
        }
        ++s;
    }
    return -1;
}

// Counts the occurrences and, when write is true, replaces them in text.
// The count is what replacing would give, whether or not it is written.
template <class Rules, class Ch>
std::uint32_t ReplaceAll(std::basic_string<Ch>& text, const std::basic_string<Ch>& pattern,
                         const std::basic_string<Ch>& replacement, std::uint32_t options,
                         bool write) {
    const std::size_t n = text.size();
    const std::size_t m = pattern.size();
    if (m == 0 || m > n) {
        return 0;
    }
    // One pass into a new string. Ahead of the position the text is still
    // the original; behind it 'out' is what replacing in place would have
    // made of it, so a whole-word test looks at out's last unit, which may
    // be the end of the previous replacement. Building anew also keeps
    // pattern and replacement valid when they alias the text and moves the
    // tail once instead of once per replacement.
    std::basic_string<Ch> out;
    out.reserve(n);
    std::uint32_t count = 0;
    std::size_t s = 0;
    while (s + m <= n) {
        const std::size_t j = MatchLength<Rules>(text, s, pattern, options);
        if (j < m) {
            out.append(text, s, j + 1);
            s += j + 1;
            continue;
        }
        if ((options & WHOLE_WORDS) != 0 && !((out.empty() || Rules::Boundary(out.back())) &&
                                              (s + m == n || Rules::Boundary(text[s + m])))) {
            out += text[s];
            ++s;
            continue;
        }
        out += replacement;
        s += m;
        ++count;
    }
    if (write && count != 0) {
        out.append(text, s, std::basic_string<Ch>::npos);
        text = std::move(out);
    }
    return count;
}

}  // namespace tavrel::search_core
