// Tests of the caret-sequence conversions: inserts to placeholders and
// back, typed shorthands, typed character codes, legacy effect groups, and
// recognising information inserts.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/text/StyleBuilder.h"
#include "text/Inserts.h"
#include "text/UniversalString.h"

namespace tavrel {
namespace {

// Encoding each text gives its coded form, and decoding that gives it back.
TEST(EncodeInsertsTest, EveryInsertHasItsPlaceholderAndBack) {
    const std::vector<ConversionRow> rows = {
        // Longer inserts come before the shorter ones inside them.
        {__LINE__, u"a^dbsharp()^sharp()^flat()^natural()^dbflat()b",
         u"a\u0017\u0014\u0015\u0016\u0018b"},
        {__LINE__, u"^copyright()^composer()^cprsym()^subtitle()^title()^description()^^",
         u"\u001C\u001B\u001D\u0001\u0019\u001A\u001E"},
        // The escaped caret is never split, so the insert text stays text.
        {__LINE__, u"^^flat()", u"\u001Eflat()"},
        {__LINE__, u"^^^flat()", u"\u001E\u0015"},
        {__LINE__, u"^^^^", u"\u001E\u001E"},
        {__LINE__, u"^^^", u"\u001E^"},
        // Case matters, and other caret sequences are left alone.
        {__LINE__, u"^Flat()^flat(1)^page(0)", u"^Flat()^flat(1)^page(0)"},
        {__LINE__, u"", u""},
        // Placeholders already in the text become commands.
        {__LINE__, u"x^sharp()y^subtitle()", u"x\u0014y\u0001"},
    };
    CheckConversion(rows, EncodeInserts);
    std::vector<ConversionRow> back = rows;
    for (ConversionRow& r : back) {
        std::swap(r.text, r.converted);
    }
    CheckConversion(back, DecodeInserts);
}

TEST(ConvertTypedEscapesTest, ShorthandsBecomeTheirCharacters) {
    CheckConversion(
        {
            {__LINE__, u"a^lb^pc^t^d", u"a\n\rb\n\rc\t\u001A"},
            {__LINE__, u"^S^s^#^b^n^B", u"\u0017\u0014\u0014\u0015\u0016\u0018"},
            {__LINE__, u"^c^C^\u00A9^T^^", u"\u001C\u001B\u001D\u0019\u001E"},
            // The escaped caret is never split: "^^t" is an escaped caret and 't'.
            {__LINE__, u"^^t", u"\u001Et"},
            {__LINE__, u"^^^t", u"\u001E\t"},
            // A lone caret, alone or not, and unknown shorthands stay.
            {__LINE__, u"a^", u"a^"},
            {__LINE__, u"^x^D^P", u"^x^D^P"},
        },
        ConvertTypedEscapes);
}

TEST(ConvertCharacterCodesTest, CodesInAngleBracketsBecomeCharacters) {
    CheckConversion(
        {
            {__LINE__, u"a<65>b", u"aAb"},
            {__LINE__, u"<65>>", u"A>"},
            {__LINE__, u"<<65>", u"<<65>"},
            {__LINE__, u"<6<5>", u"<6<5>"},
            {__LINE__, u"<0>", u"<0>"},
            {__LINE__, u"<>", u"<>"},
            {__LINE__, u"<x5>", u"<x5>"},
            {__LINE__, u"<65", u"<65"},
            {__LINE__, u"<0000000065>", u"A"},
            // The low 16 bits.
            {__LINE__, u"<65601>", u"A"},
            {__LINE__, u"<2147483647>", u"\uFFFF"},
            // Left as typed: low 16 bits 0, above 0x7FFFFFFF, more than 10 digits.
            {__LINE__, u"<65536>", u"<65536>"},
            {__LINE__, u"<2147483649>", u"<2147483649>"},
            {__LINE__, u"<00000000065>", u"<00000000065>"},
            {__LINE__, u"<12345678901234567890>x<66>", u"<12345678901234567890>xB"},
            // The new character is not read again as part of a code.
            {__LINE__, u"<60>65>", u"<65>"},
        },
        ConvertCharacterCodes);
}

TEST(NormalizeLegacyEffectsTest, GroupsBecomeOneEffectsCommand) {
    const std::u16string tail = u"1234567";  // enough for the walk to reach the end of a group
    CheckConversion(
        {
            {__LINE__, u"^efx(plain)^efx(bold)^efx(italic)" + tail, u"^nfx(3)" + tail},
            {__LINE__, u"^efx(plain)" + tail, u"^nfx(0)" + tail},
            {__LINE__, u"^efx(plain)^efx(bold)" + tail, u"^nfx(1)" + tail},
            {__LINE__, u"^efx(plain)^efx(italic)^efx(underline)^efx(shadow)^efx(absolute)" + tail,
             u"^nfx(86)" + tail},
            {__LINE__, u"^efx(plain)^efx(outline)^efx(strikeout)^efx(hidden)" + tail,
             u"^nfx(168)" + tail},
            {__LINE__, u"x^efx(plain)^efx(bold)y^efx(plain)^efx(italic)" + tail,
             u"x^nfx(1)y^nfx(2)" + tail},
            // An unknown name ends the group and is left as it is.
            {__LINE__, u"^efx(plain)^efx(bold)^efx(zzzz)" + tail, u"^nfx(1)^efx(zzzz)" + tail},
            // A second plain restarts the group; the commands before it stay.
            {__LINE__, u"^efx(plain)^efx(bold)^efx(plain)^efx(italic)" + tail,
             u"^efx(plain)^efx(bold)^nfx(2)" + tail},
            // Without a plain command nothing is a group.
            {__LINE__, u"^efx(bold)" + tail, u"^efx(bold)" + tail},
            // An effects command already present ends the walk.
            {__LINE__, u"^nfx(1)^efx(plain)^efx(bold)" + tail,
             u"^nfx(1)^efx(plain)^efx(bold)" + tail},
            // A group at the very end of a text stays as it is.
            {__LINE__, u"^efx(plain)^efx(bold)^efx(italic)123456",
             u"^efx(plain)^efx(bold)^efx(italic)123456"},
            {__LINE__, u"ab^efx(plain)^efx(bold)", u"ab^efx(plain)^efx(bold)"},
            // Texts too short for the walk.
            {__LINE__, u"^efx(p", u"^efx(p"},
            // The bold command is skipped by its fixed length of 10, which ends
            // at the second X of the longer name; that X ends the group.
            {__LINE__, u"^efx(plain)^efx(boldXX)1234567", u"^nfx(1)X)1234567"},
        },
        NormalizeLegacyEffects);
}

TEST(NormalizeLegacyEffectsTest, AnIndexMovesWithTheText) {
    const std::u16string tail = u"1234567";
    const std::u16string bold = u"^efx(plain)^efx(bold)";  // 21 units, becomes 7
    struct Row {
        int line;
        std::u16string text;
        std::int32_t index;
        std::u16string converted;
        std::int32_t moved;
    } rows[] = {
        // Before, at the start of, inside and after a converted group.
        {__LINE__, u"x" + bold + u"y" + tail, 1, u"x^nfx(1)y" + tail, 1},
        {__LINE__, u"x" + bold + u"y" + tail, 5, u"x^nfx(1)y" + tail, 1},
        {__LINE__, u"x" + bold + u"y" + tail, 22, u"x^nfx(1)y" + tail, 8},
        {__LINE__, u"x" + bold + u"y" + tail, 30, u"x^nfx(1)y" + tail, 16},
        // Two groups: each one before the index counts.
        {__LINE__, u"x" + bold + u"y^efx(plain)^efx(italic)" + tail, 22, u"x^nfx(1)y^nfx(2)" + tail,
         8},
        {__LINE__, u"x" + bold + u"y^efx(plain)^efx(italic)" + tail, 46, u"x^nfx(1)y^nfx(2)" + tail,
         16},
        // Nothing converted: the index stays.
        {__LINE__, u"^nfx(0)" + bold + tail, 30, u"^nfx(0)" + bold + tail, 30},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        UniversalString s(r.text);
        std::int32_t index = r.index;
        NormalizeLegacyEffects(s, index);
        EXPECT_EQ(std::make_pair(s.text(), index), std::make_pair(r.converted, r.moved));
    }
}

TEST(IsInformationInsertStartTest, CaretAndALetterGroup) {
    struct Row {
        int line;
        std::u16string text;
        std::size_t i;
        bool insert;
    } rows[] = {
        {__LINE__, u"^page(0)", 0, true},    {__LINE__, u"^fdate(1)", 0, true},
        {__LINE__, u"^contents()", 0, true}, {__LINE__, u"x ^page(0)", 2, true},
        {__LINE__, u"^cop()", 0, false},     {__LINE__, u"^size(9)", 0, false},
        {__LINE__, u"^Page(0)", 0, false},   {__LINE__, u"page(0)", 0, false},
        {__LINE__, u"x ^page(0)", 0, false}, {__LINE__, u"^p", 0, false},
        {__LINE__, u"^co", 0, false},        {__LINE__, u"^pa", 5, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(IsInformationInsertStart(r.text, r.i), r.insert);
    }
}

}  // namespace
}  // namespace tavrel
