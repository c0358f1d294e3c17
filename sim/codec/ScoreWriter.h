// Writing a document's records as a canonical score file.
#pragma once

#include <string>
#include <vector>

#include "sim/codec/Document.h"

namespace tavrel::sim {

// The score file's text: named sections for every record they can
// reproduce exactly, raw records for the rest, in the canonical layout.
// In pieces of about a megabyte, to be written one after the other.
std::vector<std::string> WriteScorePieces(const Document& document);
// The same text in one string.
std::string WriteScore(const Document& document);

}  // namespace tavrel::sim
