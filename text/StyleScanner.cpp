// Reading settled style commands into compact styles. The tests mirror those
// of StyleKindAt and ApplyStyleCommand, limited to the command's own
// characters: wherever those would look past its ')', the command is unsafe.
#include "text/StyleScanner.h"

#include "platform/CodePage.h"
#include "text/CharClass.h"
#include "text/StyleCommands.h"

namespace tavrel {
namespace {

std::int32_t LowSigned16(std::int32_t value) {
    const std::uint16_t low = static_cast<std::uint16_t>(value);
    return low >= 0x8000 ? static_cast<std::int32_t>(low) - 0x10000 : low;
}

// True when the number read from start lies before close: the first '-' or
// digit from start on comes before it (the digits after it stop at ')').
bool NumberBefore(const std::u16string& t, std::size_t start, std::size_t close) {
    for (std::size_t i = start; i < close; ++i) {
        if (t[i] == u'-' || IsDigit(t[i])) {
            return true;
        }
    }
    return false;
}

bool ReadNumber(const std::u16string& t, std::size_t start, std::size_t close,
                std::int32_t& value) {
    if (!NumberBefore(t, start, close)) {
        return false;
    }
    value = ReadCommandNumber(t, start);
    return true;
}

CommandEffect ReadFont(const std::u16string& t, std::size_t p, std::size_t close,
                       CompactStyle& style, FontNames& names) {
    std::size_t nameStart;
    if (p + 5 > close) {
        return CommandEffect::kUnsafe;  // its form depends on what follows it
    }
    if (t[p + 5] == u'(') {
        nameStart = p + 6;
    } else if (p + 8 > close) {
        return CommandEffect::kUnsafe;
    } else if ((t[p + 7] == u't' || t[p + 7] == u's') && t[p + 8] == u'(') {
        nameStart = p + 9;  // close > p + 8, so the text is long enough
    } else {
        return CommandEffect::kBreak;
    }
    std::size_t stop = nameStart;
    while (t[stop] != u'(' && t[stop] != u',' && t[stop] != u')') {
        ++stop;  // ends at close at the latest
    }
    std::int16_t arg = -1;
    if (t[stop] == u',') {
        std::int32_t value = 0;
        if (!ReadNumber(t, stop + 1, close, value)) {
            return CommandEffect::kUnsafe;
        }
        arg = static_cast<std::int16_t>(LowSigned16(value));
    }
    style.fontArg = arg;
    style.font = names.Intern(std::u16string_view(t).substr(nameStart, stop - nameStart));
    return CommandEffect::kStyle;
}

CommandEffect ReadValue(const std::u16string& t, std::size_t start, std::size_t close,
                        std::int32_t& field, bool signed16) {
    std::int32_t value = 0;
    if (!ReadNumber(t, start, close, value)) {
        return CommandEffect::kUnsafe;
    }
    field = signed16 ? LowSigned16(value) : value;
    return CommandEffect::kStyle;
}

CommandEffect ReadValue16(const std::u16string& t, std::size_t start, std::size_t close,
                          std::uint16_t& field) {
    std::int32_t value = 0;
    if (!ReadNumber(t, start, close, value)) {
        return CommandEffect::kUnsafe;
    }
    field = static_cast<std::uint16_t>(value);
    return CommandEffect::kStyle;
}

}  // namespace

std::int32_t FontNames::Intern(std::u16string_view name) {
    if (last_ >= 0 && names_[static_cast<std::size_t>(last_)]->wide == name) {
        return last_;
    }
    const auto found = index_.find(name);
    if (found != index_.end()) {
        last_ = found->second;
        return last_;
    }
    names_.push_back(
        std::make_unique<Name>(Name{std::u16string(name), platform::Utf16ToUtf8(name)}));
    last_ = static_cast<std::int32_t>(names_.size() - 1);
    index_.emplace(std::u16string_view(names_.back()->wide), last_);
    return last_;
}

const std::string& FontNames::Utf8(std::int32_t index) const {
    return names_[static_cast<std::size_t>(index)]->utf8;
}

CommandEffect ReadSettledCommand(const std::u16string& t, std::size_t p, std::size_t close,
                                 CompactStyle& style, FontNames& names) {
    if (close == std::u16string::npos || close < p + 3) {
        return CommandEffect::kUnsafe;
    }
    const char16_t a = t[p + 1], b = t[p + 2];
    if (a == u'n' && b == u'f') {
        return ReadValue16(t, p + 5, close, style.effects);
    }
    if (a == u'f' && b == u'o') {
        return ReadFont(t, p, close, style, names);
    }
    if (a == u's' && b == u'i') {
        return ReadValue16(t, p + 6, close, style.size);
    }
    if (a == u's' && b == u'u') {
        return ReadValue(t, p + 13, close, style.superscript, true);
    }
    if (a == u'b' && b == u'a') {
        return ReadValue(t, p + 10, close, style.baseline, true);
    }
    if (a == u't' && b == u'r') {
        return ReadValue(t, p + 10, close, style.tracking, true);
    }
    return CommandEffect::kUnsafe;
}

void ExpandStyle(const CompactStyle& compact, const FontNames& names, StringStyle& out) {
    // Field by field, so that a style expanded again keeps its name's buffer.
    out.fontId = kUnset16;
    if (compact.font >= 0) {
        out.fontName = names.Utf8(compact.font);
    } else {
        out.fontName.clear();
    }
    out.effectsMask = 0;
    out.fontFlags = 0;
    out.runStart = -1;
    out.runEnd = -1;
    out.fontArg = compact.fontArg;
    out.size = compact.size;
    out.effects = compact.effects;
    out.superscript = compact.superscript;
    out.baseline = compact.baseline;
    out.tracking = compact.tracking;
}

}  // namespace tavrel
