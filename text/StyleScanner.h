// Reading a styled text's commands once, front to back: the style in effect
// kept as plain numbers with the font name as an index into a table of the
// names met so far, so that a run's style is copied without copying a name.
// A command is read only when its meaning is settled by its own characters
// (caret through ')'); one that would read past them is reported, since a
// later replacement could change what it reads.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/StringStyle.h"

namespace tavrel {

// The style fields StyleAt sets, with the font as an index into FontNames
// (-1: no font command).
struct CompactStyle {
    std::int32_t font = -1;
    std::uint16_t size = kUnset16;
    std::uint16_t effects = 0;
    std::int32_t superscript = kUnset32;
    std::int32_t baseline = kUnset32;
    std::int32_t tracking = kUnset32;
    std::int16_t fontArg = 0;
};

// Every font name met, once, in the form StyleAt gives it.
class FontNames {
  public:
    std::int32_t Intern(std::u16string_view name);
    const std::string& Utf8(std::int32_t index) const;

  private:
    struct Name {
        std::u16string wide;  // the map's keys view these: they never move
        std::string utf8;
    };
    std::vector<std::unique_ptr<Name>> names_;  // nothing allocated while empty
    std::unordered_map<std::u16string_view, std::int32_t> index_;
    std::int32_t last_ = -1;
};

// What the caret at p does.
enum class CommandEffect {
    kStyle,   // a style command: read into the style
    kBreak,   // cuts runs but sets nothing
    kUnsafe,  // not a settled style command (other caret sequences included)
};

// Reads the caret sequence at p of text (text[p] == '^'). close is the
// index of the first ')' after p (npos when there is none, which is unsafe).
CommandEffect ReadSettledCommand(const std::u16string& text, std::size_t p, std::size_t close,
                                 CompactStyle& style, FontNames& names);

// The style as StyleAt gives it.
void ExpandStyle(const CompactStyle& compact, const FontNames& names, StringStyle& out);

}  // namespace tavrel
