// Field-by-field codecs of the fixed-layout record sections of score files.
#include "sim/codec/ScoreSections.h"

#include <stdexcept>
#include <utility>

#include "host/RecordLayout.h"
#include "platform/CodePage.h"

namespace tavrel::sim {
namespace {

namespace L = tavrel::layout;
constexpr std::uint32_t k16 = 0xFFFF;

std::uint16_t Get16(const Bytes& record, std::size_t offset) {
    return L::ReadU16(record.data(), offset);
}

// Keeps a number to check once the whole file is read; 0 names nothing and
// needs no check.
void Refer(References& references, std::string pointer, RecordTag tag, std::uint32_t number) {
    if (number != 0) {
        references.push_back({std::move(pointer), tag, static_cast<std::uint16_t>(number)});
    }
}

// A member that may be absent. A named field left out of an entry still
// gives its bytes (zero), so "extra" never stands in for a named field.
const Json* Member(const Json& object, const char* name) {
    auto it = object.find(name);
    return it == object.end() ? nullptr : &*it;
}

void ReadBlocks(const Json& entry, const std::string& pointer, Bytes& record, std::size_t first,
                std::size_t second, References& references) {
    const Json* blocks = Member(entry, "blocks");
    if (blocks == nullptr) {
        L::WriteU16(record.data(), first, 0);  // left out: no text block
        L::WriteU16(record.data(), second, 0);
        return;
    }
    const std::string at = Child(pointer, "blocks");
    ExpectArray(*blocks, at, 2);
    const std::size_t offsets[2] = {first, second};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::uint32_t number = ExpectInteger((*blocks)[i], Child(at, i), k16);
        L::WriteU16(record.data(), offsets[i], static_cast<std::uint16_t>(number));
        Refer(references, Child(at, i), L::textblock::kTag, number);
    }
}

Json DescribeBlocks(const Bytes& record, std::size_t first, std::size_t second) {
    return Json::array({Get16(record, first), Get16(record, second)});
}

void ReadBlock(const Json& entry, const std::string& pointer, Bytes& record,
               References& references) {
    const std::uint32_t number = IntegerField(entry, pointer, "block", k16);
    L::WriteU16(record.data(), 0, static_cast<std::uint16_t>(number));
    Refer(references, Child(pointer, "block"), L::textblock::kTag, number);
}

// A style triplet: font, size and style bits, 16 bits each.
void ReadStyle(const Json& style, const std::string& pointer, Bytes& record, std::size_t font,
               std::size_t size, std::size_t bits) {
    ExpectObject(style, pointer);
    ExpectOnlyFields(style, pointer, {"font", "size", "bits"});
    L::WriteU16(record.data(), font,
                static_cast<std::uint16_t>(IntegerField(style, pointer, "font", k16)));
    L::WriteU16(record.data(), size,
                static_cast<std::uint16_t>(IntegerField(style, pointer, "size", k16)));
    L::WriteU16(record.data(), bits,
                static_cast<std::uint16_t>(IntegerField(style, pointer, "bits", k16)));
}

Json DescribeStyle(const Bytes& record, std::size_t font, std::size_t size, std::size_t bits) {
    Json style = Json::object();
    style["font"] = Get16(record, font);
    style["size"] = Get16(record, size);
    style["bits"] = Get16(record, bits);
    return style;
}

// Styles in an array, each triplet at its offset (font, size, bits in a row).
template <std::size_t N>
void ReadStyles(const Json& entry, const std::string& pointer, Bytes& record,
                const std::size_t (&offsets)[N]) {
    const Json* styles = Member(entry, "styles");
    if (styles == nullptr) {
        for (std::size_t offset : offsets) {  // left out: every triplet zero
            ReadStyle(Json::object(), pointer, record, offset, offset + 2, offset + 4);
        }
        return;
    }
    const std::string at = Child(pointer, "styles");
    ExpectArray(*styles, at, N);
    for (std::size_t i = 0; i < N; ++i) {
        ReadStyle((*styles)[i], Child(at, i), record, offsets[i], offsets[i] + 2, offsets[i] + 4);
    }
}

template <std::size_t N>
Json DescribeStyles(const Bytes& record, const std::size_t (&offsets)[N]) {
    Json styles = Json::array();
    for (std::size_t offset : offsets) {
        styles.push_back(DescribeStyle(record, offset, offset + 2, offset + 4));
    }
    return styles;
}

// A zero-terminated 8-bit name: UTF-8 in the file, ANSI in the record. The
// bytes after the terminator are not the name's and stay as they are.
void ReadName(const Json& entry, const std::string& pointer, Bytes& record, std::size_t offset,
              std::size_t maxBytes) {
    const Json* name = Member(entry, "name");
    if (name == nullptr) {
        record[offset] = 0;  // left out: the empty name
        return;
    }
    const std::string at = Child(pointer, "name");
    const std::string& utf8 = ExpectString(*name, at);
    if (utf8.find('\0') != std::string::npos) {
        throw ScoreError(at, "a name cannot hold a zero character");
    }
    std::u16string wide;
    if (!platform::Utf8ToUtf16(utf8, wide)) {
        throw ScoreError(at, "the name is not valid UTF-8");
    }
    bool lossless = true;
    const std::string ansi = platform::Utf16ToAnsi(wide, &lossless);
    if (!lossless) {
        throw ScoreError(at, "the name has a character the ANSI code page cannot hold");
    }
    if (ansi.size() > maxBytes) {
        throw ScoreError(at, "the name is " + std::to_string(ansi.size()) +
                                 " bytes long; at most " + std::to_string(maxBytes) + " fit");
    }
    for (std::size_t i = 0; i <= ansi.size(); ++i) {
        record[offset + i] = i < ansi.size() ? static_cast<std::uint8_t>(ansi[i]) : 0;
    }
}

std::optional<Json> DescribeName(const Bytes& record, std::size_t offset, std::size_t fieldBytes) {
    std::string ansi;
    for (std::size_t i = offset; i < offset + fieldBytes; ++i) {
        if (record[i] == 0) {
            std::u16string wide;
            if (!ansi.empty() && !platform::AnsiToUtf16(ansi, wide)) {
                return std::nullopt;
            }
            return Json(platform::Utf16ToUtf8(wide));
        }
        ansi.push_back(static_cast<char>(record[i]));
    }
    return std::nullopt;  // no terminator within the field
}

Bytes StartEntry(const Json& entry, const std::string& pointer, std::uint32_t size,
                 std::initializer_list<const char*> fields) {
    ExpectObject(entry, pointer);
    ExpectOnlyFields(entry, pointer, fields);
    return BaseBytes(entry, pointer, size);
}

Bytes BuildFont(const Json& entry, const std::string& pointer, References& /*references*/) {
    Bytes record = StartEntry(entry, pointer, L::font::kSize, {"name", "arg", "extra"});
    L::WriteU16(record.data(), L::font::kArg,
                static_cast<std::uint16_t>(IntegerField(entry, pointer, "arg", k16)));
    ReadName(entry, pointer, record, L::font::kName, L::font::kNameMax - 1);
    return record;
}

std::optional<Json> DescribeFont(const Bytes& record) {
    std::optional<Json> name = DescribeName(record, L::font::kName, L::font::kNameMax);
    if (!name) {
        return std::nullopt;
    }
    Json entry = Json::object();
    entry["name"] = *name;
    entry["arg"] = Get16(record, L::font::kArg);
    return entry;
}

Bytes BuildTextBlock(const Json& entry, const std::string& pointer, References& references) {
    Bytes record = StartEntry(entry, pointer, L::textblock::kSize, {"text", "extra"});
    const std::uint32_t text = IntegerField(entry, pointer, "text", k16);
    L::WriteU16(record.data(), L::textblock::kText, static_cast<std::uint16_t>(text));
    Refer(references, Child(pointer, "text"), L::kTextBlockText, text);
    return record;
}

std::optional<Json> DescribeTextBlock(const Bytes& record) {
    Json entry = Json::object();
    entry["text"] = Get16(record, L::textblock::kText);
    return entry;
}

Bytes BuildStaff(const Json& entry, const std::string& pointer, References& references) {
    Bytes record = StartEntry(entry, pointer, L::staff::kSize, {"blocks", "extra"});
    ReadBlocks(entry, pointer, record, L::staff::kBlock1, L::staff::kBlock2, references);
    return record;
}

std::optional<Json> DescribeStaff(const Bytes& record) {
    Json entry = Json::object();
    entry["blocks"] = DescribeBlocks(record, L::staff::kBlock1, L::staff::kBlock2);
    return entry;
}

Bytes BuildStaffStyle(const Json& entry, const std::string& pointer, References& references) {
    namespace S = L::staffstyle;
    Bytes record = StartEntry(entry, pointer, S::kSize, {"blocks", "name", "extra"});
    ReadBlocks(entry, pointer, record, S::kBlock1, S::kBlock2, references);
    ReadName(entry, pointer, record, S::kName, S::kSize - S::kName - 1);
    return record;
}

std::optional<Json> DescribeStaffStyle(const Bytes& record) {
    namespace S = L::staffstyle;
    std::optional<Json> name = DescribeName(record, S::kName, S::kSize - S::kName);
    if (!name) {
        return std::nullopt;
    }
    Json entry = Json::object();
    entry["blocks"] = DescribeBlocks(record, S::kBlock1, S::kBlock2);
    entry["name"] = *name;
    return entry;
}

Bytes BuildGroup(const Json& entry, const std::string& pointer, References& references) {
    Bytes record = StartEntry(entry, pointer, L::group::kSize, {"blocks", "extra"});
    ReadBlocks(entry, pointer, record, L::group::kBlock1, L::group::kBlock2, references);
    return record;
}

std::optional<Json> DescribeGroup(const Bytes& record) {
    Json entry = Json::object();
    entry["blocks"] = DescribeBlocks(record, L::group::kBlock1, L::group::kBlock2);
    return entry;
}

Bytes BuildPageBlock(const Json& entry, const std::string& pointer, References& references) {
    Bytes record = StartEntry(entry, pointer, L::pageblock::kSize, {"block", "extra"});
    ReadBlock(entry, pointer, record, references);
    return record;
}

Bytes BuildMeasureBlock(const Json& entry, const std::string& pointer, References& references) {
    Bytes record = StartEntry(entry, pointer, L::measureblock::kSize, {"block", "extra"});
    ReadBlock(entry, pointer, record, references);
    return record;
}

std::optional<Json> DescribeBlock(const Bytes& record) {
    Json entry = Json::object();
    entry["block"] = Get16(record, 0);
    return entry;
}

Bytes BuildTwoStyle(const Json& entry, const std::string& pointer, References& /*references*/) {
    Bytes record = StartEntry(entry, pointer, L::twostyle::kSize, {"styles", "extra"});
    ReadStyles(entry, pointer, record, L::twostyle::kStyles);
    return record;
}

std::optional<Json> DescribeTwoStyle(const Bytes& record) {
    Json entry = Json::object();
    entry["styles"] = DescribeStyles(record, L::twostyle::kStyles);
    return entry;
}

Bytes BuildThreeStyle(const Json& entry, const std::string& pointer, References& /*references*/) {
    Bytes record = StartEntry(entry, pointer, L::threestyle::kSize, {"styles", "extra"});
    ReadStyles(entry, pointer, record, L::threestyle::kStyles);
    return record;
}

std::optional<Json> DescribeThreeStyle(const Bytes& record) {
    Json entry = Json::object();
    entry["styles"] = DescribeStyles(record, L::threestyle::kStyles);
    return entry;
}

void ReadSlot(const Json& slot, const std::string& pointer, Bytes& record,
              const L::articulation::Slot& at) {
    ExpectObject(slot, pointer);
    ExpectOnlyFields(slot, pointer, {"char", "font", "size", "bits"});
    L::WriteU32(record.data(), at.character, IntegerField(slot, pointer, "char", 0xFFFFFFFF));
    L::WriteU16(record.data(), at.font,
                static_cast<std::uint16_t>(IntegerField(slot, pointer, "font", k16)));
    L::WriteU16(record.data(), at.size,
                static_cast<std::uint16_t>(IntegerField(slot, pointer, "size", k16)));
    L::WriteU16(record.data(), at.bits,
                static_cast<std::uint16_t>(IntegerField(slot, pointer, "bits", k16)));
}

Bytes BuildArticulation(const Json& entry, const std::string& pointer, References& /*refs*/) {
    Bytes record = StartEntry(entry, pointer, L::articulation::kSize, {"slots", "flags", "extra"});
    const Json* slots = Member(entry, "slots");
    const std::string at = Child(pointer, "slots");
    if (slots != nullptr) {
        ExpectArray(*slots, at, 2);
    }
    for (std::size_t i = 0; i < 2; ++i) {  // left out: both slots zero
        ReadSlot(slots != nullptr ? (*slots)[i] : Json::object(), Child(at, i), record,
                 L::articulation::kSlots[i]);
    }
    L::WriteU16(record.data(), L::articulation::kFlags,
                static_cast<std::uint16_t>(IntegerField(entry, pointer, "flags", k16)));
    return record;
}

std::optional<Json> DescribeArticulation(const Bytes& record) {
    Json slots = Json::array();
    for (const L::articulation::Slot& at : L::articulation::kSlots) {
        Json slot = Json::object();
        slot["char"] = L::ReadU32(record.data(), at.character);
        slot["font"] = Get16(record, at.font);
        slot["size"] = Get16(record, at.size);
        slot["bits"] = Get16(record, at.bits);
        slots.push_back(slot);
    }
    Json entry = Json::object();
    entry["slots"] = slots;
    entry["flags"] = Get16(record, L::articulation::kFlags);
    return entry;
}

}  // namespace

const std::vector<SectionCodec>& FixedSections() {
    static const std::vector<SectionCodec> sections = {
        {"fonts", L::font::kTag, L::font::kSize, false, BuildFont, DescribeFont},
        {"textBlocks", L::textblock::kTag, L::textblock::kSize, false, BuildTextBlock,
         DescribeTextBlock},
        {"staves", L::staff::kTag, L::staff::kSize, false, BuildStaff, DescribeStaff},
        {"staffStyles", L::staffstyle::kTag, L::staffstyle::kSize, false, BuildStaffStyle,
         DescribeStaffStyle},
        {"groups", L::group::kTag, L::group::kSize, false, BuildGroup, DescribeGroup},
        {"pageTextBlocks", L::pageblock::kTag, L::pageblock::kSize, true, BuildPageBlock,
         DescribeBlock},
        {"measureTextBlocks", L::measureblock::kTag, L::measureblock::kSize, true,
         BuildMeasureBlock, DescribeBlock},
        {"twoStyleRecords", L::twostyle::kTag, L::twostyle::kSize, false, BuildTwoStyle,
         DescribeTwoStyle},
        {"threeStyleRecords", L::threestyle::kTag, L::threestyle::kSize, false, BuildThreeStyle,
         DescribeThreeStyle},
        {"articulations", L::articulation::kTag, L::articulation::kSize, false, BuildArticulation,
         DescribeArticulation},
    };
    return sections;
}

const SectionCodec& FindSection(const char* name) {
    for (const SectionCodec& codec : FixedSections()) {
        if (std::string(codec.name) == name) {
            return codec;
        }
    }
    throw std::out_of_range(std::string("no score section ") + name);
}

Bytes BaseBytes(const Json& entry, const std::string& pointer, std::uint32_t size) {
    const Json* extra = Member(entry, "extra");
    if (extra == nullptr) {
        return Bytes(size, 0);
    }
    const std::string at = Child(pointer, "extra");
    Bytes bytes = ExpectHex(*extra, at);
    if (bytes.size() != size) {
        throw ScoreError(at, "extra must hold the whole record: " + std::to_string(size) +
                                 " bytes (" + std::to_string(2 * size) + " hex digits)");
    }
    return bytes;
}

Bytes BuildRepeatStyle(const Json& entry, const std::string& pointer) {
    namespace R = L::repeatstyle;
    Bytes record = BaseBytes(entry, pointer, R::kSize);
    ReadStyle(entry.at("style"), Child(pointer, "style"), record, R::kFont, R::kSize16, R::kBits);
    return record;
}

Json DescribeRepeatStyle(const Bytes& record) {
    namespace R = L::repeatstyle;
    return DescribeStyle(record, R::kFont, R::kSize16, R::kBits);
}

std::optional<Json> EntryFor(const SectionCodec& codec, const Bytes& record) {
    if (record.size() != codec.size) {
        return std::nullopt;
    }
    std::optional<Json> entry = codec.describe(record);
    if (!entry) {
        return std::nullopt;
    }
    References ignored;
    try {
        if (codec.build(*entry, "", ignored) == record) {
            return entry;
        }
        (*entry)["extra"] = HexText(record);
        if (codec.build(*entry, "", ignored) == record) {
            return entry;
        }
    } catch (const ScoreError&) {
        // Not representable by the section: the caller writes a raw record.
    }
    return std::nullopt;
}

std::u16string ExpectText(const Json& value, const std::string& pointer) {
    const std::string& utf8 = ExpectString(value, pointer);
    if (utf8.find('\0') != std::string::npos) {
        throw ScoreError(pointer, "a text cannot hold a zero character");
    }
    std::u16string wide;
    if (!platform::Utf8ToUtf16(utf8, wide)) {
        throw ScoreError(pointer, "the text is not valid UTF-8");
    }
    return wide;
}

std::optional<std::string> TextToUtf8(const std::u16string& text) {
    std::string utf8 = platform::Utf16ToUtf8(text);
    std::u16string back;
    if (!platform::Utf8ToUtf16(utf8, back) || back != text) {
        return std::nullopt;
    }
    return utf8;
}

}  // namespace tavrel::sim
