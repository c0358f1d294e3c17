// The record access layer: version words per tag and size, developer
// warnings, the load special cases and argument checks.
#include "host/RecordAccess.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/host/FakeHost.h"

namespace tavrel::fakehost {
namespace {

using RecordAccessTest = FakeHostTest;

const std::string kGfholdWarning =
    "Warning to plug-in developer: KVRGfhold2004 used with wrong version parameter";
const std::string kTextBlockWarning =
    "Warning to plug-in developer: KVRTextBlock2004 used with wrong version parameter";
const std::string kShapeWarning =
    "Warning to plug-in developer: KVRShapeExpression2004 used with wrong version parameter";

struct VersionRow {
    int line;
    RecordTag tag;
    std::uint32_t size;
    std::uint32_t given;
    std::uint32_t sent;
    std::string warning;  // empty: none
};

const std::vector<VersionRow>& VersionRows() {
    static const std::vector<VersionRow> rows = {
        {__LINE__, 0x534F4D53, 26, 0x09000000, 0x0A000000, ""},
        {__LINE__, 0x534F4D53, 26, 0x0A000000, 0x0A000000, ""},
        {__LINE__, 0x534F4D53, 26, 0x11000000, 0x11000000, ""},
        {__LINE__, 0x534F4D53, 24, 0x11000000, 0x09000000, ""},
        {__LINE__, 0x534F4D53, 24, 0x05000000, 0x09000000, ""},
        {__LINE__, 0x534F5353, 28, 0x08000000, 0x0A000000, ""},
        {__LINE__, 0x534F5353, 28, 0x11000000, 0x11000000, ""},
        {__LINE__, 0x534F5353, 24, 0x05000000, 0x06000000, ""},
        {__LINE__, 0x534F5353, 24, 0x0A010000, 0x0A010000, ""},
        {__LINE__, 0x534F5353, 22, 0x11000000, 0x05000000, ""},
        {__LINE__, 0x4F025353, 28, 0x09000000, 0x0A000000, ""},
        {__LINE__, 0x4F025353, 28, 0x10000000, 0x10000000, ""},
        {__LINE__, 0x4F025353, 24, 0x05000000, 0x06000000, ""},
        {__LINE__, 0x4F025353, 24, 0x08000000, 0x08000000, ""},
        {__LINE__, 0x4F025353, 22, 0x06000000, 0x05000000, ""},
        {__LINE__, 0x53444746, 12, 0x11000000, 0x08000000, ""},
        {__LINE__, 0x53444746, 12, 0x06000000, 0x06000000, ""},
        {__LINE__, 0x53444746, 10, 0x08000000, 0x09000000, kGfholdWarning},
        {__LINE__, 0x53444746, 10, 0x09000000, 0x09000000, ""},
        {__LINE__, 0x53444746, 10, 0x11000000, 0x11000000, ""},
        {__LINE__, 0x534F4953, 66, 0x11000000, 0x05000000, ""},
        {__LINE__, 0x534F4953, 102, 0x11000000, 0x08000000, ""},
        {__LINE__, 0x534F4953, 102, 0x05000000, 0x08000000, ""},
        {__LINE__, 0x534F4953, 132, 0x11000000, 0x11000000, ""},
        {__LINE__, 0x534F5458, 48, 0x11000000, 0x08000000, ""},
        {__LINE__, 0x534F5458, 48, 0x05000000, 0x05000000, ""},
        {__LINE__, 0x534F5458, 26, 0x08000000, 0x09000000, kTextBlockWarning},
        {__LINE__, 0x534F5458, 26, 0x05000000, 0x09000000, kTextBlockWarning},
        {__LINE__, 0x534F5458, 26, 0x0A010000, 0x0A010000, ""},
        {__LINE__, 0x6F74444F, 12, 0x10000000, 0x08000000, ""},
        {__LINE__, 0x6F74444F, 12, 0x08000000, 0x08000000, ""},
        {__LINE__, 0x6F74444F, 34, 0x05000000, 0x09000000, kShapeWarning},
        {__LINE__, 0x6F74444F, 34, 0x11000000, 0x11000000, ""},
        // Sizes and tags outside the table keep the caller's word.
        {__LINE__, 0x534F5458, 30, 0x05000000, 0x05000000, ""},
        {__LINE__, 0x534F4D53, 28, 0x05000000, 0x05000000, ""},
        {__LINE__, 0x534F5059, 26, 0x05000000, 0x05000000, ""},
        // A size of 0 skips the fix-up, warnings included.
        {__LINE__, 0x534F5458, 0, 0x05000000, 0x05000000, ""},
        {__LINE__, 0x534F5458, 0, 0x11000000, 0x11000000, ""},
        {__LINE__, 0x53444746, 0, 0x11000000, 0x11000000, ""},
        {__LINE__, 0x534F4953, 0, 0x11000000, 0x11000000, ""},
    };
    return rows;
}

using Operation = std::function<void(RecordTag, std::uint32_t, std::uint32_t)>;

struct NamedOperation {
    const char* exportName;
    Operation run;
};

std::vector<NamedOperation> Operations() {
    return {
        {"HX_LoadEData",
         [](RecordTag tag, std::uint32_t size, std::uint32_t version) {
             RecordKey key{1, 0};
             std::vector<std::uint8_t> buffer(size + 1);
             std::uint32_t given = size;
             LoadEData(tag, &key, buffer.data(), &given, version);
         }},
        {"HX_SaveEData",
         [](RecordTag tag, std::uint32_t size, std::uint32_t version) {
             RecordKey key{1, 0};
             std::vector<std::uint8_t> buffer(size + 1);
             SaveEData(tag, &key, buffer.data(), size, version);
         }},
        {"HX_NextEData",
         [](RecordTag tag, std::uint32_t size, std::uint32_t version) {
             RecordKey key{0, 0};
             NextEData(tag, &key, nullptr, size, version);
         }},
        {"HX_PreviousEData",
         [](RecordTag tag, std::uint32_t size, std::uint32_t version) {
             RecordKey key{3, 0};
             PreviousEData(tag, &key, nullptr, size, version);
         }},
        {"HX_CreateEData",
         [](RecordTag tag, std::uint32_t size, std::uint32_t version) {
             RecordKey key{3, 0};
             std::vector<std::uint8_t> buffer(size + 1);
             CreateEData(tag, &key, buffer.data(), size, version);
         }},
    };
}

TEST_F(RecordAccessTest, VersionFollowsTheLayoutTheSizeNames) {
    for (const NamedOperation& op : Operations()) {
        for (const VersionRow& row : VersionRows()) {
            SCOPED_TRACE(testing::Message() << op.exportName << " row at line " << row.line);
            SetUp();
            op.run(row.tag, row.size, row.given);
            const std::vector<Call> sent = Fake().CallsNamed(op.exportName);
            ASSERT_EQ(sent.size(), 1u);
            EXPECT_EQ(sent[0].tag, row.tag);
            EXPECT_EQ(sent[0].size, row.size);
            EXPECT_EQ(sent[0].version, row.sent);
            const std::vector<Call> alerts = Fake().CallsNamed("HX_AlertMessage");
            if (row.warning.empty()) {
                EXPECT_TRUE(alerts.empty());
                continue;
            }
            ASSERT_EQ(alerts.size(), 1u);
            EXPECT_EQ(alerts[0].text8, row.warning);
            EXPECT_EQ(alerts[0].a, 0);
            EXPECT_EQ(alerts[0].b, 0);
            EXPECT_EQ(alerts[0].c, 0);
            EXPECT_EQ(alerts[0].version, 0x11000000u);
            // The warning comes first; the call goes on.
            EXPECT_EQ(Fake().calls.front().name, "HX_AlertMessage");
        }
    }
}

TEST_F(RecordAccessTest, WarningIsShownEachTimeItOccurs) {
    std::uint8_t block[26] = {};
    for (int i = 0; i < 3; ++i) {
        RecordKey key{1, 0};
        std::uint32_t size = sizeof block;
        LoadEData(0x534F5458, &key, block, &size, 0x08000000);
    }
    EXPECT_EQ(Fake().CallsNamed("HX_AlertMessage").size(), 3u);
    EXPECT_EQ(Fake().CallsNamed("HX_LoadEData").size(), 3u);
}

TEST_F(RecordAccessTest, WarningWithoutAlertExportStillLoads) {
    Fake().missing = {"HX_AlertMessage"};
    Fake().PutRecord(0x534F5458, {1, 0}, std::vector<std::uint8_t>(26, 5));
    std::uint8_t block[26] = {};
    RecordKey key{1, 0};
    std::uint32_t size = sizeof block;
    EXPECT_NE(LoadEData(0x534F5458, &key, block, &size, 0x08000000), 0);
    EXPECT_EQ(block[25], 5);
    EXPECT_EQ(Fake().calls.back().version, 0x09000000u);
}

TEST_F(RecordAccessTest, DeleteGoesToTheHostWithTheCallersVersion) {
    RecordKey key{2, 1};
    EXPECT_NE(DeleteEData(0x534F5458, &key, 0x05000000), 0);
    ASSERT_EQ(Fake().calls.size(), 1u);
    EXPECT_EQ(Fake().calls[0].name, "HX_DeleteEData");
    EXPECT_EQ(Fake().calls[0].version, 0x05000000u);
    EXPECT_EQ(Fake().calls[0].key.first, 2);
    EXPECT_EQ(Fake().calls[0].key.second, 1);
}

TEST_F(RecordAccessTest, PreferenceRecordsReachTheHostUnchanged) {
    const RecordTag tag = 0x70661234;
    Fake().PutRecord(tag, {2, 0}, {9, 8, 7});
    RecordKey key{2, 0};
    std::uint8_t buffer[3] = {};
    std::uint32_t size = 3;
    EXPECT_NE(LoadEData(tag, &key, buffer, &size, 0x05000000), 0);
    EXPECT_EQ(buffer[2], 7);
    EXPECT_NE(SaveEData(tag, &key, buffer, 3, 0x0A000000), 0);
    ASSERT_EQ(Fake().calls.size(), 2u);
    EXPECT_EQ(Fake().calls[0].tag, tag);
    EXPECT_EQ(Fake().calls[0].version, 0x05000000u);
    EXPECT_EQ(Fake().calls[1].tag, tag);
    EXPECT_EQ(Fake().calls[1].version, 0x0A000000u);
    EXPECT_EQ(Fake().calls[1].saved, (std::vector<std::uint8_t>{9, 8, 7}));
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

TEST_F(RecordAccessTest, NextWalksInKeyOrderFromTheStart) {
    Fake().PutRecord(0x534F4953, {4, 0}, std::vector<std::uint8_t>(132, 4));
    Fake().PutRecord(0x534F4953, {1, 2}, std::vector<std::uint8_t>(132, 1));
    Fake().PutRecord(0x534F5359, {2, 0}, std::vector<std::uint8_t>(144, 2));
    RecordKey key{0, 0};
    std::uint8_t staff[132] = {};
    std::vector<int> seen;
    while (NextEData(0x534F4953, &key, staff, sizeof staff, 0x11000000) != 0) {
        seen.push_back(key.first * 10 + key.second);
        EXPECT_EQ(staff[131], key.first);
    }
    EXPECT_EQ(seen, (std::vector<int>{12, 40}));
}

struct ZeroedRow {
    int line;
    RecordTag tag;
    std::uint32_t zeroed;
};

const ZeroedRow kZeroedRows[] = {
    {__LINE__, 0x4F044958, 48},
    {__LINE__, 0x534F6649, 108},
};

TEST_F(RecordAccessTest, ZeroedLoadCountsWhatTheHostWroteDespiteFailure) {
    for (const ZeroedRow& row : kZeroedRows) {
        SCOPED_TRACE(row.line);
        SetUp();
        const std::uint32_t capacity = row.zeroed + 12;
        std::vector<std::uint8_t> buffer(capacity, 0xAA);
        RecordKey key{3, 1};
        std::uint32_t size = capacity;

        // A failing host that writes nothing: the cleared bytes stay zero.
        Fake().loadHook = [](RecordTag, RecordKey*, void*, std::uint32_t*) -> std::int16_t {
            return 0;
        };
        EXPECT_EQ(LoadEData(row.tag, &key, buffer.data(), &size, 0x11000000), 0);
        EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + row.zeroed),
                  std::vector<std::uint8_t>(row.zeroed, 0));
        EXPECT_EQ(buffer[row.zeroed], 0xAA);  // beyond the cleared bytes: untouched

        // A failing host that set the last cleared byte: the load counts.
        const std::uint32_t last = row.zeroed - 1;
        Fake().loadHook = [last](RecordTag, RecordKey*, void* b, std::uint32_t*) {
            static_cast<std::uint8_t*>(b)[last] = 1;
            return std::int16_t(0);
        };
        EXPECT_EQ(LoadEData(row.tag, &key, buffer.data(), &size, 0x11000000), 1);

        // A byte set beyond the cleared ones does not.
        const std::uint32_t beyond = row.zeroed;
        Fake().loadHook = [beyond](RecordTag, RecordKey*, void* b, std::uint32_t*) {
            static_cast<std::uint8_t*>(b)[beyond] = 1;
            return std::int16_t(0);
        };
        EXPECT_EQ(LoadEData(row.tag, &key, buffer.data(), &size, 0x11000000), 0);

        // Success passes the host's result.
        Fake().loadHook = [](RecordTag, RecordKey*, void*, std::uint32_t*) {
            return std::int16_t(5);
        };
        EXPECT_EQ(LoadEData(row.tag, &key, buffer.data(), &size, 0x11000000), 5);
        EXPECT_EQ(Fake().CallsNamed("HX_LoadEData").size(), 4u);
    }
}

TEST_F(RecordAccessTest, ZeroedLoadIntoASmallerBufferFailsUntouched) {
    for (const ZeroedRow& row : kZeroedRows) {
        SCOPED_TRACE(row.line);
        SetUp();
        Fake().PutRecord(row.tag, {3, 1}, std::vector<std::uint8_t>(row.zeroed, 1));
        std::vector<std::uint8_t> buffer(row.zeroed - 1, 0xAA);
        RecordKey key{3, 1};
        std::uint32_t size = row.zeroed - 1;
        EXPECT_EQ(LoadEData(row.tag, &key, buffer.data(), &size, 0x11000000), 0);
        EXPECT_EQ(buffer, std::vector<std::uint8_t>(row.zeroed - 1, 0xAA));
        EXPECT_TRUE(Fake().calls.empty());

        // Without a buffer it is a size query like any other.
        std::uint32_t query = 0;
        EXPECT_EQ(LoadEData(row.tag, &key, nullptr, &query, 0x11000000), 1);
        EXPECT_EQ(query, row.zeroed);
    }
}

constexpr RecordTag kSosd = 0x534F5344;
constexpr RecordTag kOtsd = 0x6F745344;

TEST_F(RecordAccessTest, OldRecordLoadsWhenTheHostHasIt) {
    Fake().PutRecord(kSosd, {5, 3}, std::vector<std::uint8_t>(66, 4));
    std::vector<std::uint8_t> buffer(66, 0);
    RecordKey key{5, 3};
    std::uint32_t size = 66;
    EXPECT_EQ(LoadEData(kSosd, &key, buffer.data(), &size, 0x11000000), 1);
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(66, 4));
    EXPECT_TRUE(Fake().CallsNamed("HX_LoadEData").size() == 1);
}

TEST_F(RecordAccessTest, OldRecordFallsBackToTheElementRecordAsEmpty) {
    Fake().PutRecord(kOtsd, {5, 0}, std::vector<std::uint8_t>(12, 1));
    std::vector<std::uint8_t> buffer(80, 0xAA);
    RecordKey key{5, 3};
    std::uint32_t size = 80;
    EXPECT_EQ(LoadEData(kSosd, &key, buffer.data(), &size, 0x11000000), 1);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 66),
              std::vector<std::uint8_t>(66, 0));
    EXPECT_EQ(buffer[66], 0xAA);
    const std::vector<Call> loads = Fake().CallsNamed("HX_LoadEData");
    ASSERT_EQ(loads.size(), 2u);
    EXPECT_EQ(loads[1].tag, kOtsd);
    EXPECT_EQ(loads[1].key.first, 5);
    EXPECT_EQ(loads[1].key.second, 0);
    EXPECT_EQ(loads[1].size, 12u);
    EXPECT_TRUE(loads[1].hasBuffer);

    // Without a buffer the empty record's size is 66.
    std::uint32_t query = 0;
    EXPECT_EQ(LoadEData(kSosd, &key, nullptr, &query, 0x11000000), 1);
    EXPECT_EQ(query, 66u);

    // A smaller buffer is cleared only as far as its size.
    std::vector<std::uint8_t> small(40, 0xAA);
    std::uint32_t smallSize = 30;
    EXPECT_EQ(LoadEData(kSosd, &key, small.data(), &smallSize, 0x11000000), 1);
    EXPECT_EQ(small[29], 0);
    EXPECT_EQ(small[30], 0xAA);
}

TEST_F(RecordAccessTest, OldRecordFailsWhenNeitherExists) {
    Fake().PutRecord(kOtsd, {6, 0}, std::vector<std::uint8_t>(12, 1));
    std::vector<std::uint8_t> buffer(66, 0xAA);
    RecordKey key{5, 0};
    std::uint32_t size = 66;
    EXPECT_EQ(LoadEData(kSosd, &key, buffer.data(), &size, 0x11000000), 0);
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(66, 0xAA));
}

TEST_F(RecordAccessTest, OldRecordClearsNoMoreThanTheCallerGaveEvenIfTheHostGrowsTheSize) {
    Fake().PutRecord(kOtsd, {5, 0}, std::vector<std::uint8_t>(12, 1));
    Fake().loadHook = [](RecordTag tag, RecordKey*, void* b, std::uint32_t* size) {
        if (tag == kSosd) {
            *size = 66;  // the real size, stored although the load failed
            return std::int16_t(0);
        }
        static_cast<std::uint8_t*>(b)[0] = 1;
        return std::int16_t(1);
    };
    std::vector<std::uint8_t> buffer(24, 0xAA);
    RecordKey key{5, 0};
    std::uint32_t size = 20;
    EXPECT_EQ(LoadEData(kSosd, &key, buffer.data(), &size, 0x11000000), 1);
    EXPECT_EQ(buffer[19], 0);
    EXPECT_EQ(buffer[20], 0xAA);
}

}  // namespace
}  // namespace tavrel::fakehost
