// Shorthands for the text tests: styles built field by field, styled strings,
// the printed form that lets one comparison show a whole style or text,
// tables of expressions and tables of in-place conversions.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/text/Printers.h"
#include "text/StringStyle.h"
#include "text/UniversalString.h"

namespace tavrel {

// A style with just the named fields set, e.g. Sty().Font("Arial", 1).Size(12).
// Each setter is one expression so a whole style fits in a table row.
struct Sty : StringStyle {
    Sty& Font(const std::string& name, std::int16_t arg = 0) {
        return fontName = name, fontArg = arg, *this;
    }
    Sty& Size(std::uint16_t v) { return size = v, *this; }
    Sty& Fx(std::uint16_t bits, std::uint16_t mask = 0) {
        return effects = bits, effectsMask = mask, *this;
    }
    Sty& Base(std::int32_t v) { return baseline = v, *this; }
    Sty& Track(std::int32_t v) { return tracking = v, *this; }
    Sty& Sup(std::int32_t v) { return superscript = v, *this; }
    Sty& Id(std::uint16_t v) { return fontId = v, *this; }
    Sty& Flags(std::uint16_t v) { return fontFlags = v, *this; }
    Sty& Run(std::int32_t start, std::int32_t end) { return runStart = start, runEnd = end, *this; }
};

inline StringStyle Bold() {
    return Sty().Fx(EFFECT_BOLD, EFFECT_BOLD);
}

inline UniversalString Styled(const std::u16string& text, const StringStyle& style) {
    UniversalString s(text);
    s.setStyle(style);
    return s;
}

// The printed form of a style, e.g. "{size=12 fx=1/0}", of a string with its
// style, or of runs, one style after another.
inline std::string Show(const StringStyle& style) {
    return testing::PrintToString(style);
}
inline std::string Show(const UniversalString& s) {
    return testing::PrintToString(s);
}
inline std::string Show(const std::vector<StringStyle>& styles) {
    std::string out;
    for (const StringStyle& s : styles) {
        out += (out.empty() ? "" : " ") + Show(s);
    }
    return out;
}

// One expression and the text it must give (Yes() for truths), so that
// checks of one shape over many calls share one table.
struct Case {
    int line;
    std::function<std::string()> run;
    std::string expected;
};

inline void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(c.run(), c.expected);
    }
}

inline std::string Yes(bool b) {
    return b ? "1" : "0";
}

// Each row's text, converted in place, gives the row's result; the style
// of the string is kept.
struct ConversionRow {
    int line;
    std::u16string text, converted;
};

inline void CheckConversion(const std::vector<ConversionRow>& rows,
                            void (*convert)(UniversalString&)) {
    const StringStyle size9 = Sty().Size(9);
    for (const ConversionRow& r : rows) {
        SCOPED_TRACE(r.line);
        UniversalString s = Styled(r.text, size9);
        convert(s);
        EXPECT_EQ(Show(s), Show(Styled(r.converted, size9)));
    }
}

}  // namespace tavrel
