// Filling the host's menu item record and fitting texts to its fields.
#include "plugin/MenuItem.h"

#include <algorithm>
#include <cstring>

#include "platform/CodePage.h"

namespace tavrel {
namespace {

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

void ExtensionMenuItem::Describe(std::string_view menuText, std::string_view undoText) {
    WriteText(kMenuTextOffset, menuText);
    WriteText(kMenuText2Offset, menuText);
    WriteText(kUndoTextOffset, undoText);
    WriteZero(kWord1Offset, 2);
    WriteZero(kWord2Offset, 2);
    WriteZero(kLong1Offset, 4);
}

void ExtensionMenuItem::WriteText(std::size_t offset, std::string_view text) {
    const std::size_t count = std::min(text.size(), kMaxTextBytes);
    std::memcpy(bytes_ + offset, text.data(), count);
    std::memset(bytes_ + offset + count, 0, kTextSize - count);
}

void ExtensionMenuItem::WriteZero(std::size_t offset, std::size_t count) {
    std::memset(bytes_ + offset, 0, count);
}

std::string MenuFieldText(const std::u16string& text) {
    // Every character takes at least one byte, and a character at most two
    // units, so no prefix longer than this fits.
    constexpr std::size_t kLongestFit = 2 * ExtensionMenuItem::kMaxTextBytes;
    std::size_t units = std::min(text.size(), kLongestFit);
    std::string ansi = platform::Utf16ToAnsi(std::u16string_view(text.data(), units));
    while (ansi.size() > ExtensionMenuItem::kMaxTextBytes && units > 0) {
        --units;
        if (units > 0 && IsLowSurrogate(text[units])) {
            --units;  // never split a surrogate pair
        }
        ansi = platform::Utf16ToAnsi(std::u16string_view(text.data(), units));
    }
    return ansi;
}

}  // namespace tavrel
