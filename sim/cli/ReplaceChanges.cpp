// Snapshots of simulated documents and the listing of what changed.
#include "sim/cli/ReplaceChanges.h"

#include <algorithm>
#include <cstdio>

#include "host/FixedFields.h"
#include "host/RecordLayout.h"
#include "platform/CodePage.h"
#include "search/RecordStyle.h"
#include "search/WalkOrder.h"
#include "sim/cli/Show.h"
#include "sim/codec/RecordKinds.h"
#include "sim/codec/ScoreJson.h"
#include "sim/codec/TextDisplay.h"

namespace tavrel::sim {
namespace {

namespace L = tavrel::layout;

struct KindName {
    RecordTag tag;
    const char* name;
};

constexpr KindName kKinds[] = {
    {L::staffstyle::kTag, "staff style name"},
    {L::kTextBlockText, "text block"},
    {L::kLyricsVerse, "lyrics"},
    {L::kLyricsChorus, "lyrics"},
    {L::kLyricsSection, "lyrics"},
    {L::kSmartShapeText, "smart shape"},
    {L::kFileInfoText, "file info"},
    {L::kRepeatText, "repeat text"},
    {L::repeatstyle::kTag, "repeat text style"},
    {L::kEndingText, "ending text"},
    {L::twostyle::kTag, "two-style record"},
    {L::kExpressionText, "text expression"},
    {L::threestyle::kTag, "three-style record"},
    {L::articulation::kTag, "articulation"},
};

std::string KindOf(RecordTag tag) {
    for (const KindName& kind : kKinds) {
        if (kind.tag == tag) {
            return kind.name;
        }
    }
    return "record";
}

std::string Triplet(const Bytes& r, std::size_t font, std::size_t size, std::size_t bits) {
    const StyleTriplet t = ReadTriplet(r.data(), font, size, bits);
    return StyleText(t.font, t.size, t.bits);
}

std::string Slot(const Bytes& r, std::size_t n) {
    const L::articulation::Slot& slot = L::articulation::kSlots[n - 1];
    if ((L::ReadU16(r.data(), L::articulation::kFlags) & slot.notCharacter) != 0) {
        return "slot " + std::to_string(n) + " no character";
    }
    const std::uint32_t ch = L::ReadU32(r.data(), slot.character);
    return "slot " + std::to_string(n) + " " +
           DisplayText(std::u16string(1, static_cast<char16_t>(ch & 0xFFFF))) + " (" +
           std::to_string(ch) + ") " + Triplet(r, slot.font, slot.size, slot.bits);
}

std::string StaffStyleName(const Bytes& r) {
    const std::string ansi =
        ReadFixedText8(r.data(), L::staffstyle::kName, r.size() - L::staffstyle::kName);
    std::u16string wide;
    platform::AnsiToUtf16(ansi, wide);
    return DisplayText(wide);
}

std::string DescribeFixed(RecordTag tag, const Bytes& r) {
    namespace ar = L::articulation;
    if (tag == L::staffstyle::kTag && r.size() == L::staffstyle::kSize) {
        return StaffStyleName(r);
    }
    if (tag == L::repeatstyle::kTag && r.size() == L::repeatstyle::kSize) {
        return Triplet(r, L::repeatstyle::kFont, L::repeatstyle::kSize16, L::repeatstyle::kBits);
    }
    if (tag == L::twostyle::kTag && r.size() == L::twostyle::kSize) {
        std::string out;
        for (std::size_t at : L::twostyle::kStyles) {
            out += (out.empty() ? "" : "; ") + Triplet(r, at, at + 2, at + 4);
        }
        return out;
    }
    if (tag == L::threestyle::kTag && r.size() == L::threestyle::kSize) {
        std::string out;
        for (std::size_t at : L::threestyle::kStyles) {
            out += (out.empty() ? "" : "; ") + Triplet(r, at, at + 2, at + 4);
        }
        return out;
    }
    if (tag == ar::kTag && r.size() == ar::kSize) {
        return Slot(r, 1) + "; " + Slot(r, 2);
    }
    return HexText(r);
}

}  // namespace

DocumentSnapshot::DocumentSnapshot(const Document& document) {
    for (RecordTag tag : document.Tags()) {
        const bool text = IsTextKind(tag);
        for (RecordKey key : document.Keys(tag)) {
            if (text) {
                const std::u16string* units = document.FindText(tag, key);
                entries_[{tag, KeyOrder(key)}] = {true, units ? TextRecordBytes(*units) : Bytes()};
            } else {
                const Bytes* bytes = document.FindRecord(tag, key);
                entries_[{tag, KeyOrder(key)}] = {false, bytes ? *bytes : Bytes()};
            }
        }
    }
}

std::string DescribeRecord(RecordTag tag, bool isText, const Bytes& contents) {
    return isText ? DisplayText(TextFromRecordBytes(contents.data(), contents.size()))
                  : DescribeFixed(tag, contents);
}

std::vector<RecordChange> CompareSnapshots(std::size_t document, const DocumentSnapshot& before,
                                           const DocumentSnapshot& after) {
    std::map<std::pair<RecordTag, std::uint32_t>,
             std::pair<const DocumentSnapshot::Entry*, const DocumentSnapshot::Entry*>>
        both;
    for (const auto& [id, entry] : before.Entries()) {
        both[id].first = &entry;
    }
    for (const auto& [id, entry] : after.Entries()) {
        both[id].second = &entry;
    }
    std::vector<RecordChange> changes;
    for (const auto& [id, pair] : both) {
        const auto* old = pair.first;
        const auto* now = pair.second;
        if (old != nullptr && now != nullptr && *old == *now) {
            continue;
        }
        RecordChange change;
        change.document = document;
        change.tag = id.first;
        change.key = KeyFromOrder(id.second);
        change.kind = KindOf(id.first);
        change.record = TagText(id.first) + " " + KeyText(change.key);
        change.before = old ? DescribeRecord(id.first, old->first, old->second) : "(none)";
        change.after = now ? DescribeRecord(id.first, now->first, now->second) : "(none)";
        changes.push_back(std::move(change));
    }
    std::stable_sort(changes.begin(), changes.end(),
                     [](const RecordChange& a, const RecordChange& b) {
                         return WalkRank(a.tag) < WalkRank(b.tag);
                     });
    return changes;
}

std::vector<RecordChange> ListChanges(std::size_t document, const Document& now) {
    std::vector<RecordChange> changes;
    changes.reserve(now.Changed().size());
    for (const auto& [id, earlier] : now.Changed()) {
        const RecordKey key = KeyFromOrder(id.second);
        const bool isText = IsTextKind(id.first);
        const std::u16string* text = isText ? now.FindText(id.first, key) : nullptr;
        const Bytes* bytes = isText ? nullptr : now.FindRecord(id.first, key);
        const bool exists = text != nullptr || bytes != nullptr;
        const bool same = earlier.existed == exists && earlier.isText == isText &&
                          (!exists || (isText ? *text == earlier.text : *bytes == earlier.bytes));
        if (same) {
            continue;
        }
        RecordChange change;
        change.document = document;
        change.tag = id.first;
        change.key = key;
        change.kind = KindOf(id.first);
        change.record = TagText(id.first) + " " + KeyText(key);
        change.before = !earlier.existed ? "(none)"
                        : earlier.isText ? DisplayText(earlier.text)
                                         : DescribeFixed(id.first, earlier.bytes);
        change.after = !exists  ? "(none)"
                       : isText ? DisplayText(*text)
                                : DescribeFixed(id.first, *bytes);
        changes.push_back(std::move(change));
    }
    std::stable_sort(changes.begin(), changes.end(),
                     [](const RecordChange& a, const RecordChange& b) {
                         return WalkRank(a.tag) < WalkRank(b.tag);
                     });
    return changes;
}

std::string FormatChanges(const std::vector<std::string>& documentNames,
                          const std::vector<RecordChange>& changes) {
    std::vector<std::string> names;
    for (const RecordChange& c : changes) {
        while (names.size() <= c.document) {
            const std::size_t i = names.size();
            names.push_back(i < documentNames.size() ? documentNames[i] : std::to_string(i + 1));
        }
    }
    std::size_t docWidth = 0, kindWidth = 0, recordWidth = 0, size = 0;
    for (const RecordChange& c : changes) {
        docWidth = std::max(docWidth, DisplayWidth(names[c.document]));
        kindWidth = std::max(kindWidth, DisplayWidth(c.kind));
        recordWidth = std::max(recordWidth, DisplayWidth(c.record));
        size += c.before.size() + c.after.size() + 12;
    }
    std::string out;
    out.reserve(size + changes.size() * (docWidth + kindWidth + recordWidth));
    auto padded = [&out](const std::string& text, std::size_t width) {
        out += Padded(text, width);
        out += "  ";
    };
    for (const RecordChange& c : changes) {
        padded(names[c.document], docWidth);
        padded(c.kind, kindWidth);
        padded(c.record, recordWidth);
        out += c.before;
        out += " \xE2\x86\x92 ";
        out += c.after;
        out += '\n';
    }
    return out;
}

}  // namespace tavrel::sim
