// The style filter and style change for host records that carry a font
// number, a size and style bits themselves (repeat-text styles, the two- and
// three-style records, articulation slots), derived from the search and
// replacement styles of a request.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/StringStyle.h"

namespace tavrel {

// One font/size/bits triplet as a record holds it.
struct StyleTriplet {
    std::uint16_t font = 0;
    std::uint16_t size = 0;
    std::uint16_t bits = 0;
};

// Reads and writes a triplet whose three 16-bit fields lie at the given
// offsets of a record buffer. The caller guarantees the offsets lie inside.
StyleTriplet ReadTriplet(const void* record, std::size_t fontAt, std::size_t sizeAt,
                         std::size_t bitsAt);
void WriteTriplet(void* record, std::size_t fontAt, std::size_t sizeAt, std::size_t bitsAt,
                  const StyleTriplet& triplet);

// Which items a request's search style accepts.
class RecordStyleFilter {
  public:
    RecordStyleFilter() = default;
    // From the search style as it stands after preparation. A style that
    // names a font the document does not know (fontId 0xFFFF beside a font
    // name) accepts no item: read literally, 0xFFFF would mean "any font".
    explicit RecordStyleFilter(const StringStyle& search);
    virtual ~RecordStyleFilter() = default;

    bool Matches(const StyleTriplet& item) const;

  private:
    bool matchesNothing_ = false;
    std::uint16_t fontId_ = kUnset16;
    std::uint16_t size_ = kUnset16;
    std::uint16_t onBits_ = 0;
    std::uint16_t offBits_ = 0;
};

// What a request's replacement style does to an accepted item.
class RecordStyleChange {
  public:
    RecordStyleChange() = default;
    explicit RecordStyleChange(const StringStyle& replacement);
    virtual ~RecordStyleChange() = default;

    // Applies the change; true when any of its steps applied (font, size,
    // bits to set, bits to clear), whether or not the item's values differed.
    bool Apply(StyleTriplet& item) const;
    // The same for an articulation slot, whose bits are replaced by the
    // bits to set (when there are any) instead of having them ORed in.
    bool ApplyToArticulation(StyleTriplet& item) const;

  private:
    bool Apply(StyleTriplet& item, bool replaceBits) const;

    std::uint16_t fontId_ = kUnset16;
    std::uint16_t size_ = kUnset16;
    std::uint16_t setBits_ = 0;
    std::uint16_t clearBits_ = 0;
};

}  // namespace tavrel
