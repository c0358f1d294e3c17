// The record access layer: version words per tag and size, developer
// warnings, the load special cases and argument checks.
#include "host/RecordAccess.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/HostCallbacks.h"
#include "tests/host/FakeHost.h"

namespace tavrel::fakehost {
namespace {

using RecordAccessTest = FakeHostTest;
using Buffer = std::vector<std::uint8_t>;

const std::u16string kGfholdWarning =
    u"Warning to plug-in developer: KVRGfhold2004 used with wrong version parameter";
const std::u16string kTextBlockWarning =
    u"Warning to plug-in developer: KVRTextBlock2004 used with wrong version parameter";
const std::u16string kShapeWarning =
    u"Warning to plug-in developer: KVRShapeExpression2004 used with wrong version parameter";

struct VersionRow {
    int line;
    RecordTag tag;
    std::uint32_t size;
    std::uint32_t given;
    std::uint32_t sent;
    std::u16string warning;  // empty: none
};

const VersionRow kVersionRows[] = {
    {__LINE__, 0x534F4D53, 26, 0x09000000, 0x0A000000, u""},
    {__LINE__, 0x534F4D53, 26, 0x0A000000, 0x0A000000, u""},
    {__LINE__, 0x534F4D53, 26, 0x11000000, 0x11000000, u""},
    {__LINE__, 0x534F4D53, 24, 0x11000000, 0x09000000, u""},
    {__LINE__, 0x534F4D53, 24, 0x05000000, 0x09000000, u""},
    {__LINE__, 0x534F5353, 28, 0x08000000, 0x0A000000, u""},
    {__LINE__, 0x534F5353, 28, 0x11000000, 0x11000000, u""},
    {__LINE__, 0x534F5353, 24, 0x05000000, 0x06000000, u""},
    {__LINE__, 0x534F5353, 24, 0x0A010000, 0x0A010000, u""},
    {__LINE__, 0x534F5353, 22, 0x11000000, 0x05000000, u""},
    {__LINE__, 0x4F025353, 28, 0x09000000, 0x0A000000, u""},
    {__LINE__, 0x4F025353, 28, 0x10000000, 0x10000000, u""},
    {__LINE__, 0x4F025353, 24, 0x05000000, 0x06000000, u""},
    {__LINE__, 0x4F025353, 24, 0x08000000, 0x08000000, u""},
    {__LINE__, 0x4F025353, 22, 0x06000000, 0x05000000, u""},
    {__LINE__, 0x53444746, 12, 0x11000000, 0x08000000, u""},
    {__LINE__, 0x53444746, 12, 0x06000000, 0x06000000, u""},
    {__LINE__, 0x53444746, 10, 0x08000000, 0x09000000, kGfholdWarning},
    {__LINE__, 0x53444746, 10, 0x09000000, 0x09000000, u""},
    {__LINE__, 0x53444746, 10, 0x11000000, 0x11000000, u""},
    {__LINE__, 0x534F4953, 66, 0x11000000, 0x05000000, u""},
    {__LINE__, 0x534F4953, 102, 0x11000000, 0x08000000, u""},
    {__LINE__, 0x534F4953, 102, 0x05000000, 0x08000000, u""},
    {__LINE__, 0x534F4953, 132, 0x11000000, 0x11000000, u""},
    {__LINE__, 0x534F5458, 48, 0x11000000, 0x08000000, u""},
    {__LINE__, 0x534F5458, 48, 0x05000000, 0x05000000, u""},
    {__LINE__, 0x534F5458, 26, 0x08000000, 0x09000000, kTextBlockWarning},
    {__LINE__, 0x534F5458, 26, 0x0A010000, 0x0A010000, u""},
    {__LINE__, 0x6F74444F, 12, 0x10000000, 0x08000000, u""},
    {__LINE__, 0x6F74444F, 12, 0x08000000, 0x08000000, u""},
    {__LINE__, 0x6F74444F, 34, 0x05000000, 0x09000000, kShapeWarning},
    {__LINE__, 0x6F74444F, 34, 0x11000000, 0x11000000, u""},
    // Sizes and tags outside the table keep the caller's word; so do
    // preference records (0x7066xxxx).
    {__LINE__, 0x534F5458, 30, 0x05000000, 0x05000000, u""},
    {__LINE__, 0x534F5059, 26, 0x05000000, 0x05000000, u""},
    {__LINE__, 0x70661234, 3, 0x05000000, 0x05000000, u""},
    // A size of 0 skips the fix-up, warnings included.
    {__LINE__, 0x534F5458, 0, 0x05000000, 0x05000000, u""},
    {__LINE__, 0x53444746, 0, 0x11000000, 0x11000000, u""},
};

using Operation = std::int16_t (*)(RecordTag, RecordKey*, void*, std::uint32_t, std::uint32_t);

const std::pair<const char*, Operation> kOperations[] = {
    {"HX_LoadEData", [](RecordTag t, RecordKey* k, void* b, std::uint32_t s,
                        std::uint32_t v) { return LoadEData(t, k, b, &s, v); }},
    {"HX_SaveEData", [](RecordTag t, RecordKey* k, void* b, std::uint32_t s,
                        std::uint32_t v) { return SaveEData(t, k, b, s, v); }},
    {"HX_NextEData", NextEData},
    {"HX_PreviousEData", PreviousEData},
    {"HX_CreateEData", CreateEData},
};

TEST_F(RecordAccessTest, VersionFollowsTheLayoutTheSizeNames) {
    for (const auto& [exportName, operation] : kOperations) {
        for (const VersionRow& row : kVersionRows) {
            SCOPED_TRACE(testing::Message() << exportName << " row at line " << row.line);
            SetUp();
            RecordKey key{1, 0};
            Buffer buffer(row.size + 1);
            operation(row.tag, &key, buffer.data(), row.size, row.given);
            const std::vector<Call> sent = Fake().CallsNamed(exportName);
            ASSERT_EQ(sent.size(), 1u);
            EXPECT_EQ(RecordArgs(sent[0]),
                      (std::vector<std::uint32_t>{row.tag, 1, 0, row.size, 1}));
            EXPECT_EQ(sent[0].version, row.sent);
            const std::vector<Call> alerts = Fake().CallsNamed("HX_AlertMessage");
            ASSERT_EQ(alerts.size(), row.warning.empty() ? 0u : 1u);
            if (!row.warning.empty()) {
                EXPECT_EQ(alerts[0].text, row.warning);
                EXPECT_EQ(alerts[0].a | alerts[0].b | alerts[0].c, 0);
                EXPECT_EQ(alerts[0].version, 0x11000000u);
                // The warning comes first; the call goes on.
                EXPECT_EQ(Fake().calls.front().name, "HX_AlertMessage");
            }
        }
    }
}

TEST_F(RecordAccessTest, WarningIsShownEachTimeAndNeverStopsTheLoad) {
    Fake().PutRecord(0x534F5458, {1, 0}, Buffer(26, 5));
    for (int i = 0; i < 3; ++i) {
        if (i == 2) {  // a host without the alert export
            Fake().missing = {"HX_AlertMessage"};
            host::ResetBindingForTesting();
        }
        Buffer block(26, 0);
        RecordKey key{1, 0};
        std::uint32_t size = 26;
        EXPECT_NE(LoadEData(0x534F5458, &key, block.data(), &size, 0x08000000), 0);
        EXPECT_EQ(block[25], 5);
        EXPECT_EQ(Fake().calls.back().version, 0x09000000u);
    }
    EXPECT_EQ(Fake().CallsNamed("HX_AlertMessage").size(), 2u);
    EXPECT_EQ(Fake().CallsNamed("HX_LoadEData").size(), 3u);
}

TEST_F(RecordAccessTest, DeleteGoesToTheHostWithTheCallersVersion) {
    RecordKey key{2, 1};
    EXPECT_NE(DeleteEData(0x534F5458, &key, 0x05000000), 0);
    ASSERT_EQ(Fake().calls.size(), 1u);
    EXPECT_EQ(Fake().calls[0].name, "HX_DeleteEData");
    EXPECT_EQ(Fake().calls[0].version, 0x05000000u);
    EXPECT_EQ(RecordArgs(Fake().calls[0]), (std::vector<std::uint32_t>{0x534F5458, 2, 1, 0, 0}));
}

TEST_F(RecordAccessTest, MissingPointersFailWithoutCallingTheHost) {
    RecordKey key{1, 0};
    std::uint8_t buffer[26] = {};
    EXPECT_EQ(LoadEData(0x534F5458, &key, buffer, nullptr, 0x11000000), 0);
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(LoadEData(0x534F5458, nullptr, buffer, &size, 0x11000000), 0);
    EXPECT_EQ(SaveEData(0x534F5458, nullptr, buffer, 26, 0x11000000), 0);
    EXPECT_EQ(SaveEData(0x534F5458, &key, nullptr, 26, 0x11000000), 0);
    EXPECT_EQ(NextEData(0x534F5458, nullptr, nullptr, 0, 0x11000000), 0);
    EXPECT_EQ(PreviousEData(0x534F5458, nullptr, nullptr, 0, 0x11000000), 0);
    EXPECT_EQ(CreateEData(0x534F5458, nullptr, nullptr, 0, 0x11000000), 0);
    EXPECT_EQ(DeleteEData(0x534F5458, nullptr, 0x11000000), 0);
    EXPECT_TRUE(Fake().calls.empty());
}

// A failing or succeeding host that sets one byte of the buffer (none when
// `index` is below 0).
LoadHook HostWriting(int index, std::int16_t result) {
    return [index, result](RecordTag, RecordKey*, void* buffer, std::uint32_t*) {
        if (index >= 0) {
            static_cast<std::uint8_t*>(buffer)[index] = 1;
        }
        return result;
    };
}

const std::pair<RecordTag, int> kZeroedTags[] = {{0x4F044958, 48}, {0x534F6649, 108}};

TEST_F(RecordAccessTest, ZeroedLoadCountsWhatTheHostWroteDespiteFailure) {
    for (const auto& [tag, zeroed] : kZeroedTags) {
        struct {
            int hostWrites;
            std::int16_t hostResult, result;
        } const cases[] = {
            {-1, 0, 0},          // nothing written: the cleared bytes stay zero
            {zeroed - 1, 0, 1},  // the last cleared byte set: the load counts
            {zeroed, 0, 0},      // a byte beyond the cleared ones does not
            {-1, 5, 5},          // success passes the host's result
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << zeroed << " bytes, host writes " << c.hostWrites);
            SetUp();
            Fake().loadHook = HostWriting(c.hostWrites, c.hostResult);
            Buffer buffer(zeroed + 12, 0xAA);
            RecordKey key{3, 1};
            std::uint32_t size = zeroed + 12;
            EXPECT_EQ(LoadEData(tag, &key, buffer.data(), &size, 0x11000000), c.result);
            Buffer expected(zeroed + 12, 0xAA);
            std::fill_n(expected.begin(), zeroed, 0);
            if (c.hostWrites >= 0) {
                expected[c.hostWrites] = 1;
            }
            EXPECT_EQ(buffer, expected);
        }
    }
}

TEST_F(RecordAccessTest, ZeroedLoadIntoASmallerBufferFailsUntouched) {
    for (const auto& [tag, zeroed] : kZeroedTags) {
        SCOPED_TRACE(zeroed);
        SetUp();
        Fake().PutRecord(tag, {3, 1}, Buffer(zeroed, 1));
        Buffer buffer(zeroed - 1, 0xAA);
        RecordKey key{3, 1};
        std::uint32_t size = zeroed - 1;
        EXPECT_EQ(LoadEData(tag, &key, buffer.data(), &size, 0x11000000), 0);
        EXPECT_EQ(buffer, Buffer(zeroed - 1, 0xAA));
        EXPECT_TRUE(Fake().calls.empty());

        // Without a buffer it is a size query like any other.
        std::uint32_t query = 0;
        EXPECT_EQ(LoadEData(tag, &key, nullptr, &query, 0x11000000), 1);
        EXPECT_EQ(query, std::uint32_t(zeroed));
    }
}

constexpr RecordTag kSosd = 0x534F5344;
constexpr RecordTag kOtsd = 0x6F745344;

// Newer hosts keep the old 66-byte record only as a 12-byte element record.
struct OldRecordRow {
    int line;
    bool hostHasOld;             // the host keeps SOSD {5,3} itself, 66 bytes of 4
    std::uint16_t elementFirst;  // the otSD record's first key half
    std::uint32_t size;          // what the caller gives, in a buffer of 80
    bool hostGrowsSize;          // the failed SOSD load stores the real size, 66
    std::int16_t result;
    std::size_t cleared;  // bytes zeroed from the start; the rest stays 0xAA
};

TEST_F(RecordAccessTest, OldRecordLoadsOrFallsBackToTheElementRecordAsEmpty) {
    const OldRecordRow rows[] = {
        {__LINE__, true, 5, 80, false, 1, 0},   {__LINE__, false, 5, 80, false, 1, 66},
        {__LINE__, false, 5, 30, false, 1, 30},  // cleared only as far as its size
        {__LINE__, false, 6, 80, false, 0, 0},   // neither record exists
        {__LINE__, false, 5, 20, true, 1, 20},
    };
    for (const OldRecordRow& row : rows) {
        SCOPED_TRACE(row.line);
        SetUp();
        if (row.hostHasOld) {
            Fake().PutRecord(kSosd, {5, 3}, Buffer(66, 4));
        }
        Fake().PutRecord(kOtsd, {row.elementFirst, 0}, Buffer(12, 1));
        if (row.hostGrowsSize) {
            Fake().loadHook = [](RecordTag tag, RecordKey*, void* b, std::uint32_t* size) {
                *size = tag == kSosd ? 66 : *size;
                static_cast<std::uint8_t*>(b)[0] = 1;
                return std::int16_t(tag == kSosd ? 0 : 1);
            };
        }
        Buffer buffer(80, 0xAA);
        RecordKey key{5, 3};
        std::uint32_t size = row.size;
        EXPECT_EQ(LoadEData(kSosd, &key, buffer.data(), &size, 0x11000000), row.result);
        Buffer expected(80, 0xAA);
        std::fill_n(expected.begin(), row.hostHasOld ? 66 : row.cleared, row.hostHasOld ? 4 : 0);
        EXPECT_EQ(buffer, expected);
        const std::vector<Call> loads = Fake().CallsNamed("HX_LoadEData");
        ASSERT_EQ(loads.size(), row.hostHasOld ? 1u : 2u);
        if (!row.hostHasOld) {
            EXPECT_EQ(RecordArgs(loads[1]), (std::vector<std::uint32_t>{kOtsd, 5, 0, 12, 1}));
        }
    }
    // Without a buffer the empty record's size is 66.
    SetUp();
    Fake().PutRecord(kOtsd, {5, 0}, Buffer(12, 1));
    RecordKey key{5, 3};
    std::uint32_t query = 0;
    EXPECT_EQ(LoadEData(kSosd, &key, nullptr, &query, 0x11000000), 1);
    EXPECT_EQ(query, 66u);
}

}  // namespace
}  // namespace tavrel::fakehost
