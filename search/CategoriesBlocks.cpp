// The categories that reach texts through text-block records: staff names,
// staff styles (their blocks and their 8-bit names), group names, and the
// text blocks attached to pages and measures.
#include "search/internal/EngineContext.h"

#include <string>
#include <vector>

#include "host/FixedFields.h"
#include "host/RecordAccess.h"
#include "host/RecordLayout.h"
#include "host/TypedRecords.h"
#include "platform/CodePage.h"
#include "search/SearchRequest.h"
#include "search/StaffStyleName.h"
#include "search/internal/RecordWalk.h"

namespace tavrel::engine {

namespace {

namespace ss = layout::staffstyle;

constexpr std::size_t kNameField = ss::kSize - ss::kName;  // bytes 96..143

// The staff-style name in the record, searched case-sensitively and never as
// whole words; written back when it changed and could be stored.
std::uint32_t SearchStaffStyleName(const EngineContext& ctx, RecordKey key, std::uint8_t* record) {
    const std::string oldName = ReadFixedText8(record, ss::kName, kNameField);
    std::string newName;
    const std::uint32_t n = ReplaceInAnsiName(oldName, ctx.search, ctx.replace, newName);
    if (n == 0) {
        return 0;
    }
    WriteFixedText8(record, ss::kName, kNameField, newName);
    return SaveEData(ss::kTag, &key, record, ss::kSize, ss::kVersion) != 0 ? n : 0;
}

}  // namespace

void SearchStaffNames(EngineContext& ctx) {
    namespace st = layout::staff;
    ForEachRecord(st::kTag, st::kSize, kInterfaceVersion,
                  [&](RecordKey, const std::uint8_t* record) {
                      SearchTextBlock(ctx, layout::ReadU16(record, st::kBlock1));
                      SearchTextBlock(ctx, layout::ReadU16(record, st::kBlock2));
                  });
}

void SearchStaffStyles(EngineContext& ctx) {
    const bool blocks = (ctx.options & SR_STAFF_NAMES) != 0;
    const bool names = (ctx.options & SR_STAFF_STYLE_NAMES) != 0;
    ForEachRecord(ss::kTag, ss::kSize, ss::kVersion, [&](RecordKey key, std::uint8_t* record) {
        if (blocks) {
            SearchTextBlock(ctx, layout::ReadU16(record, ss::kBlock1));
            SearchTextBlock(ctx, layout::ReadU16(record, ss::kBlock2));
        }
        if (names && ctx.visited.FirstVisit(ss::kTag, key)) {
            ctx.Add(SearchStaffStyleName(ctx, key, record));
        }
    });
}

void SearchGroupNames(EngineContext& ctx) {
    namespace gr = layout::group;
    ForEachRecord(gr::kTag, gr::kSize, gr::kVersion, [&](RecordKey, const std::uint8_t* record) {
        SearchTextBlock(ctx, layout::ReadU16(record, gr::kBlock1));
        SearchTextBlock(ctx, layout::ReadU16(record, gr::kBlock2));
    });
}

void SearchTextBlocks(EngineContext& ctx) {
    namespace pb = layout::pageblock;
    namespace mb = layout::measureblock;
    const int pages = CountPages();
    std::vector<std::uint8_t> record;
    for (int page = 0; page <= pages; ++page) {
        for (std::uint32_t index = 0; index <= 0xFFFF; ++index) {
            const RecordKey key{static_cast<std::uint16_t>(page),
                                static_cast<std::uint16_t>(index)};
            if (!LoadRecord(pb::kTag, key, record, pb::kSize, kInterfaceVersion)) {
                break;
            }
            SearchTextBlock(ctx, layout::ReadU16(record.data(), pb::kBlock));
        }
    }
    ForEachRecord(mb::kTag, mb::kSize, kInterfaceVersion,
                  [&](RecordKey, const std::uint8_t* block) {
                      SearchTextBlock(ctx, layout::ReadU16(block, mb::kBlock));
                  });
}

}  // namespace tavrel::engine
