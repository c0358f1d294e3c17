// Binding of the host callbacks: what each call sends, lookups once per
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

struct SentRow {
    int line;
    std::function<long()> call;
    const char* exportName;
    std::int32_t a, b, c;
    std::string text8;
    std::u16string text16;
    long result;
};

TEST_F(CallbackBindingTest, EachCallSendsItsArgumentsAndTheVersionLast) {
    const std::vector<SentRow> rows = {
        {__LINE__, [] { return long(host::GetCurrentDocument()); }, "HX_GetCurrentKorvidDocument",
         0, 0, 0, "", u"", 3},
        {__LINE__, [] { return long(host::GetNextDocument(3)); }, "HX_GetNextKorvidDocument", 3, 0,
         0, "", u"", 5},
        {__LINE__, [] { return (host::SetCurrentDocument(5), 0L); }, "HX_SetCurrentKorvidDocument",
         5, 0, 0, "", u"", 0},
        {__LINE__, [] { return long(host::GetWindowCount()); }, "HX_GetWindowCount", 0, 0, 0, "",
         u"", 2},
        {__LINE__, [] { return long(host::GetCurrentWindow()); }, "HX_GetCurrentWindow", 0, 0, 0,
         "", u"", 0x51},
        {__LINE__, [] { return long(host::SetCurrentWindow(0x77)); }, "HX_SetCurrentWindow", 0x77,
         0, 0, "", u"", 0x77},
        {__LINE__, [] { return (host::UpdateLayout(), 0L); }, "HX_UpdateLayout", 1, 0, 0, "", u"",
         0},
        {__LINE__, [] { return (host::RedrawMusic(), 0L); }, "HX_RedrawMusic", 0, 0, 0, "", u"", 0},
        {__LINE__, [] { return long(host::AlertMessage("Done.")); }, "HX_AlertMessage", 0, 0, 0,
         "Done.", u"", 1},
        {__LINE__, [] { return long(host::AlertMessageUtf16(&dummyWindow, u"Fertig \u00e9.")); },
         "HX_AlertMessage_UTF16", 64, 0, 0, "", u"Fertig \u00e9.", 1},
        {__LINE__, [] { return long(host::OpenHelpItem("9967")); }, "HX_OpenHelpItem", 0, 0, 0,
         "9967", u"", 1},
        {__LINE__, [] { return long(host::FontNameToNum("Maestro")); }, "HX_FontNameToNum", 0, 0, 0,
         "Maestro", u"", 12},
        {__LINE__, [] { return long(host::StartEdit(u"Lexora")); }, "HX_StartNotavoEdit_UTF16", 0,
         0, 0, "", u"Lexora", 7},
    };
    for (const SentRow& row : rows) {
        SCOPED_TRACE(row.line);
        SetUp();
        Fake().currentDocument = 3;
        Fake().documents = {3, 5};
        Fake().windowCount = 2;
        Fake().currentWindow = 0x51;
        Fake().fontNumberAnswer = 12;
        EXPECT_EQ(row.call(), row.result);
        ASSERT_EQ(Fake().calls.size(), 1u);
        const Call& sent = Fake().calls[0];
        EXPECT_EQ(sent.name, row.exportName);
        EXPECT_EQ(sent.version, 0x11000000u);
        EXPECT_EQ(sent.a, row.a);
        EXPECT_EQ(sent.b, row.b);
        EXPECT_EQ(sent.c, row.c);
        EXPECT_EQ(sent.text8, row.text8);
        EXPECT_EQ(sent.text16, row.text16);
    }
}

TEST_F(CallbackBindingTest, AlertUtf16PassesTheHostWindow) {
    host::AlertMessageUtf16(&dummyWindow, u"x");
    ASSERT_EQ(Fake().calls.size(), 1u);
    EXPECT_EQ(Fake().calls[0].window, &dummyWindow);
}

TEST_F(CallbackBindingTest, RecordCallsPassTheirVersionUnchanged) {
    RecordKey key{4, 1};
    std::uint32_t size = 0;
    host::LoadEDataRaw(Tag("SOTX"), &key, nullptr, &size, 0x05000000);
    std::uint8_t bytes[2] = {1, 2};
    host::SaveEDataRaw(Tag("SOTX"), &key, bytes, 2, 0x06000000);
    host::DeleteEDataRaw(Tag("SOTX"), &key, 0x08000000);
    ASSERT_EQ(Fake().calls.size(), 3u);
    EXPECT_EQ(Fake().calls[0].version, 0x05000000u);
    EXPECT_EQ(Fake().calls[1].version, 0x06000000u);
    EXPECT_EQ(Fake().calls[1].saved, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(Fake().calls[2].name, "HX_DeleteEData");
    EXPECT_EQ(Fake().calls[2].version, 0x08000000u);
    EXPECT_EQ(Fake().calls[2].key.first, 4);
    EXPECT_EQ(Fake().calls[2].key.second, 1);
}

TEST_F(CallbackBindingTest, EachExportIsLookedUpOnceFoundOrNot) {
    host::GetCurrentDocument();
    host::GetCurrentDocument();
    EXPECT_EQ(platform::FunctionLookupCount(), 1u);
    host::GetWindowCount();
    EXPECT_EQ(platform::FunctionLookupCount(), 2u);

    Fake().missing = {"HX_OpenHelpItem"};
    EXPECT_EQ(host::OpenHelpItem("9967"), 0);
    EXPECT_EQ(platform::FunctionLookupCount(), 3u);
    // The host does not grow the export later; it stays unbound.
    Fake().missing.clear();
    EXPECT_EQ(host::OpenHelpItem("9967"), 0);
    EXPECT_EQ(platform::FunctionLookupCount(), 3u);
    EXPECT_TRUE(Fake().CallsNamed("HX_OpenHelpItem").empty());

    host::ResetBindingForTesting();
    EXPECT_EQ(host::OpenHelpItem("9967"), 1);
    EXPECT_EQ(platform::FunctionLookupCount(), 4u);
}

struct MissingRow {
    int line;
    const char* exportName;
    std::function<long()> call;
    long result;
};

TEST_F(CallbackBindingTest, MissingExportsFailWithoutCallingAnything) {
    int window = 0;
    const std::vector<MissingRow> rows = {
        // The document, window, edit and help callbacks.
        {__LINE__, "HX_GetCurrentKorvidDocument", [] { return long(host::GetCurrentDocument()); },
         0},
        {__LINE__, "HX_GetNextKorvidDocument", [] { return long(host::GetNextDocument(0)); }, 0},
        {__LINE__, "HX_SetCurrentKorvidDocument", [] { return (host::SetCurrentDocument(3), 0L); },
         0},
        {__LINE__, "HX_GetWindowCount", [] { return long(host::GetWindowCount()); }, 0},
        {__LINE__, "HX_GetWindowInfoList", [] { return long(host::GetWindowInfoList(2).size()); },
         0},
        {__LINE__, "HX_GetCurrentWindow", [] { return long(host::GetCurrentWindow()); }, 0},
        {__LINE__, "HX_SetCurrentWindow", [] { return long(host::SetCurrentWindow(9)); }, 0},
        {__LINE__, "HX_StartNotavoEdit_UTF16", [] { return long(host::StartEdit(u"Lexora")); }, 0},
        {__LINE__, "HX_OpenHelpItem", [] { return long(host::OpenHelpItem("9967")); }, 0},
        // Those a host is expected to have: a failed call, not a crash.
        {__LINE__, "HX_LoadEData",
         [] {
             RecordKey key{1, 0};
             std::uint32_t size = 0;
             return long(host::LoadEDataRaw(Tag("txbl"), &key, nullptr, &size, 0x11000000));
         },
         0},
        {__LINE__, "HX_SaveEData",
         [] {
             RecordKey key{1, 0};
             return long(host::SaveEDataRaw(Tag("txbl"), &key, u"a", 2, 0x11000000));
         },
         0},
        {__LINE__, "HX_NextEData",
         [] {
             RecordKey key{0, 0};
             return long(host::NextEDataRaw(Tag("txbl"), &key, nullptr, 0, 0x11000000));
         },
         0},
        {__LINE__, "HX_FontNameToNum", [] { return long(host::FontNameToNum("Maestro")); }, 0xFFFF},
        {__LINE__, "HX_UpdateLayout", [] { return (host::UpdateLayout(), 0L); }, 0},
        {__LINE__, "HX_RedrawMusic", [] { return (host::RedrawMusic(), 0L); }, 0},
        {__LINE__, "HX_AlertMessage", [] { return long(host::AlertMessage("Done.")); }, 0},
        {__LINE__, "HX_AlertMessage_UTF16",
         [&window] { return long(host::AlertMessageUtf16(&window, u"Done.")); }, 0},
    };
    for (const MissingRow& row : rows) {
        SCOPED_TRACE(row.line);
        SetUp();
        Fake().currentDocument = 3;
        Fake().windowCount = 2;
        Fake().currentWindow = 4;
        Fake().missing = {row.exportName};
        EXPECT_EQ(row.call(), row.result);
        EXPECT_TRUE(Fake().calls.empty());
    }
}

TEST_F(CallbackBindingTest, MissingPathExportLeavesTheBufferAlone) {
    Fake().missing = {"HX_GetDocumentPath"};
    char16_t path[kDocumentPathUnits];
    std::fill(std::begin(path), std::end(path), u'x');
    host::GetDocumentPath(2, path);
    EXPECT_EQ(path[0], u'x');
    EXPECT_EQ(path[kDocumentPathUnits - 1], u'x');
}

TEST_F(CallbackBindingTest, PathIsReadWithinItsBuffer) {
    char16_t path[kDocumentPathUnits];
    std::fill(std::begin(path), std::end(path), u'x');
    Fake().pathToWrite = u"C:\\Scores\\Suite.ntv";
    host::GetDocumentPath(2, path);
    ASSERT_EQ(Fake().CallsNamed("HX_GetDocumentPath").size(), 1u);
    EXPECT_EQ(Fake().calls[0].a, 2);
    // The old contents are cleared first, so a short path is terminated.
    EXPECT_EQ(DocumentPathText(path), u"C:\\Scores\\Suite.ntv");

    // A host that fills every unit leaves no terminator: read 260, no more.
    Fake().pathToWrite = std::u16string(kDocumentPathUnits, u'p');
    host::GetDocumentPath(2, path);
    EXPECT_EQ(DocumentPathText(path), std::u16string(kDocumentPathUnits, u'p'));
}

TEST_F(CallbackBindingTest, NegativeWindowCountIsNone) {
    Fake().windowCount = -3;
    EXPECT_EQ(host::GetWindowCount(), 0);
    Fake().windowCount = 4;
    EXPECT_EQ(host::GetWindowCount(), 4);
}

TEST_F(CallbackBindingTest, WindowInfoListReadsEachRecordAtItsOffsets) {
    Fake().windows = {{3, 0x00010203u}, {-2, 0xFFFFFFF0u}, {7, 0x42u}};
    const std::vector<host::WindowInfo> list = host::GetWindowInfoList(3);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].document, 3);
    EXPECT_EQ(list[0].window, 0x00010203u);
    EXPECT_EQ(list[1].document, -2);
    EXPECT_EQ(list[1].window, 0xFFFFFFF0u);
    EXPECT_EQ(list[2].document, 7);
    EXPECT_EQ(list[2].window, 0x42u);
    ASSERT_EQ(Fake().calls.size(), 1u);
    EXPECT_EQ(Fake().calls[0].a, 3);

    // Records the host leaves alone read as zero.
    const std::vector<host::WindowInfo> more = host::GetWindowInfoList(4);
    ASSERT_EQ(more.size(), 4u);
    EXPECT_EQ(more[3].document, 0);
    EXPECT_EQ(more[3].window, 0u);

    EXPECT_TRUE(host::GetWindowInfoList(0).empty());
    EXPECT_TRUE(host::GetWindowInfoList(-1).empty());
    EXPECT_EQ(Fake().calls.size(), 2u);
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
        {__LINE__, "E", {0}, "", nullptr},
        {__LINE__, "SEE", {7, 9, 0}, "se", nullptr},
        {__LINE__, "SESE", {7, 9, 7, 9}, "sese", nullptr},
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

TEST_F(CallbackBindingTest, ResetForgetsTheOpenEdit) {
    host::StartEdit(u"Lexora");
    host::ResetBindingForTesting();
    EXPECT_EQ(host::EndEdit(), 0);
    EXPECT_EQ(Fake().CallsNamed("HX_EndNotavoEdit").size(), 0u);
}

}  // namespace
}  // namespace tavrel::fakehost
