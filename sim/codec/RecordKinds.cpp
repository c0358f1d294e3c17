// The simulated host's table of record kinds and the text forms of tags and
// keys shared by score files, the journal and `show`.
#include "sim/codec/RecordKinds.h"

#include <cstdio>

#include "host/RecordLayout.h"

namespace tavrel::sim {
namespace {

namespace L = tavrel::layout;

struct KindSize {
    RecordTag tag;
    std::uint32_t size;
};

constexpr KindSize kFixedSizes[] = {
    {L::staff::kTag, L::staff::kSize},
    {L::staffstyle::kTag, L::staffstyle::kSize},
    {L::group::kTag, L::group::kSize},
    {L::pageblock::kTag, L::pageblock::kSize},
    {L::measureblock::kTag, L::measureblock::kSize},
    {L::textblock::kTag, L::textblock::kSize},
    {L::repeatstyle::kTag, L::repeatstyle::kSize},
    {L::twostyle::kTag, L::twostyle::kSize},
    {L::threestyle::kTag, L::threestyle::kSize},
    {L::articulation::kTag, L::articulation::kSize},
    {L::page::kTag, L::page::kSize},
    {L::font::kTag, L::font::kSize},
};

struct VersionFloor {
    RecordTag tag;
    std::uint32_t minimum;
};

// The layouts kept here arrived with these version words; a caller passing
// an older word means an older layout of a different size. The first six
// are the "2004" and later layouts that the plug-in's fix-up table guards.
constexpr VersionFloor kVersionFloors[] = {
    {L::textblock::kTag, L::kVersion9},
    {L::kShapeExpressionTag, L::kVersion9},
    {L::kGfholdTag, L::kVersion9},
    {L::kSomsTag, L::kVersion10},
    {L::kSossTag, L::kVersion10},
    {L::kOss2Tag, L::kVersion10},
    {L::staffstyle::kTag, L::staffstyle::kVersion},
    {L::group::kTag, L::group::kVersion},
    {L::page::kTag, L::page::kVersion},
    {L::font::kTag, L::font::kVersion},
};

bool Printable(std::uint8_t c) {
    return c >= 0x20 && c <= 0x7E;
}

std::optional<std::uint32_t> ParseDecimal(std::string_view text, std::uint32_t max) {
    if (text.empty() || text.size() > 10 || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > max) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

bool IsTextKind(RecordTag tag) {
    switch (tag) {
        case L::kTextBlockText:
        case L::kLyricsVerse:
        case L::kLyricsChorus:
        case L::kLyricsSection:
        case L::kSmartShapeText:
        case L::kFileInfoText:
        case L::kExpressionText:
        case L::kRepeatText:
        case L::kEndingText:
            return true;
        default:
            return false;
    }
}

std::vector<std::uint8_t> TextRecordBytes(std::u16string_view text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * text.size());
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::u16string TextFromRecordBytes(const std::uint8_t* bytes, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0) {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

std::optional<std::uint32_t> FixedRecordSize(RecordTag tag) {
    for (const KindSize& kind : kFixedSizes) {
        if (kind.tag == tag) {
            return kind.size;
        }
    }
    return std::nullopt;
}

bool VersionAccepted(RecordTag tag, std::uint32_t version) {
    for (const VersionFloor& floor : kVersionFloors) {
        if (floor.tag == tag) {
            return version >= floor.minimum;
        }
    }
    return true;
}

std::string TagText(RecordTag tag) {
    std::string chars;
    for (int shift = 24; shift >= 0; shift -= 8) {
        chars.push_back(static_cast<char>(static_cast<std::uint8_t>(tag >> shift)));
    }
    bool printable = true;
    for (char c : chars) {
        printable = printable && Printable(static_cast<std::uint8_t>(c));
    }
    if (printable && chars.compare(0, 2, "0x") != 0) {
        return chars;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(tag));
    return hex;
}

std::optional<RecordTag> ParseTag(std::string_view text) {
    if (text.size() > 2 && text.substr(0, 2) == "0x") {
        std::string_view digits = text.substr(2);
        if (digits.size() > 8) {
            return std::nullopt;
        }
        RecordTag tag = 0;
        for (char c : digits) {
            int v = HexDigitValue(c);
            if (v < 0) {
                return std::nullopt;
            }
            tag = (tag << 4) | static_cast<RecordTag>(v);
        }
        return tag;
    }
    if (text.size() != 4) {
        return std::nullopt;
    }
    RecordTag tag = 0;
    for (char c : text) {
        if (!Printable(static_cast<std::uint8_t>(c))) {
            return std::nullopt;
        }
        tag = (tag << 8) | static_cast<std::uint8_t>(c);
    }
    return tag;
}

std::string KeyText(RecordKey key, bool pair) {
    std::string text = std::to_string(key.first);
    if (pair || key.second != 0) {
        text += ',';
        text += std::to_string(key.second);
    }
    return text;
}

std::optional<RecordKey> ParseKey(std::string_view text) {
    std::size_t comma = text.find(',');
    auto first = ParseDecimal(text.substr(0, comma), 0xFFFF);
    if (!first) {
        return std::nullopt;
    }
    std::uint32_t second = 0;
    if (comma != std::string_view::npos) {
        auto parsed = ParseDecimal(text.substr(comma + 1), 0xFFFF);
        if (!parsed) {
            return std::nullopt;
        }
        second = *parsed;
    }
    return MakeKey(static_cast<std::uint16_t>(*first), static_cast<std::uint16_t>(second));
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace tavrel::sim
