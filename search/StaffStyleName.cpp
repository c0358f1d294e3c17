// Staff-style names: 8-bit search and replace with a bounded write-back.
#include "search/StaffStyleName.h"

#include "platform/CodePage.h"
#include "search/SearchRequest.h"
#include "text/Inserts.h"

namespace tavrel {

namespace {

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

std::string AnsiPrefix(const std::u16string& text, std::size_t maxBytes) {
    std::string whole = platform::Utf16ToAnsi(text);
    if (whole.size() <= maxBytes) {
        return whole;
    }
    // Character by character, so a code page with two-byte characters is
    // never cut between the two bytes of one.
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t units = 1;
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            units = 2;
        }
        const std::string piece = platform::Utf16ToAnsi(std::u16string_view(text).substr(i, units));
        if (out.size() + piece.size() > maxBytes) {
            break;
        }
        out += piece;
        i += units;
    }
    return out;
}

std::uint32_t ReplaceInAnsiName(const std::string& oldName, const UniversalString& search,
                                const UniversalString& replace, std::string& newName) {
    if (search.empty() || oldName.empty()) {
        return 0;
    }
    std::u16string wide;
    if (!platform::AnsiToUtf16(oldName, wide)) {
        return 0;
    }
    UniversalString name(std::move(wide));
    const std::uint32_t n = name.ReplaceAll(search, replace, SR_MATCH_CASE);
    // A name is shown as it is stored: a placeholder would be a control
    // character, not the insert a typed shorthand stands for.
    if (n == 0 || HoldsPlaceholder(name.text())) {
        return 0;
    }
    bool lossless = true;
    platform::Utf16ToAnsi(name.text(), &lossless);
    if (!lossless) {
        return 0;
    }
    newName = AnsiPrefix(name.text(), kStaffStyleNameMax);
    return n;
}

}  // namespace tavrel
