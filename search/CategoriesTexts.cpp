// The categories that search whole kinds of text records: lyrics, smart
// shapes, file info and text expressions (with their three-style records).
#include "search/internal/EngineContext.h"

#include "host/RecordLayout.h"
#include "search/SearchRequest.h"

namespace tavrel::engine {

namespace {

// File-info text n (1 to 7) and the option bit that chooses it.
struct FileInfoText {
    std::uint16_t number;
    std::uint32_t bit;
};
constexpr FileInfoText kFileInfoTexts[] = {
    {1, SR_FILE_INFO_1}, {2, SR_FILE_INFO_2}, {3, SR_FILE_INFO_3}, {4, SR_FILE_INFO_4},
    {5, SR_FILE_INFO_5}, {6, SR_FILE_INFO_6}, {7, SR_FILE_INFO_7},
};

}  // namespace

void SearchLyrics(EngineContext& ctx) {
    for (RecordTag kind : {layout::kLyricsVerse, layout::kLyricsChorus, layout::kLyricsSection}) {
        SearchTextRecords(ctx, 0, kind, ctx.options | SR_ALL_RECORDS);
    }
}

void SearchSmartShapes(EngineContext& ctx) {
    SearchTextRecords(ctx, 0, layout::kSmartShapeText, ctx.options | SR_ALL_RECORDS);
}

void SearchFileInfo(EngineContext& ctx) {
    if (ctx.searchEmpty) {
        return;
    }
    for (const FileInfoText& info : kFileInfoTexts) {
        if ((ctx.options & info.bit) != 0) {
            SearchTextRecords(ctx, info.number, layout::kFileInfoText, ctx.options | SR_PLAIN_TEXT);
        }
    }
}

void SearchTextExpressions(EngineContext& ctx) {
    SearchTextRecords(ctx, 0, layout::kExpressionText, ctx.options | SR_ALL_RECORDS);
    if (ctx.bothEmpty) {
        SearchThreeStyleRecords(ctx);
    }
}

}  // namespace tavrel::engine
