// Tests that a score's keys and raw records are saved in numeric order, and
// how "extra" bytes and the named fields of an entry combine.
#include <gtest/gtest.h>

#include <string>

#include "host/RecordLayout.h"
#include "sim/codec/RecordKinds.h"
#include "sim/codec/ScoreFile.h"
#include "tests/sim/SimTestSupport.h"

namespace tavrel::sim {
namespace {

namespace L = tavrel::layout;

// Keys out of numeric order, in a text kind and a record kind, a page-block
// key without its second half, and raw records out of order.
TEST(ScoreCanonicalTest, KeysAndRawRecordsAreSavedInNumericOrder) {
    const std::string saved = FormatScore(testing::ScoreFrom(R"json({
    "records": [
        {"hex": "0001", "key": "2", "tag": "SOSD"},
        {"tag": "SOSD", "key": "1,0", "hex": "ff"}
    ],
    "endingTexts": {"10": "10.", "2": "2."},
    "pageTextBlocks": {"1": {"block": 0}},
    "staves": {"10": {"blocks": [0, 0]}, "9": {"blocks": [0, 0]}},
    "version": 1,
    "format": "notavo-score"
})json"));
    EXPECT_EQ(saved, R"json({
  "format": "notavo-score",
  "version": 1,
  "staves": {
    "9": {"blocks": [0, 0]},
    "10": {"blocks": [0, 0]}
  },
  "pageTextBlocks": {
    "1,0": {"block": 0}
  },
  "endingTexts": {
    "2": "2.",
    "10": "10."
  },
  "records": [
    {"tag": "SOSD", "key": "1,0", "hex": "ff"},
    {"tag": "SOSD", "key": "2,0", "hex": "0001"}
  ]
}
)json");
}

// A staff's 132 bytes: 0xEE everywhere, text-block numbers 5 and 6 at 30 and 32.
std::string StaffExtra() {
    std::string hex;
    for (int i = 0; i < 132; ++i) {
        hex += i == 30 ? "05" : i == 32 ? "06" : (i == 31 || i == 33) ? "00" : "ee";
    }
    return hex;
}

// The named fields of an entry always give their bytes, a field left out
// its zero; "extra" supplies only the bytes that no field names. Either
// way a number that is not 0 must name an existing record.
TEST(ScoreCanonicalTest, NamedFieldsOverwriteExtraEvenWhenLeftOut) {
    Document document = testing::ScoreFrom(
        testing::Score(R"("staves": {"1": {"extra": ")" + StaffExtra() + R"("}})"));
    const Bytes* staff = document.FindRecord(L::staff::kTag, MakeKey(1));
    ASSERT_NE(staff, nullptr);
    EXPECT_EQ(L::ReadU16(staff->data(), L::staff::kBlock1), 0);
    EXPECT_EQ(L::ReadU16(staff->data(), L::staff::kBlock2), 0);
    EXPECT_EQ((*staff)[0], 0xEE);
    EXPECT_EQ((*staff)[34], 0xEE);

    struct Row {
        int line;
        std::string sections;
        RecordTag tag;
        std::size_t offset;  // a named 16-bit field left out of the entry
    };
    const std::string ones48(96, 'f');
    const std::string ones350(700, 'f');
    const std::string ones60(120, 'f');
    const std::string ones144(288, 'f');
    const Row rows[] = {
        {__LINE__, R"("fonts": {"1": {"name": "A", "extra": ")" + ones48 + R"("}})", L::font::kTag,
         L::font::kArg},
        {__LINE__, R"("twoStyleRecords": {"1": {"extra": ")" + ones350 + R"("}})",
         L::twostyle::kTag, 70 + 2},
        {__LINE__, R"("articulations": {"1": {"extra": ")" + ones60 + R"("}})",
         L::articulation::kTag, L::articulation::kSlots[1].size},
        {__LINE__, R"("staffStyles": {"1": {"extra": ")" + ones144 + R"("}})", L::staffstyle::kTag,
         L::staffstyle::kBlock2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        Document d = testing::ScoreFrom(testing::Score(row.sections));
        const Bytes* record = d.FindRecord(row.tag, MakeKey(1));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(L::ReadU16(record->data(), row.offset), 0);
    }
    // A staff style without a name holds the empty name: a zero at 96.
    Document styled = testing::ScoreFrom(
        testing::Score(R"("staffStyles": {"1": {"extra": ")" + ones144 + R"("}})"));
    EXPECT_EQ((*styled.FindRecord(L::staffstyle::kTag, MakeKey(1)))[L::staffstyle::kName], 0);
}

// JSON writes zero as "-0" too; it is the number 0, not one below range.
// The largest number a field takes is in range.
TEST(ScoreCanonicalTest, MinusZeroIsZeroAndTheLargestNumbersLoad) {
    Document document = testing::ScoreFrom(testing::Score(
        R"("fonts": {"0": {"arg": -0}, "1": {"arg": 65535}}, "pages": 32767,
           "articulations": {"1": {"slots": [{"char": 4294967295}, {}]}})"));
    const Bytes* font = document.FindRecord(L::font::kTag, MakeKey(0));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(L::ReadU16(font->data(), L::font::kArg), 0);
    EXPECT_EQ(L::ReadU16(document.FindRecord(L::font::kTag, MakeKey(1))->data(), L::font::kArg),
              65535);
    EXPECT_TRUE(document.Contains(L::page::kTag, MakeKey(32767)));
    EXPECT_EQ(L::ReadU32(document.FindRecord(L::articulation::kTag, MakeKey(1))->data(), 0),
              0xFFFFFFFFu);
}

// A staff kept as a raw record is saved back in "staves" once it has a
// staff's size, so its text-block numbers are checked on loading as well:
// otherwise a score that loads could be saved as one that does not.
TEST(ScoreCanonicalTest, RawRecordsOfANamedKindHaveTheirReferencesChecked) {
    const std::string raw =
        R"("records": [{"tag": "SOIS", "key": "1", "hex": ")" + StaffExtra() + R"("}])";
    Document document;
    FileProblem problem;
    EXPECT_FALSE(ParseScore("raw.json", testing::Score(raw), document, problem));
    EXPECT_EQ(problem.message,
              "raw.json: /records/0/hex: text block 5 does not exist (add it to \"textBlocks\", or "
              "write 0 for none)");

    // With the blocks present it loads, and saves as a staff that loads again.
    const std::string blocks =
        R"("texts": {"txbl": {"1": "A"}}, "textBlocks": {"5": {"text": 1}, "6": {"text": 0}}, )";
    Document loaded = testing::ScoreFrom(testing::Score(blocks + raw));
    const std::string saved = FormatScore(loaded);
    EXPECT_NE(saved.find("\"staves\""), std::string::npos) << saved;
    EXPECT_EQ(FormatScore(testing::ScoreFrom(saved)), saved);
}

}  // namespace
}  // namespace tavrel::sim
