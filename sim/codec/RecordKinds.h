// What the simulated host knows about record kinds: which tags hold UTF-16
// text, the fixed size of each record kind the plug-in reads, the oldest
// version word that still means the layout the simulator keeps, and how tags
// and keys read as text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/HostApi.h"

namespace tavrel::sim {

// A record key as one number that orders keys by first half, then second.
inline std::uint32_t KeyOrder(RecordKey key) {
    return (static_cast<std::uint32_t>(key.first) << 16) | key.second;
}
inline RecordKey KeyFromOrder(std::uint32_t order) {
    RecordKey key;
    key.first = static_cast<std::uint16_t>(order >> 16);
    key.second = static_cast<std::uint16_t>(order & 0xFFFF);
    return key;
}
inline RecordKey MakeKey(std::uint16_t first, std::uint16_t second = 0) {
    RecordKey key;
    key.first = first;
    key.second = second;
    return key;
}

// Text records: UTF-16 text whose size counts units with the terminating zero.
bool IsTextKind(RecordTag tag);

// The size of a fixed-layout record kind, or nothing for kinds the
// simulator takes at any size.
std::optional<std::uint32_t> FixedRecordSize(RecordTag tag);

// False when a call with a buffer uses a version word older than the layout
// the simulator keeps for the tag: the host would read or write the buffer
// in an older layout, which the simulator does not hold.
bool VersionAccepted(RecordTag tag, std::uint32_t version);

// A text record's bytes: its UTF-16 units, low byte first.
std::vector<std::uint8_t> TextRecordBytes(std::u16string_view text);
// The UTF-16 units of size bytes, low byte first, up to the first zero unit.
std::u16string TextFromRecordBytes(const std::uint8_t* bytes, std::size_t size);

// "SOTX" for a tag of four printable characters (not starting "0x"),
// else "0x4F027054".
std::string TagText(RecordTag tag);
std::optional<RecordTag> ParseTag(std::string_view text);
// The value of one hexadecimal digit, either case; -1 for anything else.
int HexDigitValue(char c);

// "7" for {7, 0} and "3,2" for {3, 2}; `pair` always writes both halves.
std::string KeyText(RecordKey key, bool pair = false);
// Decimal halves 0..65535 without sign, spaces or leading zeros.
std::optional<RecordKey> ParseKey(std::string_view text);

}  // namespace tavrel::sim
