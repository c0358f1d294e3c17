// How the simulator shows text on a terminal: control characters as
// escapes, and columns of UTF-8 text padded to a common width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavrel::sim {

// Appends "\uXXXX" for the code (upper-case hexadecimal, at least 4 digits).
void AppendUnicodeEscape(std::string& out, unsigned code);

// The width of UTF-8 text in characters (continuation bytes do not count).
std::size_t DisplayWidth(const std::string& utf8);

// The text followed by the spaces that make it `width` characters wide.
std::string Padded(const std::string& text, std::size_t width);

// A style as the listings show it: "font 1, size 12, bits 3", all decimal
// as score files write them.
std::string StyleText(std::uint16_t font, std::uint16_t size, std::uint16_t bits);

}  // namespace tavrel::sim
