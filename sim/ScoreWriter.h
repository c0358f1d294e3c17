// Writing a document's records as a canonical score file.
#pragma once

#include <string>

#include "sim/Document.h"
#include "sim/ScoreJson.h"

namespace tavrel::sim {

// The score object: named sections for every record they can reproduce
// exactly, raw records for the rest.
Json ScoreJsonOf(const Document& document);

}  // namespace tavrel::sim
