// Tests of score files read as a stream: a score read by stream holds
// exactly the records the whole-tree reading gives, and a fault is named
// the same way whichever reading met it first; large scores save in
// pieces, byte for byte as one text.
#include "sim/codec/ScoreStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/cli/ReplaceChanges.h"
#include "sim/codec/ScoreFile.h"
#include "sim/codec/ScoreReader.h"
#include "tests/sim/SimTestSupport.h"

namespace tavrel::sim {
namespace {

using namespace std::string_literals;
using testing::Score;

// Reads the score as a file is read and from the whole tree: the saved
// text or the message of each; true when both load as the same records.
bool ReadBothWays(const std::string& text, std::string& streamed, std::string& tree) {
    Document byStream, byTree;
    FileProblem problem;
    const bool loaded = ParseScore("s.json", text, byStream, problem);
    streamed = loaded ? FormatScore(byStream) : problem.message;
    try {
        ReadScoreAsTree(text, byTree);
        tree = FormatScore(byTree);
    } catch (const ScoreError& e) {
        tree = e.what();
    }
    return loaded && DocumentSnapshot(byStream).Entries() == DocumentSnapshot(byTree).Entries();
}

// A score with every section, in the format's order (as saved), and the
// same members in other orders.
const char kOrdered[] = R"({"format": "notavo-score", "version": 1,
  "fonts": {"0": {"name": "Times New Roman", "arg": 4096}}, "pages": 2,
  "texts": {"txxp": {"2": "b", "1": "^size(12)a"}, "txbl": {"1": "Vln.", "3": "x"}, "txfi": {}},
  "textBlocks": {"1": {"text": 1}, "2": {"text": 0, "extra": "0000ff0000000000000000000000000000000000000000000000"}},
  "staves": {"1": {"blocks": [1, 2]}}, "staffStyles": {"1": {"blocks": [0, 0], "name": "S"}},
  "groups": {"1": {"blocks": [2, 0]}}, "pageTextBlocks": {"1,0": {"block": 1}},
  "measureTextBlocks": {"12,1": {"block": 2}},
  "repeatTexts": {"1": {"text": "D.C.", "style": {"font": 0, "size": 12, "bits": 1}}, "2": {}},
  "endingTexts": {"1": "1."},
  "twoStyleRecords": {"1": {"styles": [{"font": 0, "size": 12, "bits": 0}, {}]}},
  "threeStyleRecords": {"1": {}},
  "articulations": {"1": {"slots": [{"char": 62, "font": 3, "size": 24, "bits": 0}, {}], "flags": 2}},
  "records": [{"tag": "SOSD", "key": "1,0", "hex": "0001ff"}, {"tag": "txbl", "key": "9", "hex": "4100"},
              {"tag": "SOPS", "key": "3", "hex": "01000000000000000000000000000000000000000000"}]})";

TEST(ScoreStreamTest, StreamedScoresHoldWhatTheWholeTreeGives) {
    const std::string ordered = kOrdered;
    const std::string alphabetical = nlohmann::json::parse(ordered).dump(2);
    std::string scrambled = ordered;
    scrambled.replace(scrambled.find("\"pages\": 2,"), 11, "");
    scrambled.insert(scrambled.size() - 1, ", \"pages\": 2");
    const std::string rows[] = {
        ordered,
        alphabetical,
        scrambled,
        Score(""),
        Score(R"("texts": {}, "records": [])"),
        Score(R"("texts": {"txve": {"1": "a"}}, "endingTexts": {"2": "b"})"),
        R"({"texts": {"txve": {"1": "a"}}, "version": 1, "format": "notavo-score"})",
    };
    for (const std::string& text : rows) {
        SCOPED_TRACE(text);
        std::string streamed, tree;
        EXPECT_TRUE(ReadBothWays(text, streamed, tree));
        EXPECT_EQ(streamed, tree);
    }
}

// Whichever reading meets a fault first, the message is the one the
// format's order gives: syntax first, then the header, then the sections
// in their order, each in file order.
TEST(ScoreStreamTest, FaultsAreNamedAsTheWholeTreeNamesThem) {
    std::string many = R"("texts": {"txve": {)";
    for (int i = 1; i <= 40; ++i) {
        many += (i > 1 ? ", " : "") + ("\"" + std::to_string(i) + "\": \"v\"");
    }
    struct Row {
        int line;
        std::string text;
        std::string message;
    };
    const Row rows[] = {
        // A large object checks its names by hash.
        {__LINE__, Score(many + R"(, "7": "again"}})"),
         "s.json: /texts/txve/7: given twice in the same object"},
        {__LINE__, Score(many + R"(, "7,0": "again"}})"),
         "s.json: /texts/txve/7,0: record txve {7,0} is defined twice"},
        {__LINE__, Score(R"("staves": {"1": {"blocks": [5, 0]}})") + " ]",
         "s.json:1:79: syntax error while parsing value - unexpected ']'; expected end of input"},
        {__LINE__,
         R"({"format": "notavo-score", "version": 2, "staves": {"1": {"blocks": [5, 0]}}})",
         "s.json: /version: must be 1 (the only version there is)"},
        {__LINE__, Score(R"("staves": {"1": {"blocks": [5, 0]}}, "records": [{"tag": "SOSD"}])"),
         "s.json: /records/0: a raw record needs a \"tag\" and a \"key\""},
        {__LINE__, Score(R"("texts": {"txve": {"1": "a"}}, "staves": {"1": {"colour": 1}})"),
         "s.json: /staves/1/colour: unknown field (expected one of: blocks, extra)"},
        {__LINE__, Score(R"("texts": {"txve": {"1": "a"}, "txve": {}})"),
         "s.json: /texts/txve: given twice in the same object"},
        {__LINE__, Score(R"("staves": {"1": {}}, "staves": {"2": {}})"),
         "s.json: /staves: given twice in the same object"},
        {__LINE__,
         Score(R"("records": [{"tag": "txve", "key": "1"}], "texts": {"txve": {"1": "a"}})"),
         "s.json: /records/0: record txve {1,0} is defined twice"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        std::string streamed, tree;
        EXPECT_FALSE(ReadBothWays(row.text, streamed, tree));
        EXPECT_EQ(streamed, row.message);
    }
}

// A score of some megabytes: saved in pieces, it is the same file as the
// canonical text in one piece, and loads as the same records.
TEST(ScoreStreamTest, ALargeScoreSavesInPiecesByteForByte) {
    std::string texts;
    for (int i = 1; i <= 40000; ++i) {
        texts += (i > 1 ? ", " : "") + ("\"" + std::to_string(i) + "\": \"Glo-ry to God \\\"" +
                                        std::to_string(i) + "\\\" in the high-est\"");
    }
    const Document document = testing::ScoreFrom(Score(R"("texts": {"txve": {)" + texts + "}}"));
    const std::string text = FormatScore(document);
    ASSERT_GT(text.size(), std::size_t(2) << 20);
    testing::TempFolder folder;
    FileProblem problem;
    ASSERT_TRUE(SaveScore(document, folder.File("large.json"), problem)) << problem.message;
    EXPECT_TRUE(testing::ReadFile(folder.File("large.json")) == text);
    EXPECT_EQ(DocumentSnapshot(testing::ScoreFrom(text)).Entries(),
              DocumentSnapshot(document).Entries());
}

}  // namespace
}  // namespace tavrel::sim
