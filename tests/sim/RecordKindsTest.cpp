// Tests of the text forms of tags and keys and of the record kind table.
#include "sim/codec/RecordKinds.h"

#include <gtest/gtest.h>

#include "host/RecordLayout.h"

namespace tavrel::sim {
namespace {

TEST(RecordKindsTest, TagTextUsesCharactersOnlyWhenUnambiguous) {
    struct Row {
        int line;
        RecordTag tag;
        const char* text;
    };
    const Row rows[] = {
        {__LINE__, 0x534F5458, "SOTX"},       {__LINE__, 0x7478626C, "txbl"},
        {__LINE__, 0x4F027054, "0x4F027054"},  // byte 0x02 is not printable
        {__LINE__, 0x30783132, "0x30783132"},  // "0x12" would read as hex
        {__LINE__, 0x20202020, "    "},       {__LINE__, 0x00000000, "0x00000000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(TagText(row.tag), row.text);
        ASSERT_TRUE(ParseTag(row.text).has_value());
        EXPECT_EQ(*ParseTag(row.text), row.tag);
    }
}

TEST(RecordKindsTest, ParseTagRefusesWhatIsNeitherForm) {
    for (const char* text : {"SOT", "SOTXX", "0x", "0x123456789", "0xZZ", "ab\tc", ""}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseTag(text).has_value());
    }
    EXPECT_EQ(*ParseTag("0x1"), 1u);
    EXPECT_EQ(*ParseTag("0xabcdef12"), 0xABCDEF12u);
}

TEST(RecordKindsTest, KeysReadAndWriteBothForms) {
    struct Row {
        int line;
        const char* text;
        bool valid;
        std::uint16_t first, second;
    };
    const Row rows[] = {
        {__LINE__, "7", true, 7, 0},   {__LINE__, "65535,65535", true, 65535, 65535},
        {__LINE__, "0", true, 0, 0},   {__LINE__, "65536", false, 0, 0},
        {__LINE__, "07", false, 0, 0}, {__LINE__, "1, 2", false, 0, 0},
        {__LINE__, "1,", false, 0, 0}, {__LINE__, "1,2,3", false, 0, 0},
        {__LINE__, "", false, 0, 0},   {__LINE__, "99999999999", false, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        std::optional<RecordKey> key = ParseKey(row.text);
        ASSERT_EQ(key.has_value(), row.valid);
        if (row.valid) {
            EXPECT_EQ(key->first, row.first);
            EXPECT_EQ(key->second, row.second);
        }
    }
    EXPECT_EQ(KeyText(MakeKey(7)), "7");
    EXPECT_EQ(KeyText(MakeKey(7), true), "7,0");
    EXPECT_EQ(KeyText(MakeKey(3, 2)), "3,2");
}

TEST(RecordKindsTest, OlderVersionWordsThanTheKeptLayoutAreRefused) {
    struct Row {
        int line;
        RecordTag tag;
        std::uint32_t version;
        bool accepted;
    };
    const Row rows[] = {
        {__LINE__, 0x534F5458, 0x08000000, false}, {__LINE__, 0x534F5458, 0x09000000, true},
        {__LINE__, 0x534F5458, 0x11000000, true},  {__LINE__, 0x6F74444F, 0x08FFFFFF, false},
        {__LINE__, 0x53444746, 0x09000000, true},  {__LINE__, 0x534F4D53, 0x09000000, false},
        {__LINE__, 0x534F5353, 0x0A000000, true},  {__LINE__, 0x4F025353, 0x06000000, false},
        {__LINE__, 0x534F5359, 0x0E000000, false}, {__LINE__, 0x534F5359, 0x0F000000, true},
        {__LINE__, 0x53444E47, 0x0F000000, true},  {__LINE__, 0x534F5053, 0x0A000000, false},
        {__LINE__, 0x534F5053, 0x0A010000, true},  {__LINE__, 0x534F464E, 0x0F000000, false},
        {__LINE__, 0x534F464E, 0x10000000, true},  {__LINE__, 0x534F4953, 0x05000000, true},
        {__LINE__, Tag("txbl"), 0x01000000, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(VersionAccepted(row.tag, row.version), row.accepted);
    }
}

}  // namespace
}  // namespace tavrel::sim
