// Reading and writing the host's inline style commands. Positions count
// from the caret: a command's letters sit at p + 1 and p + 2, and each kind
// has its argument at a fixed offset from the caret.
#include "text/StyleCommands.h"

#include <algorithm>

#include "platform/CodePage.h"
#include "text/CharClass.h"

namespace tavrel {
namespace {

char16_t At(const std::u16string& text, std::size_t i) {
    return i < text.size() ? text[i] : u'\0';
}

bool Letters(const std::u16string& text, std::size_t p, char16_t a, char16_t b) {
    return At(text, p + 1) == a && At(text, p + 2) == b;
}

// The low 16 bits of a number, read as a signed 16-bit value.
std::int32_t LowSigned16(std::int32_t value) {
    const std::uint16_t low = static_cast<std::uint16_t>(value);
    return low >= 0x8000 ? static_cast<std::int32_t>(low) - 0x10000 : low;
}

std::u16string Decimal(std::int64_t value) {
    std::u16string digits;
    const bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
    do {
        digits += static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) {
        digits += u'-';
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

void AppendCommand(std::u16string& out, const char16_t* name, std::int64_t value) {
    out += name;
    out += Decimal(value);
    out += u')';
}

// The short font form has '(' as character 6; the long form has its name
// from character 10.
bool ShortFontForm(const std::u16string& text, std::size_t p) {
    return At(text, p + 5) == u'(';
}

void ApplyFont(const std::u16string& text, std::size_t p, StringStyle& style) {
    const std::size_t nameStart = ShortFontForm(text, p) ? p + 6 : p + 9;
    std::u16string name;
    if (ReadFontName(text, nameStart, name)) {
        style.fontArg = static_cast<std::int16_t>(
            LowSigned16(ReadCommandNumber(text, nameStart + name.size() + 1)));
    } else {
        style.fontArg = -1;  // no comma: the argument is unset
    }
    style.fontName = platform::Utf16ToUtf8(name);
}

}  // namespace

std::int32_t ReadCommandNumber(const std::u16string& text, std::size_t start) {
    const std::size_t n = text.size();
    std::size_t i = start;
    while (i < n && text[i] != u'-' && !IsDigit(text[i])) {
        ++i;
    }
    if (i >= n) {
        return 0;
    }
    const bool negative = text[i] == u'-';
    if (negative) {
        ++i;
    }
    // Modulo 2^32 keeps the low 16 bits exact however long the digit run.
    std::uint32_t value = 0;
    bool anyDigit = false;
    for (; i < n && IsDigit(text[i]); ++i) {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - u'0');
        anyDigit = true;
    }
    if (!anyDigit) {
        return 0;
    }
    if (negative) {
        value = 0u - value;
    }
    return value <= 0x7FFFFFFFu ? static_cast<std::int32_t>(value)
                                : -static_cast<std::int32_t>(~value) - 1;
}

bool ReadFontName(const std::u16string& text, std::size_t start, std::u16string& name) {
    const std::size_t n = text.size();
    std::size_t i = std::min(start, n);
    while (i < n && text[i] != u'(' && text[i] != u',' && text[i] != u')') {
        ++i;
    }
    name.assign(text, std::min(start, n), i - std::min(start, n));
    return i >= n || text[i] == u',';
}

StyleKind StyleKindAt(const std::u16string& text, std::size_t p) {
    if (At(text, p) != u'^') {
        return StyleKind::kNone;
    }
    if (Letters(text, p, u'n', u'f')) {
        return StyleKind::kEffects;
    }
    if (Letters(text, p, u'f', u'o')) {
        const bool longForm = p + 9 < text.size() &&
                              (At(text, p + 7) == u't' || At(text, p + 7) == u's') &&
                              At(text, p + 8) == u'(';
        return ShortFontForm(text, p) || longForm ? StyleKind::kFont : StyleKind::kNone;
    }
    if (Letters(text, p, u's', u'i')) {
        return StyleKind::kSize;
    }
    if (Letters(text, p, u's', u'u')) {
        return StyleKind::kSuperscript;
    }
    if (Letters(text, p, u'b', u'a')) {
        return StyleKind::kBaseline;
    }
    if (Letters(text, p, u't', u'r')) {
        return StyleKind::kTracking;
    }
    return StyleKind::kNone;
}

void ApplyStyleCommand(const std::u16string& text, std::size_t p, StyleKind kind,
                       StringStyle& style) {
    switch (kind) {
        case StyleKind::kEffects:
            style.effects = static_cast<std::uint16_t>(ReadCommandNumber(text, p + 5));
            break;
        case StyleKind::kFont:
            ApplyFont(text, p, style);
            break;
        case StyleKind::kSize:
            style.size = static_cast<std::uint16_t>(ReadCommandNumber(text, p + 6));
            break;
        case StyleKind::kSuperscript:
            style.superscript = LowSigned16(ReadCommandNumber(text, p + 13));
            break;
        case StyleKind::kBaseline:
            style.baseline = LowSigned16(ReadCommandNumber(text, p + 10));
            break;
        case StyleKind::kTracking:
            style.tracking = LowSigned16(ReadCommandNumber(text, p + 10));
            break;
        case StyleKind::kNone:
            break;
    }
}

StringStyle StyleAt(const std::u16string& text, std::size_t index) {
    StringStyle style;
    bool seen[kStyleKindCount] = {};
    int unseen = kStyleKindCount;
    // Walking back, the first command of each kind is the nearest; once
    // every kind is seen nothing further back can matter.
    for (std::size_t p = std::min(index, text.size()); p > 0 && unseen > 0;) {
        --p;
        if (text[p] != u'^') {
            continue;
        }
        const StyleKind kind = StyleKindAt(text, p);
        if (kind == StyleKind::kNone || seen[static_cast<int>(kind)]) {
            continue;
        }
        ApplyStyleCommand(text, p, kind, style);
        seen[static_cast<int>(kind)] = true;
        --unseen;
    }
    return style;
}

std::u16string StyleCommandText(const StringStyle& style) {
    std::u16string out;
    if (!style.fontName.empty() || style.fontId != kUnset16) {
        std::u16string name;
        platform::Utf8ToUtf16(style.fontName, name);
        out += u"^font(";
        out += name;
        AppendCommand(out, u",", style.fontArg);
    }
    if (style.size != kUnset16) {
        AppendCommand(out, u"^size(", LowSigned16(style.size));
    }
    if (style.effects != kUnset16) {
        AppendCommand(out, u"^nfx(", style.effects);
    }
    if (style.baseline != kUnset32) {
        AppendCommand(out, u"^baseline(", style.baseline);
    }
    if (style.tracking != kUnset32) {
        AppendCommand(out, u"^tracking(", style.tracking);
    }
    if (style.superscript != kUnset32) {
        AppendCommand(out, u"^superscript(", style.superscript);
    }
    return out;
}

void WriteStyleCommands(UniversalString& s) {
    s.setText(StyleCommandText(s.style()));
}

std::u16string StrippedText(const std::u16string& text) {
    static const char16_t kKinds[][2] = {{u'b', u'a'}, {u'e', u'f'}, {u'f', u'o'}, {u'n', u'f'},
                                         {u's', u'i'}, {u's', u'u'}, {u't', u'r'}};
    const std::size_t n = text.size();
    std::u16string out;
    out.reserve(n);
    std::size_t i = 0;
    while (i < n) {
        if (text[i] == u'^' && i + 1 < n && text[i + 1] == u'^') {
            out += u'^';
            i += 2;
            continue;
        }
        if (text[i] == u'^' && i + 3 < n &&
            std::any_of(std::begin(kKinds), std::end(kKinds), [&](const char16_t* k) {
                return text[i + 1] == k[0] && text[i + 2] == k[1];
            })) {
            const std::size_t close = text.find(u')', i);
            i = close == std::u16string::npos ? n : close + 1;
            continue;
        }
        out += text[i];
        ++i;
    }
    return out;
}

void StripStyleCommands(UniversalString& s) {
    s.setText(StrippedText(s.text()));
}

}  // namespace tavrel
