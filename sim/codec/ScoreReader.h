// Reading a score file's JSON text into the records of a document.
#pragma once

#include <string>

#include "sim/codec/Document.h"

namespace tavrel::sim {

// Fills `document` with the score's records; throws ScoreError (the
// document is then incomplete and must be thrown away).
void ReadScore(const std::string& text, Document& document);
// The same, always from the whole JSON tree, as ReadScore reads any file
// it cannot stream: for tests that compare the two.
void ReadScoreAsTree(const std::string& text, Document& document);

// The names of the text kinds in the "texts" section, in file order.
const char* const* TextKindNames();

}  // namespace tavrel::sim
