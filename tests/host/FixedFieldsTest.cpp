// Bounded text fields: reads stop at the field's end or its first zero,
// writes cut to fit and always leave a terminator.
#include "host/FixedFields.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tavrel {
namespace {

struct Read8Row {
    int line;
    std::string bytes;  // the whole record
    std::size_t offset, fieldSize;
    std::string expected;
};

TEST(FixedFieldsTest, Read8StopsAtZeroOrFieldEnd) {
    const std::vector<Read8Row> rows = {
        {__LINE__, std::string("xxViolin\0yy", 11), 2, 9, "Violin"},
        {__LINE__, "xxViolinyy", 2, 3, "Vio"},  // no terminator in the field
        {__LINE__, std::string("xx\0Violin", 9), 2, 7, ""},
        {__LINE__, "xxViolin", 2, 0, ""},
    };
    for (const Read8Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(ReadFixedText8(row.bytes.data(), row.offset, row.fieldSize), row.expected);
    }
    EXPECT_EQ(ReadFixedText8(nullptr, 0, 10), "");
}

struct Write8Row {
    int line;
    std::string text;
    std::size_t fieldSize;
    bool whole;
    std::string field;  // the field's bytes after the write
};

TEST(FixedFieldsTest, Write8CutsToLeaveATerminator) {
    const std::vector<Write8Row> rows = {
        {__LINE__, "Alto", 6, true, std::string("Alto\0\0", 6)},
        {__LINE__, "Tenor", 6, true, std::string("Tenor\0", 6)},
        {__LINE__, "Soprano", 6, false, std::string("Sopra\0", 6)},
        {__LINE__, "B", 1, false, std::string("\0", 1)},
    };
    for (const Write8Row& row : rows) {
        SCOPED_TRACE(row.line);
        std::vector<char> record(row.fieldSize + 4, '#');
        EXPECT_EQ(WriteFixedText8(record.data(), 2, row.fieldSize, row.text), row.whole);
        EXPECT_EQ(std::string(record.data() + 2, row.fieldSize), row.field);
        EXPECT_EQ(record[0], '#');
        EXPECT_EQ(record[1], '#');
        EXPECT_EQ(record[2 + row.fieldSize], '#');  // nothing past the field
    }
    char one = '#';
    EXPECT_FALSE(WriteFixedText8(&one, 0, 0, "x"));
    EXPECT_EQ(one, '#');
    EXPECT_FALSE(WriteFixedText8(nullptr, 0, 4, "x"));
}

TEST(FixedFieldsTest, Read16StopsAtZeroOrCapacity) {
    const char16_t units[] = {u'C', u':', u'\\', u'a', 0, u'b'};
    EXPECT_EQ(ReadFixedText16(units, 6), u"C:\\a");
    EXPECT_EQ(ReadFixedText16(units, 2), u"C:");
    EXPECT_EQ(ReadFixedText16(units, 0), u"");
    EXPECT_EQ(ReadFixedText16(nullptr, 6), u"");
}

}  // namespace
}  // namespace tavrel
