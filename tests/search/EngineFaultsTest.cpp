// Honest counts when the host refuses saves or fails loads: the walk skips
// what did not load, and nothing is counted that was not written.
#include "search/Engine.h"

#include <string>

#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "host/RecordLayout.h"

namespace tavrel {
namespace {

using testing_support::EngineTest;
using testing_support::Key;
using testing_support::TextOf;

using EngineFaultsTest = EngineTest;

TEST_F(EngineFaultsTest, RefusedSavesAndFailedLoadsAreNotCounted) {
    struct Row {
        int line;
        bool refuseSaves;  // else loads fail
        RecordTag tag;
        std::uint32_t count;  // of the 15 places the every-kind score fills
    };
    const Row rows[] = {
        {__LINE__, true, layout::kTextBlockText, 15 - 5},
        {__LINE__, true, layout::kLyricsChorus, 15 - 1},
        {__LINE__, true, layout::kFileInfoText, 15 - 2},
        {__LINE__, true, layout::staffstyle::kTag, 15 - 1},
        {__LINE__, true, layout::kRepeatText, 15 - 1},
        {__LINE__, true, layout::kEndingText, 15 - 1},
        {__LINE__, true, layout::kExpressionText, 15 - 1},
        // Without text-block records no text block's text is reached.
        {__LINE__, false, layout::textblock::kTag, 15 - 5},
        {__LINE__, false, layout::kLyricsVerse, 15 - 1},
        // A repeat text whose style record does not load is left alone.
        {__LINE__, false, layout::repeatstyle::kTag, 15 - 1},
        {__LINE__, false, layout::staff::kTag, 15},  // walked with next-record, not loaded
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        Sim().Reset();
        const std::int16_t doc = OpenEveryKind();
        if (row.refuseSaves) {
            Sim().GetFaults().RefuseSavesOf(row.tag);
        } else {
            Sim().GetFaults().FailLoadsOf(row.tag);
        }
        EXPECT_EQ(Run("Allegro", "Presto", SR_EVERYWHERE), row.count);
        if (row.tag == layout::repeatstyle::kTag) {
            EXPECT_EQ(TextOf(doc, layout::kRepeatText, Key(1)), "repeat Allegro");
        }
    }
}

TEST_F(EngineFaultsTest, EverySaveRefusedCountsNothing) {
    const std::int16_t doc = OpenEveryKind();
    Sim().GetFaults().RefuseAllSaves();
    EXPECT_EQ(Run("Allegro", "Presto", SR_EVERYWHERE), 0u);
    EXPECT_EQ(TextOf(doc, layout::kExpressionText, Key(1)), "tempo Allegro");

    // Style-only changes to records count only when saved, too.
    UniversalString s;
    UniversalString r;
    r.style().size = 30;
    EXPECT_EQ(ReplaceInCurrentDocument(s, r, SR_EVERYWHERE | SR_USE_REPLACE_STYLE), 0u);
}

TEST_F(EngineFaultsTest, CountsBeyondSixteenBits) {
    // 400 texts of 100 occurrences each: 40,000 replacements.
    std::string text;
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        text += " a";
        expected += " b";
    }
    std::string texts;
    for (int n = 1; n <= 400; ++n) {
        texts += (n > 1 ? ", \"" : "\"") + std::to_string(n) + "\": \"" + text + "\"";
    }
    const std::int16_t doc = Open("\"texts\": {\"txxp\": {" + texts + "}}");
    EXPECT_EQ(Run("a", "b", SR_TEXT_EXPRESSIONS), 40000u);
    EXPECT_EQ(TextOf(doc, layout::kExpressionText, Key(400)), expected);
}

TEST_F(EngineFaultsTest, PublicTextRecordSearch) {
    const std::int16_t doc = OpenEveryKind();
    const UniversalString s("Allegro");
    const UniversalString r("Presto");
    EXPECT_EQ(ReplaceInTextRecords(1, layout::kLyricsVerse, s, r, 0), 1u);
    EXPECT_EQ(TextOf(doc, layout::kLyricsVerse, Key(1)), "verse Presto");
    EXPECT_EQ(ReplaceInTextRecords(2, layout::kLyricsVerse, s, r, 0), 0u);  // no such text
    EXPECT_EQ(ReplaceInTextRecords(0, layout::kFileInfoText, s, r, SR_ALL_RECORDS), 2u);
    EXPECT_EQ(TextOf(doc, layout::kFileInfoText, Key(7)), "info7 Presto");
}

}  // namespace
}  // namespace tavrel
