// The host's menu item record, byte by byte, and the fitting of a menu text
// into one of its 64-byte fields.
#include <gtest/gtest.h>

#include <string>

#include "plugin/MenuItem.h"
#include "tests/plugin/ShellFixture.h"

namespace {

using lexora_test::Bytes;
using lexora_test::DescribedRecord;
using lexora_test::Field;
using tavrel::ExtensionMenuItem;
using tavrel::MenuFieldText;

TEST(ExtensionMenuItemTest, DescribeWritesEveryFieldAndCutsTextsToSixtyThreeBytes) {
    struct Row {
        int line;
        std::string menu, undo;
        std::string menuField, undoField;
    };
    const std::string a62(62, 'a'), a63(63, 'a');
    const Row rows[] = {
        {__LINE__, "", "", std::string(64, '\0'), std::string(64, '\0')},
        {__LINE__, a62, a63, a62 + std::string(2, '\0'), a63 + '\0'},
        {__LINE__, a63 + "b", std::string(200, 'x'), a63 + '\0', std::string(63, 'x') + '\0'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        lexora_test::RecordBuffer bytes = lexora_test::Filled();
        ExtensionMenuItem(bytes.data()).Describe(row.menu, row.undo);
        EXPECT_EQ(DescribedRecord(row.menuField, row.undoField), Bytes(bytes));
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
        {__LINE__, u"Caf\u00E9 \u20AC", "Caf\xE9 \x80"},
        {__LINE__, std::u16string(63, u'\u00E9'), std::string(63, '\xE9')},
        {__LINE__, std::u16string(64, u'\u00E9'), std::string(63, '\xE9')},
        // Characters the code page lacks still take one byte each.
        {__LINE__, std::u16string(70, u'\u4E2D'), std::string(63, '?')},
        // Each unit the code page lacks becomes one '?', so a character
        // outside the basic plane takes two bytes: after 62 bytes it no
        // longer fits, and its first half must not stay behind alone.
        {__LINE__, std::u16string(62, u'a') + u"\U0001D11E" + u"b", std::string(62, 'a')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(row.expected, MenuFieldText(row.text));
    }
}
#endif

}  // namespace
