// Style filter and style change for style-carrying host records.
#include "search/RecordStyle.h"

#include "host/RecordLayout.h"

namespace tavrel {

StyleTriplet ReadTriplet(const void* record, std::size_t fontAt, std::size_t sizeAt,
                         std::size_t bitsAt) {
    StyleTriplet t;
    t.font = layout::ReadU16(record, fontAt);
    t.size = layout::ReadU16(record, sizeAt);
    t.bits = layout::ReadU16(record, bitsAt);
    return t;
}

void WriteTriplet(void* record, std::size_t fontAt, std::size_t sizeAt, std::size_t bitsAt,
                  const StyleTriplet& triplet) {
    layout::WriteU16(record, fontAt, triplet.font);
    layout::WriteU16(record, sizeAt, triplet.size);
    layout::WriteU16(record, bitsAt, triplet.bits);
}

RecordStyleFilter::RecordStyleFilter(const StringStyle& search)
    : matchesNothing_(!search.fontName.empty() && search.fontId == kUnset16),
      fontId_(search.fontId),
      size_(search.size),
      onBits_(search.effects),
      offBits_(static_cast<std::uint16_t>(search.effectsMask & ~search.effects)) {}

bool RecordStyleFilter::Matches(const StyleTriplet& item) const {
    if (matchesNothing_) {
        return false;
    }
    if (fontId_ != kUnset16 && fontId_ != item.font) {
        return false;
    }
    if (size_ != kUnset16 && size_ != item.size) {
        return false;
    }
    if (onBits_ != 0 && (item.bits & onBits_) == 0) {
        return false;
    }
    return offBits_ == 0 || (item.bits & offBits_) == 0;
}

RecordStyleChange::RecordStyleChange(const StringStyle& replacement)
    : fontId_(replacement.fontId),
      size_(replacement.size),
      setBits_(replacement.effects),
      clearBits_(static_cast<std::uint16_t>(replacement.effectsMask & ~replacement.effects)) {}

bool RecordStyleChange::Apply(StyleTriplet& item) const {
    return Apply(item, false);
}

bool RecordStyleChange::ApplyToArticulation(StyleTriplet& item) const {
    return Apply(item, true);
}

bool RecordStyleChange::Apply(StyleTriplet& item, bool replaceBits) const {
    bool applied = false;
    if (fontId_ != kUnset16) {
        item.font = fontId_;
        applied = true;
    }
    if (size_ != kUnset16) {
        item.size = size_;
        applied = true;
    }
    if (setBits_ != 0) {
        item.bits = replaceBits ? setBits_ : static_cast<std::uint16_t>(item.bits | setBits_);
        applied = true;
    }
    if (clearBits_ != 0) {
        item.bits = static_cast<std::uint16_t>(item.bits & ~clearBits_);
        applied = true;
    }
    return applied;
}

}  // namespace tavrel
