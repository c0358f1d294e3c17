// Tests of reading and writing the host's inline style commands: numbers,
// font names, the style in effect at a point, writing a style back and
// stripping commands to the plain text.
#include <gtest/gtest.h>

#include <string>

#include "tests/text/Printers.h"
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
        {__LINE__, u"12)", 0, 12},
        {__LINE__, u"^size(12)", 6, 12},
        {__LINE__, u"(-5)", 0, -5},
        {__LINE__, u"-0)", 0, 0},
        {__LINE__, u"007)", 0, 7},
        // The scan does not stop at ')': the next number anywhere is taken.
        {__LINE__, u")abc 42", 0, 42},
        {__LINE__, u"ab12cd34", 4, 34},
        {__LINE__, u"ab12cd34", 3, 2},
        {__LINE__, u"no number", 0, 0},
        {__LINE__, u"", 0, 0},
        {__LINE__, u"12", 2, 0},
        {__LINE__, u"12", 50, 0},
        // A lone '-' gives 0, even when digits come later.
        {__LINE__, u"-", 0, 0},
        {__LINE__, u"-x5", 0, 0},
        {__LINE__, u"--5", 0, 0},
        {__LINE__, u"5-3", 0, 5},
        // Digits accumulate modulo 2^32.
        {__LINE__, u"70000", 0, 70000},
        {__LINE__, u"2147483647", 0, 2147483647},
        {__LINE__, u"2147483648", 0, -2147483647 - 1},
        {__LINE__, u"4294967297", 0, 1},
        {__LINE__, u"-4294967297", 0, -1},
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
        {__LINE__, u"Arial", 0, u"Arial", true},
        {__LINE__, u"", 0, u"", true},
        {__LINE__, u"Arial(x,3)", 0, u"Arial", false},
        // Without a comma the name ends at the command's own ')'.
        {__LINE__, u"Arial)more,3", 0, u"Arial", false},
        {__LINE__, u"Big Font,2)", 0, u"Big Font", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        std::u16string name = u"junk";
        EXPECT_EQ(ReadFontName(r.text, r.start, name), r.numberFollows);
        EXPECT_EQ(name, r.name);
    }
}

TEST(StyleAtTest, NearestCommandOfEachKindBeforeTheIndexWins) {
    const std::u16string t = u"^size(12)abc^size(14)def";
    // 'b' is at 10, 'e' at 22.
    EXPECT_EQ(StyleAt(t, 10).size, 12);
    EXPECT_EQ(StyleAt(t, 22).size, 14);
    EXPECT_EQ(StyleAt(t, 12).size, 12);  // the command at 12 begins at the index
    EXPECT_EQ(StyleAt(t, 13).size, 14);
    EXPECT_EQ(StyleAt(t, 999).size, 14);

    const StringStyle reset;
    const StringStyle atStart = StyleAt(t, 0);
    EXPECT_EQ(atStart.size, reset.size);
    EXPECT_EQ(atStart.effects, reset.effects);
    EXPECT_EQ(atStart.fontName, reset.fontName);
}

TEST(StyleAtTest, ReadsEveryKindOfCommand) {
    struct Row {
        int line;
        std::u16string text;
        StringStyle (*expected)();
    } rows[] = {
        {__LINE__, u"^nfx(3)x",
         [] {
             StringStyle s;
             s.effects = 3;
             return s;
         }},
        {__LINE__, u"^size(9)x",
         [] {
             StringStyle s;
             s.size = 9;
             return s;
         }},
        {__LINE__, u"^baseline(-5)x",
         [] {
             StringStyle s;
             s.baseline = -5;
             return s;
         }},
        // Low 16 bits, sign-extended: 70000 - 65536 = 4464.
        {__LINE__, u"^baseline(70000)x",
         [] {
             StringStyle s;
             s.baseline = 4464;
             return s;
         }},
        {__LINE__, u"^baseline(40000)x",
         [] {
             StringStyle s;
             s.baseline = -25536;
             return s;
         }},
        {__LINE__, u"^tracking(25)x",
         [] {
             StringStyle s;
             s.tracking = 25;
             return s;
         }},
        {__LINE__, u"^superscript(-3)x",
         [] {
             StringStyle s;
             s.superscript = -3;
             return s;
         }},
        {__LINE__, u"^font(Times,4096)x",
         [] {
             StringStyle s;
             s.fontName = "Times";
             s.fontArg = 4096;
             return s;
         }},
        // The long font forms: character 8 't' or 's', name from character 10.
        {__LINE__, u"^fontext(Times,4096)x",
         [] {
             StringStyle s;
             s.fontName = "Times";
             s.fontArg = 4096;
             return s;
         }},
        {__LINE__, u"^fontsys(Times,4096)x",
         [] {
             StringStyle s;
             s.fontName = "Times";
             s.fontArg = 4096;
             return s;
         }},
        // No comma: the argument is 0xFFFF.
        {__LINE__, u"^font(Arial(3)x",
         [] {
             StringStyle s;
             s.fontName = "Arial";
             s.fontArg = -1;
             return s;
         }},
        {__LINE__, u"^font(Arial)x 5",
         [] {
             StringStyle s;
             s.fontName = "Arial";
             s.fontArg = -1;
             return s;
         }},
        // A non-ASCII name is kept as UTF-8.
        {__LINE__, u"^font(M\u00FCller,2)x",
         [] {
             StringStyle s;
             s.fontName = "M\xC3\xBCller";
             s.fontArg = 2;
             return s;
         }},
        // Effects take the low 16 bits.
        {__LINE__, u"^nfx(65537)x",
         [] {
             StringStyle s;
             s.effects = 1;
             return s;
         }},
        // A command without a number takes the next number in the text.
        {__LINE__, u"^size()x 7",
         [] {
             StringStyle s;
             s.size = 7;
             return s;
         }},
        // Unknown or incomplete caret sequences are ignored.
        {__LINE__, u"^foo(3)x", [] { return StringStyle(); }},
        {__LINE__, u"^sx(3)x", [] { return StringStyle(); }},
        {__LINE__, u"^page(3)x", [] { return StringStyle(); }},
        {__LINE__, u"^efx(bold)x", [] { return StringStyle(); }},
        {__LINE__, u"^", [] { return StringStyle(); }},
        // Kinds combine; the nearest command of a kind wins.
        {__LINE__, u"^size(12)^nfx(3)^font(A,1)^size(14)^nfx(1)x",
         [] {
             StringStyle s;
             s.size = 14;
             s.effects = 1;
             s.fontName = "A";
             s.fontArg = 1;
             return s;
         }},
        {__LINE__, u"^font(A,1)ab^font(B,2)x",
         [] {
             StringStyle s;
             s.fontName = "B";
             s.fontArg = 2;
             return s;
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        const StringStyle got = StyleAt(r.text, r.text.size());
        const StringStyle want = r.expected();
        EXPECT_EQ(got.fontName, want.fontName);
        EXPECT_EQ(got.fontArg, want.fontArg);
        EXPECT_EQ(got.size, want.size);
        EXPECT_EQ(got.effects, want.effects);
        EXPECT_EQ(got.baseline, want.baseline);
        EXPECT_EQ(got.tracking, want.tracking);
        EXPECT_EQ(got.superscript, want.superscript);
        // Never set by reading commands.
        EXPECT_EQ(got.fontId, kUnset16);
        EXPECT_EQ(got.effectsMask, 0);
        EXPECT_EQ(got.fontFlags, 0);
        EXPECT_EQ(got.runStart, -1);
        EXPECT_EQ(got.runEnd, -1);
    }
}

TEST(WriteStyleCommandsTest, WritesEachSetFieldInFixedOrder) {
    struct Row {
        int line;
        void (*setup)(StringStyle&);
        std::u16string commands;
    } rows[] = {
        {__LINE__, [](StringStyle&) {}, u"^nfx(0)"},
        {__LINE__,
         [](StringStyle& s) {
             s.size = 12;
             s.effects = 3;
         },
         u"^size(12)^nfx(3)"},
        {__LINE__, [](StringStyle& s) { s.effects = kUnset16; }, u""},
        {__LINE__,
         [](StringStyle& s) {
             s.superscript = 3;
             s.tracking = 10;
             s.baseline = -5;
             s.effects = 1;
             s.size = 12;
             s.fontName = "Arial";
             s.fontArg = 4096;
         },
         u"^font(Arial,4096)^size(12)^nfx(1)^baseline(-5)^tracking(10)^superscript(3)"},
        // A font number alone still writes a font command, with an empty name.
        {__LINE__, [](StringStyle& s) { s.fontId = 0; }, u"^font(,0)^nfx(0)"},
        {__LINE__,
         [](StringStyle& s) {
             s.fontName = "X";
             s.fontArg = -1;
             s.effects = kUnset16;
         },
         u"^font(X,-1)"},
        // Size and the font argument are signed 16-bit; effects unsigned.
        {__LINE__,
         [](StringStyle& s) {
             s.size = 0xFFFE;
             s.effects = 0x8001;
         },
         u"^size(-2)^nfx(32769)"},
        {__LINE__,
         [](StringStyle& s) {
             s.fontName = "M\xC3\xBCller";
             s.effects = kUnset16;
         },
         u"^font(M\u00FCller,0)"},
        // Run bounds, mask and flags are never written.
        {__LINE__,
         [](StringStyle& s) {
             s.effectsMask = 0xFF;
             s.fontFlags = 1;
             s.runStart = 3;
             s.runEnd = 4;
         },
         u"^nfx(0)"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        UniversalString s(u"old text");
        StringStyle style;
        r.setup(style);
        s.setStyle(style);
        WriteStyleCommands(s);
        EXPECT_EQ(s.text(), r.commands);
        EXPECT_EQ(s.style().effects, style.effects);  // the style is kept
        EXPECT_TRUE(s.styleSet());
    }
}

TEST(WriteStyleCommandsTest, ReadingBackGivesTheSameStyle) {
    StringStyle style;
    style.fontName = "Caf\xC3\xA9 Sans";
    style.fontArg = -300;
    style.size = 18;
    style.effects = 0x45;
    style.baseline = -32768;
    style.tracking = 32767;
    style.superscript = 0;
    UniversalString s;
    s.setStyle(style);
    WriteStyleCommands(s);
    const StringStyle back = StyleAt(s.text() + u"x", s.length());
    EXPECT_EQ(back.fontName, style.fontName);
    EXPECT_EQ(back.fontArg, style.fontArg);
    EXPECT_EQ(back.size, style.size);
    EXPECT_EQ(back.effects, style.effects);
    EXPECT_EQ(back.baseline, style.baseline);
    EXPECT_EQ(back.tracking, style.tracking);
    EXPECT_EQ(back.superscript, style.superscript);
}

TEST(StripStyleCommandsTest, RemovesStyleCommandsAndUnescapesCarets) {
    struct Row {
        int line;
        std::u16string text, plain;
    } rows[] = {
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
        {__LINE__, u"", u""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        UniversalString s(r.text);
        StringStyle style;
        style.size = 40;
        s.setStyle(style);
        StripStyleCommands(s);
        EXPECT_EQ(s.text(), r.plain);
        EXPECT_EQ(s.style().size, 40);
        EXPECT_EQ(StrippedText(r.text), r.plain);
    }
}

}  // namespace
}  // namespace tavrel
