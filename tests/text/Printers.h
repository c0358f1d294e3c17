// GoogleTest printers for the text types, so that a failed comparison shows
// the text itself (as UTF-8, control characters escaped) and the style's
// non-reset fields instead of raw bytes.
#pragma once

#include <cstdio>
#include <ostream>
#include <sstream>
#include <string>

#include "text/StringStyle.h"
#include "text/UniversalString.h"

namespace tavrel {

namespace test_printers {

// Writes one code unit (or a surrogate pair) as UTF-8; units below 0x20 and
// unpaired surrogates are written as \uXXXX so placeholders stay visible.
inline void WriteUnits(const std::u16string& text, std::ostream* os) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        bool paired = cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (paired) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x20 || cp == '\\' || (cp >= 0xD800 && cp <= 0xDFFF)) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(cp));
            *os << buf;
        } else if (cp < 0x80) {
            *os << static_cast<char>(cp);
        } else if (cp < 0x800) {
            *os << static_cast<char>(0xC0 | (cp >> 6)) << static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *os << static_cast<char>(0xE0 | (cp >> 12))
                << static_cast<char>(0x80 | ((cp >> 6) & 0x3F))
                << static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *os << static_cast<char>(0xF0 | (cp >> 18))
                << static_cast<char>(0x80 | ((cp >> 12) & 0x3F))
                << static_cast<char>(0x80 | ((cp >> 6) & 0x3F))
                << static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
}

}  // namespace test_printers

// Only the fields that differ from their reset values, e.g.
// {font=Arial size=12 fx=1/1}; a reset style prints as {}.
inline void PrintTo(const StringStyle& s, std::ostream* os) {
    const StringStyle r;
    *os << '{';
    const char* sep = "";
    auto field = [&](const char* name, auto value) {
        *os << sep << name << '=' << value;
        sep = " ";
    };
    if (s.fontId != r.fontId)
        field("id", s.fontId);
    if (s.fontName != r.fontName)
        field("font", s.fontName);
    if (s.size != r.size)
        field("size", static_cast<std::int16_t>(s.size));
    if (s.effects != r.effects || s.effectsMask != r.effectsMask) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%X/%X", s.effects, s.effectsMask);
        field("fx", buf);
    }
    if (s.superscript != r.superscript)
        field("sup", s.superscript);
    if (s.baseline != r.baseline)
        field("base", s.baseline);
    if (s.tracking != r.tracking)
        field("track", s.tracking);
    if (s.fontArg != r.fontArg)
        field("arg", s.fontArg);
    if (s.fontFlags != r.fontFlags)
        field("flags", s.fontFlags);
    if (s.runStart != r.runStart || s.runEnd != r.runEnd) {
        *os << sep << "run=" << s.runStart << ".." << s.runEnd;
    }
    *os << '}';
}

// "text" followed by the style when one was set or changed, e.g. "abc" {size=12}.
inline void PrintTo(const UniversalString& s, std::ostream* os) {
    *os << '"';
    test_printers::WriteUnits(s.text(), os);
    *os << '"';
    std::ostringstream style;
    PrintTo(s.style(), &style);
    if (s.styleSet() || style.str() != "{}") {
        *os << ' ' << style.str();
    }
}

}  // namespace tavrel
