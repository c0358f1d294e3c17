// Score file writing: one small step per section in the format's order.
// A record goes to its named section only when the entry written there
// reads back as exactly the same bytes; otherwise it is kept as a raw
// record, so saving never loses or alters anything.
#include "sim/codec/ScoreWriter.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "host/RecordLayout.h"
#include "sim/codec/RecordKinds.h"
#include "sim/codec/ScoreJson.h"
#include "sim/codec/ScoreReader.h"
#include "sim/codec/ScoreSections.h"

namespace tavrel::sim {
namespace {

namespace L = tavrel::layout;

// A raw record's bytes; a text's UTF-16 units, low byte first.
const Bytes& RawBytes(const Bytes& bytes) {
    return bytes;
}

Bytes RawBytes(const std::u16string& text) {
    return TextRecordBytes(text);
}

class ScoreWriter {
  public:
    explicit ScoreWriter(const Document& document) : document_(document) {}

    std::vector<std::string> Write() {
        text_.Member("format", "notavo-score");
        text_.Member("version", 1);
        WriteFixed("fonts");
        WritePages();
        WriteTexts();
        for (const char* name : {"textBlocks", "staves", "staffStyles", "groups", "pageTextBlocks",
                                 "measureTextBlocks"}) {
            WriteFixed(name);
        }
        WriteRepeatTexts();
        WriteEndingTexts();
        for (const char* name : {"twoStyleRecords", "threeStyleRecords", "articulations"}) {
            WriteFixed(name);
        }
        WriteRecords();
        return text_.Finish();
    }

  private:
    void WriteFixed(const char* name);
    void WritePages();
    void WriteTexts();
    void TextsOfKind(RecordTag tag);
    void WriteRepeatTexts();
    std::optional<Json> RepeatEntry(RecordKey key, const std::u16string& text);
    void WriteEndingTexts();
    void WriteRecords();

    template <typename Map>
    void WriteRaw(RecordTag tag, const Map& records, const std::vector<std::uint32_t>& written);

    // Each kind's records go to their section in ascending key order, so a
    // sorted list per tag says which are written there.
    void Consume(RecordTag tag, RecordKey key) { consumed_[tag].push_back(KeyOrder(key)); }

    const Document& document_;
    CanonicalText text_;
    std::map<RecordTag, std::vector<std::uint32_t>> consumed_;
};

void ScoreWriter::WriteFixed(const char* name) {
    const SectionCodec& codec = FindSection(name);
    text_.Begin(name);
    for (const auto& [order, bytes] : document_.RecordsOf(codec.tag)) {
        const RecordKey key = KeyFromOrder(order);
        std::optional<Json> entry = EntryFor(codec, bytes);
        if (entry) {
            text_.Entry(KeyText(key, codec.pairKeys), *entry);
            Consume(codec.tag, key);
        }
    }
    text_.End();
}

void ScoreWriter::WritePages() {
    // "pages": n stands for blank page records 1 to n; any other page
    // record stays raw.
    std::uint32_t count = 0;
    while (count < static_cast<std::uint32_t>(L::kMostPages)) {
        const RecordKey key = MakeKey(static_cast<std::uint16_t>(count + 1));
        const Bytes* page = document_.FindRecord(L::page::kTag, key);
        if (page == nullptr || *page != Bytes(L::page::kSize, 0)) {
            break;
        }
        Consume(L::page::kTag, key);
        ++count;
    }
    if (count > 0) {
        text_.Member("pages", count);
    }
}

void ScoreWriter::TextsOfKind(RecordTag tag) {
    for (const auto& [order, text] : document_.TextsOf(tag)) {
        const RecordKey key = KeyFromOrder(order);
        std::optional<std::string> utf8 = TextToUtf8(text);
        if (utf8) {
            text_.Entry(KeyText(key), *utf8);
            Consume(tag, key);
        }
    }
}

void ScoreWriter::WriteTexts() {
    text_.Begin("texts");
    for (const char* const* name = TextKindNames(); *name != nullptr; ++name) {
        text_.Begin(*name);
        TextsOfKind(*ParseTag(*name));
        text_.End();
    }
    text_.End();
}

std::optional<Json> ScoreWriter::RepeatEntry(RecordKey key, const std::u16string& text) {
    std::optional<std::string> utf8 = TextToUtf8(text);
    if (!utf8) {
        return std::nullopt;
    }
    Json entry = Json::object();
    entry["text"] = std::move(*utf8);
    const Bytes* style = document_.FindRecord(L::repeatstyle::kTag, key);
    if (style != nullptr && style->size() == L::repeatstyle::kSize) {
        entry["style"] = DescribeRepeatStyle(*style);
        if (BuildRepeatStyle(entry, "") != *style) {
            entry["extra"] = HexText(*style);
        }
        Consume(L::repeatstyle::kTag, key);
    }
    return entry;
}

void ScoreWriter::WriteRepeatTexts() {
    text_.Begin("repeatTexts");
    for (const auto& [order, text] : document_.TextsOf(L::kRepeatText)) {
        const RecordKey key = KeyFromOrder(order);
        std::optional<Json> entry = RepeatEntry(key, text);
        if (entry) {
            text_.Entry(KeyText(key), *entry);
            Consume(L::kRepeatText, key);
        }
    }
    text_.End();
}

void ScoreWriter::WriteEndingTexts() {
    text_.Begin("endingTexts");
    TextsOfKind(L::kEndingText);
    text_.End();
}

// A kind's records that no section holds, in key order; `written` lists
// (ascending) those a section holds.
template <typename Map>
void ScoreWriter::WriteRaw(RecordTag tag, const Map& records,
                           const std::vector<std::uint32_t>& written) {
    auto next = written.begin();
    for (const auto& [order, contents] : records) {
        next = std::lower_bound(next, written.end(), order);
        if (next != written.end() && *next == order) {
            continue;
        }
        Json entry = Json::object();
        entry["tag"] = TagText(tag);
        entry["key"] = KeyText(KeyFromOrder(order), true);
        entry["hex"] = HexText(RawBytes(contents));
        text_.Entry(std::string(), entry);
    }
}

void ScoreWriter::WriteRecords() {
    static const std::vector<std::uint32_t> none;
    text_.Begin("records", true);
    for (RecordTag tag : document_.Tags()) {
        auto kind = consumed_.find(tag);
        const std::vector<std::uint32_t>& written = kind != consumed_.end() ? kind->second : none;
        if (IsTextKind(tag)) {
            WriteRaw(tag, document_.TextsOf(tag), written);
        } else {
            WriteRaw(tag, document_.RecordsOf(tag), written);
        }
    }
    text_.End();
}

}  // namespace

std::vector<std::string> WriteScorePieces(const Document& document) {
    return ScoreWriter(document).Write();
}

std::string WriteScore(const Document& document) {
    std::vector<std::string> pieces = WriteScorePieces(document);
    if (pieces.size() == 1) {
        return std::move(pieces.front());
    }
    std::size_t size = 0;
    for (const std::string& piece : pieces) {
        size += piece.size();
    }
    std::string text;
    text.reserve(size);
    for (std::string& piece : pieces) {
        text += piece;
        std::string().swap(piece);
    }
    return text;
}

}  // namespace tavrel::sim
