// The order in which the engine walks a document: one step per category,
// with the request bits that choose it and the record kinds it is named
// for, in the order it reaches them. The engine runs its steps from this
// table, and whatever lists a document's texts or changes follows it too.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/HostApi.h"
#include "host/RecordLayout.h"
#include "search/SearchRequest.h"

namespace tavrel {

enum class WalkStep {
    StaffNames,
    StaffStyles,
    GroupNames,
    TextBlocks,
    Lyrics,
    SmartShapes,
    FileInfo,
    RepeatTexts,
    StylePairs,
    TextExpressions,
    Articulations,
};

struct WalkEntry {
    WalkStep step;
    std::uint32_t bits;  // any of them chooses the step
    RecordTag kinds[4];  // the first kindCount are used
    std::size_t kindCount;
};

// Text-block texts belong to the text-block step, though the name steps
// reach them earlier through their own blocks.
inline constexpr WalkEntry kWalkOrder[] = {
    {WalkStep::StaffNames, SR_STAFF_NAMES, {layout::staff::kTag}, 1},
    {WalkStep::StaffStyles, SR_STAFF_NAMES | SR_STAFF_STYLE_NAMES, {layout::staffstyle::kTag}, 1},
    {WalkStep::GroupNames, SR_GROUP_NAMES, {layout::group::kTag}, 1},
    {WalkStep::TextBlocks,
     SR_TEXT_BLOCKS,
     {layout::pageblock::kTag, layout::measureblock::kTag, layout::textblock::kTag,
      layout::kTextBlockText},
     4},
    {WalkStep::Lyrics,
     SR_LYRICS,
     {layout::kLyricsVerse, layout::kLyricsChorus, layout::kLyricsSection},
     3},
    {WalkStep::SmartShapes, SR_SMART_SHAPES, {layout::kSmartShapeText}, 1},
    {WalkStep::FileInfo, SR_ALL_FILE_INFO, {layout::kFileInfoText}, 1},
    {WalkStep::RepeatTexts,
     SR_REPEAT_TEXTS,
     {layout::kRepeatText, layout::repeatstyle::kTag, layout::kEndingText},
     3},
    {WalkStep::StylePairs, SR_STYLE_PAIRS, {layout::twostyle::kTag}, 1},
    {WalkStep::TextExpressions,
     SR_TEXT_EXPRESSIONS,
     {layout::kExpressionText, layout::threestyle::kTag},
     2},
    {WalkStep::Articulations, SR_ARTICULATIONS, {layout::articulation::kTag}, 1},
};
inline constexpr std::size_t kWalkStepCount = sizeof kWalkOrder / sizeof kWalkOrder[0];

// The place of a record kind in the walk: its index among the kinds of
// every step in order, or the number of all kinds for one the walk does
// not name.
inline std::size_t WalkRank(RecordTag kind) {
    std::size_t rank = 0;
    for (const WalkEntry& entry : kWalkOrder) {
        for (std::size_t i = 0; i < entry.kindCount; ++i, ++rank) {
            if (entry.kinds[i] == kind) {
                return rank;
            }
        }
    }
    return rank;
}

}  // namespace tavrel
