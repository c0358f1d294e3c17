// Tests of the simulated host's record callbacks: sizes, buffers, walks,
// version words, fault injection and the call log.
#include "sim/Simulator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/RecordLayout.h"
#include "sim/RecordKinds.h"

namespace tavrel::sim {
namespace {

constexpr std::uint32_t kVersion = 0x11000000;
constexpr RecordTag kStaff = 0x534F4953;
constexpr RecordTag kTextBlock = 0x534F5458;
const RecordTag kTxbl = Tag("txbl");

class SimulatorRecordsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Document document;
        Bytes staff(132, 0);
        staff[30] = 1;
        staff[32] = 2;
        document.PutRecord(kStaff, MakeKey(1), staff);
        document.PutText(kTxbl, MakeKey(1), u"Violin");
        document.PutRecord(kTextBlock, MakeKey(1), Bytes(26, 0x11));
        host_.Open(std::move(document));
    }

    Document& Current() { return *host_.FindDocument(host_.CurrentDocumentId()); }

    Simulator host_;
};

TEST_F(SimulatorRecordsTest, LoadWithoutBufferStoresTheSize) {
    struct Row {
        int line;
        RecordTag tag;
        std::uint16_t number;
        std::int16_t result;
        std::uint32_t size;
    };
    const Row rows[] = {
        {__LINE__, kStaff, 1, 1, 132},
        {__LINE__, kTxbl, 1, 1, 7},   // "Violin" and its zero, in units
        {__LINE__, kStaff, 2, 0, 0},  // missing: failure and size 0
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        RecordKey key = MakeKey(row.number);
        std::uint32_t size = 999;
        EXPECT_EQ(host_.LoadEData(row.tag, &key, nullptr, &size, kVersion), row.result);
        EXPECT_EQ(size, row.size);
    }
}

TEST_F(SimulatorRecordsTest, LoadCopiesOnlyTheRecordIntoALargeEnoughBuffer) {
    RecordKey key = MakeKey(1);
    std::vector<std::uint8_t> buffer(140, 0xEE);
    std::uint32_t size = 140;
    ASSERT_EQ(host_.LoadEData(kStaff, &key, buffer.data(), &size, kVersion), 1);
    EXPECT_EQ(size, 132u);
    EXPECT_EQ(buffer[30], 1);
    EXPECT_EQ(buffer[131], 0);
    EXPECT_EQ(buffer[132], 0xEE);  // past the record: untouched

    char16_t text[10];
    std::fill(std::begin(text), std::end(text), u'#');
    size = 10;
    ASSERT_EQ(host_.LoadEData(kTxbl, &key, text, &size, kVersion), 1);
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(std::u16string(text, 7), std::u16string(u"Violin\0", 7));
    EXPECT_EQ(text[7], u'#');
}

TEST_F(SimulatorRecordsTest, ASmallBufferOrAMissingSizeFailsWithoutWriting) {
    RecordKey key = MakeKey(1);
    std::vector<std::uint8_t> buffer(131, 0xEE);
    std::uint32_t size = 131;
    EXPECT_EQ(host_.LoadEData(kStaff, &key, buffer.data(), &size, kVersion), 0);
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(131, 0xEE));
    EXPECT_EQ(size, 132u);  // the real size, so the caller can try again

    char16_t text[6];
    std::fill(std::begin(text), std::end(text), u'#');
    size = 6;  // one unit short of "Violin" and its zero
    EXPECT_EQ(host_.LoadEData(kTxbl, &key, text, &size, kVersion), 0);
    EXPECT_EQ(std::u16string(text, 6), u"######");

    EXPECT_EQ(host_.LoadEData(kStaff, &key, buffer.data(), nullptr, kVersion), 0);
    EXPECT_EQ(host_.LoadEData(kStaff, nullptr, nullptr, &size, kVersion), 0);
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(131, 0xEE));
}

TEST_F(SimulatorRecordsTest, NextWalksInKeyOrderFromZero) {
    const RecordTag tag = 0x64746D74;
    for (RecordKey key : {MakeKey(3, 0), MakeKey(1, 2), MakeKey(0, 0), MakeKey(1, 0), MakeKey(2, 5),
                          MakeKey(0, 1)}) {
        Current().PutRecord(tag, key, Bytes(10, std::uint8_t(key.first * 16 + key.second)));
    }
    // {0, 0} starts the walk, so the record with that key is never reached.
    const RecordKey expected[] = {MakeKey(0, 1), MakeKey(1, 0), MakeKey(1, 2), MakeKey(2, 5),
                                  MakeKey(3, 0)};
    RecordKey key;
    std::uint8_t buffer[10];
    for (RecordKey want : expected) {
        ASSERT_EQ(host_.NextEData(tag, &key, buffer, 10, kVersion), 1);
        EXPECT_EQ(key.first, want.first);
        EXPECT_EQ(key.second, want.second);
        EXPECT_EQ(buffer[0], want.first * 16 + want.second);
    }
    EXPECT_EQ(host_.NextEData(tag, &key, nullptr, 0, kVersion), 0);
    EXPECT_EQ(key.first, 3);  // the key stays on the last record

    // Backwards: {0, 0} starts from the last record.
    key = RecordKey();
    ASSERT_EQ(host_.PreviousEData(tag, &key, nullptr, 0, kVersion), 1);
    EXPECT_EQ(KeyOrder(key), KeyOrder(MakeKey(3, 0)));
    ASSERT_EQ(host_.PreviousEData(tag, &key, nullptr, 0, kVersion), 1);
    EXPECT_EQ(KeyOrder(key), KeyOrder(MakeKey(2, 5)));
}

TEST_F(SimulatorRecordsTest, NextWithATooSmallBufferFailsAndKeepsTheKey) {
    RecordKey key;
    std::uint8_t buffer[100];
    std::memset(buffer, 0xEE, sizeof buffer);
    EXPECT_EQ(host_.NextEData(kStaff, &key, buffer, sizeof buffer, kVersion), 0);
    EXPECT_EQ(KeyOrder(key), 0u);
    EXPECT_EQ(buffer[0], 0xEE);
    // Without a buffer the same step succeeds.
    EXPECT_EQ(host_.NextEData(kStaff, &key, nullptr, 0, kVersion), 1);
    EXPECT_EQ(key.first, 1);
}

TEST_F(SimulatorRecordsTest, SaveStoresTextUpToItsFirstZeroWithinTheSize) {
    const char16_t text[] = u"abc\0def";
    struct Row {
        int line;
        std::uint32_t size;
        const char16_t* stored;
    };
    const Row rows[] = {
        {__LINE__, 2, u"ab"},
        {__LINE__, 4, u"abc"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        RecordKey key = MakeKey(5);
        ASSERT_EQ(host_.SaveEData(kTxbl, &key, text, row.size, kVersion), 1);
        EXPECT_EQ(*Current().FindText(kTxbl, key), row.stored);
    }
}

TEST_F(SimulatorRecordsTest, SaveRefusesAWrongSizeForAFixedLayout) {
    RecordKey key = MakeKey(1);
    Bytes staff(132, 7);
    EXPECT_EQ(host_.SaveEData(kStaff, &key, staff.data(), 100, kVersion), 0);
    EXPECT_EQ((*Current().FindRecord(kStaff, key))[0], 0);
    EXPECT_EQ(host_.SaveEData(kStaff, &key, staff.data(), 132, kVersion), 1);
    EXPECT_EQ(*Current().FindRecord(kStaff, key), staff);
    // Kinds without a fixed layout take any size.
    EXPECT_EQ(host_.SaveEData(Tag("SOSD"), &key, staff.data(), 5, kVersion), 1);
    EXPECT_EQ(Current().FindRecord(Tag("SOSD"), key)->size(), 5u);
    EXPECT_EQ(host_.SaveEData(kStaff, &key, nullptr, 132, kVersion), 0);
    EXPECT_EQ(host_.SaveEData(kStaff, &key, staff.data(), 0, kVersion), 0);
}

TEST_F(SimulatorRecordsTest, VersionWordsOlderThanTheLayoutAreRefused) {
    RecordKey key = MakeKey(1);
    std::uint8_t block[26];
    std::uint32_t size = 26;
    EXPECT_EQ(host_.LoadEData(kTextBlock, &key, block, &size, 0x08000000), 0);
    EXPECT_EQ(host_.GetJournal().Calls().back().refusal, "version");
    EXPECT_EQ(host_.LoadEData(kTextBlock, &key, block, &size, 0x09000000), 1);
    // A size query carries no layout.
    EXPECT_EQ(host_.LoadEData(kTextBlock, &key, nullptr, &size, 0x08000000), 1);
    EXPECT_EQ(host_.SaveEData(kTextBlock, &key, block, 26, 0x08000000), 0);
}

TEST_F(SimulatorRecordsTest, FaultsRefuseSavesAndFailLoads) {
    RecordKey key = MakeKey(1);
    const char16_t text[] = u"Viola";
    Faults& faults = host_.GetFaults();

    faults.RefuseSavesOf(kTxbl);
    EXPECT_EQ(host_.SaveEData(kTxbl, &key, text, 6, kVersion), 0);
    EXPECT_EQ(host_.GetJournal().Calls().back().refusal, "fault");
    Bytes staff(132, 0);
    EXPECT_EQ(host_.SaveEData(kStaff, &key, staff.data(), 132, kVersion), 1);

    faults.RefuseAllSaves();
    EXPECT_EQ(host_.SaveEData(kStaff, &key, staff.data(), 132, kVersion), 0);
    faults.Clear();
    EXPECT_EQ(host_.SaveEData(kTxbl, &key, text, 6, kVersion), 1);

    faults.FailLoadsOf(kStaff);
    std::uint32_t size = 0;
    EXPECT_EQ(host_.LoadEData(kStaff, &key, nullptr, &size, kVersion), 0);
    RecordKey walk;
    EXPECT_EQ(host_.NextEData(kStaff, &walk, nullptr, 0, kVersion), 1);  // walks still run
}

TEST_F(SimulatorRecordsTest, CreateTakesTheNextFirstHalfAndDeleteRemoves) {
    RecordKey key = MakeKey(0, 3);
    char16_t text[] = u"Cello";
    ASSERT_EQ(host_.CreateEData(kTxbl, &key, text, 6, kVersion), 1);
    EXPECT_EQ(key.first, 2);  // after txbl 1
    EXPECT_EQ(*Current().FindText(kTxbl, key), u"Cello");

    RecordKey fresh;
    ASSERT_EQ(host_.CreateEData(Tag("SOSD"), &fresh, nullptr, 12, kVersion), 1);
    EXPECT_EQ(fresh.first, 1);
    EXPECT_EQ(*Current().FindRecord(Tag("SOSD"), fresh), Bytes(12, 0));

    EXPECT_EQ(host_.DeleteEData(kTxbl, &key, kVersion), 1);
    EXPECT_FALSE(Current().Contains(kTxbl, key));
    EXPECT_EQ(host_.DeleteEData(kTxbl, &key, kVersion), 0);
}

TEST_F(SimulatorRecordsTest, WithoutACurrentDocumentEveryRecordCallFails) {
    Simulator empty;
    RecordKey key = MakeKey(1);
    std::uint32_t size = 0;
    std::uint8_t buffer[4] = {};
    EXPECT_EQ(empty.LoadEData(kStaff, &key, nullptr, &size, kVersion), 0);
    EXPECT_EQ(empty.SaveEData(Tag("SOSD"), &key, buffer, 4, kVersion), 0);
    EXPECT_EQ(empty.NextEData(kStaff, &key, nullptr, 0, kVersion), 0);
    EXPECT_EQ(empty.CreateEData(kStaff, &key, nullptr, 0, kVersion), 0);
    EXPECT_EQ(empty.DeleteEData(kStaff, &key, kVersion), 0);
}

TEST_F(SimulatorRecordsTest, TheCallLogKeepsVersionsAndWhetherAnEditWasOpen) {
    RecordKey key = MakeKey(1);
    std::uint32_t size = 0;
    host_.LoadEData(kStaff, &key, nullptr, &size, 0x0F000000);
    host_.StartNotavoEdit_UTF16(u"Lexora", kVersion);
    const char16_t text[] = u"Vl.";
    host_.SaveEData(kTxbl, &key, text, 4, kVersion);
    const std::vector<RecordCall>& calls = host_.GetJournal().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].callback, "HX_LoadEData");
    EXPECT_EQ(calls[0].version, 0x0F000000u);
    EXPECT_FALSE(calls[0].insideEdit);
    EXPECT_EQ(calls[1].callback, "HX_SaveEData");
    EXPECT_EQ(calls[1].tag, kTxbl);
    EXPECT_TRUE(calls[1].insideEdit);
}

}  // namespace
}  // namespace tavrel::sim
