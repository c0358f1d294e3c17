// Score file reading: one small step per section entry, then the check that
// every reference names a record. A file is streamed, so it is never held
// as a whole JSON tree. A file with a fault is read again as a tree, in the
// order of the file format's table, which finds the fault the format's
// order puts first and names it.
#include "sim/codec/ScoreReader.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "host/RecordLayout.h"
#include "sim/codec/RecordKinds.h"
#include "sim/codec/ScoreJson.h"
#include "sim/codec/ScoreSections.h"
#include "sim/codec/ScoreStream.h"

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

// Reads a score's sections into the records of a document. The whole tree
// is read section by section in the format's order; a stream hands the
// same steps one entry at a time in the file's order. For a sound file the
// order makes no difference: no two entries make the same record, and
// references are checked at the end.
class ScoreReader : public ScoreStreamSink {
  public:
    explicit ScoreReader(Document& document) : document_(document) {}

    void Read(const Json& root) {
        ReadHeader(root);
        for (const char* name : kTopLevel) {
            auto member = root.find(name);
            if (member != root.end()) {
                ReadSection(name, *member);
            }
        }
        CheckReferences();
    }

    std::optional<MemberShape> Member(const std::string& name) override;
    bool Kind(const std::string& name) override;
    void Take(const StreamPlace& place, const Json& value) override;
    // After a stream: whether the header was right (if not, the whole
    // tree says how); then the references, as after reading a tree.
    bool StreamedHeaderIsRight() const { return format_ == "notavo-score" && version_ == 1; }
    void CheckReferences() const;

  private:
    void ReadHeader(const Json& root);
    void ReadSection(const std::string& name, const Json& value);
    void ReadEntry(const std::string& section, const std::string& key, const Json& value);
    void ReadPages(const Json& pages);
    std::optional<RecordTag> KindTag(const std::string& kind) const;
    void ReadText(RecordTag tag, const std::string& kind, const std::string& key,
                  const Json& value);
    void ReadRepeatText(const std::string& key, const Json& value);
    void ReadRawRecord(const Json& entry, const std::string& pointer);
    void CheckRawReferences(RecordTag tag, const Bytes& bytes, const std::string& pointer);

    // A section's object; throws when it is not one.
    static const Json& Section(const Json& value, const std::string& name) {
        return ExpectObject(value, Child("", name));
    }
    [[noreturn]] static void DefinedTwice(RecordTag tag, RecordKey key,
                                          const std::string& pointer) {
        throw ScoreError(
            pointer, "record " + TagText(tag) + " {" + KeyText(key, true) + "} is defined twice");
    }
    void Put(RecordTag tag, RecordKey key, Bytes bytes, const std::string& pointer) {
        if (!document_.AddRecord(tag, key, std::move(bytes))) {
            DefinedTwice(tag, key, pointer);
        }
    }
    void PutText(RecordTag tag, RecordKey key, std::u16string text, const std::string& pointer) {
        if (!document_.AddText(tag, key, std::move(text))) {
            DefinedTwice(tag, key, pointer);
        }
    }

    Document& document_;
    References references_;
    // The stream's state: the top-level members and text kinds seen, the
    // kind being read, and the header's values.
    std::vector<std::string> membersSeen_;
    std::vector<std::string> kindsSeen_;
    RecordTag kindTag_ = 0;
    Json format_;
    Json version_;
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

// One top-level member of a whole tree, whose header has been checked.
void ScoreReader::ReadSection(const std::string& name, const Json& value) {
    if (name == "format" || name == "version") {
        return;
    }
    if (name == "pages") {
        ReadPages(value);
        return;
    }
    if (name == "records") {
        if (!value.is_array()) {
            throw ScoreError("/records", "expected an array");
        }
        for (std::size_t i = 0; i < value.size(); ++i) {
            ReadRawRecord(value[i], Child("/records", i));
        }
        return;
    }
    const Json& section = Section(value, name);
    for (auto it = section.begin(); it != section.end(); ++it) {
        if (name != "texts") {
            ReadEntry(name, it.key(), it.value());
            continue;
        }
        std::optional<RecordTag> tag = KindTag(it.key());
        ExpectObject(it.value(), Child("/texts", it.key()));
        for (auto text = it.value().begin(); text != it.value().end(); ++text) {
            ReadText(*tag, it.key(), text.key(), text.value());
        }
    }
}

std::optional<MemberShape> ScoreReader::Member(const std::string& name) {
    const bool known =
        std::find(std::begin(kTopLevel), std::end(kTopLevel), name) != std::end(kTopLevel);
    if (!known || std::find(membersSeen_.begin(), membersSeen_.end(), name) != membersSeen_.end()) {
        return std::nullopt;  // unknown, or given twice
    }
    membersSeen_.push_back(name);
    if (name == "texts") {
        return MemberShape::Kinds;
    }
    if (name == "records") {
        return MemberShape::Elements;
    }
    const bool whole = name == "format" || name == "version" || name == "pages";
    return whole ? MemberShape::Whole : MemberShape::Entries;
}

bool ScoreReader::Kind(const std::string& name) {
    if (std::find(kindsSeen_.begin(), kindsSeen_.end(), name) != kindsSeen_.end()) {
        return false;
    }
    kindsSeen_.push_back(name);
    kindTag_ = *KindTag(name);
    return true;
}

void ScoreReader::Take(const StreamPlace& place, const Json& value) {
    if (place.member == "format") {
        format_ = value;
    } else if (place.member == "version") {
        version_ = value;
    } else if (place.member == "pages") {
        ReadPages(value);
    } else if (place.member == "texts") {
        ReadText(kindTag_, place.kind, place.key, value);
    } else if (place.member == "records") {
        ReadRawRecord(value, Child("/records", place.index));
    } else {
        ReadEntry(place.member, place.key, value);
    }
}

// An entry of a section that maps record keys to entries.
void ScoreReader::ReadEntry(const std::string& section, const std::string& key, const Json& value) {
    const std::string pointer = Child(Child("", section), key);
    if (section == "repeatTexts") {
        ReadRepeatText(key, value);
        return;
    }
    const RecordKey recordKey = ExpectKey(key, pointer);
    if (section == "endingTexts") {
        PutText(L::kEndingText, recordKey, ExpectText(value, pointer), pointer);
        return;
    }
    const SectionCodec& codec = FindSection(section.c_str());
    Put(codec.tag, recordKey, codec.build(value, pointer, references_), pointer);
}

void ScoreReader::ReadPages(const Json& pages) {
    const std::uint32_t count =
        ExpectInteger(pages, "/pages", static_cast<std::uint32_t>(L::kMostPages));
    for (std::uint32_t n = 1; n <= count; ++n) {
        Put(L::page::kTag, MakeKey(static_cast<std::uint16_t>(n)), Bytes(L::page::kSize, 0),
            "/pages");
    }
}

// The tag of a text kind; throws for a kind the format does not have.
std::optional<RecordTag> ScoreReader::KindTag(const std::string& kind) const {
    for (const char* const* name = kTextKinds; *name != nullptr; ++name) {
        if (kind == *name) {
            return ParseTag(kind);
        }
    }
    throw ScoreError(Child("/texts", kind),
                     "unknown text kind " + OneOf(kTextKinds, std::size(kTextKinds) - 1));
}

void ScoreReader::ReadText(RecordTag tag, const std::string& kind, const std::string& key,
                           const Json& value) {
    const std::string pointer = Child(Child("/texts", kind), key);
    const RecordKey recordKey = ExpectKey(key, pointer);
    PutText(tag, recordKey, ExpectText(value, pointer), pointer);
}

void ScoreReader::ReadRepeatText(const std::string& key, const Json& value) {
    const std::string pointer = Child("/repeatTexts", key);
    const RecordKey recordKey = ExpectKey(key, pointer);
    const Json& entry = ExpectObject(value, pointer);
    ExpectOnlyFields(entry, pointer, {"text", "style", "extra"});
    std::u16string text;
    if (entry.contains("text")) {
        text = ExpectText(entry["text"], Child(pointer, "text"));
    }
    PutText(L::kRepeatText, recordKey, std::move(text), pointer);
    if (entry.contains("style")) {
        Put(L::repeatstyle::kTag, recordKey, BuildRepeatStyle(entry, pointer), pointer);
    } else if (entry.contains("extra")) {
        throw ScoreError(Child(pointer, "extra"),
                         "extra bytes belong to the style record: "
                         "give a \"style\" too");
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
    PutText(*tag, key, TextFromRecordBytes(bytes.data(), bytes.size()), pointer);
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
    try {
        ScoreReader reader(document);
        if (StreamScore(text, reader) && reader.StreamedHeaderIsRight()) {
            reader.CheckReferences();
            return;
        }
    } catch (const ScoreError&) {
    } catch (const nlohmann::json::exception&) {
    }
    // Whatever stopped the stream is found and named by reading the whole
    // tree, in the order the format sets, so every message is the same
    // however the file's members are ordered.
    document = Document();
    ReadScoreAsTree(text, document);
}

void ReadScoreAsTree(const std::string& text, Document& document) {
    ScoreReader(document).Read(ParseJson(text));
}

const char* const* TextKindNames() {
    return kTextKinds;
}

}  // namespace tavrel::sim
