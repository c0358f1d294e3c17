// Tests of the simulated host's documents, windows, font lookup, edits,
// alerts, help, layout and redraw, and its journal.
#include "sim/host/Simulator.h"

#include <gtest/gtest.h>

#include <vector>

#include "host/RecordLayout.h"
#include "sim/codec/RecordKinds.h"

namespace tavrel::sim {
namespace {

constexpr std::uint32_t kVersion = 0x11000000;

Document WithPath(const std::string& path) {
    Document document;
    document.SetPath(path);
    return document;
}

Bytes FontRecord(std::uint16_t arg, const std::string& ansiName) {
    Bytes record(48, 0);
    layout::WriteU16(record.data(), 0, arg);
    std::copy(ansiName.begin(), ansiName.end(), record.begin() + 12);
    return record;
}

TEST(SimulatorHostTest, DocumentsAreNumberedInOpenOrderAndMoveWithTheirWindows) {
    Simulator host;
    EXPECT_EQ(host.GetCurrentKorvidDocument(kVersion), 0);
    EXPECT_EQ(host.Open(Document()), 1);
    EXPECT_EQ(host.Open(Document()), 2);
    EXPECT_EQ(host.Open(Document()), 3);
    EXPECT_EQ(host.GetCurrentKorvidDocument(kVersion), 1);  // the first opened
    EXPECT_EQ(host.GetCurrentWindow(kVersion), 0x1001u);

    std::vector<std::int16_t> walked;
    for (std::int16_t id = host.GetNextKorvidDocument(0, kVersion); id >= 1;
         id = host.GetNextKorvidDocument(id, kVersion)) {
        walked.push_back(id);
    }
    EXPECT_EQ(walked, (std::vector<std::int16_t>{1, 2, 3}));

    host.SetCurrentKorvidDocument(2, kVersion);
    EXPECT_EQ(host.GetCurrentKorvidDocument(kVersion), 2);
    EXPECT_EQ(host.GetCurrentWindow(kVersion), 0x1002u);
    host.SetCurrentKorvidDocument(9, kVersion);  // no such document
    EXPECT_EQ(host.GetCurrentKorvidDocument(kVersion), 2);

    EXPECT_EQ(host.SetCurrentWindow(0x1003, kVersion), 0x1003u);
    EXPECT_EQ(host.GetCurrentKorvidDocument(kVersion), 3);
    EXPECT_EQ(host.SetCurrentWindow(0x2000, kVersion), 0x1003u);  // unknown window
    EXPECT_EQ(host.GetCurrentKorvidDocument(kVersion), 3);

    host.Reset();
    EXPECT_EQ(host.GetCurrentKorvidDocument(kVersion), 0);
    EXPECT_EQ(host.GetNextKorvidDocument(0, kVersion), 0);
    EXPECT_EQ(host.Open(Document()), 1);
}

TEST(SimulatorHostTest, DocumentPathFillsExactly260Units) {
    Simulator host;
    host.Open(WithPath("scores/a.json"));
    host.Open(WithPath(std::string(300, 'x')));
    struct Row {
        int line;
        std::int16_t document;
        std::u16string expected;
    };
    const Row rows[] = {
        {__LINE__, 1, u"scores/a.json"},
        {__LINE__, 2, std::u16string(259, u'x')},  // cut to leave room for the zero
        {__LINE__, 7, u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        std::vector<char16_t> path(262, u'#');
        host.GetDocumentPath(row.document, path.data(), kVersion);
        EXPECT_EQ(std::u16string(path.data()), row.expected);
        for (std::size_t i = row.expected.size(); i < 260; ++i) {
            ASSERT_EQ(path[i], 0) << i;
        }
        EXPECT_EQ(path[260], u'#');
        EXPECT_EQ(path[261], u'#');
    }
    host.GetDocumentPath(1, nullptr, kVersion);  // must not crash
}

TEST(SimulatorHostTest, WindowInfoListFillsAtMostCountRecords) {
    Simulator host;
    for (int i = 0; i < 3; ++i) {
        host.Open(Document());
    }
    EXPECT_EQ(host.GetWindowCount(kVersion), 3);
    struct Row {
        int line;
        std::int16_t count;
        std::int16_t filled;
    };
    // More asked for than windows open: only the open ones.
    const Row rows[] = {{__LINE__, 2, 2}, {__LINE__, 0, 0}, {__LINE__, -1, 0}, {__LINE__, 5, 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        std::vector<std::uint8_t> records(5 * 536, 0xEE);
        EXPECT_EQ(host.GetWindowInfoList(records.data(), row.count, kVersion), row.filled);
        std::vector<std::uint8_t> expected(records.size(), 0xEE);
        for (int r = 0; r < row.filled; ++r) {
            std::uint8_t* record = expected.data() + r * 536;
            std::fill_n(record, 536, 0);
            layout::WriteU32(record, 520, 0x1001u + unsigned(r));
            layout::WriteU16(record, 524, std::uint16_t(r + 1));
        }
        EXPECT_EQ(records, expected);
    }
    EXPECT_EQ(host.GetWindowInfoList(nullptr, 3, kVersion), 0);
}

TEST(SimulatorHostTest, FontNameToNumAnswersFromTheCurrentDocument) {
    Simulator host;
    Document first;
    first.PutRecord(0x534F464E, MakeKey(0), FontRecord(4096, "Times New Roman"));
    first.PutRecord(0x534F464E, MakeKey(3), FontRecord(0, "Notaglyph"));
    first.PutRecord(0x534F464E, MakeKey(4), FontRecord(0, "caf\xE9"));
    Document second;
    second.PutRecord(0x534F464E, MakeKey(7), FontRecord(0, "Notaglyph"));
    host.Open(std::move(first));
    host.Open(std::move(second));
    struct Row {
        int line;
        const char* name;
        std::uint16_t number;
    };
    const Row rows[] = {
        {__LINE__, "Notaglyph", 3},
        {__LINE__, "TIMES NEW ROMAN", 0},
        {__LINE__, "Times", 0xFFFF},
        {__LINE__, "caf\xE9", 4},
        {__LINE__, "CAF\xC9", 0xFFFF},  // only ASCII letters compare
                                        // without case
        {__LINE__, "", 0xFFFF},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const char* name = row.name;
        EXPECT_EQ(host.FontNameToNum(&name, kVersion), row.number);
    }
    EXPECT_EQ(host.FontNameToNum(nullptr, kVersion), 0xFFFF);
    const char* none = nullptr;
    EXPECT_EQ(host.FontNameToNum(&none, kVersion), 0xFFFF);
    host.SetCurrentKorvidDocument(2, kVersion);
    const char* notaglyph = "Notaglyph";
    EXPECT_EQ(host.FontNameToNum(&notaglyph, kVersion), 7);
}

TEST(SimulatorHostTest, JournalRecordsEditsWithTheirDocumentsAndUnbalancedEnds) {
    Simulator host;
    host.Open(Document());
    host.Open(Document());
    EXPECT_EQ(host.StartNotavoEdit_UTF16(u"Lexora", kVersion), 1);
    host.UpdateLayout(1, 0, kVersion);
    host.RedrawMusic(0, kVersion);
    EXPECT_EQ(host.EndNotavoEdit(kVersion), 1);
    host.SetCurrentKorvidDocument(2, kVersion);
    host.StartNotavoEdit_UTF16(u"Lexora \u00E9", kVersion);
    host.EndNotavoEdit(kVersion);
    EXPECT_EQ(host.EndNotavoEdit(kVersion), 0);
    EXPECT_EQ(host.OpenEdits(), 0);

    const std::vector<JournalEvent>& events = host.GetJournal().Events();
    struct Row {
        EventKind kind;
        std::int16_t document;
        std::u16string name;
        bool unbalanced;
    };
    const Row expected[] = {
        {EventKind::EditStarted, 1, u"Lexora", false},
        {EventKind::LayoutUpdated, 1, u"", false},
        {EventKind::MusicRedrawn, 1, u"", false},
        {EventKind::EditEnded, 1, u"Lexora", false},
        {EventKind::EditStarted, 2, u"Lexora \u00E9", false},
        {EventKind::EditEnded, 2, u"Lexora \u00E9", false},
        {EventKind::EditEnded, 2, u"", true},
    };
    ASSERT_EQ(events.size(), std::size(expected)) << host.GetJournal().Describe();
    for (std::size_t i = 0; i < events.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(events[i].kind, expected[i].kind);
        EXPECT_EQ(events[i].document, expected[i].document);
        EXPECT_EQ(events[i].editName, expected[i].name);
        EXPECT_EQ(events[i].unbalanced, expected[i].unbalanced);
    }
    EXPECT_EQ(events[1].arguments, (std::vector<std::int64_t>{1, 0}));
    EXPECT_EQ(events[2].arguments, (std::vector<std::int64_t>{0}));

    host.GetJournal().Clear();
    EXPECT_TRUE(host.GetJournal().Events().empty());
    EXPECT_TRUE(host.GetJournal().Calls().empty());
}

TEST(SimulatorHostTest, AlertsOfBothCallbacksAndHelpTopics) {
    Simulator host;
    int window = 0;
    host.AlertMessage(0, 0, 0, "Warning: caf\xE9", kVersion);
    host.AlertMessage_UTF16(&window, 64, 0, u"3 occurrences were found and replaced.", kVersion);
    host.AlertMessage(0, 0, 0, "costs 5 \x80", kVersion);
    host.OpenHelpItem("9967", kVersion);

    EXPECT_EQ(
        host.GetJournal().Alerts(),
        (std::vector<std::string>{"Warning: caf\xC3\xA9", "3 occurrences were found and replaced.",
                                  "costs 5 \xE2\x82\xAC"}));
    std::vector<JournalEvent> alerts = host.GetJournal().EventsOf(EventKind::Alert);
    ASSERT_EQ(alerts.size(), 3u);
    EXPECT_EQ(alerts[0].callback, "HX_AlertMessage");
    EXPECT_EQ(alerts[1].callback, "HX_AlertMessage_UTF16");
    EXPECT_EQ(alerts[1].arguments[1], 64);
    EXPECT_EQ(alerts[1].arguments[0], std::int64_t(reinterpret_cast<std::uintptr_t>(&window)));
    std::vector<JournalEvent> help = host.GetJournal().EventsOf(EventKind::HelpOpened);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].text, "9967");
}

}  // namespace
}  // namespace tavrel::sim
