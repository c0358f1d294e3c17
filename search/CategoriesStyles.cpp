// The categories of records that carry their own style: repeat and ending
// texts (with the repeat text's style record), the two- and three-style
// records, and articulation symbols.
#include "search/internal/EngineContext.h"

#include <string>
#include <vector>

#include "host/RecordAccess.h"
#include "host/RecordLayout.h"
#include "host/TypedRecords.h"
#include "search/SearchRequest.h"
#include "search/internal/RecordWalk.h"
#include "text/Inserts.h"

namespace tavrel::engine {

namespace {

namespace rs = layout::repeatstyle;
namespace ar = layout::articulation;

// Calls visit(key, text) for every text record of the tag that loads with a
// size above 0. The walk passes the size last loaded, as the host expects.
template <class Visit>
void ForEachTextRecord(RecordTag tag, Visit visit) {
    std::uint32_t lastSize = 0;
    WalkKeys(
        RecordKey(), false,
        [&](RecordKey& key) {
            return NextEData(tag, &key, nullptr, lastSize, kInterfaceVersion) != 0;
        },
        [&](RecordKey key) {
            std::u16string text;
            if (!LoadTextRecord(tag, key, text)) {
                return;  // missing or empty: left alone
            }
            lastSize = static_cast<std::uint32_t>(text.size() + 1);
            visit(key, std::move(text));
        });
}

// Case always matters in repeat and ending texts. Their inserts are turned
// into placeholders and back as in the styled texts, so letters inside an
// insert are not text and a typed shorthand is written as its insert: the
// host would show a placeholder as a stray control character.
std::uint32_t ReplacePlain(const EngineContext& ctx, std::u16string& text) {
    UniversalString s(text);
    EncodeInserts(s);
    const std::uint32_t n = s.ReplaceAll(ctx.search, ctx.replace, SR_MATCH_CASE);
    if (n > 0) {
        DecodeInserts(s);
        text = std::move(s.text());
    }
    return n;
}

void SearchRepeatText(EngineContext& ctx, RecordKey key, std::u16string text) {
    std::vector<std::uint8_t> style;
    if (!LoadRecord(rs::kTag, key, style, rs::kSize, kInterfaceVersion)) {
        return;  // a style that did not load is never judged or written
    }
    StyleTriplet item = ReadTriplet(style.data(), rs::kFont, rs::kSize16, rs::kBits);
    if (!ctx.filter.Matches(item)) {
        return;
    }
    std::uint32_t changed = ctx.change.Apply(item) ? 1 : 0;
    bool textSaved = false;
    if (!ctx.searchEmpty) {
        const std::uint32_t n = ReplacePlain(ctx, text);
        textSaved = SaveTextRecord(layout::kRepeatText, key, text);
        changed = textSaved ? n : 0;
    }
    if (changed == 0) {
        return;
    }
    WriteTriplet(style.data(), rs::kFont, rs::kSize16, rs::kBits, item);
    const bool styleSaved =
        SaveEData(rs::kTag, &key, style.data(), rs::kSize, kInterfaceVersion) != 0;
    // The occurrences stand once the text was written; a style-only change
    // stands once the style was.
    if (textSaved || styleSaved) {
        ctx.Add(changed);
    }
}

// Restyles the triplets at the given offsets of every record of the tag;
// a record counts 1 once saved.
template <std::size_t N>
void RestyleRecords(EngineContext& ctx, RecordTag tag, std::uint32_t size,
                    const std::size_t (&offsets)[N]) {
    ForEachRecord(tag, size, kInterfaceVersion, [&](RecordKey key, std::uint8_t* record) {
        if (!ctx.visited.FirstVisit(tag, key)) {
            return;
        }
        bool any = false;
        for (std::size_t at : offsets) {
            StyleTriplet item = ReadTriplet(record, at, at + 2, at + 4);
            if (ctx.filter.Matches(item) && ctx.change.Apply(item)) {
                WriteTriplet(record, at, at + 2, at + 4, item);
                any = true;
            }
        }
        if (any && SaveEData(tag, &key, record, size, kInterfaceVersion) != 0) {
            ctx.Add(1);
        }
    });
}

// One character slot: restyled when the search is empty, otherwise given
// the replacement character (compared case-sensitively) and restyled.
bool SearchArticulationSlot(const EngineContext& ctx, std::uint8_t* record, const ar::Slot& slot) {
    StyleTriplet item = ReadTriplet(record, slot.font, slot.size, slot.bits);
    if (!ctx.filter.Matches(item)) {
        return false;
    }
    if (!ctx.searchEmpty) {
        UniversalString symbol;
        symbol.assignChar(static_cast<char16_t>(layout::ReadU32(record, slot.character) & 0xFFFF));
        // A symbol is one character of a font: a placeholder there would be
        // a control character, not the insert the shorthand stands for.
        if (symbol.ReplaceAll(ctx.search, ctx.replace, SR_MATCH_CASE) == 0 ||
            HoldsPlaceholder(symbol.text())) {
            return false;
        }
        layout::WriteU32(record, slot.character, symbol.charAt(0));
        ctx.change.ApplyToArticulation(item);
        WriteTriplet(record, slot.font, slot.size, slot.bits, item);
        return true;
    }
    if (!ctx.change.ApplyToArticulation(item)) {
        return false;
    }
    WriteTriplet(record, slot.font, slot.size, slot.bits, item);
    return true;
}

}  // namespace

void SearchRepeatTexts(EngineContext& ctx) {
    ForEachTextRecord(layout::kRepeatText, [&](RecordKey key, std::u16string text) {
        if (ctx.visited.FirstVisit(layout::kRepeatText, key)) {
            SearchRepeatText(ctx, key, std::move(text));
        }
    });
    if (ctx.searchEmpty) {
        return;  // an ending text has no style: nothing to do without a search
    }
    ForEachTextRecord(layout::kEndingText, [&](RecordKey key, std::u16string text) {
        if (!ctx.visited.FirstVisit(layout::kEndingText, key)) {
            return;
        }
        const std::uint32_t n = ReplacePlain(ctx, text);
        if (SaveTextRecord(layout::kEndingText, key, text)) {
            ctx.Add(n);
        }
    });
}

void SearchStylePairs(EngineContext& ctx) {
    if (ctx.bothEmpty) {
        RestyleRecords(ctx, layout::twostyle::kTag, layout::twostyle::kSize,
                       layout::twostyle::kStyles);
    }
}

void SearchThreeStyleRecords(EngineContext& ctx) {
    RestyleRecords(ctx, layout::threestyle::kTag, layout::threestyle::kSize,
                   layout::threestyle::kStyles);
}

void SearchArticulations(EngineContext& ctx) {
    const bool oneEach = ctx.search.length() == 1 && ctx.replace.length() == 1;
    if (!oneEach && !ctx.bothEmpty) {
        return;
    }
    ForEachRecord(ar::kTag, ar::kSize, kInterfaceVersion, [&](RecordKey key, std::uint8_t* record) {
        if (!ctx.visited.FirstVisit(ar::kTag, key)) {
            return;
        }
        const std::uint16_t flags = layout::ReadU16(record, ar::kFlags);
        bool any = false;
        for (const ar::Slot& slot : ar::kSlots) {
            if ((flags & slot.notCharacter) == 0 && SearchArticulationSlot(ctx, record, slot)) {
                any = true;
            }
        }
        if (any && SaveEData(ar::kTag, &key, record, ar::kSize, kInterfaceVersion) != 0) {
            ctx.Add(1);
        }
    });
}

}  // namespace tavrel::engine
