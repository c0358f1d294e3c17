// Byte-offset access to host record buffers and the tags, sizes and field
// offsets of the records the plug-in reads. Layouts are little-endian byte
// images, identical on 32- and 64-bit builds; never overlay structs on them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/HostApi.h"

namespace tavrel::layout {

inline std::uint16_t ReadU16(const void* record, std::size_t offset) {
    const auto* p = static_cast<const std::uint8_t*>(record) + offset;
    return std::uint16_t(p[0] | (p[1] << 8));
}
inline std::uint32_t ReadU32(const void* record, std::size_t offset) {
    const auto* p = static_cast<const std::uint8_t*>(record) + offset;
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
inline void WriteU16(void* record, std::size_t offset, std::uint16_t value) {
    auto* p = static_cast<std::uint8_t*>(record) + offset;
    p[0] = std::uint8_t(value);
    p[1] = std::uint8_t(value >> 8);
}
inline void WriteU32(void* record, std::size_t offset, std::uint32_t value) {
    auto* p = static_cast<std::uint8_t*>(record) + offset;
    for (int i = 0; i < 4; ++i) {
        p[i] = std::uint8_t(value >> (8 * i));
    }
}

// Version words of the host releases whose layouts the plug-in meets.
constexpr std::uint32_t kVersion5 = 0x05000000;
constexpr std::uint32_t kVersion6 = 0x06000000;
constexpr std::uint32_t kVersion8 = 0x08000000;
constexpr std::uint32_t kVersion9 = 0x09000000;  // first to take the "2004" layouts
constexpr std::uint32_t kVersion10 = 0x0A000000;

// The host counts pages and documents, and sizes text, in signed 16 bits.
constexpr std::int32_t kMostPages = 32767;
constexpr std::int32_t kMostDocuments = 32767;
constexpr std::int32_t kLargestSize = 32767;

// Text kinds: UTF-16 text records, size counted in units with the zero.
constexpr RecordTag kTextBlockText = Tag("txbl");
constexpr RecordTag kLyricsVerse = Tag("txve");
constexpr RecordTag kLyricsChorus = Tag("txch");
constexpr RecordTag kLyricsSection = Tag("txse");
constexpr RecordTag kSmartShapeText = Tag("txss");
constexpr RecordTag kFileInfoText = Tag("txfi");
constexpr RecordTag kExpressionText = Tag("txxp");
constexpr RecordTag kRepeatText = Tag("osRT");
constexpr RecordTag kEndingText = Tag("osET");

// Records whose "2004" and later layouts the version fix-up guards, and the
// ones whose loads need special care. Tags read most significant byte first;
// a byte below 0x20 is written as an escape.
constexpr RecordTag kSomsTag = Tag("SOMS");
constexpr RecordTag kSossTag = Tag("SOSS");
constexpr RecordTag kOss2Tag = Tag("O\x02SS");
constexpr RecordTag kGfholdTag = Tag("SDGF");
constexpr RecordTag kShapeExpressionTag = Tag("otDO");
constexpr RecordTag kSofiTag = Tag("SOfI");
constexpr RecordTag kSosdTag = Tag("SOSD");  // kept by newer hosts only as
constexpr RecordTag kOtsdTag = Tag("otSD");  // this 12-byte element record
static_assert(kOss2Tag == 0x4F025353 && kSomsTag == 0x534F4D53,
              "tags read most significant byte first");

// Records with fixed layouts: tag, size, version, field offsets.
namespace staff {
constexpr RecordTag kTag = Tag("SOIS");
constexpr std::uint32_t kSize = 132;  // the current layout keeps the 2003 size
constexpr std::size_t kBlock1 = 30, kBlock2 = 32;
}  // namespace staff
namespace staffstyle {
constexpr RecordTag kTag = Tag("SOSY");
constexpr std::uint32_t kSize = 144;
constexpr std::uint32_t kVersion = 0x0F000000;
constexpr std::size_t kBlock1 = 30, kBlock2 = 32;
constexpr std::size_t kName = 96;  // zero-terminated 8-bit text to the end
}  // namespace staffstyle
namespace group {
constexpr RecordTag kTag = Tag("SDNG");
constexpr std::uint32_t kSize = 36;
constexpr std::uint32_t kVersion = 0x0F000000;
constexpr std::size_t kBlock1 = 4, kBlock2 = 22;
}  // namespace group
namespace pageblock {
constexpr RecordTag kTag = Tag("O\x02pT");
constexpr std::uint32_t kSize = 24;
constexpr std::size_t kBlock = 0;
}  // namespace pageblock
namespace measureblock {
constexpr RecordTag kTag = Tag("dtmt");
constexpr std::uint32_t kSize = 10;
constexpr std::size_t kBlock = 0;
}  // namespace measureblock
namespace textblock {
constexpr RecordTag kTag = Tag("SOTX");
constexpr std::uint32_t kSize = 26;
constexpr std::size_t kText = 0;
}  // namespace textblock
namespace repeatstyle {
constexpr RecordTag kTag = Tag("SORS");
constexpr std::uint32_t kSize = 16;
constexpr std::size_t kFont = 4, kSize16 = 6, kBits = 8;
}  // namespace repeatstyle
namespace twostyle {
constexpr RecordTag kTag = Tag("SOMN");
constexpr std::uint32_t kSize = 350;
constexpr std::size_t kStyles[2] = {0, 70};  // font, size, bits at +0, +2, +4
}  // namespace twostyle
namespace threestyle {
constexpr RecordTag kTag = Tag("SOMC");
constexpr std::uint32_t kSize = 296;
constexpr std::size_t kStyles[3] = {260, 266, 272};
}  // namespace threestyle
namespace articulation {
constexpr RecordTag kTag = Tag("O\x04IX");
constexpr std::uint32_t kSize = 60;
constexpr std::size_t kFlags = 24;
// A slot holds one character (32-bit, the search reads its low 16 bits)
// with its style, unless its flag in kFlags says it holds no character.
struct Slot {
    std::size_t character, font, size, bits;
    std::uint16_t notCharacter;
};
constexpr Slot kSlots[2] = {{0, 4, 6, 8, 0x2}, {12, 16, 26, 28, 0x4}};
}  // namespace articulation
namespace page {
constexpr RecordTag kTag = Tag("SOPS");
constexpr std::uint32_t kSize = 22;
constexpr std::uint32_t kVersion = 0x0A010000;
}  // namespace page
namespace font {
constexpr RecordTag kTag = Tag("SOFN");
constexpr std::uint32_t kSize = 48;
constexpr std::uint32_t kVersion = 0x10000000;
constexpr std::size_t kArg = 0;
constexpr std::size_t kName = 12;
constexpr std::size_t kNameMax = 36;  // bytes from kName to the record's end
}  // namespace font

}  // namespace tavrel::layout
