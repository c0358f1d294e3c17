// Tests of `notavo-sim show`: the walk order, what the walk cannot reach,
// the printable form of texts, and the command line with the listing.
#include "sim/cli/Show.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "sim/cli/Commands.h"
#include "tests/sim/SimTestSupport.h"

namespace tavrel::sim {
namespace {

using testing::Score;

// Records placed so that the walk skips some: a staff and a verse with key
// {0, 0}, a page block after a gap in its indices and one past the last page.
const std::string kWalkScorePath = std::string(LEXORA_SOURCE_DIR) + "/tests/data/walk-score.json";

TEST(ShowTest, TextsComeInTheOrderTheSearchWalksThem) {
    const std::vector<ShownText> texts =
        CollectTexts(testing::ScoreFrom(testing::ReadFile(kWalkScorePath)));
    struct Row {
        const char* kind;
        const char* identity;
        std::u16string text;
    };
    const Row expected[] = {
        {"staff name", "staff 1 → block 1 → txbl 1", u"Staff A"},
        {"staff name", "staff 2 → block 1 → txbl 1", u"Staff A"},
        {"staff style text", "staff style 1 → block 7 → txbl 7", u"Style text"},
        {"staff style name", "staff style 1", u"Slash"},
        {"group name", "group 1 → block 6 → txbl 6", u"Group"},
        {"page text block", "page block 0,0 → block 2 → txbl 2", u"Page zero"},
        {"page text block", "page block 1,0 → block 3 → txbl 3", u"Page one"},
        {"measure text block", "measure block 3,0 → block 5 → txbl 5", u"Measure"},
        {"lyrics", "txve 1", u"verse"},
        {"lyrics", "txch 1", u"chorus"},
        {"lyrics", "txse 1", u"section"},
        {"smart shape", "txss 1", u"cresc."},
        {"file info", "txfi 2 (composer)", u"Composer"},
        {"file info", "txfi 7", u"seven"},
        {"repeat text", "repeat text 1 (font 1, size 12, bits 3)", u"D.C."},
        {"repeat text", "repeat text 2", u"Fine"},
        {"ending text", "ending 1", u"1."},
        {"text expression", "txxp 1", u"^size(14)p\u0001"},
        {"articulation", "articulation 1 slot 2 (font 0, size 0)", u"."},
    };
    ASSERT_EQ(texts.size(), std::size(expected)) << FormatListing("walk", texts);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[i].kind, expected[i].kind);
        EXPECT_EQ(texts[i].identity, expected[i].identity);
        EXPECT_EQ(texts[i].text, expected[i].text);
    }
}

TEST(ShowTest, DisplayTextEscapesWhatWouldNotPrint) {
    struct Row {
        int line;
        std::u16string text;
        std::string shown;
    };
    const Row rows[] = {
        {__LINE__, u"a\"b\\c", "\"a\\\"b\\\\c\""},
        {__LINE__, u"\u0001x\u007F\n", "\"\\u0001x\\u007F\\u000A\""},
        {__LINE__, std::u16string(1, char16_t(0xD800)), "\"\\uD800\""},
        {__LINE__, u"\U0001D11E", "\"\xF0\x9D\x84\x9E\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(DisplayText(row.text), row.shown);
    }
}

// Runs a command line with standard output and error captured.
struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun RunWith(const std::vector<std::string>& args) {
    const std::vector<Command> commands = {{"show", "show SCORE...", "List texts.", RunShow}};
    std::ostringstream out;
    std::ostringstream err;
    std::streambuf* oldOut = std::cout.rdbuf(out.rdbuf());
    std::streambuf* oldErr = std::cerr.rdbuf(err.rdbuf());
    const int status = RunCommandLine(commands, args);
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);
    return {status, out.str(), err.str()};
}

TEST(ShowTest, CommandLineStatusAndMessages) {
    testing::TempFolder folder;
    const std::string good = folder.File("good.json");
    const std::string bad = folder.File("bad.json");
    testing::WriteFile(good, Score(R"("texts": {"txss": {"1": "cresc."}})"));
    testing::WriteFile(bad, Score(R"("pages": -1)"));
    struct Row {
        int line;
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    };
    const Row rows[] = {
        {__LINE__, {"show", good}, 0, good + ": 1 text\n  smart shape  txss 1  \"cresc.\"\n", ""},
        {__LINE__, {"show", good, bad}, 2, "", bad + ": /pages: -1 is out of range (0 to 32767)\n"},
        {__LINE__,
         {"shout"},
         2,
         "",
         "notavo-sim: unknown command \"shout\" (try notavo-sim help)\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const CommandRun run = RunWith(row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, row.err);
    }
}

}  // namespace
}  // namespace tavrel::sim
