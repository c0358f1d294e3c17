// Tests of the styled find-and-replace step and the loop over a whole text:
// runs, matching over commands and inserts, whole words, the style filter,
// the commands written around a replacement and where the search resumes.
// Every expected text was worked out by hand from the replacement rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/text/Printers.h"
#include "text/Options.h"
#include "text/StringStyle.h"
#include "text/StyledReplace.h"
#include "text/UniversalString.h"

namespace tavrel {
namespace {

StringStyle Effects(std::uint16_t effects, std::uint16_t mask) {
    StringStyle s;
    s.effects = effects;
    s.effectsMask = mask;
    return s;
}
StringStyle Bold() {
    return Effects(EFFECT_BOLD, EFFECT_BOLD);
}
StringStyle Size(std::uint16_t size) {
    StringStyle s;
    s.size = size;
    return s;
}
StringStyle Font(const std::string& name, std::int16_t arg, std::uint16_t flags = 0) {
    StringStyle s;
    s.fontName = name;
    s.fontArg = arg;
    s.fontFlags = flags;
    return s;
}

UniversalString Styled(const std::u16string& text, const StringStyle& style) {
    UniversalString s(text);
    s.setStyle(style);
    return s;
}

TEST(BuildRunsTest, RunsLieBetweenStyleCommands) {
    struct Span {
        std::int32_t start, end;
        std::uint16_t size, effects;
        std::string font;
    };
    struct Row {
        int line;
        std::u16string text;
        std::vector<Span> runs;
    } rows[] = {
        {__LINE__, u"ab^size(12)cd", {{0, 1, kUnset16, 0, ""}, {11, 12, 12, 0, ""}}},
        {__LINE__, u"^size(12)", {}},
        {__LINE__, u"", {}},
        {__LINE__, u"abc", {{0, 2, kUnset16, 0, ""}}},
        {__LINE__, u"^size(12)ab^nfx(1)", {{9, 10, 12, 0, ""}}},
        {__LINE__,
         u"^font(Arial,2)x^size(9)^nfx(1)y",
         {{14, 14, kUnset16, 0, "Arial"}, {30, 30, 9, 1, "Arial"}}},
        // Both font forms.
        {__LINE__, u"^fontext(Times,4)x", {{17, 17, kUnset16, 0, "Times"}}},
        // Inserts and legacy effect commands are text.
        {__LINE__, u"a^page(1)b^efx(bold)c", {{0, 20, kUnset16, 0, ""}}},
        // A missing ')' runs to the end of the text.
        {__LINE__, u"a^size(12", {{0, 0, kUnset16, 0, ""}}},
        // Any caret with fo/si/nf/ba/tr/su begins a command here; this one
        // has no number, so it reads as size 0.
        {__LINE__, u"a^sing)b", {{0, 0, kUnset16, 0, ""}, {7, 7, 0, 0, ""}}},
        // Of two carets the first is text and the second is tested.
        {__LINE__, u"^^size(3)x", {{0, 0, kUnset16, 0, ""}, {9, 9, 3, 0, ""}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        const std::vector<StyleRun> runs = BuildRuns(r.text);
        ASSERT_EQ(runs.size(), r.runs.size());
        for (std::size_t i = 0; i < runs.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(runs[i].runStart, r.runs[i].start);
            EXPECT_EQ(runs[i].runEnd, r.runs[i].end);
            EXPECT_EQ(runs[i].size, r.runs[i].size);
            EXPECT_EQ(runs[i].effects, r.runs[i].effects);
            EXPECT_EQ(runs[i].fontName, r.runs[i].font);
        }
    }
}

struct Case {
    int line;
    std::u16string text;
    std::u16string search;
    StringStyle filter;
    std::u16string replacement;
    StringStyle style;
    std::uint32_t options;
    std::u16string result;
    std::uint32_t count;
};

void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        UniversalString text(c.text);
        StringStyle hostStyle;
        hostStyle.size = 33;  // the text's own style member is not touched
        text.setStyle(hostStyle);
        const std::uint32_t count = ReplaceInStyledText(text, Styled(c.search, c.filter),
                                                        Styled(c.replacement, c.style), c.options);
        EXPECT_EQ(count, c.count);
        EXPECT_EQ(text.text(), c.result);
        EXPECT_EQ(text.style().size, 33);
    }
}

const StringStyle kNone;

TEST(ReplaceInStyledTextTest, MatchingFollowsThePlainSearchRules) {
    Check({
        // Restart rule: after a failure the failing character is not retried.
        {__LINE__, u"aabc", u"abc", kNone, u"X", kNone, 0, u"aabc", 0},
        {__LINE__, u"aabc abc", u"abc", kNone, u"X", kNone, 0, u"aabc X", 1},
        {__LINE__, u"xabc", u"abc", kNone, u"X", kNone, 0, u"xX", 1},
        // Case: an occurrence that opens the text gets the run's effects.
        {__LINE__, u"ABC", u"abc", kNone, u"x", kNone, 0, u"^nfx(0)x", 1},
        {__LINE__, u"ABC", u"abc", kNone, u"x", kNone, MATCH_CASE, u"ABC", 0},
        {__LINE__, u"AaB", u"aB", kNone, u"x", kNone, MATCH_CASE, u"Ax", 1},
        // After the first replacement the text reads 'aaab'; the search
        // resumes at the second 'a' and finds the second 'aab' there.
        {__LINE__, u"aabaab", u"aab", kNone, u"a", kNone, 0, u"^nfx(0)aa", 2},
        // Whole words.
        {__LINE__, u"the cat, the dog", u"cat", kNone, u"CAT", kNone, WHOLE_WORDS,
         u"the CAT, the dog", 1},
        {__LINE__, u"a cat", u"cat", kNone, u"CAT", kNone, WHOLE_WORDS, u"a CAT", 1},
        {__LINE__, u"(cat)", u"cat", kNone, u"CAT", kNone, WHOLE_WORDS, u"(CAT)", 1},
        {__LINE__, u"cats", u"cat", kNone, u"CAT", kNone, WHOLE_WORDS, u"cats", 0},
        {__LINE__, u"tomcat", u"cat", kNone, u"CAT", kNone, WHOLE_WORDS, u"tomcat", 0},
        {__LINE__, u"catx cat", u"cat", kNone, u"CAT", kNone, WHOLE_WORDS, u"catx CAT", 1},
        {__LINE__, u"cats", u"cat", kNone, u"CAT", kNone, 0, u"^nfx(0)CATs", 1},
        {__LINE__, u"tomcat", u"cat", kNone, u"CAT", kNone, 0, u"tomCAT", 1},
        // Occurrences never overlap and inserted text is not searched again.
        {__LINE__, u"a a", u"a", kNone, u"ba", kNone, 0, u"^nfx(0)ba ba", 2},
        {__LINE__, u"aaaa", u"aa", kNone, u"b", kNone, 0, u"^nfx(0)bb", 2},
        // An empty search text finds nothing unless the replacement is empty too.
        {__LINE__, u"abc", u"", kNone, u"x", kNone, 0, u"abc", 0},
        {__LINE__, u"", u"a", kNone, u"x", kNone, 0, u"", 0},
    });
}

TEST(ReplaceInStyledTextTest, OccurrencesSpanningRuns) {
    Check({
        // The command inside the occurrence goes with it.
        {__LINE__, u"ab^size(14)c", u"abc", kNone, u"X", kNone, 0, u"^nfx(0)X", 1},
        {__LINE__, u"a^size(12)b^nfx(1)c", u"abc", kNone, u"X", kNone, 0, u"^nfx(0)X", 1},
        // Starting in the second run: commands before it are rewritten.
        {__LINE__, u"a^size(12)b^nfx(1)c", u"bc", kNone, u"X", kNone, 0, u"a^size(12)X", 1},
        // Opening the first run writes the run's font, size and effects.
        {__LINE__, u"^font(Arial,3)^size(12)^nfx(2)abc def", u"abc", kNone, u"xyz", kNone, 0,
         u"^font(Arial,3)^size(12)^nfx(2)xyz def", 1},
        {__LINE__, u"^fontext(Times,4)cat", u"cat", kNone, u"dog", kNone, 0,
         u"^font(Times,4)^nfx(0)dog", 1},
        // Empty replacements.
        {__LINE__, u"a cat", u"cat", kNone, u"", kNone, 0, u"a ", 1},
        {__LINE__, u"cat a", u"cat", kNone, u"", kNone, 0, u"^nfx(0) a", 1},
    });
}

TEST(ReplaceInStyledTextTest, StyleFilter) {
    const StringStyle notBold = Effects(0, EFFECT_BOLD);
    Check({
        // Rejected, then accepted further on.
        {__LINE__, u"cat ^nfx(1)cat", u"cat", Bold(), u"dog", kNone, 0, u"cat ^nfx(1)dog", 1},
        {__LINE__, u"^font(Arial,1)cat ^font(Times,2)cat", u"cat", Font("arial", 0), u"dog", kNone,
         0, u"^font(Arial,1)^nfx(0)dog ^font(Times,2)cat", 1},
        {__LINE__, u"^fontsys(Times,4)cat", u"cat", Font("times", 0), u"dog", kNone, 0,
         u"^font(Times,4)^nfx(0)dog", 1},
        // The default font's command name.
        {__LINE__, u"^font(Font0,0)cat", u"cat", Font("Arial", 0, FONT_FLAG_DEFAULT), u"dog", kNone,
         0, u"^font(Font0,0)^nfx(0)dog", 1},
        {__LINE__, u"^font(Font0,0)cat", u"cat", Font("Arial", 0), u"dog", kNone, 0,
         u"^font(Font0,0)cat", 0},
        // Size must hold for every run the occurrence touches.
        {__LINE__, u"^size(12)ab^size(14)c", u"abc", Size(12), u"X", kNone, 0,
         u"^size(12)ab^size(14)c", 0},
        {__LINE__, u"a^size(12)b^nfx(1)c", u"bc", Size(12), u"X", kNone, 0, u"a^size(12)X", 1},
        {__LINE__, u"a^size(12)b^nfx(1)c", u"abc", Size(12), u"X", kNone, 0, u"a^size(12)b^nfx(1)c",
         0},
        // Effect bits must be common to all three runs.
        {__LINE__, u"a^size(12)b^nfx(1)c", u"abc", Bold(), u"X", kNone, 0, u"a^size(12)b^nfx(1)c",
         0},
        {__LINE__, u"a^size(12)b^nfx(1)c", u"abc", notBold, u"X", kNone, 0, u"^nfx(0)X", 1},
        {__LINE__, u"^nfx(1)a^size(12)b^nfx(3)c", u"abc", Bold(), u"X", kNone, 0, u"^nfx(1)X", 1},
    });
}

TEST(ReplaceInStyledTextTest, ReplacementStyleAndRestoreCommands) {
    Check({
        // The nameless font command restores "no font command" after the match.
        {__LINE__, u"ab c", u"b", kNone, u"B", Font("Arial", 3), 0, u"a^font(Arial,3)B^font(,0) c",
         1},
        // Restyling every 'x' to bold: the second starts after the first.
        {__LINE__, u"ax^size(12)x", u"x", kNone, u"x", Bold(), 0, u"a^nfx(1)x^size(12)x", 2},
        // The size command between the two is dropped by the first replacement.
        {__LINE__, u"x^size(12)x", u"x", kNone, u"y", Size(12), 0, u"^size(12)^nfx(0)y^size(12)y",
         2},
        // A font the replacement sets is written even when the text before has it.
        {__LINE__, u"^font(Arial,1)a ^size(12)cat", u"cat", kNone, u"dog", Font("Arial", 1), 0,
         u"^font(Arial,1)a ^font(Arial,1)^size(12)dog", 1},
        {__LINE__, u"^font(Arial,1)a cat", u"cat", kNone, u"dog", Font("Arial", 1), 0,
         u"^font(Arial,1)a ^font(Arial,1)dog", 1},
        {__LINE__, u"x^size(3)a cat", u"cat", kNone, u"dog", Font("Arial", 0), 0,
         u"x^size(3)a ^font(Arial,0)dog", 1},
        // Effects the replacement does not constrain keep the matched text's.
        {__LINE__, u"^nfx(5)cat", u"cat", kNone, u"dog", Effects(2, 3), 0, u"^nfx(6)dog", 1},
    });
}

TEST(ReplaceInStyledTextTest, AFontNameDroppedAsRedundantWritesNoFontCommand) {
    // The replacement names the font in effect (with a font number, as the
    // dialogs set it); the name is dropped and so must the command be,
    // rather than written as a command without a name.
    StringStyle arial = Font("arial", 1);
    arial.fontId = 7;
    Check({
        {__LINE__, u"x^font(Arial,1)a cat", u"cat", kNone, u"dog", arial, 0,
         u"x^font(Arial,1)a dog", 1},
    });
}

TEST(ReplaceInStyledTextTest, StyleOnlyRestylesWholeRuns) {
    Check({
        {__LINE__, u"abc", u"", kNone, u"", Bold(), 0, u"^nfx(1)abc", 1},
        {__LINE__, u"ab^size(12)cd", u"", kNone, u"", Bold(), 0, u"^nfx(1)ab^size(12)cd", 2},
        {__LINE__, u"a^nfx(1)b^nfx(0)c", u"", Bold(), u"", Size(20), 0,
         u"a^size(20)^nfx(1)b^nfx(0)c", 1},
        {__LINE__, u"^size(12)", u"", kNone, u"", Bold(), 0, u"^size(12)", 0},
        {__LINE__, u"", u"", kNone, u"", Bold(), 0, u"", 0},
    });
}

TEST(ReplaceInStyledTextTest, WholeWordsNextToInsertsAndPlaceholders) {
    Check({
        {__LINE__, u"^page(0)cat", u"cat", kNone, u"dog", kNone, WHOLE_WORDS, u"^page(0)dog", 1},
        {__LINE__, u"cat^page(0)", u"cat", kNone, u"dog", kNone, WHOLE_WORDS, u"^nfx(0)dog^page(0)",
         1},
        // An insert between two letters does not make a boundary.
        {__LINE__, u"cat^page(0)s", u"cat", kNone, u"dog", kNone, WHOLE_WORDS, u"cat^page(0)s", 0},
        // Placeholders are neither space nor punctuation.
        {__LINE__, u"x^sharp()cat", u"cat", kNone, u"dog", kNone, WHOLE_WORDS, u"x^sharp()cat", 0},
        {__LINE__, u"x^sharp()cat", u"cat", kNone, u"dog", kNone, 0, u"x^sharp()dog", 1},
        {__LINE__, u"^flat() ^sharp()", u"^sharp()", kNone, u"^flat()", kNone, 0,
         u"^flat() ^sharp()", 0},
    });
}

TEST(ReplaceInStyledTextTest, InformationInsertsAreNeverDeleted) {
    Check({
        // Between the previous character and the commands before the match.
        {__LINE__, u"a ^page(0)^size(12)cat", u"cat", kNone, u"dog", kNone, 0,
         u"a ^page(0)^size(12)dog", 1},
        // Inside the occurrence: kept after as many replacement characters,
        // whether or not the search text also stands elsewhere.
        {__LINE__, u"a^page(0)b", u"ab", kNone, u"xy", kNone, 0, u"^nfx(0)x^page(0)y", 1},
        {__LINE__, u"a^page(0)b ab", u"ab", kNone, u"xy", kNone, 0, u"^nfx(0)x^page(0)y xy", 2},
        {__LINE__, u"a^page(0)b ab", u"ab", kNone, u"", kNone, 0, u"^nfx(0)^page(0) ", 2},
        // Between the occurrence and the next character: after the restore commands.
        {__LINE__, u"cat^page(0)^size(12) dog", u"cat", kNone, u"x", kNone, 0,
         u"^nfx(0)x^size(12)^page(0) dog", 1},
        // After an occurrence that ends the text.
        {__LINE__, u"a cat^size(3)^page(0)^nfx(1)", u"cat", kNone, u"dog", kNone, 0,
         u"a dog^page(0)", 1},
        {__LINE__, u"a cat^date(0)^time(1)", u"cat", kNone, u"dog", kNone, 0,
         u"a dog^date(0)^time(1)", 1},
    });
}

TEST(ReplaceInStyledTextTest, LegacyEffectGroups) {
    Check({
        // At the end of a text a group stays and is text for the search.
        {__LINE__, u"x ^efx(plain)^efx(bold)cat", u"cat", kNone, u"dog", kNone, 0,
         u"x ^efx(plain)^efx(bold)dog", 1},
        // Followed by enough text it becomes an effects command.
        {__LINE__, u"^efx(plain)^efx(bold)cat and more", u"cat", kNone, u"dog", kNone, 0,
         u"^nfx(1)dog and more", 1},
        // Nothing replaced: the text is not written back, not even normalised.
        {__LINE__, u"^efx(plain)^efx(bold)cat and more", u"cat", Effects(2, 2), u"dog", kNone, 0,
         u"^efx(plain)^efx(bold)cat and more", 0},
    });
}

struct Step {
    int result;
    std::int32_t position;
    std::u16string text;
};

void CheckSteps(int line, const std::u16string& start, const UniversalString& search,
                const UniversalString& replacement, std::uint32_t options,
                const std::vector<Step>& steps) {
    SCOPED_TRACE(line);
    UniversalString text(start);
    std::int32_t position = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ReplaceNextStyled(text, search, replacement, position, options), steps[i].result);
        EXPECT_EQ(position, steps[i].position);
        EXPECT_EQ(text.text(), steps[i].text);
    }
}

TEST(ReplaceNextStyledTest, PositionResumesAtTheCharacterAfterTheOccurrence) {
    const UniversalString x(u"x"), b(u"b"), cat(u"cat"), empty;
    CheckSteps(__LINE__, u"x^size(12)x", x, Styled(u"y", Size(12)), 0,
               {{1, 17, u"^size(12)^nfx(0)yx"},
                {1, -1, u"^size(12)^nfx(0)y^size(12)y"},
                {0, -1, u"^size(12)^nfx(0)y^size(12)y"}});
    CheckSteps(__LINE__, u"ab c", b, Styled(u"B", Font("Arial", 3)), 0,
               {{1, 25, u"a^font(Arial,3)B^font(,0) c"}, {0, -1, u"a^font(Arial,3)B^font(,0) c"}});
    // A rejected occurrence leaves the text and moves the position past it.
    CheckSteps(
        __LINE__, u"cat ^nfx(1)cat", Styled(u"cat", Bold()), UniversalString(u"dog"), 0,
        {{-1, 3, u"cat ^nfx(1)cat"}, {1, -1, u"cat ^nfx(1)dog"}, {0, -1, u"cat ^nfx(1)dog"}});
    CheckSteps(__LINE__, u"^size(12)ab^size(14)c", Styled(u"abc", Size(12)), x, 0,
               {{-1, -1, u"^size(12)ab^size(14)c"}, {0, -1, u"^size(12)ab^size(14)c"}});
    // A replacement containing the search text is not searched again.
    CheckSteps(__LINE__, u"a a", UniversalString(u"a"), UniversalString(u"ba"), 0,
               {{1, 9, u"^nfx(0)ba a"}, {1, -1, u"^nfx(0)ba ba"}, {0, -1, u"^nfx(0)ba ba"}});
    // Style-only: one run per call.
    CheckSteps(__LINE__, u"ab^size(12)cd", empty, Styled(u"", Bold()), 0,
               {{1, 25, u"^nfx(1)ab^size(12)^nfx(0)cd"},
                {1, -1, u"^nfx(1)ab^size(12)cd"},
                {0, -1, u"^nfx(1)ab^size(12)cd"}});
    // Nothing found ends the search.
    CheckSteps(__LINE__, u"ABC", UniversalString(u"abc"), x, MATCH_CASE, {{0, -1, u"ABC"}});
    CheckSteps(__LINE__, u"^size(12)", cat, x, 0, {{0, -1, u"^size(12)"}});
    CheckSteps(__LINE__, u"^size(12)", empty, empty, 0, {{0, -1, u"^size(12)"}});
}

TEST(ReplaceNextStyledTest, PositionMinusOneOrAnEmptySearchFindsNothing) {
    UniversalString text(u"cat");
    std::int32_t position = -1;
    EXPECT_EQ(
        ReplaceNextStyled(text, UniversalString(u"cat"), UniversalString(u"dog"), position, 0), 0);
    EXPECT_EQ(text.text(), u"cat");
    EXPECT_EQ(position, -1);

    position = 0;
    EXPECT_EQ(ReplaceNextStyled(text, UniversalString(), UniversalString(u"dog"), position, 0), 0);
    EXPECT_EQ(text.text(), u"cat");
}

TEST(ReplaceNextStyledTest, StartsAtThePosition) {
    UniversalString text(u"cat cat");
    std::int32_t position = 1;
    EXPECT_EQ(
        ReplaceNextStyled(text, UniversalString(u"cat"), UniversalString(u"dog"), position, 0), 1);
    EXPECT_EQ(text.text(), u"cat dog");
    EXPECT_EQ(position, -1);
}

}  // namespace
}  // namespace tavrel
