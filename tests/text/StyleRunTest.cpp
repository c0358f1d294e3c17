// Tests of the run model: font-name equality, the style common to several
// runs, and the filter rule that accepts or rejects found text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/text/StyleBuilder.h"
#include "text/StringStyle.h"
#include "text/StyleRun.h"

namespace tavrel {
namespace {

TEST(SameFontNameTest, ComparesLengthAndBytesWithoutAsciiCase) {
    struct Row {
        int line;
        std::string a, b;
        bool same;
    } rows[] = {
        {__LINE__, "Arial", "aRIAL", true},
        {__LINE__, "Arial", "Arial ", false},
        // Non-ASCII bytes are not folded: U+00C9 and U+00E9 in UTF-8.
        {__LINE__, "\xC3\x89", "\xC3\xA9", false},
        {__LINE__, "M\xC3\xBCller", "m\xC3\xBCLLER", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(std::make_pair(SameFontName(r.a, r.b), SameFontName(r.b, r.a)),
                  std::make_pair(r.same, r.same));
    }
}

TEST(CombineRunsTest, SingleRunIsACopyWithBothMarks) {
    const StyleRun r =
        Sty().Fx(EFFECT_BOLD | EFFECT_HIDDEN).Size(12).Font("Arial", 7).Base(-3).Run(4, 9);
    EXPECT_EQ(Show(CombineRuns({r}, 0, 0)), "{font=Arial size=12 fx=381/0 base=-3 arg=7 run=4..9}");
}

TEST(CombineRunsTest, KeepsCommonBitsAndMarksSameFontAndSize) {
    const StyleRun x9 = Sty().Size(9).Font("X"), a12 = Sty().Fx(5).Size(12).Font("A"),
                   lowerA12 = Sty().Fx(4).Size(12).Font("a");
    struct Row {
        int line;
        std::vector<StyleRun> runs;
        int first, last;
        std::uint16_t effects;
    } rows[] = {
        {__LINE__, {Sty().Fx(1), Sty().Fx(3)}, 0, 1, 0x301},
        {__LINE__, {Sty().Fx(3), Sty().Fx(1), Sty().Fx(7)}, 0, 2, 0x301},
        {__LINE__, {Sty().Fx(1).Size(12), Sty().Fx(1).Size(14)}, 0, 1, 0x101},
        {__LINE__, {Sty().Size(12).Font("Arial"), Sty().Size(12).Font("ARIAL")}, 0, 1, 0x300},
        {__LINE__, {Sty().Size(12).Font("Arial"), Sty().Size(12).Font("Times")}, 0, 1, 0x200},
        // Only runs first..last count.
        {__LINE__, {x9, a12, lowerA12}, 1, 2, 0x304},
        {__LINE__, {a12, lowerA12, x9}, 0, 1, 0x304},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(CombineRuns(r.runs, r.first, r.last).effects, r.effects);
    }
}

TEST(StyleMatchesTest, EveryRunMustAgreeWithTheFilter) {
    const StyleRun plain = Sty(), bold = Sty().Fx(EFFECT_BOLD),
                   boldItalic = Sty().Fx(EFFECT_BOLD | EFFECT_ITALIC);
    const StringStyle notBold = Sty().Fx(0, EFFECT_BOLD), size12 = Sty().Size(12),
                      arial = Sty().Font("arial"),
                      arialDefault = Sty().Font("arial").Flags(FONT_FLAG_DEFAULT);
    const StringStyle boldArial12 = Sty().Fx(1, 1).Size(12).Font("Arial"),
                      unconstrained = Sty().Id(3).Font("", 4096).Sup(5).Base(6).Track(7);
    const StyleRun arial9 = Sty().Size(9).Font("Arial"), font0 = Sty().Size(9).Font("Font0");
    struct Row {
        int line;
        StringStyle filter;
        std::vector<StyleRun> runs;
        bool accepted;
    } rows[] = {
        // Not bold: rejects all-bold text, accepts text that is bold only in part.
        {__LINE__, notBold, {bold, bold}, false},
        {__LINE__, notBold, {bold, plain}, true},
        // Bold: accepts bold with bold-italic, rejects bold with plain.
        {__LINE__, Bold(), {bold, boldItalic}, true},
        {__LINE__, Bold(), {bold, plain}, false},
        // Effects without a mask never accept anything.
        {__LINE__, Sty().Fx(EFFECT_BOLD), {bold}, false},
        // Bold and italic required; bold only is not enough.
        {__LINE__, Sty().Fx(3, 3), {bold}, false},
        {__LINE__, Sty().Fx(3, 3), {boldItalic}, true},
        // Bold required, italic forbidden.
        {__LINE__, Sty().Fx(1, 3), {boldItalic}, false},
        {__LINE__, Sty().Fx(1, 3), {bold}, true},
        // A reset filter accepts anything.
        {__LINE__, Sty(), {boldItalic, Sty().Fx(0x80).Size(30).Font("Times")}, true},
        // Size and font need every run to agree.
        {__LINE__, size12, {Sty().Size(12), Sty().Size(12)}, true},
        {__LINE__, size12, {Sty().Size(12), Sty().Size(14)}, false},  // the second is not 12
        {__LINE__, arial, {arial9}, true},
        {__LINE__, arial, {arial9, Sty().Size(9).Font("Times")}, false},
        // The default font also goes by the name Font0 in command text.
        {__LINE__, arialDefault, {Sty().Size(9).Font("font0")}, true},
        {__LINE__, arial, {font0}, false},
        {__LINE__, arialDefault, {font0, arial9}, false},
        // Size, font and effects together.
        {__LINE__, boldArial12, {Sty().Fx(1).Size(12).Font("Arial")}, true},
        // Fields that are no constraint are ignored.
        {__LINE__, unconstrained, {Sty().Fx(0x1F).Size(20).Font("Times")}, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        const int last = static_cast<int>(r.runs.size()) - 1;
        EXPECT_EQ(StyleMatches(r.filter, CombineRuns(r.runs, 0, last), r.runs[0]), r.accepted);
    }
}

}  // namespace
}  // namespace tavrel
