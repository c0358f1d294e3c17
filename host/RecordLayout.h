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

// Text kinds: UTF-16 text records, size counted in units with the zero.
constexpr RecordTag kTextBlockText = Tag("txbl");
constexpr RecordTag kLyricsVerse = Tag("txve");
constexpr RecordTag kLyricsChorus = Tag("txch");
constexpr RecordTag kLyricsSection = Tag("txse");
constexpr RecordTag kSmartShapeText = Tag("txss");
constexpr RecordTag kFileInfoText = Tag("txfi");
constexpr RecordTag kExpressionText = Tag("txxp");
constexpr RecordTag kRepeatText = 0x6F735254;  // text record
constexpr RecordTag kEndingText = 0x6F734554;  // text record

// Records with fixed layouts: tag, size, version, field offsets.
namespace staff {
constexpr RecordTag kTag = 0x534F4953;
constexpr std::uint32_t kSize = 132;
constexpr std::size_t kBlock1 = 30, kBlock2 = 32;
}  // namespace staff
namespace staffstyle {
constexpr RecordTag kTag = 0x534F5359;
constexpr std::uint32_t kSize = 144;
constexpr std::uint32_t kVersion = 0x0F000000;
constexpr std::size_t kBlock1 = 30, kBlock2 = 32;
constexpr std::size_t kName = 96;  // zero-terminated 8-bit text to the end
}  // namespace staffstyle
namespace group {
constexpr RecordTag kTag = 0x53444E47;
constexpr std::uint32_t kSize = 36;
constexpr std::uint32_t kVersion = 0x0F000000;
constexpr std::size_t kBlock1 = 4, kBlock2 = 22;
}  // namespace group
namespace pageblock {
constexpr RecordTag kTag = 0x4F027054;
constexpr std::uint32_t kSize = 24;
constexpr std::size_t kBlock = 0;
}  // namespace pageblock
namespace measureblock {
constexpr RecordTag kTag = 0x64746D74;
constexpr std::uint32_t kSize = 10;
constexpr std::size_t kBlock = 0;
}  // namespace measureblock
namespace textblock {
constexpr RecordTag kTag = 0x534F5458;
constexpr std::uint32_t kSize = 26;
constexpr std::size_t kText = 0;
}  // namespace textblock
namespace repeatstyle {
constexpr RecordTag kTag = 0x534F5253;
constexpr std::uint32_t kSize = 16;
constexpr std::size_t kFont = 4, kSize16 = 6, kBits = 8;
}  // namespace repeatstyle
namespace twostyle {
constexpr RecordTag kTag = 0x534F4D4E;
constexpr std::uint32_t kSize = 350;
constexpr std::size_t kStyles[2] = {0, 70};  // font, size, bits at +0, +2, +4
}  // namespace twostyle
namespace threestyle {
constexpr RecordTag kTag = 0x534F4D43;
constexpr std::uint32_t kSize = 296;
constexpr std::size_t kStyles[3] = {260, 266, 272};
}  // namespace threestyle
namespace articulation {
constexpr RecordTag kTag = 0x4F044958;
constexpr std::uint32_t kSize = 60;
constexpr std::size_t kChar1 = 0, kFont1 = 4, kSize1 = 6, kBits1 = 8;  // char is 32-bit
constexpr std::size_t kChar2 = 12, kFont2 = 16, kSize2 = 26, kBits2 = 28;
constexpr std::size_t kFlags = 24;
constexpr std::uint16_t kSlot1NotChar = 0x2, kSlot2NotChar = 0x4;
}  // namespace articulation
namespace page {
constexpr RecordTag kTag = 0x534F5053;
constexpr std::uint32_t kSize = 22;
constexpr std::uint32_t kVersion = 0x0A010000;
}  // namespace page
namespace font {
constexpr RecordTag kTag = 0x534F464E;
constexpr std::uint32_t kSize = 48;
constexpr std::uint32_t kVersion = 0x10000000;
constexpr std::size_t kArg = 0;
constexpr std::size_t kName = 12;
constexpr std::size_t kNameMax = 36;  // bytes from kName to the record's end
}  // namespace font

}  // namespace tavrel::layout
