// Helpers shared by the simulator tests: a private temporary folder, whole
// file reads and writes, and documents from score text.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "sim/codec/Document.h"
#include "sim/codec/ScoreFile.h"

namespace tavrel::sim::testing {

// A fresh folder under the test framework's temporary directory, removed
// again when the test ends.
class TempFolder {
  public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::path(::testing::TempDir()) /
                (std::string("lexora-sim-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path() const { return path_.string(); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// A document from score text; fails the test when the text does not load.
inline Document ScoreFrom(const std::string& text) {
    Document document;
    FileProblem problem;
    EXPECT_TRUE(ParseScore("test.json", text, document, problem)) << problem.message;
    return document;
}

// A score object with the header and the given sections ("" for none).
inline std::string Score(const std::string& sections) {
    return std::string("{\"format\": \"notavo-score\", \"version\": 1") +
           (sections.empty() ? "" : ", " + sections) + "}";
}

}  // namespace tavrel::sim::testing
