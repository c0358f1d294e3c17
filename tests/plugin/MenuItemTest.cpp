// The host's menu item record, byte by byte, and the fitting of a menu text
// into one of its 64-byte fields.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "plugin/MenuItem.h"

namespace {

using tavrel::ExtensionMenuItem;
using tavrel::MenuFieldText;

constexpr unsigned char kFill = 0xAB;
// Larger than the record, to see that nothing past its end is written.
using Buffer = std::array<unsigned char, ExtensionMenuItem::kSize + 16>;

Buffer Filled() {
    Buffer bytes;
    bytes.fill(kFill);
    return bytes;
}

// The 64 bytes a field must hold for text: the text, then zeros.
std::string Field(const std::string& text) {
    return text + std::string(64 - text.size(), '\0');
}

std::string BytesAt(const Buffer& bytes, std::size_t offset, std::size_t count) {
    return std::string(reinterpret_cast<const char*>(bytes.data()) + offset, count);
}

TEST(ExtensionMenuItemTest, DescribeWritesEveryFieldAtItsOffset) {
    Buffer bytes = Filled();
    ExtensionMenuItem(bytes.data()).Describe("Lexora ...", "Lexora");
    EXPECT_EQ(Field("Lexora ..."), BytesAt(bytes, 0x00, 64));
    EXPECT_EQ(Field("Lexora ..."), BytesAt(bytes, 0x40, 64));
    EXPECT_EQ(Field("Lexora"), BytesAt(bytes, 0x80, 64));
    EXPECT_EQ(std::string(4, '\0'), BytesAt(bytes, 0xC0, 4));  // word1, word2
    EXPECT_EQ(std::string(6, '\xAB'), BytesAt(bytes, 0xC4, 6));
    EXPECT_EQ(std::string(4, '\0'), BytesAt(bytes, 0xCA, 4));  // long1, unaligned
    EXPECT_EQ(std::string(16, '\xAB'), BytesAt(bytes, 0xCE, 16));
}

TEST(ExtensionMenuItemTest, TextsAreCutToSixtyThreeBytesAndAlwaysEndWithZero) {
    struct Row {
        int line;
        std::string text;
        std::string expectedField;
    };
    const std::string a62(62, 'a'), a63(63, 'a');
    const Row rows[] = {
        {__LINE__, "", std::string(64, '\0')},
        {__LINE__, a62, a62 + std::string(2, '\0')},
        {__LINE__, a63, a63 + '\0'},
        {__LINE__, a63 + "b", a63 + '\0'},
        {__LINE__, std::string(200, 'x'), std::string(63, 'x') + '\0'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row at line " << row.line);
        Buffer bytes = Filled();
        ExtensionMenuItem(bytes.data()).Describe(row.text, row.text);
        EXPECT_EQ(row.expectedField, BytesAt(bytes, 0x00, 64));
        EXPECT_EQ(row.expectedField, BytesAt(bytes, 0x40, 64));
        EXPECT_EQ(row.expectedField, BytesAt(bytes, 0x80, 64));
        EXPECT_EQ(std::string(6, '\xAB'), BytesAt(bytes, 0xC4, 6));
    }
}

// Outside Windows the ANSI code page is Windows-1252.
#if !defined(_WIN32)
TEST(MenuFieldTextTest, ConvertsToAnsiAndCutsWholeCharacters) {
    struct Row {
        int line;
        std::u16string text;
        std::string expected;
    };
    const Row rows[] = {
        {__LINE__, u"Lexora ...", "Lexora ..."},
        {__LINE__, u"", ""},
        {__LINE__, u"Caf\u00E9 \u20AC", "Caf\xE9 \x80"},
        {__LINE__, std::u16string(63, u'\u00E9'), std::string(63, '\xE9')},
        {__LINE__, std::u16string(64, u'\u00E9'), std::string(63, '\xE9')},
        {__LINE__, std::u16string(300, u'z'), std::string(63, 'z')},
        // Characters the code page lacks still take one byte each.
        {__LINE__, std::u16string(70, u'\u4E2D'), std::string(63, '?')},
        // Each unit the code page lacks becomes one '?', so a character
        // outside the basic plane takes two bytes: after 62 bytes it no
        // longer fits, and its first half must not stay behind alone.
        {__LINE__, std::u16string(62, u'a') + u"\U0001D11E" + u"b", std::string(62, 'a')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row at line " << row.line);
        const std::string actual = MenuFieldText(row.text);
        EXPECT_EQ(row.expected, actual);
        EXPECT_LE(actual.size(), ExtensionMenuItem::kMaxTextBytes);
    }
}
#endif

}  // namespace
