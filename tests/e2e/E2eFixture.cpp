// The end-to-end tests' scratch folder, scores and command runner.
#include "E2eFixture.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "host/HostCallbacks.h"
#include "sim/RecordKinds.h"
#include "sim/ReplaceCommand.h"
#include "sim/ScoreFile.h"
#include "sim/Simulator.h"
#include "text/UniversalString.h"

namespace tavrel::e2e {

std::vector<std::string> CommandResult::Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string EveryKindScoreJson() {
    return R"({
  "format": "notavo-score",
  "version": 1,
  "fonts": {"0": {"name": "Times New Roman", "arg": 4096}, "3": {"name": "Notaglyph", "arg": 0}},
  "pages": 1,
  "texts": {
    "txbl": {"1": "Violin Allegro", "2": "Style Allegro", "3": "Group Allegro",
             "4": "Page Allegro", "5": "Measure Allegro"},
    "txxp": {"1": "tempo Allegro"}, "txve": {"1": "verse Allegro"}, "txch": {"1": "chorus Allegro"},
    "txse": {"1": "section Allegro"}, "txss": {"1": "shape Allegro"},
    "txfi": {"1": "title Allegro", "7": "info7 Allegro"}
  },
  "textBlocks": {"1": {"text": 1}, "2": {"text": 2}, "3": {"text": 3}, "4": {"text": 4},
                 "5": {"text": 5}},
  "staves": {"1": {"blocks": [1, 0]}},
  "staffStyles": {"1": {"blocks": [2, 0], "name": "Name Allegro"}},
  "groups": {"1": {"blocks": [3, 0]}},
  "pageTextBlocks": {"1,0": {"block": 4}},
  "measureTextBlocks": {"12,0": {"block": 5}},
  "repeatTexts": {"1": {"text": "repeat Allegro", "style": {"font": 0, "size": 12, "bits": 0}}},
  "endingTexts": {"1": "ending Allegro"},
  "twoStyleRecords": {"1": {"styles": [{"font": 0, "size": 12, "bits": 0},
                                       {"font": 0, "size": 12, "bits": 0}]}},
  "threeStyleRecords": {"1": {"styles": [{"font": 0, "size": 12, "bits": 0},
      {"font": 0, "size": 12, "bits": 0}, {"font": 0, "size": 12, "bits": 0}]}},
  "articulations": {"1": {"flags": 0, "slots": [{"char": 65, "font": 3, "size": 24, "bits": 0},
                                                {"char": 66, "font": 3, "size": 24, "bits": 0}]}}
}
)";
}

void E2eTest::SetUp() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("lexora-e2e-") + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    sim::Simulator::Instance().Reset();
    host::ResetBindingForTesting();
}

void E2eTest::TearDown() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
    sim::Simulator::Instance().Reset();
    host::ResetBindingForTesting();
}

std::string E2eTest::WriteScore(const std::string& name, const std::string& text) {
    const std::filesystem::path path = dir_ / name;
    std::ofstream out(path, std::ios::binary);
    out << text;
    return path.string();
}

std::string E2eTest::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

CommandResult E2eTest::Replace(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CommandResult result;
    result.status = sim::RunReplace(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

sim::Document E2eTest::Load(const std::string& path) {
    sim::Document document;
    sim::FileProblem problem;
    EXPECT_TRUE(sim::LoadScore(path, document, problem)) << problem.message;
    return document;
}

std::string E2eTest::TextIn(const std::string& path, const char* kind, std::uint16_t number) {
    const sim::Document document = Load(path);
    const auto tag = sim::ParseTag(kind);
    const std::u16string* text = tag ? document.FindText(*tag, sim::MakeKey(number)) : nullptr;
    return text != nullptr ? UniversalString(*text).toUtf8() : "<none>";
}

}  // namespace tavrel::e2e
