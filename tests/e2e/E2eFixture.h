// End-to-end test support: score files in a scratch folder, and the replace
// command run on them with its output and exit status captured.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sim/codec/Document.h"
#include "tests/sim/SimTestSupport.h"

namespace tavrel::e2e {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
    // The output's lines without their line ends.
    std::vector<std::string> Lines() const;
};

// The score shared with the engine tests (tests/data/every-kind.json):
// "Allegro" once in every kind of text the search reaches, style-carrying
// records in font 0, size 12, and articulations 'A' and 'B'.
std::string EveryKindScoreJson();

class E2eTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file into the scratch folder and gives its path.
    std::string WriteScore(const std::string& name, const std::string& text);
    static std::string ReadFile(const std::string& path);
    // The folder's own path.
    std::string Dir() const { return dir_->Path(); }

    CommandResult Replace(const std::vector<std::string>& args);
    // The text record of a score file on disk (UTF-8), or "<none>".
    static std::string TextIn(const std::string& path, const char* kind, std::uint16_t number);
    static sim::Document Load(const std::string& path);

  private:
    std::unique_ptr<sim::testing::TempFolder> dir_;
};

}  // namespace tavrel::e2e
