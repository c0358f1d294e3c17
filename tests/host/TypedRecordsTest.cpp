// Texts, pages and fonts read and written through the record layer.
#include "host/TypedRecords.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/RecordLayout.h"
#include "tests/host/FakeHost.h"
#include "tests/text/Printers.h"

namespace tavrel::fakehost {
namespace {

using TypedRecordsTest = FakeHostTest;

constexpr RecordTag kTxxp = 0x74787870;
constexpr RecordTag kPage = 0x534F5053;
constexpr RecordTag kFont = 0x534F464E;

struct LoadTextRow {
    int line;
    std::u16string stored;   // the units the host keeps
    std::uint32_t declared;  // the size it reports, in units
    bool loads;
    std::u16string expected;
};

TEST_F(TypedRecordsTest, LoadTextTakesUnitsUpToTheFirstZeroWithinTheSize) {
    const std::vector<LoadTextRow> rows = {
        {__LINE__, std::u16string(u"Allegro\0", 8), 8, true, u"Allegro"},
        {__LINE__, std::u16string(u"\0", 1), 1, true, u""},
        {__LINE__, std::u16string(u"ab\0cd\0", 6), 6, true, u"ab"},
        // No terminator in the record: the extra zeroed unit ends it.
        {__LINE__, u"abc", 3, true, u"abc"},
        // A size shorter than the stored text bounds what is taken.
        {__LINE__, std::u16string(u"abcdef\0", 7), 4, true, u"abcd"},
        {__LINE__, std::u16string(u"\u00e9t\u00e9 \u266f\0", 6), 6, true, u"\u00e9t\u00e9 \u266f"},
        {__LINE__, u"", 0, false, u"unchanged"},
    };
    for (const LoadTextRow& row : rows) {
        SCOPED_TRACE(row.line);
        SetUp();
        Fake().PutText(kTxxp, {4, 0}, row.stored, row.declared);
        UniversalString text(u"unchanged");
        text.style().size = 14;
        EXPECT_EQ(LoadText(4, text, kTxxp), row.loads);
        EXPECT_EQ(text.text(), row.expected);
        EXPECT_EQ(text.style().size, 14);  // only the text is replaced
    }
}

TEST_F(TypedRecordsTest, LoadTextAsksTheSizeThenLoadsWithIt) {
    Fake().PutText(kTxxp, {9, 0}, std::u16string(u"Presto\0", 7), 7);
    UniversalString text;
    ASSERT_TRUE(LoadText(9, text, kTxxp));
    const std::vector<Call> loads = Fake().CallsNamed("HX_LoadEData");
    ASSERT_EQ(loads.size(), 2u);
    for (const Call& load : loads) {
        EXPECT_EQ(load.tag, kTxxp);
        EXPECT_EQ(load.key.first, 9);
        EXPECT_EQ(load.key.second, 0);
        EXPECT_EQ(load.version, 0x11000000u);
    }
    EXPECT_FALSE(loads[0].hasBuffer);
    EXPECT_EQ(loads[0].size, 0u);
    EXPECT_TRUE(loads[1].hasBuffer);
    EXPECT_EQ(loads[1].size, 7u);
}

TEST_F(TypedRecordsTest, MissingTextLeavesTheTextAlone) {
    UniversalString text(u"keep");
    EXPECT_FALSE(LoadText(2, text, kTxxp));
    EXPECT_EQ(text.text(), u"keep");
}

TEST_F(TypedRecordsTest, FailedSecondLoadGivesFalse) {
    Fake().loadHook = [](RecordTag, RecordKey*, void* buffer, std::uint32_t* size) {
        if (buffer == nullptr) {
            *size = 5;
            return std::int16_t(1);
        }
        static_cast<char16_t*>(buffer)[0] = u'x';
        return std::int16_t(0);
    };
    UniversalString text(u"keep");
    EXPECT_FALSE(LoadText(2, text, kTxxp));
    EXPECT_EQ(text.text(), u"keep");
}

TEST_F(TypedRecordsTest, SizeGrownOnTheSecondLoadIsNotTrusted) {
    Fake().loadHook = [](RecordTag, RecordKey*, void* buffer, std::uint32_t* size) {
        if (buffer == nullptr) {
            *size = 3;
            return std::int16_t(1);
        }
        auto* units = static_cast<char16_t*>(buffer);
        units[0] = u'a';
        units[1] = u'b';
        units[2] = u'c';
        *size = 100;
        return std::int16_t(1);
    };
    std::u16string text;
    ASSERT_TRUE(LoadTextRecord(kTxxp, RecordKey{1, 0}, text));
    EXPECT_EQ(text, u"abc");
}

TEST_F(TypedRecordsTest, ImpossibleSizesAreRefusedBeforeAllocating) {
    for (std::uint32_t claimed : {0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu}) {
        SCOPED_TRACE(claimed);
        SetUp();
        Fake().loadHook = [claimed](RecordTag, RecordKey*, void*, std::uint32_t* size) {
            *size = claimed;
            return std::int16_t(1);
        };
        std::u16string text = u"keep";
        EXPECT_FALSE(LoadTextRecord(kTxxp, RecordKey{1, 0}, text));
        EXPECT_EQ(text, u"keep");
        EXPECT_EQ(Fake().CallsNamed("HX_LoadEData").size(), 1u);
    }
}

TEST_F(TypedRecordsTest, TextRecordByKeyKeepsBothHalves) {
    const RecordTag repeatText = 0x6F735254;
    Fake().PutText(repeatText, {3, 2}, std::u16string(u"D.C.\0", 5), 5);
    std::u16string text;
    ASSERT_TRUE(LoadTextRecord(repeatText, RecordKey{3, 2}, text));
    EXPECT_EQ(text, u"D.C.");
    EXPECT_TRUE(SaveTextRecord(repeatText, RecordKey{3, 2}, u"D.S."));
    const std::vector<Call> saves = Fake().CallsNamed("HX_SaveEData");
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].key.first, 3);
    EXPECT_EQ(saves[0].key.second, 2);
}

TEST_F(TypedRecordsTest, SaveTextWritesTheTerminatedText) {
    UniversalString text(u"Andante \u00e9");
    EXPECT_TRUE(SaveText(text, 6, kTxxp));
    ASSERT_EQ(Fake().calls.size(), 1u);
    const Call& save = Fake().calls[0];
    EXPECT_EQ(save.name, "HX_SaveEData");
    EXPECT_EQ(save.tag, kTxxp);
    EXPECT_EQ(save.key.first, 6);
    EXPECT_EQ(save.key.second, 0);
    EXPECT_EQ(save.size, 10u);  // nine units and the zero
    EXPECT_EQ(save.version, 0x11000000u);
    const std::vector<std::uint8_t> bytes = {'A', 0, 'n', 0, 'd', 0, 'a',  0, 'n', 0,
                                             't', 0, 'e', 0, ' ', 0, 0xE9, 0, 0,   0};
    EXPECT_EQ(save.saved, bytes);

    UniversalString empty;
    EXPECT_TRUE(SaveText(empty, 7, kTxxp));
    EXPECT_EQ(Fake().calls.back().size, 1u);
    EXPECT_EQ(Fake().calls.back().saved, (std::vector<std::uint8_t>{0, 0}));
}

TEST_F(TypedRecordsTest, SaveTextNumberZeroWritesNothing) {
    EXPECT_FALSE(SaveText(UniversalString(u"x"), 0, kTxxp));
    EXPECT_TRUE(Fake().calls.empty());
}

TEST_F(TypedRecordsTest, RefusedSaveIsFalse) {
    Fake().refuseSaves = true;
    EXPECT_FALSE(SaveText(UniversalString(u"x"), 3, kTxxp));
    EXPECT_EQ(Fake().calls.size(), 1u);
}

struct PagesRow {
    int line;
    std::vector<std::uint16_t> pages;
    std::int16_t expected;
};

TEST_F(TypedRecordsTest, CountPagesStopsAtTheFirstMissingPage) {
    const std::vector<PagesRow> rows = {
        {__LINE__, {1, 2, 3}, 3}, {__LINE__, {1}, 1},       {__LINE__, {}, 0},
        {__LINE__, {2, 3}, 0},    {__LINE__, {1, 2, 4}, 2},
    };
    for (const PagesRow& row : rows) {
        SCOPED_TRACE(row.line);
        SetUp();
        for (std::uint16_t page : row.pages) {
            Fake().PutRecord(kPage, {page, 0}, std::vector<std::uint8_t>(22, 1));
        }
        EXPECT_EQ(CountPages(), row.expected);
        const std::vector<Call> loads = Fake().CallsNamed("HX_LoadEData");
        ASSERT_EQ(loads.size(), std::size_t(row.expected) + 1);
        for (std::size_t i = 0; i < loads.size(); ++i) {
            EXPECT_EQ(loads[i].key.first, i + 1);
            EXPECT_EQ(loads[i].size, 22u);
            EXPECT_EQ(loads[i].version, 0x0A010000u);
        }
    }
}

TEST_F(TypedRecordsTest, CountPagesEndsAt32767) {
    Fake().loadHook = [](RecordTag, RecordKey*, void*, std::uint32_t*) { return std::int16_t(1); };
    EXPECT_EQ(CountPages(), 32767);
    EXPECT_EQ(Fake().calls.size(), 32767u);
}

std::vector<std::uint8_t> FontRecordBytes(std::uint16_t value, const std::string& name) {
    std::vector<std::uint8_t> bytes(48, 0);
    layout::WriteU16(bytes.data(), 0, value);
    for (std::size_t i = 0; i < name.size() && 12 + i < bytes.size(); ++i) {
        bytes[12 + i] = std::uint8_t(name[i]);
    }
    return bytes;
}

struct FontRow {
    int line;
    std::string storedName;  // 8-bit, as in the record
    std::uint16_t value;
    std::u16string name;
};

TEST_F(TypedRecordsTest, FontFieldsAreReadWithinTheRecord) {
    const std::vector<FontRow> rows = {
        {__LINE__, "Maestro", 0x1234, u"Maestro"},
        {__LINE__, "", 0, u""},
        {__LINE__, "Caf\xE9 Sans", 7, u"Caf\u00e9 Sans"},
        // A name that fills its 36 bytes has no terminator: read 36, no more.
        {__LINE__, std::string(36, 'W'), 1, std::u16string(36, u'W')},
    };
    for (const FontRow& row : rows) {
        SCOPED_TRACE(row.line);
        SetUp();
        Fake().PutRecord(kFont, {5, 0}, FontRecordBytes(row.value, row.storedName));
        EXPECT_EQ(FontCommandValue(5), row.value);
        EXPECT_EQ(FontName(5).text(), row.name);
        for (const Call& load : Fake().calls) {
            EXPECT_EQ(load.tag, kFont);
            EXPECT_EQ(load.key.first, 5);
            EXPECT_EQ(load.size, 48u);
            EXPECT_EQ(load.version, 0x10000000u);
        }
    }
}

TEST_F(TypedRecordsTest, MissingFontGivesZeroAndNoName) {
    FontRecord font;
    EXPECT_FALSE(LoadFontRecord(3, font));
    EXPECT_EQ(FontCommandValue(3), 0);
    EXPECT_TRUE(FontName(3).empty());
}

TEST_F(TypedRecordsTest, FontNumberSendsTheAnsiName) {
    Fake().fontNumberAnswer = 11;
    EXPECT_EQ(FontNumber(UniversalString(u"Caf\u00e9 Sans")), 11);
    ASSERT_EQ(Fake().calls.size(), 1u);
    EXPECT_EQ(Fake().calls[0].name, "HX_FontNameToNum");
    EXPECT_EQ(Fake().calls[0].text8, "Caf\xE9 Sans");
    EXPECT_EQ(Fake().calls[0].version, 0x11000000u);

    SetUp();
    Fake().missing = {"HX_FontNameToNum"};
    EXPECT_EQ(FontNumber(UniversalString(u"Maestro")), 0xFFFF);
}

}  // namespace
}  // namespace tavrel::fakehost
