// Tests of the styled find-and-replace step and the loop over a whole text:
// runs, matching over commands and inserts, whole words, the style filter,
// the commands written around a replacement and where the search resumes.
// Every expected text was worked out by hand from the replacement rules.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/text/StyleBuilder.h"
#include "text/Options.h"
#include "text/StringStyle.h"
#include "text/StyledReplace.h"
#include "text/UniversalString.h"

namespace tavrel {
namespace {

TEST(BuildRunsTest, RunsLieBetweenStyleCommands) {
    struct Row {
        int line;
        std::u16string text;
        const char* runs;
    } rows[] = {
        {__LINE__, u"ab^size(12)cd", "{run=0..1} {size=12 run=11..12}"},
        {__LINE__, u"^size(12)", ""},
        {__LINE__, u"", ""},
        {__LINE__, u"abc", "{run=0..2}"},
        {__LINE__, u"^size(12)ab^nfx(1)", "{size=12 run=9..10}"},
        {__LINE__, u"^font(Arial,2)x^size(9)^nfx(1)y",
         "{font=Arial arg=2 run=14..14} {font=Arial size=9 fx=1/0 arg=2 run=30..30}"},
        // Both font forms.
        {__LINE__, u"^fontext(Times,4)x", "{font=Times arg=4 run=17..17}"},
        // Inserts and legacy effect commands are text.
        {__LINE__, u"a^page(1)b^efx(bold)c", "{run=0..20}"},
        // A missing ')' runs to the end of the text.
        {__LINE__, u"a^size(12", "{run=0..0}"},
        // Any caret with fo/si/nf/ba/tr/su begins a command here; this one
        // has no number, so it reads as size 0.
        {__LINE__, u"a^sing)b", "{run=0..0} {size=0 run=7..7}"},
        // Of two carets the first is text and the second is tested.
        {__LINE__, u"^^size(3)x", "{run=0..0} {size=3 run=9..9}"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(Show(BuildRuns(r.text)), r.runs);
    }
}

const StringStyle kNone;  // no filter, no replacement style

// In text, search (with filter) is replaced by replacement (with style),
// giving result and count.
struct Case {
    int line;
    std::u16string text, search, replacement, result;
    std::uint32_t count, options = 0;
    StringStyle filter = {}, style = {};
};

void Check(const std::vector<Case>& cases) {
    const StringStyle hostStyle = Sty().Size(33);  // the text's own style is not touched
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        UniversalString text = Styled(c.text, hostStyle);
        const std::uint32_t count = ReplaceInStyledText(text, Styled(c.search, c.filter),
                                                        Styled(c.replacement, c.style), c.options);
        EXPECT_EQ(std::make_pair(Show(text), count),
                  std::make_pair(Show(Styled(c.result, hostStyle)), c.count));
    }
}

TEST(ReplaceInStyledTextTest, MatchingFollowsThePlainSearchRules) {
    Check({
        // Restart rule: after a failure the failing character is not retried.
        {__LINE__, u"aabc", u"abc", u"X", u"aabc", 0},
        {__LINE__, u"aabc abc", u"abc", u"X", u"aabc X", 1},
        {__LINE__, u"xabc", u"abc", u"X", u"xX", 1},
        // Case: an occurrence that opens the text gets the run's effects.
        {__LINE__, u"ABC", u"abc", u"x", u"^nfx(0)x", 1},
        {__LINE__, u"AaB", u"aB", u"x", u"Ax", 1, MATCH_CASE},
        // After the first replacement the text reads 'aaab'; the search
        // resumes at the second 'a' and finds the second 'aab' there.
        {__LINE__, u"aabaab", u"aab", u"a", u"^nfx(0)aa", 2},
        // Whole words.
        {__LINE__, u"the cat, the dog", u"cat", u"CAT", u"the CAT, the dog", 1, WHOLE_WORDS},
        {__LINE__, u"a cat", u"cat", u"CAT", u"a CAT", 1, WHOLE_WORDS},
        {__LINE__, u"(cat)", u"cat", u"CAT", u"(CAT)", 1, WHOLE_WORDS},
        {__LINE__, u"cats", u"cat", u"CAT", u"cats", 0, WHOLE_WORDS},
        {__LINE__, u"tomcat", u"cat", u"CAT", u"tomcat", 0, WHOLE_WORDS},
        {__LINE__, u"catx cat", u"cat", u"CAT", u"catx CAT", 1, WHOLE_WORDS},
        {__LINE__, u"cat!cat", u"cat", u"dog", u"^nfx(0)dog!dog", 2, WHOLE_WORDS},
        {__LINE__, u"cats", u"cat", u"CAT", u"^nfx(0)CATs", 1},
        {__LINE__, u"tomcat", u"cat", u"CAT", u"tomCAT", 1},
        // Occurrences never overlap and inserted text is not searched again.
        {__LINE__, u"aaaa", u"aa", u"b", u"^nfx(0)bb", 2},
        {__LINE__, u"cat,cat", u"cat", u"tomcat", u"^nfx(0)tomcat,tomcat", 2},
        {__LINE__, u"a b", u"a", u"aa", u"^nfx(0)aa b", 1, WHOLE_WORDS},
        // An empty search text finds nothing unless the replacement is empty too.
        {__LINE__, u"abc", u"", u"x", u"abc", 0},
        {__LINE__, u"", u"a", u"x", u"", 0},
    });
}

TEST(ReplaceInStyledTextTest, OccurrencesOverSeveralRunsAndAtTheEnds) {
    Check({
        // The command inside the occurrence goes with it.
        {__LINE__, u"ab^size(14)c", u"abc", u"X", u"^nfx(0)X", 1},
        {__LINE__, u"a^size(12)b^nfx(1)c", u"abc", u"X", u"^nfx(0)X", 1},
        // Starting in the second run: commands before it are rewritten.
        {__LINE__, u"a^size(12)b^nfx(1)c", u"bc", u"X", u"a^size(12)X", 1},
        // Two runs, the match inside the text: restore the second run's size.
        {__LINE__, u"xa^size(9)bc", u"ab", u"Z", u"xZ^size(9)c", 1},
        // Three runs, the text goes on after the match.
        {__LINE__, u"xa^size(12)b^nfx(1)cy", u"abc", u"Q", u"xQ^size(12)^nfx(1)y", 1},
        // Three runs, the match opens a later run and ends the text.
        {__LINE__, u"x ^size(12)ab^nfx(1)c", u"abc", u"Q", u"x ^size(12)Q", 1},
        // Opening the first run writes the run's font, size and effects.
        {__LINE__, u"^font(Arial,3)^size(12)^nfx(2)abc def", u"abc", u"xyz",
         u"^font(Arial,3)^size(12)^nfx(2)xyz def", 1},
        {__LINE__, u"^fontext(Times,4)cat", u"cat", u"dog", u"^font(Times,4)^nfx(0)dog", 1},
        {__LINE__, u"^size(9)cat", u"cat", u"dog", u"^size(9)^nfx(0)dog", 1},
        // Commands after a match that ends the text are dropped.
        {__LINE__, u"a cat^size(3)", u"cat", u"dog", u"a dog", 1},
        // Empty replacements.
        {__LINE__, u"a cat", u"cat", u"", u"a ", 1},
        {__LINE__, u"cat a", u"cat", u"", u"^nfx(0) a", 1},
    });
}

TEST(ReplaceInStyledTextTest, StyleFilter) {
    const StringStyle notBold = Sty().Fx(0, EFFECT_BOLD);
    Check({
        // Rejected, then accepted further on.
        {__LINE__, u"^font(Arial,1)cat ^font(Times,2)cat", u"cat", u"dog",
         u"^font(Arial,1)^nfx(0)dog ^font(Times,2)cat", 1, 0, Sty().Font("arial")},
        {__LINE__, u"^size(10)cat ^size(12)cat", u"cat", u"dog", u"^size(10)cat ^size(12)dog", 1, 0,
         Sty().Size(12)},
        {__LINE__, u"^nfx(1)cat ^nfx(0)cat", u"cat", u"dog", u"^nfx(1)cat ^nfx(0)dog", 1, 0,
         notBold},
        {__LINE__, u"^fontsys(Times,4)cat", u"cat", u"dog", u"^font(Times,4)^nfx(0)dog", 1, 0,
         Sty().Font("times")},
        // The default font's command name, in both font forms.
        {__LINE__, u"^font(Font0,0)cat", u"cat", u"dog", u"^font(Font0,0)^nfx(0)dog", 1, 0,
         Sty().Font("Arial").Flags(FONT_FLAG_DEFAULT)},
        {__LINE__, u"^font(Font0,0)cat", u"cat", u"dog", u"^font(Font0,0)cat", 0, 0,
         Sty().Font("Arial")},
        {__LINE__, u"^fontext(FONT0,0)cat", u"cat", u"dog", u"^font(FONT0,0)^nfx(0)dog", 1, 0,
         Sty().Font("Times").Flags(FONT_FLAG_DEFAULT)},
        {__LINE__, u"^fontext(FONT0,0)cat", u"cat", u"dog", u"^fontext(FONT0,0)cat", 0, 0,
         Sty().Font("Times")},
        // Size must hold for every run the occurrence touches.
        {__LINE__, u"a^size(12)b^nfx(1)c", u"bc", u"X", u"a^size(12)X", 1, 0, Sty().Size(12)},
        {__LINE__, u"a^size(12)b^nfx(1)c", u"abc", u"X", u"a^size(12)b^nfx(1)c", 0, 0,
         Sty().Size(12)},
        // Effect bits must be common to all the runs.
        {__LINE__, u"a^size(12)b^nfx(1)c", u"abc", u"X", u"a^size(12)b^nfx(1)c", 0, 0, Bold()},
        {__LINE__, u"a^size(12)b^nfx(1)c", u"abc", u"X", u"^nfx(0)X", 1, 0, notBold},
        {__LINE__, u"^nfx(1)a^size(12)b^nfx(3)c", u"abc", u"X", u"^nfx(1)X", 1, 0, Bold()},
        {__LINE__, u"^nfx(2)ca^nfx(3)t", u"cat", u"dog", u"^nfx(2)dog", 1, 0, Sty().Fx(2, 2)},
        {__LINE__, u"^nfx(2)ca^nfx(3)t", u"cat", u"dog", u"^nfx(2)ca^nfx(3)t", 0, 0,
         Sty().Fx(1, 1)},
        // Font names over two runs compare without case; another font fails.
        {__LINE__, u"^font(Arial,1)ca^font(ARIAL,5)t x", u"cat", u"dog",
         u"^font(Arial,1)^nfx(0)dog x", 1, 0, Sty().Font("arial")},
        {__LINE__, u"^font(Arial,1)ca^font(Times,5)t x", u"cat", u"dog",
         u"^font(Arial,1)ca^font(Times,5)t x", 0, 0, Sty().Font("arial")},
    });
}

TEST(ReplaceInStyledTextTest, ReplacementStyleAndRestoreCommands) {
    Check({
        // Restyling every 'x' to bold: the second starts after the first.
        {__LINE__, u"ax^size(12)x", u"x", u"x", u"a^nfx(1)x^size(12)x", 2, 0, kNone, Bold()},
        // A font the replacement sets is written even when the text before has it.
        {__LINE__, u"^font(Arial,1)a ^size(12)cat", u"cat", u"dog",
         u"^font(Arial,1)a ^font(Arial,1)^size(12)dog", 1, 0, kNone, Sty().Font("Arial", 1)},
        {__LINE__, u"^font(Arial,1)a cat", u"cat", u"dog", u"^font(Arial,1)a ^font(Arial,1)dog", 1,
         0, kNone, Sty().Font("Arial", 1)},
        {__LINE__, u"x^size(3)a cat", u"cat", u"dog", u"x^size(3)a ^font(Arial,0)dog", 1, 0, kNone,
         Sty().Font("Arial")},
        // A font the replacement sets, then the next run's font restored.
        {__LINE__, u"^font(Arial,1)ab^font(Times,2)c", u"b", u"X",
         u"^font(Arial,1)a^font(Courier,4)X^font(Times,2)c", 1, 0, kNone, Sty().Font("Courier", 4)},
        // Effects the replacement does not constrain keep the matched text's.
        {__LINE__, u"^nfx(5)cat", u"cat", u"dog", u"^nfx(6)dog", 1, 0, kNone, Sty().Fx(2, 3)},
        // The replacement names the font in effect (with a font number, as
        // the dialogs set it); the name is dropped and so must the command
        // be, rather than written as a command without a name.
        {__LINE__, u"x^font(Arial,1)a cat", u"cat", u"dog", u"x^font(Arial,1)a dog", 1, 0, kNone,
         Sty().Font("arial", 1).Id(7)},
        // Style-only requests restyle whole runs; whole words do not apply.
        {__LINE__, u"abc", u"", u"", u"^nfx(1)abc", 1, 0, kNone, Bold()},
        {__LINE__, u"ab^size(12)cd", u"", u"", u"^nfx(1)ab^size(12)cd", 2, WHOLE_WORDS, kNone,
         Bold()},
        {__LINE__, u"a^nfx(1)b^nfx(0)c", u"", u"", u"a^size(20)^nfx(1)b^nfx(0)c", 1, 0, Bold(),
         Sty().Size(20)},
        {__LINE__, u"^size(12)", u"", u"", u"^size(12)", 0, 0, kNone, Bold()},
        {__LINE__, u"", u"", u"", u"", 0, 0, kNone, Bold()},
    });
}

TEST(ReplaceInStyledTextTest, InsertsAndWholeWords) {
    Check({
        {__LINE__, u"^page(0)cat", u"cat", u"dog", u"^page(0)dog", 1, WHOLE_WORDS},
        {__LINE__, u"(^page(0)cat)", u"cat", u"dog", u"(^page(0)dog)", 1, WHOLE_WORDS},
        {__LINE__, u"cat^page(0)", u"cat", u"dog", u"^nfx(0)dog^page(0)", 1, WHOLE_WORDS},
        {__LINE__, u"cat^date(0)!", u"cat", u"dog", u"^nfx(0)dog^date(0)!", 1, WHOLE_WORDS},
        // An insert between two letters does not make a boundary.
        {__LINE__, u"cat^page(0)s", u"cat", u"dog", u"cat^page(0)s", 0, WHOLE_WORDS},
        {__LINE__, u"x^page(0)cat", u"cat", u"dog", u"x^page(0)cat", 0, WHOLE_WORDS},
        // Placeholders are neither space nor punctuation.
        {__LINE__, u"x^sharp()cat", u"cat", u"dog", u"x^sharp()cat", 0, WHOLE_WORDS},
        {__LINE__, u"x^sharp()cat", u"cat", u"dog", u"x^sharp()dog", 1},
        {__LINE__, u"^flat() ^sharp()", u"^sharp()", u"^flat()", u"^flat() ^sharp()", 0},
        // A placeholder already in the host text comes back as its command.
        {__LINE__, u"\u0014 cat", u"cat", u"dog", u"^sharp() dog", 1},
        {__LINE__, u"^flat() cat", u"cat", u"dog", u"^flat() dog", 1},
    });
}

TEST(ReplaceInStyledTextTest, InformationInsertsAreNeverDeleted) {
    Check({
        // Between the previous character and the commands before the match.
        {__LINE__, u"a ^page(0)^size(12)cat", u"cat", u"dog", u"a ^page(0)^size(12)dog", 1},
        // Inside the occurrence: kept after as many replacement characters,
        // whether or not the search text also stands elsewhere.
        {__LINE__, u"a^page(0)b", u"ab", u"xy", u"^nfx(0)x^page(0)y", 1},
        {__LINE__, u"a^page(0)b ab", u"ab", u"xy", u"^nfx(0)x^page(0)y xy", 2},
        {__LINE__, u"a^page(0)b ab", u"ab", u"", u"^nfx(0)^page(0) ", 2},
        // Past the end of a shorter replacement.
        {__LINE__, u"ab^page(0)c", u"abc", u"x", u"^nfx(0)x^page(0)", 1},
        // Between the occurrence and the next character: after the restore commands.
        {__LINE__, u"cat^page(0)^size(12) dog", u"cat", u"x", u"^nfx(0)x^size(12)^page(0) dog", 1},
        // After an occurrence that ends the text.
        {__LINE__, u"a cat^size(3)^page(0)^nfx(1)", u"cat", u"dog", u"a dog^page(0)", 1},
        {__LINE__, u"a cat^date(0)^time(1)", u"cat", u"dog", u"a dog^date(0)^time(1)", 1},
        // Before the match (with the commands of its run), inside it and
        // after a match that ends the text, all in one replacement.
        {__LINE__, u"x ^date(0)^size(9)a^time(0)b^page(0)", u"ab", u"Q",
         u"x ^date(0)^size(9)Q^time(0)^page(0)", 1},
        // A match after inserts keeps the style of its run: the replaced
        // range begins after the last text character, so the commands in
        // front of the inserts go with it and the replacement states them.
        {__LINE__, u"a ^size(12)^page(0)cat more", u"cat", u"dog", u"a ^page(0)^size(12)dog more",
         1},
        {__LINE__, u"^font(Arial,1)a ^font(Times,2)^page(0)cat", u"cat", u"dog",
         u"^font(Arial,1)a ^page(0)^font(Times,2)dog", 1},
        // A size the replacement sets is written, not dropped as the run's.
        {__LINE__, u"a ^size(12)^page(0)cat", u"cat", u"dog", u"a ^page(0)^size(12)dog", 1, 0,
         kNone, Sty().Size(12)},
        // Only inserts before the match: every leading command goes, so the
        // replacement writes the whole style of its run.
        {__LINE__, u"^size(3)^page(0)^nfx(1)cat", u"cat", u"dog", u"^page(0)^size(3)^nfx(1)dog", 1},
        // Inserts and the match in the first run: the range starts at the
        // match and the leading commands stay.
        {__LINE__, u"^size(3)^page(0)cat", u"cat", u"dog", u"^size(3)^page(0)dog", 1},
        // A run of inserts alone between the previous text and the match.
        {__LINE__, u"a ^size(5)^page(0)^size(12)cat", u"cat", u"dog", u"a ^page(0)^size(12)dog", 1},
    });
}

TEST(ReplaceInStyledTextTest, LegacyEffectGroups) {
    Check({
        // At the end of a text a group stays and is text for the search.
        {__LINE__, u"x ^efx(plain)^efx(bold)cat", u"cat", u"dog", u"x ^efx(plain)^efx(bold)dog", 1},
        {__LINE__, u"cat ^efx(plain)^efx(italic)", u"cat", u"dog",
         u"^nfx(0)dog ^efx(plain)^efx(italic)", 1},
        // Followed by enough text it becomes an effects command.
        {__LINE__, u"^efx(plain)^efx(bold)cat and more", u"cat", u"dog", u"^nfx(1)dog and more", 1},
        // Seven characters after the group: converted, and its bits kept.
        {__LINE__, u"^efx(plain)^efx(bold)abc def", u"def", u"X", u"^nfx(1)abc X", 1},
        // Six: left as it is.
        {__LINE__, u"^efx(plain)^efx(bold)abc de", u"de", u"X", u"^efx(plain)^efx(bold)abc X", 1},
        // Nothing replaced: the text is not written back, not even normalised.
        {__LINE__, u"^efx(plain)^efx(bold)cat and more", u"cat", u"dog",
         u"^efx(plain)^efx(bold)cat and more", 0, 0, Sty().Fx(2, 2)},
    });
}

TEST(ReplaceInStyledTextTest, UnconvertedLegacyCommandsAreNeverSearchedInside) {
    Check({
        // Letters inside a command that stays unconverted are not text.
        {__LINE__, u"^nfx(3)B^efx(plain)^eff(italic)b.", u"a", u"aA",
         u"^nfx(3)B^efx(plain)^eff(italic)b.", 0},
        {__LINE__, u"^efx(plain)", u"a", u"b", u"^efx(plain)", 0},
        {__LINE__, u"bb^efx(plain)^efx(outline)", u"A", u" cb", u"bb^efx(plain)^efx(outline)", 0},
        {__LINE__, u"x^efx(bold)cat", u"bold)c", u"X", u"x^efx(bold)cat", 0},
        // The visible text around it is found as before.
        {__LINE__, u"^nfx(3)B^efx(plain)^eff(italic)b.", u"b", u"c",
         u"^nfx(3)c^efx(plain)^eff(italic)c.", 2},
        {__LINE__, u"x^efx(bold)cat", u"cat", u"dog", u"x^efx(bold)dog", 1},
        {__LINE__, u"cat^efx(bold)cat", u"cat", u"dog", u"^nfx(0)dog^efx(bold)dog", 2},
        // It ends a partial match like any character that does not match.
        {__LINE__, u"ca^efx(bold)t", u"cat", u"dog", u"ca^efx(bold)t", 0},
        {__LINE__, u"ca^efx(bold)tcat", u"cat", u"dog", u"ca^efx(bold)tdog", 1},
        // Without its ')' it runs to the end of the text.
        {__LINE__, u"cat ^efx(bold cat", u"cat", u"dog", u"^nfx(0)dog ^efx(bold cat", 1},
        // In a run of its own it stays in front of the commands replaced
        // with the occurrence.
        {__LINE__, u"a^size(12)^efx(bold)^size(9)cat", u"cat", u"dog",
         u"a^size(12)^efx(bold)^size(9)dog", 1},
    });
}

TEST(ReplaceInStyledTextTest, GroupsConvertedAlongTheWayHideNoLaterOccurrence) {
    Check({
        // Each replacement lengthens the text after the group, which would
        // make it convertible halfway through the text.
        {__LINE__, u"^efx(plain)^efx(bold)cc", u"c", u"CCCCCCCC",
         u"^efx(plain)^efx(bold)CCCCCCCCCCCCCCCC", 2, MATCH_CASE},
        {__LINE__, u"B  ^efx(plain)^efx(absolute)^^.cc^dbflat()", u"c", u"AA",
         u"B  ^efx(plain)^efx(absolute)^^.^nfx(1)AAAA^nfx(0)^dbflat()", 2, 0, kNone, Bold()},
        // A group converted from the start keeps its bits for every occurrence.
        {__LINE__, u"^efx(plain)^efx(bold)c c c and more", u"c", u"dd", u"^nfx(1)dd dd dd and more",
         3},
    });
}

using Step = std::tuple<int, std::int32_t, std::u16string>;  // result, position, text

// Calls the single step on text from position: each call's result, the
// position after it and the text must be the listed step's.
void CheckSteps(int line, const std::u16string& start, const UniversalString& search,
                const UniversalString& replacement, const std::vector<Step>& steps,
                std::uint32_t options = 0, std::int32_t position = 0) {
    SCOPED_TRACE(line);
    UniversalString text(start);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        const int result = ReplaceNextStyled(text, search, replacement, position, options);
        EXPECT_EQ(Step(result, position, text.text()), steps[i]);
    }
}

TEST(ReplaceNextStyledTest, PositionResumesAtTheCharacterAfterTheOccurrence) {
    const UniversalString a(u"a"), b(u"b"), x(u"x"), cat(u"cat"), dog(u"dog"), none;
    // The size command between the two is dropped by the first replacement.
    CheckSteps(__LINE__, u"x^size(12)x", x, Styled(u"y", Sty().Size(12)),
               {{1, 17, u"^size(12)^nfx(0)yx"},
                {1, -1, u"^size(12)^nfx(0)y^size(12)y"},
                {0, -1, u"^size(12)^nfx(0)y^size(12)y"}});
    // The nameless font command restores "no font command" after the match.
    CheckSteps(__LINE__, u"ab c", b, Styled(u"B", Sty().Font("Arial", 3)),
               {{1, 25, u"a^font(Arial,3)B^font(,0) c"}, {0, -1, u"a^font(Arial,3)B^font(,0) c"}});
    // A rejected occurrence leaves the text and moves the position past it.
    CheckSteps(
        __LINE__, u"cat ^nfx(1)cat", Styled(u"cat", Bold()), dog,
        {{-1, 3, u"cat ^nfx(1)cat"}, {1, -1, u"cat ^nfx(1)dog"}, {0, -1, u"cat ^nfx(1)dog"}});
    // Size must hold for every run the occurrence touches.
    CheckSteps(__LINE__, u"^size(12)ab^size(14)c", Styled(u"abc", Sty().Size(12)), x,
               {{-1, -1, u"^size(12)ab^size(14)c"}, {0, -1, u"^size(12)ab^size(14)c"}});
    // A replacement containing the search text is not searched again.
    CheckSteps(__LINE__, u"a a", a, UniversalString(u"ba"),
               {{1, 9, u"^nfx(0)ba a"}, {1, -1, u"^nfx(0)ba ba"}, {0, -1, u"^nfx(0)ba ba"}});
    // The search resumes at the space, after the kept insert.
    CheckSteps(__LINE__, u"cat^page(0) cat", cat, dog,
               {{1, 18, u"^nfx(0)dog^page(0) cat"},
                {1, -1, u"^nfx(0)dog^page(0) dog"},
                {0, -1, u"^nfx(0)dog^page(0) dog"}});
    // Style-only: one run per call.
    CheckSteps(__LINE__, u"ab^size(12)cd", none, Styled(u"", Bold()),
               {{1, 25, u"^nfx(1)ab^size(12)^nfx(0)cd"},
                {1, -1, u"^nfx(1)ab^size(12)cd"},
                {0, -1, u"^nfx(1)ab^size(12)cd"}});
    // Style-only: a rejected run, an accepted one, a rejected last run.
    CheckSteps(__LINE__, u"ab^nfx(1)cd^nfx(0)ef", Styled(u"", Bold()), Styled(u"", Sty().Size(20)),
               {{-1, 9, u"ab^nfx(1)cd^nfx(0)ef"},
                {1, 27, u"ab^size(20)^nfx(1)cd^nfx(0)ef"},
                {-1, -1, u"ab^size(20)^nfx(1)cd^nfx(0)ef"},
                {0, -1, u"ab^size(20)^nfx(1)cd^nfx(0)ef"}});
    // An unconverted legacy command is never searched inside.
    CheckSteps(__LINE__, u"ab ^efx(plain)^efx(bold)", UniversalString(u"bold"),
               UniversalString(u"X"), {{0, -1, u"ab ^efx(plain)^efx(bold)"}});
    // A group that a later step converts moves the position with it.
    CheckSteps(__LINE__, u"^efx(plain)^efx(bold)cc", UniversalString(u"c"),
               UniversalString(u"CCCCCCCC"),
               {{1, 29, u"^efx(plain)^efx(bold)CCCCCCCCc"},
                {1, -1, u"^nfx(1)CCCCCCCCCCCCCCCC"},
                {0, -1, u"^nfx(1)CCCCCCCCCCCCCCCC"}},
               MATCH_CASE);
    // The search starts at the position; -1 means nothing more.
    CheckSteps(__LINE__, u"cat cat", cat, dog, {{1, -1, u"cat dog"}}, 0, 1);
    CheckSteps(__LINE__, u"cat", cat, dog, {{0, -1, u"cat"}}, 0, -1);
    // Nothing found ends the search.
    CheckSteps(__LINE__, u"ABC", UniversalString(u"abc"), x, {{0, -1, u"ABC"}}, MATCH_CASE);
    CheckSteps(__LINE__, u"^size(12)", cat, x, {{0, -1, u"^size(12)"}});
    CheckSteps(__LINE__, u"^size(12)", none, none, {{0, -1, u"^size(12)"}});
}

}  // namespace
}  // namespace tavrel
