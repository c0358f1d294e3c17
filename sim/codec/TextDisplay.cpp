// Terminal display of text shared by the listings and the score messages.
#include "sim/codec/TextDisplay.h"

#include <cstdio>

namespace tavrel::sim {

void AppendUnicodeEscape(std::string& out, unsigned code) {
    char escape[12];
    std::snprintf(escape, sizeof escape, "\\u%04X", code);
    out += escape;
}

std::size_t DisplayWidth(const std::string& utf8) {
    std::size_t width = 0;
    for (char c : utf8) {
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return width;
}

std::string Padded(const std::string& text, std::size_t width) {
    const std::size_t own = DisplayWidth(text);
    return text + std::string(width > own ? width - own : 0, ' ');
}

std::string StyleText(std::uint16_t font, std::uint16_t size, std::uint16_t bits) {
    return "font " + std::to_string(font) + ", size " + std::to_string(size) + ", bits " +
           std::to_string(bits);
}

}  // namespace tavrel::sim
