// The `show` listing: a read-only walk over a document that visits records
// exactly as the plug-in's search does (key order from {0, 0}, records that
// would not fit the search's buffer end a walk or are skipped).
#include "sim/cli/Show.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

#include "host/FixedFields.h"
#include "host/RecordLayout.h"
#include "platform/CodePage.h"
#include "search/WalkOrder.h"
#include "sim/codec/RecordKinds.h"
#include "sim/codec/TextDisplay.h"

namespace tavrel::sim {
namespace {

namespace L = tavrel::layout;

class TextCollector {
  public:
    explicit TextCollector(const Document& document) : document_(document) {}

    std::vector<ShownText> Collect() {
        for (const WalkEntry& entry : kWalkOrder) {
            CollectStep(entry);
        }
        return std::move(texts_);
    }

  private:
    // A record as the search's load gives it: in a zeroed buffer of the
    // size it asks for, or nothing when missing or larger than that.
    std::optional<Bytes> Load(RecordTag tag, RecordKey key, std::uint32_t size) const {
        const Bytes* record = document_.FindRecord(tag, key);
        if (record == nullptr || record->size() > size) {
            return std::nullopt;
        }
        Bytes buffer(size, 0);
        std::copy(record->begin(), record->end(), buffer.begin());
        return buffer;
    }

    template <typename Visit>
    void Walk(RecordTag tag, std::uint32_t size, Visit visit) const {
        RecordKey key;
        while (std::optional<RecordKey> next = document_.NextKey(tag, key)) {
            key = *next;
            std::optional<Bytes> record = Load(tag, key, size);
            if (!record) {
                return;  // the search's next-record call fails: its walk ends
            }
            visit(key, *record);
        }
    }

    void Add(const char* kind, std::string identity, std::u16string text) {
        texts_.push_back({kind, std::move(identity), std::move(text)});
    }

    void Block(const char* kind, const std::string& owner, std::uint16_t block) {
        std::optional<Bytes> record = Load(L::textblock::kTag, MakeKey(block), L::textblock::kSize);
        if (!record) {
            return;
        }
        const std::uint16_t number = L::ReadU16(record->data(), L::textblock::kText);
        const std::u16string* text = document_.FindText(L::kTextBlockText, MakeKey(number));
        if (text != nullptr) {
            Add(kind,
                owner + " → block " + std::to_string(block) + " → txbl " + std::to_string(number),
                *text);
        }
    }

    void CollectStep(const WalkEntry& entry);
    void StaffNames();
    void StaffStyles();
    void GroupNames();
    void TextBlocks();
    void AllTexts(const char* kind, RecordTag tag);
    void FileInfo();
    void RepeatTexts();
    void Articulations();

    const Document& document_;
    std::vector<ShownText> texts_;
};

void TextCollector::CollectStep(const WalkEntry& entry) {
    switch (entry.step) {
        case WalkStep::StaffNames:
            return StaffNames();
        case WalkStep::StaffStyles:
            return StaffStyles();
        case WalkStep::GroupNames:
            return GroupNames();
        case WalkStep::TextBlocks:
            return TextBlocks();
        case WalkStep::Lyrics:
            for (std::size_t i = 0; i < entry.kindCount; ++i) {
                AllTexts("lyrics", entry.kinds[i]);
            }
            return;
        case WalkStep::SmartShapes:
            return AllTexts("smart shape", L::kSmartShapeText);
        case WalkStep::FileInfo:
            return FileInfo();
        case WalkStep::RepeatTexts:
            return RepeatTexts();
        case WalkStep::StylePairs:
            return;  // styles only: no text to show
        case WalkStep::TextExpressions:
            return AllTexts("text expression", L::kExpressionText);
        case WalkStep::Articulations:
            return Articulations();
    }
}

void TextCollector::StaffNames() {
    Walk(L::staff::kTag, L::staff::kSize, [this](RecordKey key, const Bytes& record) {
        const std::string owner = "staff " + KeyText(key);
        Block("staff name", owner, L::ReadU16(record.data(), L::staff::kBlock1));
        Block("staff name", owner, L::ReadU16(record.data(), L::staff::kBlock2));
    });
}

void TextCollector::StaffStyles() {
    namespace S = L::staffstyle;
    Walk(S::kTag, S::kSize, [this](RecordKey key, const Bytes& record) {
        const std::string owner = "staff style " + KeyText(key);
        Block("staff style text", owner, L::ReadU16(record.data(), S::kBlock1));
        Block("staff style text", owner, L::ReadU16(record.data(), S::kBlock2));
        const std::string ansi = ReadFixedText8(record.data(), S::kName, S::kSize - S::kName);
        std::u16string name;
        platform::AnsiToUtf16(ansi, name);
        Add("staff style name", owner, name);
    });
}

void TextCollector::GroupNames() {
    Walk(L::group::kTag, L::group::kSize, [this](RecordKey key, const Bytes& record) {
        const std::string owner = "group " + KeyText(key);
        Block("group name", owner, L::ReadU16(record.data(), L::group::kBlock1));
        Block("group name", owner, L::ReadU16(record.data(), L::group::kBlock2));
    });
}

void TextCollector::TextBlocks() {
    std::uint16_t pages = 0;
    while (pages < L::kMostPages && Load(L::page::kTag, MakeKey(pages + 1), L::page::kSize)) {
        ++pages;
    }
    for (std::uint32_t page = 0; page <= pages; ++page) {
        for (std::uint32_t index = 0; index <= 0xFFFF; ++index) {
            const RecordKey key =
                MakeKey(static_cast<std::uint16_t>(page), static_cast<std::uint16_t>(index));
            std::optional<Bytes> record = Load(L::pageblock::kTag, key, L::pageblock::kSize);
            if (!record) {
                break;
            }
            Block("page text block", "page block " + KeyText(key, true),
                  L::ReadU16(record->data(), L::pageblock::kBlock));
        }
    }
    Walk(L::measureblock::kTag, L::measureblock::kSize, [this](RecordKey key, const Bytes& record) {
        Block("measure text block", "measure block " + KeyText(key, true),
              L::ReadU16(record.data(), L::measureblock::kBlock));
    });
}

void TextCollector::AllTexts(const char* kind, RecordTag tag) {
    RecordKey key;
    while (std::optional<RecordKey> next = document_.NextKey(tag, key)) {
        key = *next;
        Add(kind, TagText(tag) + " " + KeyText(key), *document_.FindText(tag, key));
    }
}

void TextCollector::FileInfo() {
    static const char* const kNames[8] = {
        "", " (title)", " (composer)", " (copyright)", " (description)", "", "", ""};
    for (std::uint16_t n = 1; n <= 7; ++n) {
        if (const std::u16string* text = document_.FindText(L::kFileInfoText, MakeKey(n))) {
            Add("file info", "txfi " + std::to_string(n) + kNames[n], *text);
        }
    }
}

void TextCollector::RepeatTexts() {
    namespace R = L::repeatstyle;
    RecordKey key;
    while (std::optional<RecordKey> next = document_.NextKey(L::kRepeatText, key)) {
        key = *next;
        std::string identity = "repeat text " + KeyText(key);
        if (std::optional<Bytes> style = Load(R::kTag, key, R::kSize)) {
            identity += " (" +
                        StyleText(L::ReadU16(style->data(), R::kFont),
                                  L::ReadU16(style->data(), R::kSize16),
                                  L::ReadU16(style->data(), R::kBits)) +
                        ")";
        }
        Add("repeat text", identity, *document_.FindText(L::kRepeatText, key));
    }
    key = RecordKey();
    while (std::optional<RecordKey> next = document_.NextKey(L::kEndingText, key)) {
        key = *next;
        Add("ending text", "ending " + KeyText(key), *document_.FindText(L::kEndingText, key));
    }
}

void TextCollector::Articulations() {
    namespace A = L::articulation;
    Walk(A::kTag, A::kSize, [this](RecordKey key, const Bytes& record) {
        const std::uint16_t flags = L::ReadU16(record.data(), A::kFlags);
        for (std::size_t number = 1; number <= std::size(A::kSlots); ++number) {
            const A::Slot& slot = A::kSlots[number - 1];
            if ((flags & slot.notCharacter) != 0) {
                continue;
            }
            // The search reads the low 16 bits of the 32-bit character field.
            const auto character =
                static_cast<char16_t>(L::ReadU32(record.data(), slot.character) & 0xFFFF);
            Add("articulation",
                "articulation " + KeyText(key) + " slot " + std::to_string(number) + " (font " +
                    std::to_string(L::ReadU16(record.data(), slot.font)) + ", size " +
                    std::to_string(L::ReadU16(record.data(), slot.size)) + ")",
                std::u16string(1, character));
        }
    });
}

}  // namespace

std::vector<ShownText> CollectTexts(const Document& document) {
    return TextCollector(document).Collect();
}

std::string DisplayText(std::u16string_view text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    // Characters shown as they are go over in runs, not one by one.
    std::size_t run = 0;
    auto flush = [&](std::size_t end) {
        out += platform::Utf16ToUtf8(text.substr(run, end - run));
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;  // a pair: one character
        } else if (high || low || unit < 0x20 || unit == 0x7F) {
            flush(i);
            AppendUnicodeEscape(out, unit);
            run = i + 1;
        } else if (unit == u'"' || unit == u'\\') {
            flush(i);
            out += '\\';
            out += static_cast<char>(unit);
            run = i + 1;
        }
    }
    flush(text.size());
    out += '"';
    return out;
}

std::string FormatListing(const std::string& title, const std::vector<ShownText>& texts) {
    std::size_t kindWidth = 0;
    std::size_t identityWidth = 0;
    for (const ShownText& shown : texts) {
        kindWidth = std::max(kindWidth, DisplayWidth(shown.kind));
        identityWidth = std::max(identityWidth, DisplayWidth(shown.identity));
    }
    std::string out =
        title + ": " + std::to_string(texts.size()) + (texts.size() == 1 ? " text\n" : " texts\n");
    for (const ShownText& shown : texts) {
        out += "  " + Padded(shown.kind, kindWidth) + "  " + Padded(shown.identity, identityWidth) +
               "  " + DisplayText(shown.text) + "\n";
    }
    return out;
}

}  // namespace tavrel::sim
