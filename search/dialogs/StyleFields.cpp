// The Font & Style dialog's size reader, effect boxes and font list order.
#include "search/dialogs/StyleFields.h"

#include <algorithm>

#include "host/RecordLayout.h"

namespace tavrel {
namespace {

// What a 64-byte conversion buffer holds; a longer run is refused, not cut.
constexpr std::size_t kLongestSizeRun = 63;

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

int ReadSizeField(const std::u16string& text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] != u'-' && !IsDigit(text[start])) {
        ++start;
    }
    if (start == text.size()) {
        return 0;
    }
    std::size_t end = start + 1;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    if (end - start > kLongestSizeRun || text[start] == u'-') {
        return 0;  // too long to read, or not above 0
    }
    long value = 0;
    for (std::size_t i = start; i < end; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > layout::kLargestSize) {
            return 0;
        }
    }
    return static_cast<int>(value);
}

int EffectBoxState(const StringStyle& style, std::uint16_t bit) {
    if ((style.effectsMask & bit) == 0) {
        return kBoxAny;
    }
    return (style.effects & bit) != 0 ? kBoxOn : kBoxOff;
}

void ApplyEffectBox(StringStyle& style, std::uint16_t bit, int state) {
    const auto without = static_cast<std::uint16_t>(~bit);
    if (state == kBoxAny) {
        style.effects &= without;
        style.effectsMask &= without;
    } else if (state == kBoxOn) {
        style.effects |= bit;
        style.effectsMask |= bit;
    } else {
        style.effects &= without;
        style.effectsMask |= bit;
    }
}

std::vector<UniversalString> OrderFontList(const std::vector<std::u16string>& systemFonts,
                                           const std::vector<UniversalString>& documentFonts,
                                           bool editingSearchStyle) {
    std::vector<UniversalString> list;
    list.reserve(systemFonts.size());
    for (const std::u16string& name : systemFonts) {
        list.emplace_back(name);
    }
    const std::size_t systemCount = list.size();
    for (const UniversalString& name : documentFonts) {
        if (name.empty() || !editingSearchStyle) {
            continue;
        }
        const auto end = list.begin() + static_cast<std::ptrdiff_t>(systemCount);
        if (std::find(list.begin(), end, name) == end) {
            list.push_back(name + u'*');
        }
    }
    std::stable_sort(
        list.begin(), list.end(),
        [](const UniversalString& a, const UniversalString& b) { return a.lessNoCase(b); });
    // Equal texts sit within one run of names that differ at most in case,
    // though not always side by side ("Arial", "ARIAL", "Arial"): keep the
    // first of each text in its run, so a font is never listed twice.
    std::vector<UniversalString> unique;
    unique.reserve(list.size());
    std::size_t runStart = 0;
    for (UniversalString& entry : list) {
        if (!unique.empty() && unique.back().lessNoCase(entry)) {
            runStart = unique.size();
        }
        const auto run = unique.begin() + static_cast<std::ptrdiff_t>(runStart);
        if (std::find(run, unique.end(), entry) == unique.end()) {
            unique.push_back(std::move(entry));
        }
    }
    if (!documentFonts.empty() && !documentFonts[0].empty()) {
        unique.insert(unique.begin(), documentFonts[0]);
    }
    return unique;
}

int FindFontEntry(const std::vector<UniversalString>& list, const UniversalString& name) {
    const auto it = std::find(list.begin(), list.end(), name);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

int FontEntryOfRow(std::uint32_t itemId, std::size_t entryCount) {
    if (itemId == 0 || itemId > entryCount) {
        return -1;
    }
    return static_cast<int>(itemId - 1);
}

}  // namespace tavrel
