// Layout of the generated character tables (text/CharTables.cpp): a two-level
// lookup from a UTF-16 unit to its kind, i.e. its classes and lower-case delta.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavrel::char_tables {

constexpr unsigned kBlockShift = 5;  // units per block = 1 << kBlockShift

constexpr std::uint16_t kFlagUpper = 1;  // has a simple lowercase mapping
constexpr std::uint16_t kFlagSpace = 2;  // White_Space
constexpr std::uint16_t kFlagPunct = 4;  // general category P* or S*

struct UnitKind {
    std::uint16_t flags;
    std::uint16_t lowerDelta;  // lower case = unit + delta, modulo 0x10000
};

extern const std::size_t kKindCount;
extern const std::size_t kBlockCount;
extern const UnitKind kKinds[];
extern const std::uint8_t kBlockIndex[];  // 0x10000 >> kBlockShift entries
extern const std::uint8_t kBlockKinds[];  // kBlockCount << kBlockShift entries

inline const UnitKind& KindOf(char16_t ch) {
    constexpr unsigned mask = (1u << kBlockShift) - 1;
    unsigned block = kBlockIndex[static_cast<unsigned>(ch) >> kBlockShift];
    return kKinds[kBlockKinds[(block << kBlockShift) | (ch & mask)]];
}

}  // namespace tavrel::char_tables
