// Loading and saving score files: the form of messages, and memory running
// out while a score is read.
#include "sim/codec/ScoreFile.h"

#include <new>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/codec/ScoreJson.h"
#include "sim/codec/ScoreReader.h"
#include "sim/codec/ScoreWriter.h"

namespace tavrel::sim {
namespace {

FileProblem OutOfMemory(const std::string& name) {
    return {name + ": not enough memory to load it", true};
}

// Places and reasons quote the file, so control characters in them are
// escaped; the name is the caller's.
std::string Message(const std::string& name, const ScoreError& error) {
    const std::string why = Printable(error.what());
    if (error.place.empty()) {
        return name + ": " + why;
    }
    return name + (error.isSyntax ? ":" : ": ") + Printable(error.place) + ": " + why;
}

}  // namespace

bool ParseScore(const std::string& name, const std::string& text, Document& document,
                FileProblem& problem) {
    Document fresh;
    try {
        ReadScore(text, fresh);
    } catch (const ScoreError& e) {
        problem = {Message(name, e), false};
        return false;
    } catch (const nlohmann::json::exception& e) {
        problem = {name + ": " + Printable(e.what()), false};
        return false;
    } catch (const std::bad_alloc&) {
        problem = OutOfMemory(name);
        return false;
    }
    fresh.SetPath(name);
    document = std::move(fresh);
    return true;
}

bool LoadScore(const std::string& path, Document& document, FileProblem& problem) {
    try {
        std::string text;
        return ReadWholeFile(path, text, problem) && ParseScore(path, text, document, problem);
    } catch (const std::bad_alloc&) {
        problem = OutOfMemory(path);
        return false;
    }
}

std::string FormatScore(const Document& document) {
    return WriteScore(document);
}

bool SaveScore(const Document& document, const std::string& path, FileProblem& problem) {
    try {
        const std::vector<std::string> pieces = WriteScorePieces(document);
        return ReplaceFile(path, std::vector<std::string_view>(pieces.begin(), pieces.end()),
                           problem);
    } catch (const std::bad_alloc&) {
        problem = {path + ": not saved: not enough memory to write it", true};
        return false;
    }
}

}  // namespace tavrel::sim
