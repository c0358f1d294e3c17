// What the Font & Style dialog decides without a window: the point size read
// from its size field, the three states of its effect boxes, and the order
// of its font list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/StringStyle.h"
#include "text/UniversalString.h"

namespace tavrel {

// The size typed in the size field: the first run of digits (a '-' may
// start it) after anything else, as in "12pt". 0 (no size) when there is no
// such run, when the run is longer than 63 characters, or when its number
// lies outside 1..32767.
int ReadSizeField(const std::u16string& text);

// The three states of an effect box.
constexpr int kBoxOff = 0;
constexpr int kBoxOn = 1;
constexpr int kBoxAny = 2;  // the indeterminate state
int EffectBoxState(const StringStyle& style, std::uint16_t bit);
// Records a box's state for bit in style's effects and mask.
void ApplyEffectBox(StringStyle& style, std::uint16_t bit, int state);

// The font list: the system's fonts, then (only while the search style is
// edited) each document font the system lacks with a trailing "*"; sorted
// without regard to case (stable), each exact repeat removed, and the
// document's default font (number 0, documentFonts[0]) put in front as
// well. documentFonts is indexed by host font number; empty names are
// fonts the document does not have.
std::vector<UniversalString> OrderFontList(const std::vector<std::u16string>& systemFonts,
                                           const std::vector<UniversalString>& documentFonts,
                                           bool editingSearchStyle);

// The position of the first entry equal to name, or -1.
int FindFontEntry(const std::vector<UniversalString>& list, const UniversalString& name);

// The tree rows of the font list: entry k is the row with item id k + 1
// (the tree browser never asks for id 0). -1 for an id with no entry.
inline std::uint32_t FontRowId(std::size_t entry) {
    return static_cast<std::uint32_t>(entry + 1);
}
int FontEntryOfRow(std::uint32_t itemId, std::size_t entryCount);

}  // namespace tavrel
