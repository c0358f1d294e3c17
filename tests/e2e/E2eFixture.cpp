// The end-to-end tests' scratch folder, scores and command runner.
#include "E2eFixture.h"

#include <sstream>

#include "host/HostCallbacks.h"
#include "sim/cli/ReplaceCommand.h"
#include "sim/codec/RecordKinds.h"
#include "sim/codec/ScoreFile.h"
#include "sim/host/Simulator.h"
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
    return sim::testing::ReadFile(std::string(LEXORA_SOURCE_DIR) + "/tests/data/every-kind.json");
}

void E2eTest::SetUp() {
    dir_ = std::make_unique<sim::testing::TempFolder>();
    sim::Simulator::Instance().Reset();
    host::ResetBindingForTesting();
}

void E2eTest::TearDown() {
    dir_.reset();
    sim::Simulator::Instance().Reset();
    host::ResetBindingForTesting();
}

std::string E2eTest::WriteScore(const std::string& name, const std::string& text) {
    sim::testing::WriteFile(dir_->File(name), text);
    return dir_->File(name);
}

std::string E2eTest::ReadFile(const std::string& path) {
    return sim::testing::ReadFile(path);
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
