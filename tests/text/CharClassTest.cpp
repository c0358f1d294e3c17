// Case folding and character classes of single UTF-16 units, checked against
// values read off the Unicode character charts by hand.
#include "text/CharClass.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(CharClassTest, LowerCaseMapping) {
    struct Row {
        int line;
        char16_t in;
        char16_t lower;
        bool upper;
    };
    const Row rows[] = {
        {__LINE__, u'A', u'a', true},      {__LINE__, u'Z', u'z', true},
        {__LINE__, u'a', u'a', false},     {__LINE__, u'@', u'@', false},
        {__LINE__, u'[', u'[', false},     {__LINE__, u'5', u'5', false},
        {__LINE__, 0x00C0, 0x00E0, true},   // A grave
        {__LINE__, 0x00C8, 0x00E8, true},   // E grave: "TRÈS"
        {__LINE__, 0x00D7, 0x00D7, false},  // multiplication sign sits among the capitals
        {__LINE__, 0x00DE, 0x00FE, true},   // thorn
        {__LINE__, 0x00DF, 0x00DF, false},  // sharp s has no single-unit capital pair
        {__LINE__, 0x0178, 0x00FF, true},   // Y diaeresis folds back into Latin-1
        {__LINE__, 0x0130, u'i', true},     // dotted capital I: simple mapping only
        {__LINE__, 0x01C5, 0x01C6, true},   // title-case Dz has a lower-case mapping
        {__LINE__, 0x0391, 0x03B1, true},   // Greek Alpha
        {__LINE__, 0x03C2, 0x03C2, false},  // final sigma
        {__LINE__, 0x0410, 0x0430, true},   // Cyrillic A
        {__LINE__, 0x1E9E, 0x00DF, true},   // capital sharp s
        {__LINE__, 0x2126, 0x03C9, true},   // Ohm sign
        {__LINE__, 0x212A, u'k', true},     // Kelvin sign
        {__LINE__, 0x2160, 0x2170, true},   // Roman numeral one
        {__LINE__, 0x24B6, 0x24D0, true},   // circled A
        {__LINE__, 0xFF21, 0xFF41, true},   // full-width A
        {__LINE__, 0x0000, 0x0000, false}, {__LINE__, 0xD800, 0xD800, false},
        {__LINE__, 0xFFFF, 0xFFFF, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(ToLower(r.in), r.lower);
        EXPECT_EQ(IsUpper(r.in), r.upper);
    }
}

TEST(CharClassTest, Classes) {
    struct Row {
        int line;
        char16_t in;
        bool space;
        bool punct;
        bool digit;
    };
    const Row rows[] = {
        {__LINE__, u' ', true, false, false},
        {__LINE__, u'\t', true, false, false},
        {__LINE__, u'\n', true, false, false},
        {__LINE__, 0x000B, true, false, false},
        {__LINE__, 0x000C, true, false, false},
        {__LINE__, u'\r', true, false, false},
        {__LINE__, 0x0085, true, false, false},  // next line
        {__LINE__, 0x00A0, true, false, false},  // no-break space
        {__LINE__, 0x1680, true, false, false},
        {__LINE__, 0x2000, true, false, false},
        {__LINE__, 0x200A, true, false, false},
        {__LINE__, 0x200B, false, false, false},  // zero-width space is not White_Space
        {__LINE__, 0x2028, true, false, false},
        {__LINE__, 0x2029, true, false, false},
        {__LINE__, 0x202F, true, false, false},
        {__LINE__, 0x205F, true, false, false},
        {__LINE__, 0x3000, true, false, false},
        {__LINE__, 0x180E, false, false, false},
        {__LINE__, 0xFEFF, false, false, false},
        {__LINE__, 0x001C, false, false, false},  // C library "spaces" that Unicode does not have
        {__LINE__, 0x001F, false, false, false},
        {__LINE__, u'!', false, true, false},
        {__LINE__, u'.', false, true, false},
        {__LINE__, u'^', false, true, false},  // symbols count as punctuation
        {__LINE__, u'$', false, true, false},
        {__LINE__, u'+', false, true, false},
        {__LINE__, u'`', false, true, false},
        {__LINE__, u'~', false, true, false},
        {__LINE__, u'_', false, true, false},
        {__LINE__, 0x00A7, false, true, false},   // section sign
        {__LINE__, 0x00AB, false, true, false},   // guillemet
        {__LINE__, 0x00B4, false, true, false},   // acute accent (modifier symbol)
        {__LINE__, 0x00D7, false, true, false},   // multiplication sign
        {__LINE__, 0x00AD, false, false, false},  // soft hyphen is a format character
        {__LINE__, 0x00B2, false, false, false},  // superscript two is not a digit
        {__LINE__, 0x2013, false, true, false},   // en dash
        {__LINE__, 0x2026, false, true, false},   // ellipsis
        {__LINE__, 0x20AC, false, true, false},   // euro
        {__LINE__, 0x266D, false, true, false},   // flat sign
        {__LINE__, 0x266F, false, true, false},   // sharp sign
        {__LINE__, 0x3001, false, true, false},   // ideographic comma
        {__LINE__, 0xFF01, false, true, false},   // full-width '!'
        {__LINE__, u'a', false, false, false},
        {__LINE__, 0x00E8, false, false, false},
        {__LINE__, u'0', false, false, true},
        {__LINE__, u'9', false, false, true},
        {__LINE__, u'/', false, true, false},
        {__LINE__, u':', false, true, false},
        {__LINE__, 0x0660, false, false, false},  // Arabic-Indic zero: digits are ASCII only
        {__LINE__, 0xFF10, false, false, false},  // full-width zero
        {__LINE__, 0xE000, false, false, false},  // private use
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(IsSpace(r.in), r.space);
        EXPECT_EQ(IsPunct(r.in), r.punct);
        EXPECT_EQ(IsDigit(r.in), r.digit);
    }
}

// The inline-command placeholders must never end or start a word.
TEST(CharClassTest, PlaceholdersHaveNoClass) {
    std::u16string placeholders = u"\u0001";
    for (char16_t ch = 0x14; ch <= 0x1E; ++ch) {
        placeholders += ch;
    }
    for (char16_t ch : placeholders) {
        SCOPED_TRACE(static_cast<int>(ch));
        EXPECT_FALSE(IsSpace(ch));
        EXPECT_FALSE(IsPunct(ch));
        EXPECT_FALSE(IsUpper(ch));
        EXPECT_EQ(ToLower(ch), ch);
    }
}

TEST(CharClassTest, SurrogatesHaveNoClass) {
    for (unsigned u = 0xD800; u <= 0xDFFF; ++u) {
        const auto ch = static_cast<char16_t>(u);
        ASSERT_EQ(ToLower(ch), ch) << u;
        ASSERT_FALSE(IsUpper(ch) || IsSpace(ch) || IsPunct(ch) || IsDigit(ch)) << u;
    }
}

// In ASCII the tables agree with the classic "C" locale classes, except
// that 0x1C-0x1F (C library spaces) are not White_Space.
TEST(CharClassTest, AsciiAgreesWithClassicClasses) {
    for (char16_t ch = 0; ch < 0x80; ++ch) {
        SCOPED_TRACE(static_cast<int>(ch));
        const bool capital = ch >= u'A' && ch <= u'Z';
        const bool letterOrDigit =
            capital || (ch >= u'a' && ch <= u'z') || (ch >= u'0' && ch <= u'9');
        EXPECT_EQ(ToLower(ch), capital ? ch + 0x20 : ch);
        EXPECT_EQ(IsUpper(ch), capital);
        EXPECT_EQ(IsSpace(ch), ch == u' ' || (ch >= 0x09 && ch <= 0x0D));
        EXPECT_EQ(IsPunct(ch), ch > 0x20 && ch < 0x7F && !letterOrDigit);
    }
}

// Upper means "has a mapping": every upper unit changes, no other unit does.
TEST(CharClassTest, UpperExactlyWhenLowerDiffers) {
    unsigned uppers = 0;
    for (unsigned u = 0; u <= 0xFFFF; ++u) {
        const auto ch = static_cast<char16_t>(u);
        ASSERT_EQ(IsUpper(ch), ToLower(ch) != ch) << u;
        uppers += IsUpper(ch) ? 1 : 0;
    }
    // Far more than ASCII and Latin-1: Greek, Cyrillic, Armenian, Georgian,
    // Latin Extended and others all fold.
    EXPECT_GT(uppers, 1000u);
}

}  // namespace
}  // namespace tavrel
