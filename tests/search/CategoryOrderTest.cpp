// The categories run in their fixed order; the host sees it in the order in
// which each kind of record or text is first asked for.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "EngineFixture.h"
#include "host/RecordLayout.h"
#include "search/SearchRequest.h"

namespace tavrel::testing_support {
namespace {

// The first call for any of `tags`, in journal order, one entry per tag.
std::vector<RecordTag> FirstCallOrder(const std::vector<RecordTag>& tags) {
    std::vector<RecordTag> order;
    for (const sim::RecordCall& call : sim::Simulator::Instance().GetJournal().Calls()) {
        const bool watched = std::find(tags.begin(), tags.end(), call.tag) != tags.end();
        if (watched && std::find(order.begin(), order.end(), call.tag) == order.end()) {
            order.push_back(call.tag);
        }
    }
    return order;
}

class CategoryOrderTest : public EngineTest {};

TEST_F(CategoryOrderTest, EverywhereWalksTheKindsInTheirOrder) {
    OpenEveryKind();
    // One character each, so the articulations are visited too.
    Run("A", "V", SR_INITIAL_OPTIONS | SR_FILE_INFO);
    const std::vector<RecordTag> expected = {
        layout::staff::kTag,     layout::staffstyle::kTag,   layout::group::kTag,
        layout::pageblock::kTag, layout::measureblock::kTag, layout::kLyricsVerse,
        layout::kLyricsChorus,   layout::kLyricsSection,     layout::kSmartShapeText,
        layout::kFileInfoText,   layout::kRepeatText,        layout::kEndingText,
        layout::kExpressionText, layout::articulation::kTag,
    };
    EXPECT_EQ(expected, FirstCallOrder(expected));
}

TEST_F(CategoryOrderTest, StyleOnlyRecordsComeAfterTheirTexts) {
    OpenEveryKind();
    Run("", "", SR_INITIAL_OPTIONS);
    const std::vector<RecordTag> expected = {
        layout::kRepeatText,      layout::twostyle::kTag,     layout::kExpressionText,
        layout::threestyle::kTag, layout::articulation::kTag,
    };
    EXPECT_EQ(expected, FirstCallOrder(expected));
}

}  // namespace
}  // namespace tavrel::testing_support
