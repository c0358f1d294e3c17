// Replace All as the 64-bit build runs it under Windows: the engine reaches
// the host only through callbacks bound by name in NOTAVO.EXE, opens one
// edit per document and reports the total in the host's alert.
#include <gtest/gtest.h>

#include <string>

#include "host/HostCallbacks.h"
#include "host/RecordLayout.h"
#include "search/ReplaceAll.h"
#include "search/SearchRequest.h"
#include "sim/Document.h"
#include "sim/Simulator.h"

namespace tavrel {
namespace {

sim::Document ScoreWithTempo(const std::u16string& tempo) {
    sim::Document document;
    document.PutText(layout::kExpressionText, RecordKey{1, 0}, tempo);
    document.PutText(layout::kLyricsVerse, RecordKey{1, 0}, u"Al-le-gro is not a word here");
    return document;
}

ReplaceAllMessages EnglishMessages() {
    ReplaceAllMessages messages;
    messages.undoItem = UniversalString("Lexora");
    messages.noOccurrence = UniversalString("No occurrence found!");
    messages.oneOccurrence = UniversalString("One occurrence was found and replaced.");
    messages.occurrencesFound = UniversalString(" occurrences were found and replaced.");
    return messages;
}

TEST(ReplaceAllUnderWindowsTest, EveryOpenDocumentInOneEditEach) {
    auto& host = sim::Simulator::Instance();
    host.Reset();
    host::ResetBindingForTesting();
    host.Open(ScoreWithTempo(u"^size(14)Allegro"));
    host.Open(ScoreWithTempo(u"Allegro ma non troppo"));

    SearchRequest request;
    request.searchText = UniversalString("Allegro");
    request.replaceText = UniversalString("Presto");
    request.options = SR_INITIAL_OPTIONS | SR_ALL_DOCUMENTS;
    const ReplaceAllResult result = ReplaceAllInDocuments(request, EnglishMessages(), nullptr);

    EXPECT_EQ(2u, result.total);
    ASSERT_EQ(1u, host.GetJournal().Alerts().size());
    EXPECT_EQ("2 occurrences were found and replaced.", host.GetJournal().Alerts()[0]);
    const auto starts = host.GetJournal().EventsOf(sim::EventKind::EditStarted);
    const auto ends = host.GetJournal().EventsOf(sim::EventKind::EditEnded);
    ASSERT_EQ(2u, starts.size());
    ASSERT_EQ(2u, ends.size());
    EXPECT_EQ(u"Lexora", starts[0].editName);
    EXPECT_EQ(1, starts[0].document);
    EXPECT_EQ(2, starts[1].document);
    EXPECT_EQ(0, host.OpenEdits());

    const std::u16string* first = host.FindDocument(1)->FindText(layout::kExpressionText, {1, 0});
    const std::u16string* second = host.FindDocument(2)->FindText(layout::kExpressionText, {1, 0});
    ASSERT_TRUE(first && second);
    // A match that opens a text's first run restates that run's style first.
    EXPECT_EQ(u"^size(14)^nfx(0)Presto", *first);
    EXPECT_EQ(u"^nfx(0)Presto ma non troppo", *second);
    host.Reset();
}

}  // namespace
}  // namespace tavrel
