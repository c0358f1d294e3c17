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
    std::ifstream in(std::string(LEXORA_SOURCE_DIR) + "/tests/data/every-kind.json");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
