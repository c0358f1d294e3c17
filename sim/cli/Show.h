// `notavo-sim show`: every text of a score, in the order the plug-in's
// search walks them, with the records that lead to it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/codec/Document.h"

namespace tavrel::sim {

struct ShownText {
    std::string kind;      // "staff name", "lyrics", "articulation", ...
    std::string identity;  // the records that hold it: "staff 1 → block 2 → txbl 2"
    std::u16string text;
};

// Walks the document as the search does: staff names, staff-style texts and
// names, group names, page- then measure-attached text blocks, lyrics
// (txve, txch, txse), smart shapes, file info 1-7, repeat then ending
// texts, text expressions, articulation characters. A text reached twice
// is listed twice, as the search visits it twice.
std::vector<ShownText> CollectTexts(const Document& document);

// The text in double quotes, with `"` and `\` escaped and control
// characters and unpaired surrogates as \uXXXX; caret commands as they are.
std::string DisplayText(std::u16string_view text);

// A header line naming the score and the number of texts, then one aligned
// line per text: kind, identity, text.
std::string FormatListing(const std::string& title, const std::vector<ShownText>& texts);

}  // namespace tavrel::sim
