// Case folding and character classes of single UTF-16 units: spot checks
// read off the Unicode character charts by hand (the whole table is
// regenerated and compared in the test run) and the rules the whole range
// must keep.
#include "text/CharClass.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tavrel {
namespace {

// Beyond ASCII; IsUpper follows from the mapping (see the last test), and
// none of these is a digit, as digits are '0'-'9' only.
TEST(CharClassTest, SpotChecks) {
    struct Row {
        int line;
        char16_t in, lower;
        bool space, punct;
    } rows[] = {
        {__LINE__, 0x00C8, 0x00E8, false, false},  // E grave: "TRÈS"
        {__LINE__, 0x00D7, 0x00D7, false, true},   // multiplication sign among the capitals
        {__LINE__, 0x0178, 0x00FF, false, false},  // Y diaeresis folds back into Latin-1
        {__LINE__, 0x0130, u'i', false, false},    // dotted capital I: simple mapping only
        {__LINE__, 0x0391, 0x03B1, false, false},  // Greek Alpha
        {__LINE__, 0x212A, u'k', false, false},    // Kelvin sign
        {__LINE__, 0xFFFF, 0xFFFF, false, false},
        {__LINE__, 0x00A0, 0x00A0, true, false},   // no-break space
        {__LINE__, 0x200B, 0x200B, false, false},  // zero-width space is not White_Space
        {__LINE__, 0x3000, 0x3000, true, false},
        {__LINE__, 0x00A7, 0x00A7, false, true},   // section sign
        {__LINE__, 0x00AD, 0x00AD, false, false},  // soft hyphen is a format character
        {__LINE__, 0x266D, 0x266D, false, true},   // flat sign
        {__LINE__, 0x0660, 0x0660, false, false},  // Arabic-Indic zero
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(std::make_tuple(ToLower(r.in), IsSpace(r.in), IsPunct(r.in), IsDigit(r.in)),
                  std::make_tuple(r.lower, r.space, r.punct, false));
    }
}

// In ASCII the tables agree with the classic "C" locale classes, except
// that 0x1C-0x1F (C library spaces) are not White_Space. So symbols such as
// '^', '$' and '_' count as punctuation, and the inline-command placeholders
// (0x01, 0x14-0x1E) are neither space nor punctuation: they never end or
// start a word.
TEST(CharClassTest, AsciiAgreesWithClassicClasses) {
    for (char16_t ch = 0; ch < 0x80; ++ch) {
        SCOPED_TRACE(static_cast<int>(ch));
        const bool capital = ch >= u'A' && ch <= u'Z';
        const bool digit = ch >= u'0' && ch <= u'9';
        const bool letterOrDigit = capital || (ch >= u'a' && ch <= u'z') || digit;
        EXPECT_EQ(ToLower(ch), capital ? ch + 0x20 : ch);
        EXPECT_EQ(IsUpper(ch), capital);
        EXPECT_EQ(IsSpace(ch), ch == u' ' || (ch >= 0x09 && ch <= 0x0D));
        EXPECT_EQ(IsPunct(ch), ch > 0x20 && ch < 0x7F && !letterOrDigit);
        EXPECT_EQ(IsDigit(ch), digit);
    }
}

}  // namespace
}  // namespace tavrel
