// Binding of the host callbacks: what each call sends (those the simulated
// host answers in the engine and end-to-end tests aside), lookups once per
// name, missing exports, and the open-edit bookkeeping.
#include "host/HostCallbacks.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/FixedFields.h"
#include "platform/Module.h"
#include "tests/host/FakeHost.h"

namespace tavrel::fakehost {
namespace {

using CallbackBindingTest = FakeHostTest;

int dummyWindow = 0;

// The first unit of a path buffer filled with 'x' after asking for a path.
long PathFirstUnit() {
    char16_t path[kDocumentPathUnits];
    std::fill(std::begin(path), std::end(path), u'x');
    host::GetDocumentPath(2, path);
    return path[0];
}

struct CallRow {
    int line;
    std::function<long()> call;
    const char* exportName;
    std::int32_t a, b, c;
    void* window;
    std::u16string text;
    long result;
    long resultWhenMissing;  // the export absent: nothing is called
};

TEST_F(CallbackBindingTest, EachCallSendsItsArgumentsAndTheVersionLastOrFailsWhenMissing) {
    const std::vector<CallRow> rows = {
        // The buffer is cleared before the host fills it, and left alone
        // when there is no host to fill it.
        {__LINE__, PathFirstUnit, "HX_GetDocumentPath", 2, 0, 0, nullptr, u"", 0, 'x'},
        // A negative count is none.
        {__LINE__, [] { return long(host::GetWindowCount()); }, "HX_GetWindowCount", 0, 0, 0,
         nullptr, u"", 0, 0},
        {__LINE__, [] { return long(host::SetCurrentWindow(0x77)); }, "HX_SetCurrentWindow", 0x77,
         0, 0, nullptr, u"", 0x77, 0},
        {__LINE__, [] { return (host::UpdateLayout(), 0L); }, "HX_UpdateLayout", 1, 0, 0, nullptr,
         u"", 0, 0},
        {__LINE__, [] { return long(host::AlertMessageUtf16(&dummyWindow, u"Fertig \u00e9.")); },
         "HX_AlertMessage_UTF16", 64, 0, 0, &dummyWindow, u"Fertig \u00e9.", 1, 0},
        {__LINE__, [] { return long(host::FontNameToNum("Notaglyph")); }, "HX_FontNameToNum", 0, 0,
         0, nullptr, u"Notaglyph", 12, 0xFFFF},
    };
    for (const CallRow& row : rows) {
        for (bool present : {true, false}) {
            SCOPED_TRACE(testing::Message() << "line " << row.line << (present ? "" : ", missing"));
            SetUp();
            Fake().fontNumberAnswer = 12;
            Fake().windowCount = -3;
            if (!present) {
                Fake().missing = {row.exportName};
            }
            EXPECT_EQ(row.call(), present ? row.result : row.resultWhenMissing);
            ASSERT_EQ(Fake().calls.size(), present ? 1u : 0u);
            if (present) {
                const Call& sent = Fake().calls[0];
                EXPECT_EQ(sent.name, row.exportName);
                EXPECT_EQ(sent.version, 0x11000000u);
                EXPECT_EQ(std::vector<std::int32_t>({sent.a, sent.b, sent.c}),
                          std::vector<std::int32_t>({row.a, row.b, row.c}));
                EXPECT_EQ(sent.window, row.window);
                EXPECT_EQ(sent.text, row.text);
            }
        }
    }
}

TEST_F(CallbackBindingTest, EachExportIsLookedUpOnceFoundOrNot) {
    host::GetWindowCount();
    host::GetWindowCount();
    EXPECT_EQ(platform::FunctionLookupCount(), 1u);
    host::UpdateLayout();
    EXPECT_EQ(platform::FunctionLookupCount(), 2u);

    Fake().missing = {"HX_SetCurrentWindow"};
    EXPECT_EQ(host::SetCurrentWindow(0x77), 0u);
    EXPECT_EQ(platform::FunctionLookupCount(), 3u);
    // The host does not grow the export later; it stays unbound.
    Fake().missing.clear();
    EXPECT_EQ(host::SetCurrentWindow(0x77), 0u);
    EXPECT_EQ(platform::FunctionLookupCount(), 3u);
    EXPECT_TRUE(Fake().CallsNamed("HX_SetCurrentWindow").empty());

    host::ResetBindingForTesting();
    EXPECT_EQ(host::SetCurrentWindow(0x77), 0x77u);
    EXPECT_EQ(platform::FunctionLookupCount(), 4u);
}

TEST_F(CallbackBindingTest, PathIsReadWithinItsBuffer) {
    char16_t path[kDocumentPathUnits];
    // A host that fills every unit leaves no terminator: read 260, no more.
    Fake().pathToWrite = std::u16string(kDocumentPathUnits, u'p');
    host::GetDocumentPath(2, path);
    EXPECT_EQ(DocumentPathText(path), std::u16string(kDocumentPathUnits, u'p'));
}

TEST_F(CallbackBindingTest, WindowInfoListReadsEachRecordAtItsOffsets) {
    Fake().windows = {{3, 0x00010203u}, {-2, 0xFFFFFFF0u}, {7, 0x42u}};
    // The fourth record is left alone by the host and reads as zero.
    const std::vector<host::WindowInfo> list = host::GetWindowInfoList(4);
    const std::vector<std::pair<int, std::uint32_t>> expected = {
        {3, 0x00010203u}, {-2, 0xFFFFFFF0u}, {7, 0x42u}, {0, 0u}};
    ASSERT_EQ(list.size(), expected.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].document, expected[i].first) << i;
        EXPECT_EQ(list[i].window, expected[i].second) << i;
    }
    EXPECT_EQ(Fake().calls.at(0).a, 4);

    EXPECT_TRUE(host::GetWindowInfoList(-1).empty());
    EXPECT_EQ(Fake().calls.size(), 1u);
}

struct EditRow {
    int line;
    std::string steps;  // S = StartEdit, E = EndEdit
    std::vector<long> results;
    std::string hostCalls;  // s = host start, e = host end, in order
    const char* missingExport;
};

TEST_F(CallbackBindingTest, AtMostOneEditIsOpen) {
    // The fake host answers 7 to a start and 9 to an end.
    const std::vector<EditRow> rows = {
        {__LINE__, "SE", {7, 9}, "se", nullptr},
        {__LINE__, "SSE", {7, 0, 9}, "se", nullptr},
        {__LINE__, "ESSEE", {0, 7, 0, 9, 0}, "se", nullptr},
        // No edit can open on a host without the start export.
        {__LINE__, "SE", {0, 0}, "", "HX_StartNotavoEdit_UTF16"},
        // Without the end export the edit still closes on the plug-in side.
        {__LINE__, "SES", {7, 0, 7}, "ss", "HX_EndNotavoEdit"},
    };
    for (const EditRow& row : rows) {
        SCOPED_TRACE(row.line);
        SetUp();
        if (row.missingExport != nullptr) {
            Fake().missing = {row.missingExport};
        }
        std::vector<long> results;
        for (char step : row.steps) {
            results.push_back(step == 'S' ? host::StartEdit(u"Lexora") : host::EndEdit());
        }
        EXPECT_EQ(results, row.results);
        std::string hostCalls;
        for (const Call& call : Fake().calls) {
            hostCalls += call.name == "HX_EndNotavoEdit" ? 'e' : 's';
            EXPECT_EQ(call.version, 0x11000000u);
        }
        EXPECT_EQ(hostCalls, row.hostCalls);
    }
}

}  // namespace
}  // namespace tavrel::fakehost
