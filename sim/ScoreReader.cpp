// Score file reading: one small step per section, in the order of the file
// format's table, then the check that every reference names a record.
#include "sim/ScoreReader.h"

#include <cstring>
#include <iterator>

#include "host/RecordLayout.h"
#include "sim/RecordKinds.h"
#include "sim/ScoreJson.h"
#include "sim/ScoreSections.h"

namespace tavrel::sim {
namespace {

namespace L = tavrel::layout;

constexpr const char* kTextKinds[] = {"txbl", "txxp", "txve", "txch",
                                      "txse", "txss", "txfi", nullptr};

constexpr const char* kTopLevel[] = {"format",
                                     "version",
                                     "fonts",
                                     "pages",
                                     "texts",
                                     "textBlocks",
                                     "staves",
                                     "staffStyles",
                                     "groups",
                                     "pageTextBlocks",
                                     "measureTextBlocks",
                                     "repeatTexts",
                                     "endingTexts",
                                     "twoStyleRecords",
                                     "threeStyleRecords",
                                     "articulations",
                                     "records"};

// The largest page count: page numbers stay positive 16-bit numbers.
constexpr std::uint32_t kMaxPages = 32767;

class ScoreReader {
  public:
    explicit ScoreReader(Document& document) : document_(document) {}

    void Read(const Json& root) {
        ReadHeader(root);
        ReadFixed(root, "fonts");
        ReadPages(root);
        ReadTexts(root);
        for (const char* name : {"textBlocks", "staves", "staffStyles", "groups", "pageTextBlocks",
                                 "measureTextBlocks"}) {
            ReadFixed(root, name);
        }
        ReadRepeatTexts(root);
        ReadEndingTexts(root);
        for (const char* name : {"twoStyleRecords", "threeStyleRecords", "articulations"}) {
            ReadFixed(root, name);
        }
        ReadRecords(root);
        CheckReferences();
    }

  private:
    void ReadHeader(const Json& root);
    void ReadFixed(const Json& root, const char* name);
    void ReadPages(const Json& root);
    void ReadTexts(const Json& root);
    void ReadRepeatTexts(const Json& root);
    void ReadEndingTexts(const Json& root);
    void ReadRecords(const Json& root);
    void ReadRawRecord(const Json& entry, const std::string& pointer);
    void CheckRawReferences(RecordTag tag, const Bytes& bytes, const std::string& pointer);
    void CheckReferences() const;

    // A section's object, or null when the section is absent.
    static const Json* Section(const Json& root, const char* name) {
        auto it = root.find(name);
        return it == root.end() ? nullptr : &ExpectObject(*it, Child("", name));
    }
    void Claim(RecordTag tag, RecordKey key, const std::string& pointer) const {
        if (document_.Contains(tag, key)) {
            throw ScoreError(pointer, "record " + TagText(tag) + " {" + KeyText(key, true) +
                                          "} is defined twice");
        }
    }
    void Put(RecordTag tag, RecordKey key, Bytes bytes, const std::string& pointer) {
        Claim(tag, key, pointer);
        document_.PutRecord(tag, key, std::move(bytes));
    }
    void PutText(RecordTag tag, RecordKey key, std::u16string text, const std::string& pointer) {
        Claim(tag, key, pointer);
        document_.PutText(tag, key, std::move(text));
    }

    Document& document_;
    References references_;
};

void ScoreReader::ReadHeader(const Json& root) {
    if (!root.is_object()) {
        throw ScoreError("/", "a score file holds one JSON object");
    }
    auto format = root.find("format");
    if (format == root.end() || *format != "notavo-score") {
        throw ScoreError("/format", "must be \"notavo-score\"");
    }
    auto version = root.find("version");
    if (version == root.end() || *version != 1) {
        throw ScoreError("/version", "must be 1 (the only version there is)");
    }
    for (auto it = root.begin(); it != root.end(); ++it) {
        bool known = false;
        for (const char* name : kTopLevel) {
            known = known || it.key() == name;
        }
        if (!known) {
            throw ScoreError(Child("", it.key()),
                             "unknown field " + OneOf(kTopLevel, std::size(kTopLevel)));
        }
    }
}

void ScoreReader::ReadFixed(const Json& root, const char* name) {
    const Json* section = Section(root, name);
    if (section == nullptr) {
        return;
    }
    const SectionCodec& codec = FindSection(name);
    for (auto it = section->begin(); it != section->end(); ++it) {
        const std::string pointer = Child(Child("", name), it.key());
        const RecordKey key = ExpectKey(it.key(), pointer);
        Put(codec.tag, key, codec.build(it.value(), pointer, references_), pointer);
    }
}

void ScoreReader::ReadPages(const Json& root) {
    auto pages = root.find("pages");
    if (pages == root.end()) {
        return;
    }
    const std::uint32_t count = ExpectInteger(*pages, "/pages", kMaxPages);
    for (std::uint32_t n = 1; n <= count; ++n) {
        Put(L::page::kTag, MakeKey(std::uint16_t(n)), Bytes(L::page::kSize, 0), "/pages");
    }
}

void ScoreReader::ReadTexts(const Json& root) {
    const Json* texts = Section(root, "texts");
    if (texts == nullptr) {
        return;
    }
    for (auto kind = texts->begin(); kind != texts->end(); ++kind) {
        const std::string kindPointer = Child("/texts", kind.key());
        bool known = false;
        for (const char* const* name = kTextKinds; *name != nullptr; ++name) {
            known = known || kind.key() == *name;
        }
        if (!known) {
            throw ScoreError(kindPointer,
                             "unknown text kind " + OneOf(kTextKinds, std::size(kTextKinds) - 1));
        }
        const RecordTag tag = *ParseTag(kind.key());
        ExpectObject(kind.value(), kindPointer);
        for (auto it = kind.value().begin(); it != kind.value().end(); ++it) {
            const std::string pointer = Child(kindPointer, it.key());
            const RecordKey key = ExpectKey(it.key(), pointer);
            PutText(tag, key, ExpectText(it.value(), pointer), pointer);
        }
    }
}

void ScoreReader::ReadRepeatTexts(const Json& root) {
    const Json* section = Section(root, "repeatTexts");
    if (section == nullptr) {
        return;
    }
    for (auto it = section->begin(); it != section->end(); ++it) {
        const std::string pointer = Child("/repeatTexts", it.key());
        const RecordKey key = ExpectKey(it.key(), pointer);
        const Json& entry = ExpectObject(it.value(), pointer);
        ExpectOnlyFields(entry, pointer, {"text", "style", "extra"});
        std::u16string text;
        if (entry.contains("text")) {
            text = ExpectText(entry["text"], Child(pointer, "text"));
        }
        PutText(L::kRepeatText, key, std::move(text), pointer);
        if (entry.contains("style")) {
            Put(L::repeatstyle::kTag, key, BuildRepeatStyle(entry, pointer), pointer);
        } else if (entry.contains("extra")) {
            throw ScoreError(Child(pointer, "extra"),
                             "extra bytes belong to the style record: "
                             "give a \"style\" too");
        }
    }
}

void ScoreReader::ReadEndingTexts(const Json& root) {
    const Json* section = Section(root, "endingTexts");
    if (section == nullptr) {
        return;
    }
    for (auto it = section->begin(); it != section->end(); ++it) {
        const std::string pointer = Child("/endingTexts", it.key());
        const RecordKey key = ExpectKey(it.key(), pointer);
        PutText(L::kEndingText, key, ExpectText(it.value(), pointer), pointer);
    }
}

void ScoreReader::ReadRecords(const Json& root) {
    auto records = root.find("records");
    if (records == root.end()) {
        return;
    }
    if (!records->is_array()) {
        throw ScoreError("/records", "expected an array");
    }
    for (std::size_t i = 0; i < records->size(); ++i) {
        ReadRawRecord((*records)[i], Child("/records", i));
    }
}

void ScoreReader::ReadRawRecord(const Json& entry, const std::string& pointer) {
    ExpectObject(entry, pointer);
    ExpectOnlyFields(entry, pointer, {"tag", "key", "hex"});
    if (!entry.contains("tag") || !entry.contains("key")) {
        throw ScoreError(pointer, "a raw record needs a \"tag\" and a \"key\"");
    }
    const std::string tagPointer = Child(pointer, "tag");
    std::optional<RecordTag> tag = ParseTag(ExpectString(entry["tag"], tagPointer));
    if (!tag) {
        throw ScoreError(tagPointer,
                         "bad tag (write four characters, or 0x and 1 to 8 hex "
                         "digits)");
    }
    const std::string keyPointer = Child(pointer, "key");
    const RecordKey key = ExpectKey(ExpectString(entry["key"], keyPointer), keyPointer);
    Bytes bytes;
    if (entry.contains("hex")) {
        bytes = ExpectHex(entry["hex"], Child(pointer, "hex"));
    }
    if (!IsTextKind(*tag)) {
        CheckRawReferences(*tag, bytes, Child(pointer, "hex"));
        Put(*tag, key, std::move(bytes), pointer);
        return;
    }
    // A text record as raw bytes: its UTF-16 units, low byte first.
    if (bytes.size() % 2 != 0) {
        throw ScoreError(Child(pointer, "hex"), "a text record holds whole UTF-16 units");
    }
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size() && (bytes[i] | bytes[i + 1]) != 0; i += 2) {
        text.push_back(char16_t(bytes[i] | (bytes[i + 1] << 8)));
    }
    PutText(*tag, key, std::move(text), pointer);
}

// A raw record that its named section can hold is saved there, and must
// then load again: its text-block and text numbers must name records too.
void ScoreReader::CheckRawReferences(RecordTag tag, const Bytes& bytes,
                                     const std::string& pointer) {
    for (const SectionCodec& codec : FixedSections()) {
        if (codec.tag != tag) {
            continue;
        }
        std::optional<Json> entry = EntryFor(codec, bytes);
        References found;
        if (entry) {
            codec.build(*entry, pointer, found);
        }
        for (Reference& reference : found) {
            reference.pointer = pointer;
            references_.push_back(std::move(reference));
        }
    }
}

void ScoreReader::CheckReferences() const {
    for (const Reference& reference : references_) {
        if (reference.number == 0 || document_.Contains(reference.tag, MakeKey(reference.number))) {
            continue;
        }
        const bool block = reference.tag == L::textblock::kTag;
        const std::string what = block ? "text block " : TagText(reference.tag) + " text ";
        const std::string where =
            block ? "\"textBlocks\"" : "\"texts\" under \"" + TagText(reference.tag) + "\"";
        throw ScoreError(reference.pointer, what + std::to_string(reference.number) +
                                                " does not exist (add it to " + where +
                                                ", or write 0 for none)");
    }
}

}  // namespace

void ReadScore(const std::string& text, Document& document) {
    ScoreReader(document).Read(ParseJson(text));
}

const char* const* TextKindNames() {
    return kTextKinds;
}

}  // namespace tavrel::sim
