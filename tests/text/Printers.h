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

// Writes the text as UTF-8; units below 0x20, the backslash and unpaired
// surrogates are written as \uXXXX so placeholders stay visible.
inline void WriteUnits(const std::u16string& text, std::ostream* os) {
    std::u16string run;  // units that print as themselves
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            run += u;
            run += text[++i];
        } else if (u < 0x20 || u == u'\\' || (u >= 0xD800 && u <= 0xDFFF)) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(u));
            *os << UniversalString(run).toUtf8() << buf;
            run.clear();
        } else {
            run += u;
        }
    }
    *os << UniversalString(run).toUtf8();
}

}  // namespace test_printers

// Only the fields that differ from their reset values, e.g.
// {font=Arial size=12 fx=1/1}; a reset style prints as {}.
inline void PrintTo(const StringStyle& s, std::ostream* os) {
    const StringStyle r;
    *os << '{';
    const char* sep = "";
    auto field = [&](bool differs, const char* name, auto value) {
        if (differs) {
            *os << sep << name << '=' << value;
            sep = " ";
        }
    };
    char fx[16];
    std::snprintf(fx, sizeof fx, "%X/%X", s.effects, s.effectsMask);
    field(s.fontId != r.fontId, "id", s.fontId);
    field(s.fontName != r.fontName, "font", s.fontName);
    field(s.size != r.size, "size", static_cast<std::int16_t>(s.size));
    field(s.effects != r.effects || s.effectsMask != r.effectsMask, "fx", fx);
    field(s.superscript != r.superscript, "sup", s.superscript);
    field(s.baseline != r.baseline, "base", s.baseline);
    field(s.tracking != r.tracking, "track", s.tracking);
    field(s.fontArg != r.fontArg, "arg", s.fontArg);
    field(s.fontFlags != r.fontFlags, "flags", s.fontFlags);
    field(s.runStart != r.runStart || s.runEnd != r.runEnd, "run",
          std::to_string(s.runStart) + ".." + std::to_string(s.runEnd));
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
