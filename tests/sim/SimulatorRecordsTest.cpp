// Tests of the simulated host's record callbacks: sizes, buffers, walks,
// version words, fault injection and the call log.
#include "sim/host/Simulator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/RecordLayout.h"
#include "sim/codec/RecordKinds.h"

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

// A load copies the record only into a buffer large enough for it, and
// always leaves the real size; a size query has no buffer.
TEST_F(SimulatorRecordsTest, LoadsCopyWholeRecordsOrNothing) {
    const std::u16string violin(u"Violin\0", 7);
    const Bytes violinBytes(reinterpret_cast<const std::uint8_t*>(violin.data()),
                            reinterpret_cast<const std::uint8_t*>(violin.data() + 7));
    struct Row {
        int line;
        RecordTag tag;
        std::uint16_t number;
        std::uint32_t capacity;  // in the kind's size units; 0: no buffer
        std::int16_t result;
        std::uint32_t size;  // after the call
        bool copied;
    };
    const Row rows[] = {
        {__LINE__, kStaff, 1, 0, 1, 132, false},
        {__LINE__, kTxbl, 1, 0, 1, 7, false},   // "Violin" and its zero, in units
        {__LINE__, kStaff, 2, 0, 0, 0, false},  // missing: failure and size 0
        {__LINE__, kStaff, 1, 140, 1, 132, true},
        {__LINE__, kTxbl, 1, 10, 1, 7, true},
        {__LINE__, kStaff, 1, 131, 0, 132, false},  // too small: the real size comes back
        {__LINE__, kTxbl, 1, 6, 0, 7, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const std::size_t unit = row.tag == kTxbl ? 2 : 1;
        std::vector<std::uint8_t> buffer(row.capacity * unit + 4, 0xEE);
        RecordKey key = MakeKey(row.number);
        std::uint32_t size = row.capacity == 0 ? 999 : row.capacity;
        EXPECT_EQ(host_.LoadEData(row.tag, &key, row.capacity == 0 ? nullptr : buffer.data(), &size,
                                  kVersion),
                  row.result);
        EXPECT_EQ(size, row.size);
        std::vector<std::uint8_t> expected(buffer.size(), 0xEE);
        if (row.copied) {
            const Bytes record =
                row.tag == kTxbl ? violinBytes : *Current().FindRecord(kStaff, MakeKey(1));
            std::copy(record.begin(), record.end(), expected.begin());
        }
        EXPECT_EQ(buffer, expected);
    }
    RecordKey key = MakeKey(1);
    std::uint32_t size = 0;
    EXPECT_EQ(host_.LoadEData(kStaff, &key, nullptr, nullptr, kVersion), 0);
    EXPECT_EQ(host_.LoadEData(kStaff, nullptr, nullptr, &size, kVersion), 0);
}

TEST_F(SimulatorRecordsTest, WalksGoInKeyOrderFromZero) {
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
        EXPECT_EQ(KeyOrder(key), KeyOrder(want));
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

    // A buffer too small fails and keeps the key; without one the step goes.
    key = RecordKey();
    std::uint8_t small[100];
    std::memset(small, 0xEE, sizeof small);
    EXPECT_EQ(host_.NextEData(kStaff, &key, small, sizeof small, kVersion), 0);
    EXPECT_EQ(KeyOrder(key), 0u);
    EXPECT_EQ(small[0], 0xEE);
    EXPECT_EQ(host_.NextEData(kStaff, &key, nullptr, 0, kVersion), 1);
    EXPECT_EQ(key.first, 1);
}

TEST_F(SimulatorRecordsTest, SavesKeepTextsToTheirZeroAndFixedLayoutsToTheirSize) {
    const char16_t text[] = u"abc\0def";
    RecordKey key = MakeKey(5);
    ASSERT_EQ(host_.SaveEData(kTxbl, &key, text, 2, kVersion), 1);
    EXPECT_EQ(*Current().FindText(kTxbl, key), u"ab");
    ASSERT_EQ(host_.SaveEData(kTxbl, &key, text, 8, kVersion), 1);
    EXPECT_EQ(*Current().FindText(kTxbl, key), u"abc");

    key = MakeKey(1);
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
    EXPECT_EQ(KeyOrder(key), KeyOrder(MakeKey(2, 3)));  // after txbl 1
    EXPECT_EQ(*Current().FindText(kTxbl, key), u"Cello");

    RecordKey fresh;
    ASSERT_EQ(host_.CreateEData(Tag("SOSD"), &fresh, nullptr, 12, kVersion), 1);
    EXPECT_EQ(fresh.first, 1);
    EXPECT_EQ(*Current().FindRecord(Tag("SOSD"), fresh), Bytes(12, 0));

    EXPECT_EQ(host_.DeleteEData(kTxbl, &key, kVersion), 1);
    EXPECT_FALSE(Current().Contains(kTxbl, key));
    EXPECT_EQ(host_.DeleteEData(kTxbl, &key, kVersion), 0);

    // Without a current document every record call fails.
    Simulator empty;
    std::uint32_t size = 0;
    EXPECT_EQ(empty.LoadEData(kStaff, &key, nullptr, &size, kVersion), 0);
    EXPECT_EQ(empty.SaveEData(Tag("SOSD"), &key, text, 4, kVersion), 0);
    EXPECT_EQ(empty.NextEData(kStaff, &key, nullptr, 0, kVersion), 0);
    EXPECT_EQ(empty.CreateEData(kStaff, &key, nullptr, 0, kVersion), 0);
    EXPECT_EQ(empty.DeleteEData(kStaff, &key, kVersion), 0);
}

}  // namespace
}  // namespace tavrel::sim
