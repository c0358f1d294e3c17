// Searching text records: one numbered text or every text of a kind, and the
// text reached through a text-block record.
#include "search/internal/EngineContext.h"

#include <vector>

#include "host/RecordAccess.h"
#include "host/RecordLayout.h"
#include "host/TypedRecords.h"
#include "search/Engine.h"
#include "search/SearchRequest.h"
#include "search/internal/RecordWalk.h"
#include "text/StyleCommands.h"
#include "text/StyledReplace.h"

namespace tavrel::engine {

namespace {

std::uint64_t VisitKey(RecordTag tag, RecordKey key) {
    return (std::uint64_t(tag) << 32) | (std::uint64_t(key.first) << 16) | key.second;
}

// Searches one loaded text and saves it when something was replaced; the
// count stands only when the text was written.
std::uint32_t SearchOneText(const EngineContext& ctx, RecordTag kind, RecordKey key,
                            std::u16string loaded, std::uint32_t options) {
    UniversalString text(std::move(loaded));
    const std::uint32_t n = ReplaceInStyledText(text, ctx.search, ctx.replace, options);
    if (n == 0) {
        return 0;
    }
    if ((options & SR_PLAIN_TEXT) != 0) {
        StripStyleCommands(text);
    }
    // Text 0 means "no text": the host never gets one written.
    if (key.first == 0 && key.second == 0) {
        return 0;
    }
    return SaveTextRecord(kind, key, text.text()) ? n : 0;
}

std::uint32_t SearchNumberedText(EngineContext& ctx, std::uint16_t number, RecordTag kind,
                                 std::uint32_t options) {
    const RecordKey key{number, 0};
    if (!ctx.visited.FirstVisit(kind, key)) {
        return 0;
    }
    std::u16string loaded;
    if (!LoadTextRecord(kind, key, loaded)) {
        return 0;
    }
    return SearchOneText(ctx, kind, key, std::move(loaded), options);
}

std::uint32_t SearchEveryText(EngineContext& ctx, std::uint16_t number, RecordTag kind,
                              std::uint32_t options) {
    std::uint32_t sum = 0;
    WalkKeys(
        RecordKey{number, 0}, true,
        [&](RecordKey& key) { return NextEData(kind, &key, nullptr, 0, kInterfaceVersion) != 0; },
        [&](RecordKey key) {
            std::u16string loaded;
            if (!ctx.visited.FirstVisit(kind, key) || !LoadTextRecord(kind, key, loaded)) {
                return;
            }
            const std::uint32_t n = SearchOneText(ctx, kind, key, std::move(loaded), options);
            sum += n;
            ctx.Add(n);
        });
    return sum;
}

}  // namespace

bool VisitedSet::FirstVisit(RecordTag tag, RecordKey key) {
    return seen_.insert(VisitKey(tag, key)).second;
}

EngineContext::EngineContext(const UniversalString& searchText, const UniversalString& replaceText,
                             std::uint32_t requestOptions, std::uint32_t& runningCount)
    : search(searchText),
      replace(replaceText),
      options(requestOptions),
      filter(searchText.style()),
      change(replaceText.style()),
      searchEmpty(searchText.empty()),
      bothEmpty(searchText.empty() && replaceText.empty()),
      count(runningCount) {}

std::uint32_t SearchTextRecords(EngineContext& ctx, std::uint16_t number, RecordTag kind,
                                std::uint32_t options) {
    if ((options & SR_ALL_RECORDS) != 0) {
        return SearchEveryText(ctx, number, kind, options);
    }
    const std::uint32_t n = SearchNumberedText(ctx, number, kind, options);
    ctx.Add(n);
    return n;
}

void SearchTextBlock(EngineContext& ctx, std::uint16_t block) {
    if (block == 0) {
        return;  // no text block
    }
    std::vector<std::uint8_t> record;
    if (!LoadRecord(layout::textblock::kTag, RecordKey{block, 0}, record, layout::textblock::kSize,
                    kInterfaceVersion)) {
        return;
    }
    const std::uint16_t text = layout::ReadU16(record.data(), layout::textblock::kText);
    SearchTextRecords(ctx, text, layout::kTextBlockText, ctx.options);
}

}  // namespace tavrel::engine

namespace tavrel {

std::uint32_t ReplaceInTextRecords(std::uint16_t number, RecordTag kind,
                                   const UniversalString& searchText,
                                   const UniversalString& replaceText, std::uint32_t options) {
    std::uint32_t count = 0;
    engine::EngineContext ctx(searchText, replaceText, options, count);
    return engine::SearchTextRecords(ctx, number, kind, options);
}

}  // namespace tavrel
