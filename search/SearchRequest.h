// What one find-and-replace asks for: the search text with its style filter,
// the replacement with the style it gives, and the word of option and
// category bits that the main dialog builds from its check boxes.
#pragma once

#include <cstdint>

#include "text/Options.h"
#include "text/UniversalString.h"

namespace tavrel {

// Option and category bits of SearchRequest::options.
constexpr std::uint32_t SR_USE_SEARCH_STYLE = 0x00000010;
constexpr std::uint32_t SR_USE_REPLACE_STYLE = 0x00000020;
constexpr std::uint32_t SR_FILE_INFO_5 = 0x00000040;
constexpr std::uint32_t SR_FILE_INFO_6 = 0x00000080;
constexpr std::uint32_t SR_EVERYWHERE = 0x00000100;
constexpr std::uint32_t SR_TEXT_EXPRESSIONS = 0x00000200;
constexpr std::uint32_t SR_LYRICS = 0x00000400;
constexpr std::uint32_t SR_TEXT_BLOCKS = 0x00000800;
constexpr std::uint32_t SR_FILE_INFO = 0x00001000;
constexpr std::uint32_t SR_SMART_SHAPES = 0x00002000;
constexpr std::uint32_t SR_GROUP_NAMES = 0x00004000;
constexpr std::uint32_t SR_STAFF_NAMES = 0x00008000;
constexpr std::uint32_t SR_FILE_INFO_1 = 0x00010000;
constexpr std::uint32_t SR_FILE_INFO_2 = 0x00020000;
constexpr std::uint32_t SR_FILE_INFO_3 = 0x00040000;
constexpr std::uint32_t SR_FILE_INFO_4 = 0x00080000;
constexpr std::uint32_t SR_STAFF_STYLE_NAMES = 0x00100000;
constexpr std::uint32_t SR_REPEAT_TEXTS = 0x00200000;
constexpr std::uint32_t SR_ARTICULATIONS = 0x00400000;
constexpr std::uint32_t SR_FILE_INFO_7 = 0x00800000;
constexpr std::uint32_t SR_PLAIN_TEXT = 0x01000000;
constexpr std::uint32_t SR_ALL_DOCUMENTS = 0x02000000;
constexpr std::uint32_t SR_ALL_RECORDS = 0x04000000;
constexpr std::uint32_t SR_STYLE_PAIRS = 0x08000000;
constexpr std::uint32_t SR_MATCH_CASE = MATCH_CASE;
constexpr std::uint32_t SR_WHOLE_WORDS = WHOLE_WORDS;
static_assert(SR_MATCH_CASE == 0x10000000 && SR_WHOLE_WORDS == 0x20000000,
              "the request word shares the plain search's option bits");

// The seven file-info texts, which SR_FILE_INFO stands for.
constexpr std::uint32_t SR_ALL_FILE_INFO = SR_FILE_INFO_1 | SR_FILE_INFO_2 | SR_FILE_INFO_3 |
                                           SR_FILE_INFO_4 | SR_FILE_INFO_5 | SR_FILE_INFO_6 |
                                           SR_FILE_INFO_7;
static_assert(SR_ALL_FILE_INFO == 0x008F00C0, "file-info texts 1 to 7");

// Every category "Search Everywhere" covers, the style-only two-style
// records included.
constexpr std::uint32_t SR_ALL_CATEGORIES =
    SR_TEXT_EXPRESSIONS | SR_LYRICS | SR_TEXT_BLOCKS | SR_FILE_INFO | SR_SMART_SHAPES |
    SR_GROUP_NAMES | SR_STAFF_NAMES | SR_STAFF_STYLE_NAMES | SR_REPEAT_TEXTS | SR_ARTICULATIONS |
    SR_ALL_FILE_INFO | SR_STYLE_PAIRS;

// The word the main dialog starts from: "Search Everywhere" and every
// category box ticked, the style boxes and the three options clear.
constexpr std::uint32_t SR_INITIAL_OPTIONS = 0x0070FF00;

struct SearchRequest {
    UniversalString searchText;   // its style is the search filter
    UniversalString replaceText;  // its style is given to what is put in
    std::uint32_t options = 0;
};

}  // namespace tavrel
