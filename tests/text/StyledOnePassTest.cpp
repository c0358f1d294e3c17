// The single-pass Replace All against the step-by-step reference: the same
// text, count and step results over thousands of generated cases; which
// texts and requests it hands back; and the one-pass insert encoding
// against converting row by row.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "tests/text/StyleBuilder.h"
#include "tests/text/StyledCases.h"
#include "text/Inserts.h"
#include "text/Options.h"
#include "text/PlainSearch.h"
#include "text/StyledReplace.h"

namespace tavrel {
namespace {

using testing_support::StyledCase;
using testing_support::StyledOutcome;

std::string Describe(const StyledCase& c) {
    return "text " + UniversalString(c.text).toUtf8() + " | search " + c.search.toUtf8() + " " +
           Show(c.search.style()) + " | replacement " + c.replacement.toUtf8() + " " +
           Show(c.replacement.style()) + " | options " + std::to_string(c.options);
}

TEST(StyledOnePassTest, GivesWhatTheStepsGiveOnGeneratedCases) {
    testing_support::StyledCaseGenerator generator(20261206);
    const int kCases = 4000;
    int handled = 0, replacedSome = 0;
    for (int i = 0; i < kCases; ++i) {
        const StyledCase c = generator.Next();
        const StyledOutcome reference = testing_support::Stepwise(c);
        StyledOutcome fast;
        if (testing_support::OnePass(c, fast)) {
            ++handled;
            replacedSome += fast.count > 0 ? 1 : 0;
            ASSERT_TRUE(testing_support::SameOutcome(reference, fast))
                << "case " << i << ": " << Describe(c) << "\n steps "
                << testing::PrintToString(reference.steps) << " vs "
                << testing::PrintToString(fast.steps) << "\n text "
                << UniversalString(reference.text).toUtf8() << " vs "
                << UniversalString(fast.text).toUtf8();
        }
        UniversalString combined(c.text);
        ASSERT_EQ(ReplaceInStyledText(combined, c.search, c.replacement, c.options),
                  reference.count)
            << Describe(c);
        ASSERT_EQ(combined.text(), reference.text) << Describe(c);
    }
    std::printf("handled %d replaced %d\n", handled, replacedSome);
    // Most generated cases are of the kinds the single pass is for.
    EXPECT_GT(handled, kCases * 2 / 3);
    EXPECT_GT(replacedSome, kCases / 5);
}

// Each row: does the single pass take the case (true) or hand it back?
TEST(StyledOnePassTest, HandsBackWhatALaterReplacementCouldReread) {
    struct Row {
        int line;
        std::u16string text, search, replacement;
        std::string fontName;
        bool handled;
    };
    const std::vector<Row> rows = {
        {__LINE__, u"a cat", u"cat", u"dog", "", true},
        {__LINE__, u"^font(Arial,3)^size(12)a ^nfx(1)cat", u"cat", u"dog", "", true},
        {__LINE__, u"a^sharp() cat^^ ^flat()", u"cat", u"dog", "Notaglyph", true},
        {__LINE__, u"^fontext(Times,1)cat^superscript(2)", u"cat", u"", "", true},
        {__LINE__, u"cat^page(1)", u"cat", u"dog", "", false},         // information insert
        {__LINE__, u"cat^efx(italic)", u"cat", u"dog", "", false},     // legacy command
        {__LINE__, u"^x cat", u"cat", u"dog", "", false},              // stray caret
        {__LINE__, u"^^^cat", u"cat", u"dog", "", false},              // caret left after "^^"
        {__LINE__, u"cat^size() 12", u"cat", u"dog", "", false},       // number read ahead
        {__LINE__, u"cat^font(Arial,) 3", u"cat", u"dog", "", false},  // number read ahead
        {__LINE__, u"cat^size(12", u"cat", u"dog", "", false},         // no ')'
        {__LINE__, u"cat^fo)ab(", u"cat", u"dog", "", false},          // form read past ')'
        {__LINE__, u"cat^size(^nfx(1))", u"cat", u"dog", "", false},   // caret inside
        {__LINE__, u"a cat", u"cat", u"^size(9)", "", false},          // caret in replacement
        {__LINE__, u"a cat", u"cat", u"dog", "Odd(Name", false},       // font name punctuation
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        UniversalString replacement(r.replacement);
        StringStyle style;
        style.fontName = r.fontName;
        replacement.setStyle(style);
        UniversalString text(r.text);
        std::uint32_t count = 0;
        EXPECT_EQ(
            ReplaceInStyledTextOnePass(text, UniversalString(r.search), replacement, 0, count),
            r.handled);
        if (!r.handled) {
            EXPECT_EQ(text.text(), r.text);
        }
    }
}

// Inserts converted row by row, as the table of inserts is defined.
std::u16string EncodedRowByRow(std::u16string text) {
    static const char16_t* const kRows[][2] = {
        {u"^dbsharp()", u"\u0017"},  {u"^sharp()", u"\u0014"},       {u"^flat()", u"\u0015"},
        {u"^natural()", u"\u0016"},  {u"^dbflat()", u"\u0018"},      {u"^copyright()", u"\u001C"},
        {u"^composer()", u"\u001B"}, {u"^cprsym()", u"\u001D"},      {u"^title()", u"\u0019"},
        {u"^subtitle()", u"\u0001"}, {u"^description()", u"\u001A"}, {u"^^", u"\u001E"},
    };
    for (const auto& row : kRows) {
        ReplaceAll(text, row[0], row[1], MATCH_CASE);
    }
    return text;
}

TEST(EncodeInsertsTest, OnePassGivesWhatRowByRowGives) {
    static const char16_t* const kPieces[] = {u"^",        u"^^",  u"^flat()",    u"^fl",
                                              u"^sharp()", u"^db", u"^dbsharp()", u"^s",
                                              u"()",       u"x",   u"^title()",   u"^subtitle()"};
    std::mt19937 rng(99);
    for (int i = 0; i < 3000; ++i) {
        std::u16string text;
        const int parts = static_cast<int>(rng() % 7);
        for (int p = 0; p < parts; ++p) {
            text += kPieces[rng() % 12];
        }
        UniversalString s(text);
        EncodeInserts(s);
        ASSERT_EQ(s.text(), EncodedRowByRow(text)) << UniversalString(text).toUtf8();
    }
}

}  // namespace
}  // namespace tavrel
