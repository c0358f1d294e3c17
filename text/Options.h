// Option bits shared by the plain search, the styled step and the engine's
// request word.
#pragma once

#include <cstdint>

namespace tavrel {

constexpr std::uint32_t MATCH_CASE = 0x10000000;   // exact code-unit comparison
constexpr std::uint32_t WHOLE_WORDS = 0x20000000;  // matches must be whole words

}  // namespace tavrel
