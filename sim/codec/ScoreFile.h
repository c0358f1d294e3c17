// Score files: the JSON files that stand for the host's documents. Loading
// refuses a malformed file with a message that names the file and the place
// ("FILE:LINE:COLUMN: why" for JSON syntax, "FILE: /json/pointer: why" for
// the rest, "FILE: why at LINE:COLUMN" for what is wrong with the file as a
// whole); saving writes the canonical form without ever losing the score.
#pragma once

#include <string>

#include "sim/codec/Document.h"
#include "sim/codec/FileAccess.h"

namespace tavrel::sim {

// Reads the file into `document` (left as it was on failure) and remembers
// the path in it. A problem of the system (a read error, memory) is marked
// as such; anything else is a problem of the file or its name.
bool LoadScore(const std::string& path, Document& document, FileProblem& problem);
// The same from text in memory; `name` stands for the file in messages.
bool ParseScore(const std::string& name, const std::string& text, Document& document,
                FileProblem& problem);

// The canonical file text of a document.
std::string FormatScore(const Document& document);
// Replaces the file with the canonical text (see ReplaceFile): the file on
// disk is always either the old score or the complete new one.
bool SaveScore(const Document& document, const std::string& path, FileProblem& problem);

}  // namespace tavrel::sim
