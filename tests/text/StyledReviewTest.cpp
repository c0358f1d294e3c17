// Further cases of the styled replacement and the command conversions, each
// worked out by hand from the rules: matches after information inserts that
// open their run, matches over two and three runs, filters, whole words next
// to inserts, legacy effect groups, fixed command offsets, and a property
// that replacing a single letter by itself leaves every letter's style alone.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/text/Printers.h"
#include "text/Inserts.h"
#include "text/Options.h"
#include "text/StringStyle.h"
#include "text/StyleCommands.h"
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

const StringStyle kNone;

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
        const std::uint32_t count = ReplaceInStyledText(text, Styled(c.search, c.filter),
                                                        Styled(c.replacement, c.style), c.options);
        EXPECT_EQ(count, c.count);
        EXPECT_EQ(text.text(), c.result);
    }
}

TEST(StyledReviewTest, AMatchAfterInsertsKeepsTheStyleOfItsRun) {
    // The replaced range begins after the last text character, so the
    // commands in front of the inserts go with it; the replacement must then
    // state the matched run's style itself.
    Check({
        {__LINE__, u"a ^size(12)^page(0)cat more", u"cat", kNone, u"dog", kNone, 0,
         u"a ^page(0)^size(12)dog more", 1},
        {__LINE__, u"^font(Arial,1)a ^font(Times,2)^page(0)cat", u"cat", kNone, u"dog", kNone, 0,
         u"^font(Arial,1)a ^page(0)^font(Times,2)dog", 1},
        // A size the replacement sets is written, not dropped as the run's.
        {__LINE__, u"a ^size(12)^page(0)cat", u"cat", kNone, u"dog", Size(12), 0,
         u"a ^page(0)^size(12)dog", 1},
        // Only inserts before the match: every leading command goes, so the
        // replacement writes the whole style of its run.
        {__LINE__, u"^size(3)^page(0)^nfx(1)cat", u"cat", kNone, u"dog", kNone, 0,
         u"^page(0)^size(3)^nfx(1)dog", 1},
        // Inserts and the match in the first run: the range starts at the
        // match and the leading commands stay.
        {__LINE__, u"^size(3)^page(0)cat", u"cat", kNone, u"dog", kNone, 0, u"^size(3)^page(0)dog",
         1},
        // A run of inserts alone between the previous text and the match.
        {__LINE__, u"a ^size(5)^page(0)^size(12)cat", u"cat", kNone, u"dog", kNone, 0,
         u"a ^page(0)^size(12)dog", 1},
    });
}

TEST(StyledReviewTest, OccurrencesOverSeveralRunsAndAtTheEnds) {
    Check({
        // Two runs, the match inside the text: restore the second run's size.
        {__LINE__, u"xa^size(9)bc", u"ab", kNone, u"Z", kNone, 0, u"xZ^size(9)c", 1},
        // Three runs, the text goes on after the match.
        {__LINE__, u"xa^size(12)b^nfx(1)cy", u"abc", kNone, u"Q", kNone, 0, u"xQ^size(12)^nfx(1)y",
         1},
        // Three runs, the match opens a later run and ends the text.
        {__LINE__, u"x ^size(12)ab^nfx(1)c", u"abc", kNone, u"Q", kNone, 0, u"x ^size(12)Q", 1},
        // Opening and closing the whole text.
        {__LINE__, u"^size(9)cat", u"cat", kNone, u"dog", kNone, 0, u"^size(9)^nfx(0)dog", 1},
        // Commands after a match that ends the text are dropped.
        {__LINE__, u"a cat^size(3)", u"cat", kNone, u"dog", kNone, 0, u"a dog", 1},
        // A font the replacement sets, then the next run's font restored.
        {__LINE__, u"^font(Arial,1)ab^font(Times,2)c", u"b", kNone, u"X", Font("Courier", 4), 0,
         u"^font(Arial,1)a^font(Courier,4)X^font(Times,2)c", 1},
        // The replacement contains the search text: each is replaced once.
        {__LINE__, u"cat,cat", u"cat", kNone, u"tomcat", kNone, 0, u"^nfx(0)tomcat,tomcat", 2},
        {__LINE__, u"a b", u"a", kNone, u"aa", kNone, WHOLE_WORDS, u"^nfx(0)aa b", 1},
    });
}

TEST(StyledReviewTest, FiltersOnSizeFontAndEffects) {
    StringStyle defaultTimes = Font("Times", 0, FONT_FLAG_DEFAULT);
    Check({
        // Rejected, then accepted further on.
        {__LINE__, u"^size(10)cat ^size(12)cat", u"cat", Size(12), u"dog", kNone, 0,
         u"^size(10)cat ^size(12)dog", 1},
        {__LINE__, u"^nfx(1)cat ^nfx(0)cat", u"cat", Effects(0, EFFECT_BOLD), u"dog", kNone, 0,
         u"^nfx(1)cat ^nfx(0)dog", 1},
        // The default font by its command name, in the long font form.
        {__LINE__, u"^fontext(FONT0,0)cat", u"cat", defaultTimes, u"dog", kNone, 0,
         u"^font(FONT0,0)^nfx(0)dog", 1},
        {__LINE__, u"^fontext(FONT0,0)cat", u"cat", Font("Times", 0), u"dog", kNone, 0,
         u"^fontext(FONT0,0)cat", 0},
        // Italic on both runs passes an italic filter; bold on one does not.
        {__LINE__, u"^nfx(2)ca^nfx(3)t", u"cat", Effects(2, 2), u"dog", kNone, 0, u"^nfx(2)dog", 1},
        {__LINE__, u"^nfx(2)ca^nfx(3)t", u"cat", Effects(1, 1), u"dog", kNone, 0,
         u"^nfx(2)ca^nfx(3)t", 0},
        // Font names over two runs compare without case; another font fails.
        {__LINE__, u"^font(Arial,1)ca^font(ARIAL,5)t x", u"cat", Font("arial", 0), u"dog", kNone, 0,
         u"^font(Arial,1)^nfx(0)dog x", 1},
        {__LINE__, u"^font(Arial,1)ca^font(Times,5)t x", u"cat", Font("arial", 0), u"dog", kNone, 0,
         u"^font(Arial,1)ca^font(Times,5)t x", 0},
    });
}

TEST(StyledReviewTest, WholeWordsNextToInsertsAndPunctuation) {
    Check({
        {__LINE__, u"(^page(0)cat)", u"cat", kNone, u"dog", kNone, WHOLE_WORDS, u"(^page(0)dog)",
         1},
        {__LINE__, u"x^page(0)cat", u"cat", kNone, u"dog", kNone, WHOLE_WORDS, u"x^page(0)cat", 0},
        {__LINE__, u"cat^date(0)!", u"cat", kNone, u"dog", kNone, WHOLE_WORDS,
         u"^nfx(0)dog^date(0)!", 1},
        {__LINE__, u"cat!cat", u"cat", kNone, u"dog", kNone, WHOLE_WORDS, u"^nfx(0)dog!dog", 2},
    });
}

TEST(StyledReviewTest, InformationInsertsStayInEveryPlace) {
    Check({
        // Before the match (with the commands of its run), inside it and
        // after a match that ends the text, all in one replacement.
        {__LINE__, u"x ^date(0)^size(9)a^time(0)b^page(0)", u"ab", kNone, u"Q", kNone, 0,
         u"x ^date(0)^size(9)Q^time(0)^page(0)", 1},
        // Inside the match, past the end of a shorter replacement.
        {__LINE__, u"ab^page(0)c", u"abc", kNone, u"x", kNone, 0, u"^nfx(0)x^page(0)", 1},
        // A placeholder already in the host text comes back as its command.
        {__LINE__, u"\u0014 cat", u"cat", kNone, u"dog", kNone, 0, u"^sharp() dog", 1},
        {__LINE__, u"^flat() cat", u"cat", kNone, u"dog", kNone, 0, u"^flat() dog", 1},
    });
}

TEST(StyledReviewTest, LegacyEffectGroups) {
    Check({
        // At the end of the text the group stays, after the replacement.
        {__LINE__, u"cat ^efx(plain)^efx(italic)", u"cat", kNone, u"dog", kNone, 0,
         u"^nfx(0)dog ^efx(plain)^efx(italic)", 1},
        // Seven characters after the group: converted, and its bits kept.
        {__LINE__, u"^efx(plain)^efx(bold)abc def", u"def", kNone, u"X", kNone, 0, u"^nfx(1)abc X",
         1},
        // Six: left as it is.
        {__LINE__, u"^efx(plain)^efx(bold)abc de", u"de", kNone, u"X", kNone, 0,
         u"^efx(plain)^efx(bold)abc X", 1},
    });
}

TEST(StyledReviewTest, AnUnconvertedLegacyCommandIsTextToTheSearch) {
    UniversalString text(u"ab ^efx(plain)^efx(bold)");
    std::int32_t position = 0;
    EXPECT_EQ(ReplaceNextStyled(text, UniversalString(u"bold"), UniversalString(u"X"), position, 0),
              1);
    EXPECT_EQ(text.text(), u"ab ^efx(plain)^efx(X)");
    EXPECT_EQ(position, 20);
}

TEST(StyledReviewTest, StyleOnlyRequests) {
    // Whole words do not apply to whole runs.
    Check({
        {__LINE__, u"ab^size(12)cd", u"", kNone, u"", Effects(EFFECT_BOLD, EFFECT_BOLD),
         WHOLE_WORDS, u"^nfx(1)ab^size(12)cd", 2},
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

TEST(StyledReviewTest, PositionsAfterInsertsAndRejections) {
    // The search resumes at the space, after the kept insert.
    CheckSteps(__LINE__, u"cat^page(0) cat", UniversalString(u"cat"), UniversalString(u"dog"), 0,
               {{1, 18, u"^nfx(0)dog^page(0) cat"},
                {1, -1, u"^nfx(0)dog^page(0) dog"},
                {0, -1, u"^nfx(0)dog^page(0) dog"}});
    // Style-only: a rejected run, an accepted one, a rejected last run.
    CheckSteps(__LINE__, u"ab^nfx(1)cd^nfx(0)ef", Styled(u"", Effects(EFFECT_BOLD, EFFECT_BOLD)),
               Styled(u"", Size(20)), 0,
               {{-1, 9, u"ab^nfx(1)cd^nfx(0)ef"},
                {1, 27, u"ab^size(20)^nfx(1)cd^nfx(0)ef"},
                {-1, -1, u"ab^size(20)^nfx(1)cd^nfx(0)ef"},
                {0, -1, u"ab^size(20)^nfx(1)cd^nfx(0)ef"}});
}

TEST(StyledReviewTest, CommandArgumentsSitAtFixedOffsets) {
    // A short command name does not move the argument: it is read from the
    // fixed offset of the full name, and the scan goes on to the next number.
    EXPECT_EQ(StyleAt(u"^si(12)x", 8).size, 0);
    EXPECT_EQ(StyleAt(u"^nf(3)x 9", 9).effects, 9);
    EXPECT_EQ(StyleAt(u"^su(4)x", 7).superscript, 0);
    EXPECT_EQ(StyleAt(u"^ba(4)x", 7).baseline, 0);
    EXPECT_EQ(StyleAt(u"^tr(4)x", 7).tracking, 0);
    // The long font form needs the caret below length - 9.
    EXPECT_EQ(StyleAt(u"^fontext(", 9).fontName, "");
    const StringStyle shortest = StyleAt(u"^fontext(A", 10);
    EXPECT_EQ(shortest.fontName, "A");
    EXPECT_EQ(shortest.fontArg, 0);
    EXPECT_EQ(StyleAt(u"^fontxyz(Times,1)x", 18).fontName, "");
}

TEST(StyledReviewTest, StripAndNormalizeEdges) {
    EXPECT_EQ(StrippedText(u"^fo)"), u"");
    EXPECT_EQ(StrippedText(u"x^fo"), u"x^fo");
    EXPECT_EQ(StrippedText(u"^ef("), u"");
    // The bold command is skipped by its fixed length of 10, which ends at
    // the second X of the longer name; that X ends the group.
    UniversalString s(u"^efx(plain)^efx(boldXX)1234567");
    NormalizeLegacyEffects(s);
    EXPECT_EQ(s.text(), u"^nfx(1)X)1234567");
}

// The style of each text character of a score text (inserts left out),
// with the font name folded so that names equal without case compare equal.
struct CharStyle {
    char16_t ch;
    std::string font;
    std::uint16_t size, effects;
    std::int32_t baseline, tracking, superscript;
    bool operator==(const CharStyle& o) const {
        return ch == o.ch && font == o.font && size == o.size && effects == o.effects &&
               baseline == o.baseline && tracking == o.tracking && superscript == o.superscript;
    }
};

std::vector<CharStyle> TextCharStyles(const std::u16string& text) {
    UniversalString s(text);
    EncodeInserts(s);
    const std::u16string& t = s.text();
    std::vector<CharStyle> out;
    for (const StyleRun& run : BuildRuns(t)) {
        for (std::int32_t i = run.runStart; i <= run.runEnd; ++i) {
            if (IsInformationInsertStart(t, static_cast<std::size_t>(i))) {
                while (i <= run.runEnd && t[static_cast<std::size_t>(i)] != u')') {
                    ++i;
                }
                continue;
            }
            std::string font = run.fontName;
            for (char& c : font) {
                c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
            }
            out.push_back({t[static_cast<std::size_t>(i)], font, run.size, run.effects,
                           run.baseline, run.tracking, run.superscript});
        }
    }
    return out;
}

std::u16string GeneratedText(std::mt19937& rng) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    static const char16_t* const kParts[] = {u"a",
                                             u"b",
                                             u"A",
                                             u"ab",
                                             u" ",
                                             u", ",
                                             u"^size(12)",
                                             u"^size(9)",
                                             u"^nfx(1)",
                                             u"^nfx(0)",
                                             u"^nfx(3)",
                                             u"^font(Arial,1)",
                                             u"^fontext(Times,2)",
                                             u"^baseline(-3)",
                                             u"^tracking(5)",
                                             u"^page(1)",
                                             u"^date(0)",
                                             u"^filename()",
                                             u"^sharp()"};
    std::u16string t;
    const int parts = pick(12);
    for (int i = 0; i < parts; ++i) {
        t += kParts[pick(static_cast<int>(sizeof kParts / sizeof kParts[0]))];
    }
    return t;
}

TEST(StyledReviewTest, ReplacingALetterByItselfKeepsEveryLettersStyle) {
    std::mt19937 rng(914);
    static const char16_t kLetters[] = {u'a', u'b', u'A'};
    for (int round = 0; round < 4000; ++round) {
        const std::u16string original = GeneratedText(rng);
        const std::u16string letter(1, kLetters[round % 3]);
        const std::uint32_t options = MATCH_CASE | (round % 2 ? WHOLE_WORDS : 0u);
        UniversalString text(original);
        ReplaceInStyledText(text, UniversalString(letter), UniversalString(letter), options);
        ASSERT_TRUE(TextCharStyles(text.text()) == TextCharStyles(original))
            << "round " << round << " letter " << UniversalString(letter).toUtf8() << " text "
            << UniversalString(original).toUtf8() << " became " << text.toUtf8();
    }
}

}  // namespace
}  // namespace tavrel
