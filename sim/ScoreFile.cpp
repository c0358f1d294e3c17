// Loading and saving score files: file access and the form of messages.
#include "sim/ScoreFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

#include "sim/ScoreJson.h"
#include "sim/ScoreReader.h"
#include "sim/ScoreWriter.h"

namespace tavrel::sim {
namespace {

bool ReadWholeFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) {
        return false;
    }
    text = contents.str();
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(text.data(), std::streamsize(text.size()));
    out.close();
    return !out.fail();
}

}  // namespace

bool ParseScore(const std::string& name, const std::string& text, Document& document,
                std::string& error) {
    Document fresh;
    try {
        ReadScore(text, fresh);
    } catch (const ScoreError& e) {
        error = e.isSyntax ? name + ":" + e.place + ": " + e.what()
                           : name + ": " + e.place + ": " + e.what();
        return false;
    } catch (const nlohmann::json::exception& e) {
        error = name + ": " + e.what();
        return false;
    }
    fresh.SetPath(name);
    document = std::move(fresh);
    return true;
}

bool LoadScore(const std::string& path, Document& document, std::string& error) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        error = path + ": cannot be read";
        return false;
    }
    return ParseScore(path, text, document, error);
}

std::string FormatScore(const Document& document) {
    return CanonicalText(ScoreJsonOf(document));
}

bool SaveScore(const Document& document, const std::string& path, std::string& error) {
    const std::string text = FormatScore(document);
    const std::string temporary = path + ".notavo-sim.tmp";
    if (!WriteWholeFile(temporary, text)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        error = path + ": cannot be written";
        return false;
    }
    std::error_code failure;
    std::filesystem::rename(temporary, path, failure);
    if (failure) {
        // Some systems refuse to rename onto an existing file.
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        std::filesystem::rename(temporary, path, failure);
    }
    if (failure) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        error = path + ": cannot be written (" + failure.message() + ")";
        return false;
    }
    return true;
}

}  // namespace tavrel::sim
