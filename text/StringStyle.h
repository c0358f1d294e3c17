// The style record carried beside a text: a search filter, a replacement
// style, or the style in effect at a run of styled text. Unset fields hold
// sentinels so "no constraint" and "not written" need no extra flags.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

constexpr std::uint16_t kUnset16 = 0xFFFF;
constexpr std::int32_t kUnset32 = 0x7FFFFFFF;

// Effect bits of StringStyle::effects and StringStyle::effectsMask.
constexpr std::uint16_t EFFECT_BOLD = 0x01;
constexpr std::uint16_t EFFECT_ITALIC = 0x02;
constexpr std::uint16_t EFFECT_UNDERLINE = 0x04;
constexpr std::uint16_t EFFECT_OUTLINE = 0x08;
constexpr std::uint16_t EFFECT_SHADOW = 0x10;
constexpr std::uint16_t EFFECT_BIT5 = 0x20;
constexpr std::uint16_t EFFECT_FIXED_SIZE = 0x40;
constexpr std::uint16_t EFFECT_HIDDEN = 0x80;
// Internal to combining runs; never written as commands.
constexpr std::uint16_t SAME_FONT_MARK = 0x100;
constexpr std::uint16_t SAME_SIZE_MARK = 0x200;

// Bit 0 of fontFlags: the font is the document's default font.
constexpr std::uint16_t FONT_FLAG_DEFAULT = 0x0001;

class StringStyle {
  public:
    StringStyle() = default;
    StringStyle(const StringStyle&) = default;
    StringStyle& operator=(const StringStyle&) = default;
    virtual ~StringStyle() = default;

    // Restores every field to its reset value.
    void reset() { *this = StringStyle(); }

    std::uint16_t fontId = kUnset16;  // host font number; 0xFFFF = none
    std::string fontName;             // UTF-8; empty = none
    std::uint16_t size = kUnset16;    // compared and written as signed
    std::uint16_t effects = 0;        // 0xFFFF = do not write
    std::uint16_t effectsMask = 0;
    std::int32_t superscript = kUnset32;
    std::int32_t baseline = kUnset32;
    std::int32_t tracking = kUnset32;
    std::int16_t fontArg = 0;  // the number after the comma of a font command
    std::uint16_t fontFlags = 0;
    std::int32_t runStart = -1;  // first index of a run; -1 = not a run
    std::int32_t runEnd = -1;    // last index (inclusive); -1 = not a run
};

}  // namespace tavrel
