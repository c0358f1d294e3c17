// Fuzzes the score reader on arbitrary bytes. A refused input must be
// refused with a message that names the file and a place in it; an
// accepted one must save, load again to exactly the same records, and save
// again byte for byte the same.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sim/cli/ReplaceChanges.h"
#include "sim/codec/ScoreFile.h"

namespace {

using tavrel::sim::Document;
using tavrel::sim::DocumentSnapshot;
using tavrel::sim::FileProblem;

const std::string kName = "fuzz.json";

void Check(bool condition, const char* what, const std::string& detail) {
    if (!condition) {
        std::fprintf(stderr, "score reader fuzzer: %s\n%s\n", what, detail.c_str());
        std::abort();
    }
}

// Skips "LINE:COLUMN" at `at`; false when it is not there.
bool SkipLineAndColumn(const std::string& text, std::size_t& at) {
    for (int part = 0; part < 2; ++part) {
        const std::size_t start = at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0) {
            ++at;
        }
        if (at == start || (part == 0 && (at >= text.size() || text[at++] != ':'))) {
            return false;
        }
    }
    return true;
}

// "NAME:LINE:COLUMN: why", "NAME: /pointer: why", "NAME: why at LINE:COLUMN",
// or a whole-file encoding ("NAME: is UTF-16; ...").
bool NamesFileAndPlace(const std::string& message) {
    if (message.compare(0, kName.size(), kName) != 0) {
        return false;
    }
    std::size_t at = kName.size();
    if (message.compare(at, 3, ": /") == 0) {
        return message.find(": ", at + 3) != std::string::npos;
    }
    if (message.compare(at, 8, ": is UTF") == 0) {
        return true;
    }
    if (message.compare(at, 2, ": ") != 0) {
        ++at;
        return message.compare(at - 1, 1, ":") == 0 && SkipLineAndColumn(message, at) &&
               message.compare(at, 2, ": ") == 0 && message.size() > at + 2;
    }
    const std::size_t place = message.rfind(" at ");
    at = place + 4;
    return place != std::string::npos && SkipLineAndColumn(message, at) && at == message.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Document document;
    FileProblem problem;
    if (!tavrel::sim::ParseScore(kName, text, document, problem)) {
        Check(NamesFileAndPlace(problem.message), "a refusal names no place", problem.message);
        return 0;
    }
    const std::string saved = tavrel::sim::FormatScore(document);
    Document reloaded;
    Check(tavrel::sim::ParseScore(kName, saved, reloaded, problem), "a saved score does not load",
          problem.message + "\n" + saved);
    Check(DocumentSnapshot(reloaded).Entries() == DocumentSnapshot(document).Entries(),
          "a saved score loads as other records", saved);
    Check(tavrel::sim::FormatScore(reloaded) == saved, "a saved score saves differently", saved);
    return 0;
}
