// Score file writing: one small step per section in the format's order.
// A record goes to its named section only when the entry written there
// reads back as exactly the same bytes; otherwise it is kept as a raw
// record, so saving never loses or alters anything.
#include "sim/ScoreWriter.h"

#include <set>
#include <utility>

#include "host/RecordLayout.h"
#include "sim/RecordKinds.h"
#include "sim/ScoreReader.h"
#include "sim/ScoreSections.h"

namespace tavrel::sim {
namespace {

namespace L = tavrel::layout;

constexpr std::uint32_t kMaxPages = 32767;

class ScoreWriter {
  public:
    explicit ScoreWriter(const Document& document) : document_(document) {}

    Json Write() {
        root_["format"] = "notavo-score";
        root_["version"] = 1;
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
        return std::move(root_);
    }

  private:
    void WriteFixed(const char* name);
    void WritePages();
    void WriteTexts();
    Json TextsOfKind(RecordTag tag);
    void WriteRepeatTexts();
    std::optional<Json> RepeatEntry(RecordKey key, const std::u16string& text);
    void WriteEndingTexts();
    void WriteRecords();

    void Consume(RecordTag tag, RecordKey key) { consumed_.insert({tag, KeyOrder(key)}); }
    bool Consumed(RecordTag tag, RecordKey key) const {
        return consumed_.count({tag, KeyOrder(key)}) != 0;
    }
    void AddSection(const char* name, Json section) {
        if (!section.empty()) {
            root_[name] = std::move(section);
        }
    }

    const Document& document_;
    Json root_ = Json::object();
    std::set<std::pair<RecordTag, std::uint32_t>> consumed_;
};

void ScoreWriter::WriteFixed(const char* name) {
    const SectionCodec& codec = FindSection(name);
    Json section = Json::object();
    for (RecordKey key : document_.Keys(codec.tag)) {
        std::optional<Json> entry = EntryFor(codec, *document_.FindRecord(codec.tag, key));
        if (entry) {
            section[KeyText(key, codec.pairKeys)] = std::move(*entry);
            Consume(codec.tag, key);
        }
    }
    AddSection(name, std::move(section));
}

void ScoreWriter::WritePages() {
    // "pages": n stands for blank page records 1 to n; any other page
    // record stays raw.
    std::uint32_t count = 0;
    while (count < kMaxPages) {
        const RecordKey key = MakeKey(std::uint16_t(count + 1));
        const Bytes* page = document_.FindRecord(L::page::kTag, key);
        if (page == nullptr || *page != Bytes(L::page::kSize, 0)) {
            break;
        }
        Consume(L::page::kTag, key);
        ++count;
    }
    if (count > 0) {
        root_["pages"] = count;
    }
}

Json ScoreWriter::TextsOfKind(RecordTag tag) {
    Json kind = Json::object();
    for (RecordKey key : document_.Keys(tag)) {
        std::optional<std::string> utf8 = TextToUtf8(*document_.FindText(tag, key));
        if (utf8) {
            kind[KeyText(key)] = std::move(*utf8);
            Consume(tag, key);
        }
    }
    return kind;
}

void ScoreWriter::WriteTexts() {
    Json texts = Json::object();
    for (const char* const* name = TextKindNames(); *name != nullptr; ++name) {
        Json kind = TextsOfKind(*ParseTag(*name));
        if (!kind.empty()) {
            texts[*name] = std::move(kind);
        }
    }
    AddSection("texts", std::move(texts));
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
    Json section = Json::object();
    for (RecordKey key : document_.Keys(L::kRepeatText)) {
        std::optional<Json> entry = RepeatEntry(key, *document_.FindText(L::kRepeatText, key));
        if (entry) {
            section[KeyText(key)] = std::move(*entry);
            Consume(L::kRepeatText, key);
        }
    }
    AddSection("repeatTexts", std::move(section));
}

void ScoreWriter::WriteEndingTexts() {
    Json section = TextsOfKind(L::kEndingText);
    AddSection("endingTexts", std::move(section));
}

void ScoreWriter::WriteRecords() {
    Json records = Json::array();
    for (RecordTag tag : document_.Tags()) {
        for (RecordKey key : document_.Keys(tag)) {
            if (Consumed(tag, key)) {
                continue;
            }
            Bytes bytes;
            if (IsTextKind(tag)) {
                for (char16_t unit : *document_.FindText(tag, key)) {
                    bytes.push_back(std::uint8_t(unit & 0xFF));
                    bytes.push_back(std::uint8_t(unit >> 8));
                }
            } else {
                bytes = *document_.FindRecord(tag, key);
            }
            Json entry = Json::object();
            entry["tag"] = TagText(tag);
            entry["key"] = KeyText(key, true);
            entry["hex"] = HexText(bytes);
            records.push_back(std::move(entry));
        }
    }
    if (!records.empty()) {
        root_["records"] = std::move(records);
    }
}

}  // namespace

Json ScoreJsonOf(const Document& document) {
    return ScoreWriter(document).Write();
}

}  // namespace tavrel::sim
