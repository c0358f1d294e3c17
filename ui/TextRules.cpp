// Value access by kind, edit-field numbers, Shift-JIS guess, tooltip copy.
#include "ui/TextRules.h"

#include <algorithm>

#include "text/UniversalString.h"

namespace tavrel {
namespace {

bool IsDoubleBytePair(unsigned b, unsigned c) {
    if (b == 0x82) {
        return c >= 0x4F;
    }
    if (b == 0x83) {
        return c >= 0x40 && c < 0x97;
    }
    if (b == 0x87) {
        return c >= 0x40 && c < 0x9D;
    }
    if (b == 0x88) {
        return c >= 0x9F;
    }
    if (b == 0x81 || (b >= 0x89 && b < 0xEF) || (b >= 0xFA && b < 0xFC)) {
        return c >= 0x40;
    }
    if (b == 0xFC) {
        return c >= 0x40 && c < 0x4C;
    }
    return false;
}

}  // namespace

ValueAccess ValueAccessFor(FourCharCode kind) {
    if (kind == kKindEtxt || kind == kKindHitx || kind == kKindEutx) {
        return ValueAccess::Text;
    }
    if (kind == kKindCbox || kind == kKindCgrp || kind == kKindRdio) {
        return ValueAccess::Check;
    }
    if (kind == kKindSldr) {
        return ValueAccess::Slider;
    }
    if (kind == kKindLbox) {
        return ValueAccess::List;
    }
    if (kind == kKindPopb) {
        return ValueAccess::Combo;
    }
    return ValueAccess::None;
}

double ReadEditNumber(const DynString& text) {
    return text.readFloat();
}

DynString ValueText(double value) {
    DynString s;
    s.assignFloat(value);
    return s;
}

bool LooksLikeShiftJis(const char* bytes, std::size_t length) {
    if (bytes == nullptr || length == 0) {
        return false;
    }
    std::size_t pairs = 0;
    for (std::size_t i = 0; i + 1 < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const auto c = static_cast<unsigned char>(bytes[i + 1]);
        if (IsDoubleBytePair(b, c)) {
            ++pairs;
            ++i;
        }
    }
    return static_cast<double>(pairs) / static_cast<double>(length) > 0.15;
}

std::size_t CopyTooltipText(const DynString& text, char16_t* buffer, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    UniversalString wide;
    wide.fromAnsi(text);
    const std::size_t n = std::min(wide.length(), capacity - 1);
    std::copy_n(wide.text().data(), n, buffer);
    buffer[n] = u'\0';
    return n;
}

}  // namespace tavrel
