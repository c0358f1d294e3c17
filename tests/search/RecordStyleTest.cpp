// The style filter and style change of style-carrying records.
#include "search/RecordStyle.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "tests/text/StyleBuilder.h"

namespace tavrel {
namespace {

TEST(RecordStyleFilterTest, AcceptsByFontSizeOnAndOffBits) {
    struct Row {
        int line;
        StringStyle filter;
        StyleTriplet item;
        bool matches;
    };
    const Row rows[] = {
        {__LINE__, StringStyle(), {7, 30, 0xFFFF}, true},  // reset filter: anything
        {__LINE__, Sty().Id(3).Font("Arial"), {3, 12, 0}, true},
        {__LINE__, Sty().Id(3).Font("Arial"), {4, 12, 0}, false},
        {__LINE__, Sty().Size(12), {9, 14, 5}, false},
        // "on" bits: at least one of them
        {__LINE__, Sty().Fx(0x03, 0x03), {0, 0, 0x02}, true},
        {__LINE__, Sty().Fx(0x03, 0x03), {0, 0, 0x04}, false},
        // "off" bits: none of them (mask bits that are not on)
        {__LINE__, Sty().Fx(0x00, 0x01), {0, 0, 0x03}, false},
        {__LINE__, Sty().Fx(0x01, 0x03), {0, 0, 0x03}, false},
        // on bits outside the mask still count as "on"
        {__LINE__, Sty().Fx(0x04, 0x00), {0, 0, 0x04}, true},
        {__LINE__, Sty().Fx(0x04, 0x00), {0, 0, 0x00}, false},
        // a named font the document lacks matches nothing, not everything
        {__LINE__, Sty().Font("Nonexistent"), {0, 12, 0}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(RecordStyleFilter(row.filter).Matches(row.item), row.matches);
    }
}

TEST(RecordStyleChangeTest, SetsFontSizeAndBits) {
    struct Row {
        int line;
        StringStyle replacement;
        StyleTriplet before;
        StyleTriplet after;         // ordinary records
        StyleTriplet articulation;  // articulation slots
        bool applied;
    };
    const Row rows[] = {
        // a reset style changes nothing and does not count
        {__LINE__, StringStyle(), {1, 12, 0x05}, {1, 12, 0x05}, {1, 12, 0x05}, false},
        {__LINE__, Sty().Id(3), {1, 12, 0x05}, {3, 12, 0x05}, {3, 12, 0x05}, true},
        // on bits: ORed in, but replace an articulation's bits
        {__LINE__, Sty().Fx(0x02, 0x02), {1, 12, 0x05}, {1, 12, 0x07}, {1, 12, 0x02}, true},
        // clear bits: mask bits that are not on
        {__LINE__, Sty().Fx(0x00, 0x01), {1, 12, 0x05}, {1, 12, 0x04}, {1, 12, 0x04}, true},
        // counts as applied even when the item already had those values
        {__LINE__, Sty().Id(1).Size(12), {1, 12, 0}, {1, 12, 0}, {1, 12, 0}, true},
        {__LINE__, Sty().Fx(0x02, 0x03), {1, 12, 0x81}, {1, 12, 0x82}, {1, 12, 0x02}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const RecordStyleChange change(row.replacement);
        StyleTriplet item = row.before;
        EXPECT_EQ(change.Apply(item), row.applied);
        EXPECT_EQ(item, row.after);
        StyleTriplet slot = row.before;
        EXPECT_EQ(change.ApplyToArticulation(slot), row.applied);
        EXPECT_EQ(slot, row.articulation);
    }
}

}  // namespace
}  // namespace tavrel
