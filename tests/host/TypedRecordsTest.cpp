// Texts, pages and fonts read and written through the record layer.
#include "host/TypedRecords.h"

#include <algorithm>
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
constexpr RecordTag kFont = 0x534F464E;

// A host holding one text: it answers the size query with `units`, then
// writes the text's units (as many as the size given allows), leaves
// `sizeAfter` in *size when that is not 0, and answers `loadResult`.
LoadHook TextHost(std::u16string text, std::uint32_t units, std::int16_t queryResult,
                  std::int16_t loadResult, std::uint32_t sizeAfter) {
    return [=](RecordTag, RecordKey*, void* buffer, std::uint32_t* size) {
        if (buffer == nullptr) {
            *size = units;
            return queryResult;
        }
        text.copy(static_cast<char16_t*>(buffer), std::min<std::size_t>(text.size(), *size));
        *size = sizeAfter != 0 ? sizeAfter : *size;
        return loadResult;
    };
}

struct LoadTextRow {
    int line;
    std::u16string stored;  // the units the host keeps
    std::uint32_t units;    // its answer to the size query
    std::int16_t queryResult, loadResult;
    std::uint32_t sizeAfter;
    bool loads;
    std::u16string expected;
    std::size_t hostLoads;
};

TEST_F(TypedRecordsTest, LoadTextAsksTheSizeThenTakesUnitsUpToTheFirstZero) {
    const std::vector<LoadTextRow> rows = {
        {__LINE__, std::u16string(u"Allegro\0", 8), 8, 1, 1, 0, true, u"Allegro", 2},
        {__LINE__, std::u16string(u"ab\0cd\0", 6), 6, 1, 1, 0, true, u"ab", 2},
        // No terminator in the record: the extra zeroed unit ends it.
        {__LINE__, u"abc", 3, 1, 1, 0, true, u"abc", 2},
        // A size grown on the second load is not trusted.
        {__LINE__, u"abc", 3, 1, 1, 100, true, u"abc", 2},
        {__LINE__, u"", 0, 0, 1, 0, false, u"unchanged", 1},   // no such text
        {__LINE__, u"x", 5, 1, 0, 0, false, u"unchanged", 2},  // the second load fails
        // An impossible size is refused before allocating.
        {__LINE__, u"", 0x7FFFFFFFu, 1, 1, 0, false, u"unchanged", 1},
    };
    for (const LoadTextRow& row : rows) {
        SCOPED_TRACE(row.line);
        SetUp();
        Fake().loadHook =
            TextHost(row.stored, row.units, row.queryResult, row.loadResult, row.sizeAfter);
        UniversalString text(u"unchanged");
        text.style().size = 14;
        EXPECT_EQ(LoadText(4, text, kTxxp), row.loads);
        EXPECT_EQ(text.text(), row.expected);
        EXPECT_EQ(text.style().size, 14);  // only the text is replaced
        const std::vector<Call> loads = Fake().CallsNamed("HX_LoadEData");
        ASSERT_EQ(loads.size(), row.hostLoads);
        EXPECT_EQ(RecordArgs(loads[0]), (std::vector<std::uint32_t>{kTxxp, 4, 0, 0, 0}));
        if (loads.size() == 2) {
            EXPECT_EQ(RecordArgs(loads[1]),
                      (std::vector<std::uint32_t>{kTxxp, 4, 0, row.units, 1}));
        }
    }
}

TEST_F(TypedRecordsTest, SaveTextWritesTheTerminatedText) {
    UniversalString text(u"Andante \u00e9");
    EXPECT_TRUE(SaveText(text, 6, kTxxp));
    ASSERT_EQ(Fake().calls.size(), 1u);
    const Call& save = Fake().calls[0];
    EXPECT_EQ(save.name, "HX_SaveEData");
    // Nine units and the zero.
    EXPECT_EQ(RecordArgs(save), (std::vector<std::uint32_t>{kTxxp, 6, 0, 10, 1}));
    EXPECT_EQ(save.version, 0x11000000u);
    const std::vector<std::uint8_t> bytes = {'A', 0, 'n', 0, 'd', 0, 'a',  0, 'n', 0,
                                             't', 0, 'e', 0, ' ', 0, 0xE9, 0, 0,   0};
    EXPECT_EQ(save.saved, bytes);

    EXPECT_TRUE(SaveText(UniversalString(), 7, kTxxp));
    EXPECT_EQ(Fake().calls.back().size, 1u);
    EXPECT_EQ(Fake().calls.back().saved, (std::vector<std::uint8_t>{0, 0}));

    // Text number 0 writes nothing; a refused save is false.
    EXPECT_FALSE(SaveText(UniversalString(u"x"), 0, kTxxp));
    EXPECT_EQ(Fake().calls.size(), 2u);
    Fake().refuseSaves = true;
    EXPECT_FALSE(SaveText(UniversalString(u"x"), 3, kTxxp));
    EXPECT_EQ(Fake().calls.size(), 3u);
}

TEST_F(TypedRecordsTest, CountPagesEndsAt32767) {
    Fake().loadHook = [](RecordTag, RecordKey*, void*, std::uint32_t*) { return std::int16_t(1); };
    EXPECT_EQ(CountPages(), 32767);
    EXPECT_EQ(Fake().calls.size(), 32767u);
}

struct FontRow {
    int line;
    std::string storedName;  // 8-bit, as in the record
    std::uint16_t value;
    std::u16string name;
};

TEST_F(TypedRecordsTest, FontFieldsAreReadWithinTheRecord) {
    const std::vector<FontRow> rows = {
        {__LINE__, "Notaglyph", 0x1234, u"Notaglyph"},
        // A name that fills its 36 bytes has no terminator: read 36, no more.
        {__LINE__, std::string(36, 'W'), 1, std::u16string(36, u'W')},
    };
    for (const FontRow& row : rows) {
        SCOPED_TRACE(row.line);
        SetUp();
        std::vector<std::uint8_t> record(48, 0);
        layout::WriteU16(record.data(), 0, row.value);
        std::copy(row.storedName.begin(), row.storedName.end(), record.begin() + 12);
        Fake().PutRecord(kFont, {5, 0}, record);
        EXPECT_EQ(FontCommandValue(5), row.value);
        EXPECT_EQ(FontName(5).text(), row.name);
        for (const Call& load : Fake().calls) {
            EXPECT_EQ(RecordArgs(load), (std::vector<std::uint32_t>{kFont, 5, 0, 48, 1}));
            EXPECT_EQ(load.version, 0x10000000u);
        }
    }
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
    EXPECT_EQ(Fake().calls[0].text, u"Caf\u00e9 Sans");  // one byte for the accent
}

}  // namespace
}  // namespace tavrel::fakehost
