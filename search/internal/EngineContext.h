// The state of one search over one document, shared by the engine's
// categories: the prepared texts, the record style filter and change, the
// running count and the texts and records already searched.
// Private to the engine, as everything in search/internal/ is.
#pragma once

#include <cstdint>
#include <unordered_set>

#include "host/HostApi.h"
#include "search/RecordStyle.h"
#include "text/UniversalString.h"

namespace tavrel::engine {

// Remembers which texts (kind and number) and records (tag and key) one
// document's search has reached, so each is searched once even when two
// categories lead to it: a replacement that contains its search text would
// otherwise be applied twice.
class VisitedSet {
  public:
    VisitedSet() = default;
    virtual ~VisitedSet() = default;

    // True the first time the item is named, false after.
    bool FirstVisit(RecordTag tag, RecordKey key);

  private:
    std::unordered_set<std::uint64_t> seen_;
};

struct EngineContext {
    EngineContext(const UniversalString& searchText, const UniversalString& replaceText,
                  std::uint32_t requestOptions, std::uint32_t& runningCount);

    const UniversalString& search;
    const UniversalString& replace;
    std::uint32_t options;
    RecordStyleFilter filter;
    RecordStyleChange change;
    bool searchEmpty;
    bool bothEmpty;
    // Added to as each change is saved, so what was done before a failure
    // (an allocation failure, say) is still counted.
    std::uint32_t& count;
    VisitedSet visited;

    void Add(std::uint32_t n) { count += n; }
};

// One search of one text record. Without SR_ALL_RECORDS the text numbered
// `number`; with it every text of the kind after key {number, 0}. A text's
// replacements count only once its save succeeded; a text numbered 0 is
// never written and counts nothing.
std::uint32_t SearchTextRecords(EngineContext& ctx, std::uint16_t number, RecordTag kind,
                                std::uint32_t options);

// The text of the text block numbered `block`, when the block loads.
void SearchTextBlock(EngineContext& ctx, std::uint16_t block);

// The categories, in the order the engine runs them.
void SearchStaffNames(EngineContext& ctx);
void SearchStaffStyles(EngineContext& ctx);
void SearchGroupNames(EngineContext& ctx);
void SearchTextBlocks(EngineContext& ctx);
void SearchLyrics(EngineContext& ctx);
void SearchSmartShapes(EngineContext& ctx);
void SearchFileInfo(EngineContext& ctx);
void SearchRepeatTexts(EngineContext& ctx);
void SearchStylePairs(EngineContext& ctx);
void SearchThreeStyleRecords(EngineContext& ctx);  // part of text expressions
void SearchTextExpressions(EngineContext& ctx);
void SearchArticulations(EngineContext& ctx);

}  // namespace tavrel::engine
