// Fuzzes the two ways a score file is read: streamed entry by entry, as a
// file is loaded, and from the whole JSON tree. Whatever the bytes, both
// must load the same records or refuse with the same message.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sim/cli/ReplaceChanges.h"
#include "sim/codec/ScoreFile.h"
#include "sim/codec/ScoreJson.h"
#include "sim/codec/ScoreReader.h"

namespace {

using tavrel::sim::Document;
using tavrel::sim::DocumentSnapshot;

void Check(bool condition, const char* what, const std::string& text) {
    if (!condition) {
        std::fprintf(stderr, "score stream fuzzer: %s\n%s\n", what, text.c_str());
        std::abort();
    }
}

// The place and reason of a refusal, or empty when the text loads.
std::string Refusal(void (*read)(const std::string&, Document&), const std::string& text,
                    Document& document) {
    try {
        read(text, document);
        return std::string();
    } catch (const tavrel::sim::ScoreError& e) {
        return e.place + ": " + e.what();
    } catch (const nlohmann::json::exception& e) {
        return e.what();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Document streamed, tree;
    const std::string byStream = Refusal(tavrel::sim::ReadScore, text, streamed);
    const std::string byTree = Refusal(tavrel::sim::ReadScoreAsTree, text, tree);
    Check(byStream == byTree, "the readings refuse differently", byStream + "\n" + byTree);
    if (byStream.empty()) {
        Check(DocumentSnapshot(streamed).Entries() == DocumentSnapshot(tree).Entries(),
              "the readings load different records", text);
        Check(tavrel::sim::FormatScore(streamed) == tavrel::sim::FormatScore(tree),
              "the readings save differently", text);
    }
    return 0;
}
