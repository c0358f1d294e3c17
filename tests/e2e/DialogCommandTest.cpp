// `notavo-sim dialog` as a user runs it: a script file or standard input,
// scores saved as replace saves them, and a bad action refused with its
// script line before anything is written.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "E2eFixture.h"
#include "sim/cli/DialogCommand.h"

namespace tavrel::e2e {
namespace {

class DialogCommandTest : public E2eTest {
  protected:
    CommandResult Dialog(const std::vector<std::string>& args, const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        std::ostringstream err;
        CommandResult result;
        result.status = sim::RunDialog(args, in, out, err);
        result.out = out.str();
        result.err = err.str();
        return result;
    }
};

// The README's session: "light" in the lyrics becomes italic through the
// Font & Style dialog.
const char kReadmeScript[] =
    "# \"light\" is searched for and put back in italic\n"
    "type 1049 \"light\"\n"
    "type 1050 \"light\"\n"
    "click 1033\n"
    "set 1030 1\n"
    "click 1\n"
    "tick\n"
    "print\n"
    "click 1044\n";

TEST_F(DialogCommandTest, TheReadmeSessionRestylesTheDemoScore) {
    const std::string demo = ReadFile(std::string(LEXORA_SOURCE_DIR) + "/examples/demo.json");
    const std::string path = WriteScore("demo.json", demo);
    const CommandResult dry = Dialog({"--dry-run", path}, kReadmeScript);
    EXPECT_EQ(0, dry.status) << dry.err;
    const std::string alert = "One occurrence was found and replaced.\n";
    ASSERT_GT(dry.out.size(), alert.size());
    EXPECT_EQ(alert, dry.out.substr(dry.out.size() - alert.size()));
    EXPECT_NE(std::string::npos, dry.out.find("\n  1052 stxt \"Italic.\" enabled\n"));
    EXPECT_EQ(demo, ReadFile(path));

    const std::string script = WriteScore("italic.txt", kReadmeScript);
    const CommandResult run = Dialog({"--script", script, path}, "");
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ(dry.out, run.out);
    EXPECT_EQ("Wake, the morn-ing ^nfx(2)light^nfx(0) is call-ing", TextIn(path, "txve", 1));
}

TEST_F(DialogCommandTest, ABadActionStopsTheRunWithItsLineAndWritesNothing) {
    const std::string score = EveryKindScoreJson();
    const std::string path = WriteScore("s.json", score);
    struct Row {
        int line;
        std::string script;
        std::string error;
    };
    const Row rows[] = {
        {__LINE__, "type 1049 \"Allegro\"\nclick 1044\njump 3", "stdin:3: unknown action \"jump\""},
        {__LINE__, "type 1048 \"x\"", "stdin:1: dialog 106 has no edit field 1048"},
        {__LINE__, "set 1048 2", "stdin:1: set: box 1048 takes 0 to 1"},
        {__LINE__, "click 1033\nselect 1047 \"Notaglyph*\"",
         "stdin:2: tree 1047 has no row \"Notaglyph*\""},
        {__LINE__, "key space", "stdin:1: key: expected tab, enter, escape or delete"},
        {__LINE__, "close\nclick 1044", "stdin:2: click: no dialog is open"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const CommandResult r = Dialog({path}, row.script);
        EXPECT_EQ(2, r.status);
        EXPECT_EQ(0u, r.err.find(row.error)) << r.err;
        EXPECT_EQ(score, ReadFile(path));
    }
}

TEST_F(DialogCommandTest, ABadCommandLineIsRefused) {
    const std::string path = WriteScore("s.json", EveryKindScoreJson());
    struct Row {
        int line;
        std::vector<std::string> args;
        std::string error;
    };
    const Row rows[] = {
        {__LINE__, {"--current", "2", path}, "notavo-sim dialog: --current 2: only 1 score"},
        {__LINE__, {"--script", Dir() + "/none.txt", path}, "notavo-sim dialog: --script "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const CommandResult r = Dialog(row.args, "");
        EXPECT_EQ(2, r.status);
        EXPECT_EQ(0u, r.err.find(row.error)) << r.err;
    }
}

}  // namespace
}  // namespace tavrel::e2e
