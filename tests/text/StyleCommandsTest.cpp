// Tests of reading and writing the host's inline style commands: numbers,
// font names, the style in effect at a point, writing a style back and
// stripping commands to the plain text.
#include <gtest/gtest.h>

#include <string>

#include "tests/text/StyleBuilder.h"
#include "text/StringStyle.h"
#include "text/StyleCommands.h"
#include "text/UniversalString.h"

namespace tavrel {
namespace {

TEST(ReadCommandNumberTest, ReadsTheFirstSignedNumberFromStart) {
    struct Row {
        int line;
        std::u16string text;
        std::size_t start;
        std::int32_t value;
    } rows[] = {
        {__LINE__, u"^size(12)", 6, 12},
        {__LINE__, u"(-5)", 0, -5},
        {__LINE__, u"007)", 0, 7},
        // The scan does not stop at ')': the next number anywhere is taken.
        {__LINE__, u")abc 42", 0, 42},
        {__LINE__, u"ab12cd34", 4, 34},
        {__LINE__, u"no number", 0, 0},
        {__LINE__, u"12", 50, 0},
        // A lone '-' gives 0, even when digits come later.
        {__LINE__, u"-x5", 0, 0},
        {__LINE__, u"5-3", 0, 5},
        // Digits accumulate modulo 2^32.
        {__LINE__, u"2147483647", 0, 2147483647},
        {__LINE__, u"2147483648", 0, -2147483647 - 1},
        {__LINE__, u"4294967297", 0, 1},
        // Longer than any buffer: 70 zeros, then 7.
        {__LINE__, std::u16string(70, u'0') + u"7)", 0, 7},
        // Only '0'-'9' are digits (U+0661 ARABIC-INDIC DIGIT ONE is not).
        {__LINE__, u"\u06613", 0, 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(ReadCommandNumber(r.text, r.start), r.value);
    }
}

TEST(ReadFontNameTest, NameEndsAtCommaParenthesisOrEnd) {
    struct Row {
        int line;
        std::u16string text;
        std::size_t start;
        std::u16string name;
        bool numberFollows;
    } rows[] = {
        {__LINE__, u"Times,4096)", 0, u"Times", true},
        {__LINE__, u"^font(Times,4096)", 6, u"Times", true},
        {__LINE__, u",0)", 0, u"", true},
        {__LINE__, u"", 0, u"", true},
        {__LINE__, u"Arial(x,3)", 0, u"Arial", false},
        // Without a comma the name ends at the command's own ')'.
        {__LINE__, u"Arial)more,3", 0, u"Arial", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        std::u16string name = u"junk";
        const bool numberFollows = ReadFontName(r.text, r.start, name);
        EXPECT_EQ(std::make_pair(name, numberFollows), std::make_pair(r.name, r.numberFollows));
    }
}

// Reading never sets the font number, mask, flags or run bounds, so the
// printed style shows any of them that a fault would set.
TEST(StyleAtTest, NearestCommandOfEachKindBeforeTheIndexWins) {
    constexpr std::size_t kEnd = std::u16string::npos;         // the text's length
    const std::u16string sizes = u"^size(12)abc^size(14)def";  // 'b' at 10, 'e' at 22
    struct Row {
        int line;
        std::u16string text;
        std::size_t index;
        const char* style;
    } rows[] = {
        {__LINE__, sizes, 10, "{size=12}"},
        {__LINE__, sizes, 12, "{size=12}"},  // the command at 12 begins at the index
        {__LINE__, sizes, 13, "{size=14}"},
        {__LINE__, sizes, 0, "{}"},
        {__LINE__, u"^nfx(3)x", kEnd, "{fx=3/0}"},
        {__LINE__, u"^baseline(-5)x", kEnd, "{base=-5}"},
        // Low 16 bits, sign-extended: 70000 - 65536 = 4464.
        {__LINE__, u"^baseline(70000)x", kEnd, "{base=4464}"},
        {__LINE__, u"^baseline(40000)x", kEnd, "{base=-25536}"},
        {__LINE__, u"^tracking(25)x", kEnd, "{track=25}"},
        {__LINE__, u"^superscript(-3)x", kEnd, "{sup=-3}"},
        {__LINE__, u"^font(Times,4096)x", kEnd, "{font=Times arg=4096}"},
        // The long font forms: character 8 't' or 's', name from character 10.
        {__LINE__, u"^fontext(Times,4096)x", kEnd, "{font=Times arg=4096}"},
        {__LINE__, u"^fontsys(Times,4096)x", kEnd, "{font=Times arg=4096}"},
        // No comma: the argument is 0xFFFF.
        {__LINE__, u"^font(Arial(3)x", kEnd, "{font=Arial arg=-1}"},
        // A non-ASCII name is kept as UTF-8.
        {__LINE__, u"^font(M\u00FCller,2)x", kEnd, "{font=M\xC3\xBCller arg=2}"},
        // Effects take the low 16 bits.
        {__LINE__, u"^nfx(65537)x", kEnd, "{fx=1/0}"},
        // A command without a number takes the next number in the text.
        {__LINE__, u"^size()x 7", kEnd, "{size=7}"},
        // Unknown or incomplete caret sequences are ignored.
        {__LINE__, u"^foo(3)x", kEnd, "{}"},
        // Kinds combine; the nearest command of a kind wins.
        {__LINE__, u"^size(12)^nfx(3)^font(A,1)^size(14)^nfx(1)x", kEnd,
         "{font=A size=14 fx=1/0 arg=1}"},
        // A short command name does not move the argument: it is read from
        // the fixed offset of the full name, and the scan goes on from there.
        {__LINE__, u"^si(12)x", kEnd, "{size=0}"},
        {__LINE__, u"^nf(3)x 9", kEnd, "{fx=9/0}"},
        {__LINE__, u"^su(1)abcdef-7x", kEnd, "{sup=7}"},  // from offset 13, not the '-'
        // The long font form needs the caret below length - 9.
        {__LINE__, u"^fontext(", kEnd, "{}"},
        {__LINE__, u"^fontext(A", kEnd, "{font=A}"},
        {__LINE__, u"^fontxyz(Times,1)x", kEnd, "{}"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(Show(StyleAt(r.text, r.index == kEnd ? r.text.size() : r.index)), r.style);
    }
}

TEST(WriteStyleCommandsTest, WritesEachSetFieldInFixedOrder) {
    struct Row {
        int line;
        StringStyle style;
        std::u16string commands;
    } rows[] = {
        {__LINE__, Sty(), u"^nfx(0)"},
        {__LINE__, Sty().Size(12).Fx(3), u"^size(12)^nfx(3)"},
        {__LINE__, Sty().Fx(kUnset16), u""},
        {__LINE__, Sty().Sup(3).Track(10).Base(-5).Fx(1).Size(12).Font("Arial", 4096),
         u"^font(Arial,4096)^size(12)^nfx(1)^baseline(-5)^tracking(10)^superscript(3)"},
        // A font number alone still writes a font command, with an empty name.
        {__LINE__, Sty().Id(0), u"^font(,0)^nfx(0)"},
        {__LINE__, Sty().Font("X", -1).Fx(kUnset16), u"^font(X,-1)"},
        // Size and the font argument are signed 16-bit; effects unsigned.
        {__LINE__, Sty().Size(0xFFFE).Fx(0x8001), u"^size(-2)^nfx(32769)"},
        // Run bounds, mask and flags are never written.
        {__LINE__, Sty().Fx(0, 0xFF).Flags(1).Run(3, 4), u"^nfx(0)"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        UniversalString s = Styled(u"old text", r.style);
        WriteStyleCommands(s);
        EXPECT_EQ(Show(s), Show(Styled(r.commands, r.style)));  // the style is kept
    }
}

TEST(WriteStyleCommandsTest, ReadingBackGivesTheSameStyle) {
    const StringStyle style =
        Sty().Font("Caf\xC3\xA9 Sans", -300).Size(18).Fx(0x45).Base(-32768).Track(32767).Sup(0);
    UniversalString s = Styled(u"", style);
    WriteStyleCommands(s);
    EXPECT_EQ(Show(StyleAt(s.text() + u"x", s.length())), Show(style));
}

TEST(StripStyleCommandsTest, RemovesStyleCommandsAndUnescapesCarets) {
    CheckConversion(
        {
            {__LINE__, u"a^size(12)b^^c^flat()", u"ab^c^flat()"},
            {__LINE__, u"^font(A,1)^size(2)^nfx(3)^baseline(4)^tracking(5)^superscript(6)x", u"x"},
            {__LINE__, u"^efx(bold)x", u"x"},
            {__LINE__, u"^page(0) of ^totpages()", u"^page(0) of ^totpages()"},
            {__LINE__, u"^xy(1)^", u"^xy(1)^"},
            // A missing ')' takes the rest of the text.
            {__LINE__, u"a^size(12", u"a"},
            {__LINE__, u"a^nfx", u"a"},
            // Too short to be a command.
            {__LINE__, u"a^nf", u"a^nf"},
            {__LINE__, u"^^^size(3)x", u"^x"},
            {__LINE__, u"^^^^", u"^^"},
        },
        StripStyleCommands);
}

}  // namespace
}  // namespace tavrel
