// Replace All over documents: the document modes, one host edit per
// document, the messages, fresh copies of the request for each document,
// and an exception that must not leave an edit open or reach the host.
#include "search/ReplaceAll.h"

#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "host/RecordLayout.h"
#include "strings/ResourceStrings.h"
#include "tests/text/StyleBuilder.h"

namespace tavrel {
namespace {

using sim::EventKind;
using testing_support::EngineTest;
using testing_support::Key;
using testing_support::TextOf;
using testing_support::TripletOf;

ReplaceAllMessages ShippedMessages() {
    resource_string::ResourceStrings strings(nullptr);
    EXPECT_TRUE(strings.Load("strings"));
    return LoadReplaceAllMessages(strings);
}

// Totals of 0, 1 and several are in the Replace All tests below.
TEST(ResultMessageTest, TotalsAboveSignedThirtyTwoBits) {
    const ReplaceAllMessages m = ShippedMessages();
    EXPECT_EQ(ResultMessage(4000000000u, m).toUtf8(),
              "4000000000 occurrences were found and replaced.");
}

class ReplaceAllTest : public EngineTest {
  protected:
    SearchRequest Request(const std::string& search, const std::string& replace,
                          std::uint32_t options) {
        SearchRequest r;
        r.searchText = UniversalString(search);
        r.replaceText = UniversalString(replace);
        r.options = options;
        return r;
    }
    std::vector<std::int16_t> EditDocuments(EventKind kind) {
        std::vector<std::int16_t> docs;
        for (const sim::JournalEvent& e : Sim().GetJournal().EventsOf(kind)) {
            docs.push_back(e.document);
            EXPECT_FALSE(e.unbalanced);
            if (kind == EventKind::EditStarted) {
                EXPECT_EQ(e.editName, u"Lexora");
                EXPECT_EQ(e.depth, 1);
            }
        }
        return docs;
    }
    const ReplaceAllMessages messages_ = ShippedMessages();
};

std::string OneMatch(const std::string& text) {
    return R"("texts": {"txxp": {"1": ")" + text + "\"}}";
}

TEST_F(ReplaceAllTest, AllOpenDocumentsOneEditEachAndTheMessageFollowsTheTotal) {
    struct Row {
        int line;
        std::vector<std::string> texts;  // one document each
        std::uint32_t total;
        const char* alert;
        std::size_t changed;  // documents laid out and redrawn
    };
    const Row rows[] = {
        {__LINE__, {"x", "y"}, 0, "No occurrence found!", 0},
        {__LINE__, {"x", "y a"}, 1, "One occurrence was found and replaced.", 1},
        {__LINE__, {"x a a", "y a"}, 3, "3 occurrences were found and replaced.", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        Sim().Reset();
        std::vector<std::int16_t> all;
        for (const std::string& text : row.texts) {
            all.push_back(Open(OneMatch(text)));
        }
        const ReplaceAllResult result = ReplaceAllInDocuments(
            Request("a", "b", SR_TEXT_EXPRESSIONS | SR_ALL_DOCUMENTS), messages_, nullptr);
        EXPECT_EQ(result.total, row.total);
        EXPECT_EQ(result.documents, int(row.texts.size()));
        EXPECT_TRUE(result.completed);
        EXPECT_EQ(result.message.toUtf8(), row.alert);
        EXPECT_EQ(Sim().GetJournal().Alerts(), (std::vector<std::string>{row.alert}));
        EXPECT_EQ(EditDocuments(EventKind::EditStarted), all);
        EXPECT_EQ(EditDocuments(EventKind::EditEnded), all);
        EXPECT_EQ(Sim().OpenEdits(), 0);
        EXPECT_EQ(Sim().GetJournal().EventsOf(EventKind::LayoutUpdated).size(), row.changed);
        EXPECT_EQ(Sim().GetJournal().EventsOf(EventKind::MusicRedrawn).size(), row.changed);
    }
    EXPECT_EQ(TextOf(2, layout::kExpressionText, Key(1)), "y b");
}

TEST_F(ReplaceAllTest, CurrentDocumentOnly) {
    Open(OneMatch("x a"));
    const std::int16_t two = Open(OneMatch("y a"));
    Sim().SetCurrentKorvidDocument(two, kInterfaceVersion);
    const ReplaceAllResult result =
        ReplaceAllInDocuments(Request("a", "b", SR_TEXT_EXPRESSIONS), messages_, nullptr);
    EXPECT_EQ(result.total, 1u);
    EXPECT_EQ(EditDocuments(EventKind::EditStarted), (std::vector<std::int16_t>{2}));
    EXPECT_EQ(TextOf(1, layout::kExpressionText, Key(1)), "x a");
    EXPECT_EQ(TextOf(2, layout::kExpressionText, Key(1)), "y b");
}

std::int16_t NoCurrentDocument(std::uint32_t) {
    return 0;
}

TEST_F(ReplaceAllTest, AllOpenDocumentsWithoutACurrentDocumentSearchesNothing) {
    Open(OneMatch("x a"));
    Open(OneMatch("y a"));
    OverrideExport("HX_GetCurrentKorvidDocument", reinterpret_cast<void*>(&NoCurrentDocument));
    const ReplaceAllResult result = ReplaceAllInDocuments(
        Request("a", "b", SR_EVERYWHERE | SR_ALL_DOCUMENTS), messages_, nullptr);
    EXPECT_EQ(result.total, 0u);
    EXPECT_EQ(result.documents, 0);
    EXPECT_TRUE(Sim().GetJournal().EventsOf(EventKind::EditStarted).empty());
    EXPECT_EQ(Sim().GetJournal().Alerts(), (std::vector<std::string>{"No occurrence found!"}));
    EXPECT_EQ(TextOf(1, layout::kExpressionText, Key(1)), "x a");
}

TEST_F(ReplaceAllTest, EachDocumentGetsTheRequestAsTheUserMadeIt) {
    // Arial is font 3 of the first document and the default font of the
    // second; each has a three-style record and a text with a typed code.
    Open(R"("fonts": {"0": {"name": "Times New Roman", "arg": 4096}, "3": {"name": "Arial"}},
        "texts": {"txxp": {"1": "x <65>"}},
        "threeStyleRecords": {"1": {"styles": [{"size": 12}, {"size": 12}, {"size": 12}]}})");
    Open(R"("fonts": {"0": {"name": "Arial", "arg": 9}, "5": {"name": "Times New Roman"}},
        "texts": {"txxp": {"1": "y <65>"}},
        "threeStyleRecords": {"1": {"styles": [{"font": 5, "size": 12}, {"font": 5, "size": 12},
                                               {"font": 5, "size": 12}]}})");
    const StringStyle arial = Sty().Font("Arial");
    SearchRequest request = Request("<60>65>", "B", SR_TEXT_EXPRESSIONS | SR_ALL_DOCUMENTS);
    request.replaceText.setStyle(arial);
    request.searchText.setStyle(Bold());  // its box is clear: not used, but kept
    const SearchRequest before = request;

    EXPECT_EQ(RunReplaceAll(request, messages_).total, 2u);
    // The code is converted once per document: both find the typed "<65>".
    EXPECT_EQ(TextOf(1, layout::kExpressionText, Key(1)), "x B");
    EXPECT_EQ(TextOf(2, layout::kExpressionText, Key(1)), "y B");
    // The request itself is untouched.
    EXPECT_EQ(request.searchText.text(), before.searchText.text());
    EXPECT_EQ(request.searchText.style().effectsMask, 1);
    EXPECT_EQ(request.replaceText.style().fontName, "Arial");
    EXPECT_EQ(request.replaceText.style().fontFlags, 0);

    // Style only: the records take each document's own number for Arial.
    SearchRequest styleOnly =
        Request("", "", SR_TEXT_EXPRESSIONS | SR_ALL_DOCUMENTS | SR_USE_REPLACE_STYLE);
    styleOnly.replaceText.setStyle(arial);
    RunReplaceAll(styleOnly, messages_);
    EXPECT_EQ(TripletOf(1, layout::threestyle::kTag, Key(1), 260), (StyleTriplet{3, 12, 0}));
    EXPECT_EQ(TripletOf(2, layout::threestyle::kTag, Key(1), 260), (StyleTriplet{0, 12, 0}));
}

int gSavesBeforeFailure = 0;

std::int16_t SaveThenRunOutOfMemory(std::uint32_t tag, const RecordKey* key, const void* buffer,
                                    std::uint32_t size, std::uint32_t version) {
    if (gSavesBeforeFailure-- <= 0) {
        throw std::bad_alloc();
    }
    return sim::Simulator::Instance().SaveEData(tag, key, buffer, size, version);
}

TEST_F(ReplaceAllTest, AnExceptionEndsTheEditAndStaysInside) {
    Open(R"("texts": {"txxp": {"1": "x a", "2": "y a", "3": "z a"}})");
    Open(OneMatch("w a"));
    gSavesBeforeFailure = 1;
    OverrideExport("HX_SaveEData", reinterpret_cast<void*>(&SaveThenRunOutOfMemory));
    ReplaceAllResult result;
    EXPECT_NO_THROW(
        result = ReplaceAllInDocuments(Request("a", "b", SR_TEXT_EXPRESSIONS | SR_ALL_DOCUMENTS),
                                       messages_, nullptr));
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.total, 1u);  // the one save that happened
    EXPECT_EQ(result.message.toUtf8(), "One occurrence was found and replaced.");
    EXPECT_EQ(EditDocuments(EventKind::EditStarted), (std::vector<std::int16_t>{1}));
    EXPECT_EQ(EditDocuments(EventKind::EditEnded), (std::vector<std::int16_t>{1}));
    EXPECT_EQ(Sim().OpenEdits(), 0);
    EXPECT_EQ(Sim().GetJournal().EventsOf(EventKind::LayoutUpdated).size(), 1u);
    EXPECT_EQ(TextOf(1, layout::kExpressionText, Key(1)), "x b");
    EXPECT_EQ(TextOf(1, layout::kExpressionText, Key(2)), "y a");
    EXPECT_EQ(TextOf(2, layout::kExpressionText, Key(1)), "w a");
}

}  // namespace
}  // namespace tavrel
