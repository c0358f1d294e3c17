// Score files: the JSON files that stand for the host's documents. Loading
// refuses a malformed file with a message that names the file and the place
// ("FILE:LINE:COLUMN: why" for JSON syntax, "FILE: /json/pointer: why" for
// the rest); saving writes the canonical form, atomically.
#pragma once

#include <string>

#include "sim/Document.h"

namespace tavrel::sim {

// Reads the file into `document` (left as it was on failure) and remembers
// the path in it.
bool LoadScore(const std::string& path, Document& document, std::string& error);
// The same from text in memory; `name` stands for the file in messages.
bool ParseScore(const std::string& name, const std::string& text, Document& document,
                std::string& error);

// The canonical file text of a document.
std::string FormatScore(const Document& document);
// Writes the canonical text to a temporary file beside `path`, then renames
// it over `path`, so a reader never sees half a score.
bool SaveScore(const Document& document, const std::string& path, std::string& error);

}  // namespace tavrel::sim
