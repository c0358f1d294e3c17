// Edit numbers, value texts, the Shift-JIS guess and tooltip copies.
#include "ui/TextRules.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrel {
namespace {

TEST(TextRulesTest, EditFieldsReadAndWriteNumbers) {
    struct Row {
        int line;
        const char* text;
        double value;
    } rows[] = {
        {__LINE__, "-3", 3},  // the sign is skipped
        {__LINE__, "size .5", 0.5},
        {__LINE__, "abc", 0},
        {__LINE__, "7e", 7},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_DOUBLE_EQ(ReadEditNumber(DynString(r.text)), r.value);
    }
    // Bounded: a field of many thousand digits reads without overrunning.
    EXPECT_GT(ReadEditNumber(DynString(std::string(100000, '9'))), 1e30);
    EXPECT_EQ(ValueText(12.0), "12");
    EXPECT_EQ(ValueText(0.75), "0.75");
    EXPECT_EQ(ValueText(1e20), "1e+20");
}

TEST(TextRulesTest, ShiftJisGuess) {
    struct Row {
        int line;
        std::string bytes;
        bool expected;
    } rows[] = {
        {__LINE__, "\x82\xA0\x82\xA2", true},  // two hiragana
        {__LINE__, "abcde\x82\xA0", false},    // 1 in 7: 0.143
        {__LINE__, "abcd\x82\xA0", true},      // 1 in 6: 0.167
        {__LINE__, "\x82\x4E", false},         // below 0x4F
        {__LINE__, "\x83\x97", false},         // 0x97 is past the range
        {__LINE__, "\x88\x9E", false},        {__LINE__, "\xFC\x4B", true},
        {__LINE__, "\xFC\x4C", false},        {__LINE__, "\xEF\x40", false},
        {__LINE__, "\xFA\x40", true},         {__LINE__, "", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(LooksLikeShiftJis(r.bytes.data(), r.bytes.size()), r.expected);
    }
}

TEST(TextRulesTest, TooltipsAreCutToTheirBuffer) {
    struct Row {
        int line;
        std::size_t length, capacity, copied;
    } rows[] = {
        {__LINE__, 79, 80, 79},
        {__LINE__, 500, 80, 79},
        {__LINE__, 5, 1, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        char16_t buffer[81];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        EXPECT_EQ(CopyTooltipText(DynString(std::string(r.length, 'x')), buffer, r.capacity),
                  r.copied);
        EXPECT_EQ(buffer[r.copied], u'\0');
        EXPECT_EQ(buffer[r.capacity], u'#');  // nothing written past the buffer
    }
}

}  // namespace
}  // namespace tavrel
