// `notavo-sim replace` end to end: score files in, the host's alert and the
// list of changes out, changed scores written (or not) as asked. What each
// category reaches is the engine tests' concern; two rows here show the
// listing of a category and of a whole run.
#include <cerrno>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "E2eFixture.h"
#include "host/HostCallbacks.h"
#include "platform/Module.h"
#include "platform/ModuleSystem.h"
#include "sim/cli/ReplaceCommand.h"
#include "sim/codec/FileAccess.h"

namespace tavrel::e2e {
namespace {

using Args = std::vector<std::string>;

class ReplaceCommandTest : public E2eTest {};

// Lines of the listing that name a given kind of change.
int LinesWith(const CommandResult& r, const std::string& part) {
    int n = 0;
    for (const std::string& line : r.Lines()) {
        n += line.find(part) != std::string::npos ? 1 : 0;
    }
    return n;
}

const char* const kOne = "One occurrence was found and replaced.";
const char* const kTwo = "2 occurrences were found and replaced.";

TEST_F(ReplaceCommandTest, OneCategoryAndEverywhere) {
    struct Row {
        int line;
        const char* category;
        const char* alert;
        std::vector<std::string> kinds;  // one listing line each
    };
    const Row rows[] = {
        {__LINE__, "repeat-texts", kTwo, {"repeat text ", "ending text"}},
        {__LINE__,
         "everywhere",
         "15 occurrences were found and replaced.",
         {"staff style name", "text block", "text block", "text block", "text block", "text block",
          "lyrics", "lyrics", "lyrics", "smart shape", "file info", "file info", "repeat text ",
          "ending text", "text expression"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const std::string score = WriteScore("every.json", EveryKindScoreJson());
        const CommandResult r =
            Replace({"--search", "Allegro", "--replace", "Presto", "--in", row.category, score});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const std::vector<std::string> lines = r.Lines();
        ASSERT_EQ(lines.size(), 1 + row.kinds.size()) << r.out;
        EXPECT_EQ(lines[0], row.alert);
        for (std::size_t i = 0; i < row.kinds.size(); ++i) {
            EXPECT_NE(lines[1 + i].find(row.kinds[i]), std::string::npos) << lines[1 + i];
            EXPECT_NE(lines[1 + i].find("Allegro\" \xE2\x86\x92 \""), std::string::npos);
            EXPECT_NE(lines[1 + i].find("Presto\""), std::string::npos);
        }
    }
}

TEST_F(ReplaceCommandTest, DryRunListsTheSameAndWritesNothing) {
    const std::string original = EveryKindScoreJson();
    const std::string score = WriteScore("every.json", original);
    const Args args = {"--search=Allegro", "--replace=Presto", "--in=text-expressions", score};
    Args dry = args;
    dry.insert(dry.begin(), "--dry-run");
    const CommandResult preview = Replace(dry);
    EXPECT_EQ(preview.status, 0);
    EXPECT_EQ(ReadFile(score), original);
    const CommandResult real = Replace(args);
    EXPECT_EQ(real.status, 0);
    EXPECT_EQ(preview.out, real.out);
    // The listing names the document, kind, record, and the text before and after.
    EXPECT_EQ(real.Lines(),
              (Args{kOne, score + "  text expression  txxp 1  \"tempo Allegro\" \xE2\x86\x92 "
                                  "\"tempo Presto\""}));
    EXPECT_EQ(TextIn(score, "txxp", 1), "tempo Presto");
}

TEST_F(ReplaceCommandTest, OutputFolderKeepsTheOriginals) {
    const std::string original = EveryKindScoreJson();
    const std::string a = WriteScore("a.json", original);
    const std::string b = WriteScore("b.json", R"({"format": "notavo-score", "version": 1})");
    std::filesystem::create_directory(Dir() + "/out");
    const CommandResult r = Replace({"--search", "Allegro", "--replace", "Presto",
                                     "--all-documents", "--output", Dir() + "/out", a, b});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(a), original);
    EXPECT_EQ(TextIn(Dir() + "/out/a.json", "txss", 1), "shape Presto");
    // b.json did not change, so nothing is written for it.
    EXPECT_FALSE(std::filesystem::exists(Dir() + "/out/b.json"));
}

TEST_F(ReplaceCommandTest, DocumentsAndEdits) {
    const std::string score = R"({"format": "notavo-score", "version": 1,
        "texts": {"txxp": {"1": "x a"}}})";
    const std::string a = WriteScore("a.json", score);
    const std::string b = WriteScore("b.json", score);
    const std::string c = WriteScore("c.json", score);

    // The current document only: the second.
    CommandResult r = Replace({"--search", "a", "--replace", "b", "--current", "2", a, b, c});
    EXPECT_EQ(r.Lines()[0], "One occurrence was found and replaced.");
    EXPECT_EQ(TextIn(a, "txxp", 1), "x a");
    EXPECT_EQ(TextIn(b, "txxp", 1), "x b");

    // Every open document.
    r = Replace({"--search", "a", "--replace", "b", "--all-documents", a, b, c});
    EXPECT_EQ(r.Lines()[0], "2 occurrences were found and replaced.");
    EXPECT_EQ(TextIn(a, "txxp", 1), "x b");
    EXPECT_EQ(TextIn(c, "txxp", 1), "x b");
    EXPECT_EQ(LinesWith(r, b), 0);  // nothing left to change there
}

TEST_F(ReplaceCommandTest, ArticulationsByStyleOnlyAndByCharacter) {
    struct Row {
        int line;
        Args args;
        const char* listed;
    };
    const Row rows[] = {
        {__LINE__,
         {"--replace-style", "+bold", "--in", "articulations", "--search-style=font=Notaglyph"},
         "slot 1 \"A\" (65) font 3, size 24, bits 1"},
        {__LINE__,
         {"--search", "B", "--replace", "<62>", "--in", "articulations"},
         "slot 2 \">\" (62)"},
    };
    for (Row row : rows) {
        SCOPED_TRACE(row.line);
        row.args.push_back(WriteScore("every.json", EveryKindScoreJson()));
        const CommandResult r = Replace(row.args);
        EXPECT_EQ(r.status, 0) << r.err;
        ASSERT_EQ(r.Lines().size(), 2u) << r.out;
        EXPECT_EQ(r.Lines()[0], kOne);
        EXPECT_NE(r.Lines()[1].find("articulation"), std::string::npos);
        EXPECT_NE(r.Lines()[1].find(row.listed), std::string::npos) << r.Lines()[1];
    }
}

TEST_F(ReplaceCommandTest, RefusalsAndBadInputWriteNothing) {
    const std::string original = EveryKindScoreJson();
    const std::string good = WriteScore("every.json", original);
    const std::string bad = WriteScore("bad.json",
                                       "{\"format\": \"notavo-score\", \"version\": 1,\n"
                                       "  \"staves\": {\"1\": {\"blocks\": [9, 0]}}}");
    const std::string broken = WriteScore("broken.json", "{\"format\": ");
    struct Row {
        int line;
        Args args;
        const char* errPart;
    };
    const Row rows[] = {
        {__LINE__, {"--replace", "x", good}, "refused: the search text is empty"},
        {__LINE__, {"--search", "Allegro", good, bad}, "bad.json: /staves/1/blocks/0"},
        {__LINE__, {"--search", "Allegro", broken}, "broken.json:1:"},
        {__LINE__,
         {"--search", "Allegro", Dir() + "/missing.json"},
         "missing.json: does not exist (No such file or directory)"},
        {__LINE__, {"--search", "Allegro", "--output", Dir() + "/nowhere", good}, "--output"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const CommandResult r = Replace(row.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(row.errPart), std::string::npos) << r.err;
        EXPECT_EQ(ReadFile(good), original);
    }
}

// A score that cannot be written is named with the system's reason, the
// alert is followed by a line naming it, and the run exits 1; the other
// scores are saved.
TEST_F(ReplaceCommandTest, AScoreThatCannotBeWrittenIsNamedUnderTheAlert) {
    const std::string original = EveryKindScoreJson();
    struct Row {
        int line;
        std::string name;   // of the score that is not saved
        bool lockedScore;   // 0444, or a full disk
        bool folderOutput;  // --output where a folder stands under the name
        std::string why;
    };
    const Row rows[] = {
        {__LINE__, "a.json", false, false,
         "writing the new text failed (No space left on device); the file is as it was"},
        {__LINE__, "a.json", true, false, "the file is read-only"},
        {__LINE__, "out/a.json", false, true, "it is a folder"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const std::string a = WriteScore("a.json", original);
        const std::string b = WriteScore("b.json", original);
        std::filesystem::remove_all(Dir() + "/out");
        std::filesystem::create_directories(Dir() + "/out");
        Args args = {"--search", "Allegro",         "--replace", "Presto", "--in",
                     "lyrics",   "--all-documents", a,           b};
        if (row.folderOutput) {
            std::filesystem::create_directory(Dir() + "/out/a.json");
            args.insert(args.begin(), {"--output", Dir() + "/out"});
        }
        if (row.lockedScore) {
            std::filesystem::permissions(a, std::filesystem::perms(0444));
        }
        // Only the first save runs out of space.
        int writes = 0;
        sim::SetFileFaultHookForTesting([&](sim::FileStep step) {
            const bool full = !row.lockedScore && !row.folderOutput &&
                              step == sim::FileStep::Write && ++writes == 1;
            return full ? ENOSPC : 0;
        });
        const CommandResult r = Replace(args);
        sim::SetFileFaultHookForTesting(nullptr);
        std::filesystem::permissions(a, std::filesystem::perms(0644));
        const std::string path = Dir() + "/" + row.name;
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "notavo-sim replace: " + path + ": not saved: " + row.why + "\n");
        ASSERT_GE(r.Lines().size(), 2u) << r.out;
        EXPECT_EQ(r.Lines()[0], "6 occurrences were found and replaced.");
        EXPECT_EQ(r.Lines()[1], "Not saved: " + path + " (the reasons are on standard error)");
        EXPECT_EQ(ReadFile(a), original);
        const std::string savedB = row.folderOutput ? Dir() + "/out/b.json" : b;
        EXPECT_EQ(TextIn(savedB, "txve", 1), "verse Presto");
        EXPECT_EQ(std::filesystem::is_directory(Dir() + "/out/a.json"), row.folderOutput);
    }
}

std::int16_t OutOfMemoryOnSave(std::uint32_t, const RecordKey*, const void*, std::uint32_t,
                               std::uint32_t) {
    throw std::bad_alloc();
}

TEST_F(ReplaceCommandTest, AReplaceAllThatEndsEarlyExitsOne) {
    const std::string score = WriteScore("every.json", EveryKindScoreJson());
    platform::ModuleHandle program = platform::SystemFindModule("NOTAVO.EXE");
    platform::SetSymbolResolverForTesting([program](const char* name) -> void* {
        return name != nullptr && std::string(name) == "HX_SaveEData"
                   ? reinterpret_cast<void*>(&OutOfMemoryOnSave)
                   : platform::SystemFindFunction(program, name);
    });
    host::ResetBindingForTesting();
    const CommandResult r = Replace({"--search", "Allegro", "--replace", "Presto", score});
    platform::SetSymbolResolverForTesting(nullptr);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "notavo-sim replace: the run stopped early (out of memory); what is listed was "
              "done\n");
}

}  // namespace
}  // namespace tavrel::e2e
