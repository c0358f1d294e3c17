// Tests of the run model: font-name equality, the style common to several
// runs, and the filter rule that accepts or rejects found text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/text/Printers.h"
#include "text/StringStyle.h"
#include "text/StyleRun.h"

namespace tavrel {
namespace {

StyleRun MakeRun(std::uint16_t effects, std::uint16_t size = kUnset16,
                 const std::string& font = "") {
    StyleRun r;
    r.effects = effects;
    r.size = size;
    r.fontName = font;
    return r;
}

StringStyle Filter(std::uint16_t effects, std::uint16_t mask, std::uint16_t size = kUnset16,
                   const std::string& font = "", std::uint16_t fontFlags = 0) {
    StringStyle f;
    f.effects = effects;
    f.effectsMask = mask;
    f.size = size;
    f.fontName = font;
    f.fontFlags = fontFlags;
    return f;
}

bool Accepts(const StringStyle& filter, const std::vector<StyleRun>& runs) {
    const int last = static_cast<int>(runs.size()) - 1;
    return StyleMatches(filter, CombineRuns(runs, 0, last), runs[0]);
}

TEST(SameFontNameTest, ComparesLengthAndBytesWithoutAsciiCase) {
    struct Row {
        int line;
        std::string a, b;
        bool same;
    } rows[] = {
        {__LINE__, "Arial", "Arial", true},
        {__LINE__, "Arial", "aRIAL", true},
        {__LINE__, "Font0", "font0", true},
        {__LINE__, "", "", true},
        {__LINE__, "Arial", "Arial ", false},
        {__LINE__, "Arial", "Arian", false},
        {__LINE__, "", "A", false},
        // Non-ASCII bytes are not folded: U+00C9 and U+00E9 in UTF-8.
        {__LINE__, "\xC3\x89", "\xC3\xA9", false},
        {__LINE__, "M\xC3\xBCller", "m\xC3\xBCLLER", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(SameFontName(r.a, r.b), r.same);
        EXPECT_EQ(SameFontName(r.b, r.a), r.same);
    }
}

TEST(CombineRunsTest, SingleRunIsACopyWithBothMarks) {
    StyleRun r = MakeRun(EFFECT_BOLD | EFFECT_HIDDEN, 12, "Arial");
    r.fontArg = 7;
    r.baseline = -3;
    r.runStart = 4;
    r.runEnd = 9;
    const StringStyle c = CombineRuns({r}, 0, 0);
    EXPECT_EQ(c.effects, EFFECT_BOLD | EFFECT_HIDDEN | SAME_FONT_MARK | SAME_SIZE_MARK);
    EXPECT_EQ(c.size, 12);
    EXPECT_EQ(c.fontName, "Arial");
    EXPECT_EQ(c.fontArg, 7);
    EXPECT_EQ(c.baseline, -3);
    EXPECT_EQ(c.runStart, 4);
    EXPECT_EQ(c.runEnd, 9);
}

TEST(CombineRunsTest, KeepsCommonBitsAndMarksSameFontAndSize) {
    struct Row {
        int line;
        std::vector<StyleRun> runs;
        int first, last;
        std::uint16_t effects;
    } rows[] = {
        {__LINE__, {MakeRun(1), MakeRun(3)}, 0, 1, 0x301},
        {__LINE__, {MakeRun(3), MakeRun(1), MakeRun(7)}, 0, 2, 0x301},
        {__LINE__, {MakeRun(1), MakeRun(2)}, 0, 1, 0x300},
        {__LINE__, {MakeRun(1, 12), MakeRun(1, 14)}, 0, 1, 0x101},
        {__LINE__, {MakeRun(0, 12, "Arial"), MakeRun(0, 12, "ARIAL")}, 0, 1, 0x300},
        {__LINE__, {MakeRun(0, 12, "Arial"), MakeRun(0, 12, "Times")}, 0, 1, 0x200},
        {__LINE__, {MakeRun(0, 12, "Arial"), MakeRun(0, 12, "")}, 0, 1, 0x200},
        // Only runs first..last count.
        {__LINE__, {MakeRun(0, 9, "X"), MakeRun(5, 12, "A"), MakeRun(4, 12, "a")}, 1, 2, 0x304},
        {__LINE__, {MakeRun(5, 12, "A"), MakeRun(4, 12, "a"), MakeRun(0, 9, "X")}, 0, 1, 0x304},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(CombineRuns(r.runs, r.first, r.last).effects, r.effects);
    }
}

TEST(StyleMatchesTest, EffectBitsMustAgreeOnEveryRun) {
    const StyleRun plain = MakeRun(0), bold = MakeRun(EFFECT_BOLD),
                   boldItalic = MakeRun(EFFECT_BOLD | EFFECT_ITALIC);
    const StringStyle notBold = Filter(0, EFFECT_BOLD);
    const StringStyle isBold = Filter(EFFECT_BOLD, EFFECT_BOLD);
    struct Row {
        int line;
        StringStyle filter;
        std::vector<StyleRun> runs;
        bool accepted;
    } rows[] = {
        // Not bold: rejects all-bold text, accepts text that is bold only in part.
        {__LINE__, notBold, {bold, bold}, false},
        {__LINE__, notBold, {bold, plain}, true},
        {__LINE__, notBold, {plain}, true},
        // Bold: accepts bold with bold-italic, rejects bold with plain.
        {__LINE__, isBold, {bold, boldItalic}, true},
        {__LINE__, isBold, {bold, plain}, false},
        {__LINE__, isBold, {plain, bold}, false},
        // Effects without a mask never accept anything.
        {__LINE__, Filter(EFFECT_BOLD, 0), {bold}, false},
        {__LINE__, Filter(EFFECT_BOLD, 0), {plain}, false},
        // Bold and italic required; bold only is not enough.
        {__LINE__, Filter(3, 3), {bold}, false},
        {__LINE__, Filter(3, 3), {boldItalic}, true},
        // Bold required, italic forbidden.
        {__LINE__, Filter(1, 3), {boldItalic}, false},
        {__LINE__, Filter(1, 3), {bold}, true},
        // A reset filter accepts anything.
        {__LINE__, StringStyle(), {boldItalic, MakeRun(0x80, 30, "Times")}, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(Accepts(r.filter, r.runs), r.accepted);
    }
}

TEST(StyleMatchesTest, SizeAndFontNeedEveryRunToAgree) {
    struct Row {
        int line;
        StringStyle filter;
        std::vector<StyleRun> runs;
        bool accepted;
    } rows[] = {
        {__LINE__, Filter(0, 0, 12), {MakeRun(0, 12)}, true},
        {__LINE__, Filter(0, 0, 12), {MakeRun(0, 12), MakeRun(0, 12)}, true},
        // The first run is 12 but the second is not.
        {__LINE__, Filter(0, 0, 12), {MakeRun(0, 12), MakeRun(0, 14)}, false},
        {__LINE__, Filter(0, 0, 12), {MakeRun(0, 14)}, false},
        {__LINE__, Filter(0, 0, 12), {MakeRun(0)}, false},
        {__LINE__, Filter(0, 0, kUnset16, "arial"), {MakeRun(0, 9, "Arial")}, true},
        {__LINE__,
         Filter(0, 0, kUnset16, "arial"),
         {MakeRun(0, 9, "Arial"), MakeRun(0, 9, "Times")},
         false},
        {__LINE__, Filter(0, 0, kUnset16, "arial"), {MakeRun(0, 9, "Times")}, false},
        {__LINE__, Filter(0, 0, kUnset16, "arial"), {MakeRun(0, 9, "")}, false},
        // The default font also goes by the name Font0 in command text.
        {__LINE__,
         Filter(0, 0, kUnset16, "arial", FONT_FLAG_DEFAULT),
         {MakeRun(0, 9, "font0")},
         true},
        {__LINE__,
         Filter(0, 0, kUnset16, "arial", FONT_FLAG_DEFAULT),
         {MakeRun(0, 9, "Arial")},
         true},
        {__LINE__, Filter(0, 0, kUnset16, "arial"), {MakeRun(0, 9, "Font0")}, false},
        {__LINE__,
         Filter(0, 0, kUnset16, "arial", FONT_FLAG_DEFAULT),
         {MakeRun(0, 9, "Font0"), MakeRun(0, 9, "Arial")},
         false},
        // Size, font and effects together.
        {__LINE__, Filter(1, 1, 12, "Arial"), {MakeRun(1, 12, "Arial")}, true},
        {__LINE__, Filter(1, 1, 12, "Arial"), {MakeRun(0, 12, "Arial")}, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(Accepts(r.filter, r.runs), r.accepted);
    }
}

TEST(StyleMatchesTest, IgnoresFieldsThatAreNoConstraint) {
    StringStyle filter;
    filter.fontId = 3;
    filter.fontArg = 4096;
    filter.superscript = 5;
    filter.baseline = 6;
    filter.tracking = 7;
    EXPECT_TRUE(Accepts(filter, {MakeRun(0x1F, 20, "Times")}));
}

}  // namespace
}  // namespace tavrel
