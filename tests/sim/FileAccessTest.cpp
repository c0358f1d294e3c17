// Tests of safe saving: whatever step fails, the old file stays as it was
// and no temporary file is left; links, permission bits and read-only files
// are respected; a second save in the middle of the first, and an
// interrupt during a save, lose nothing.
#include "sim/codec/FileAccess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <set>
#include <string>

#include "tests/sim/SimTestSupport.h"

namespace tavrel::sim {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

// Makes the n-th call of one step fail with an error number, until the
// test ends.
class FailingStep {
  public:
    FailingStep(FileStep step, int error, int call = 1) {
        SetFileFaultHookForTesting([=, calls = 0](FileStep now) mutable {
            return now == step && ++calls == call ? error : 0;
        });
    }
    ~FailingStep() { SetFileFaultHookForTesting(nullptr); }
    FailingStep(const FailingStep&) = delete;
    FailingStep& operator=(const FailingStep&) = delete;
};

std::uint32_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(FileAccessTest, AFailingStepLeavesTheOldFileAndNoTemporary) {
    struct Row {
        int line;
        FileStep step;
        int error;
        const char* why;
    };
    const Row rows[] = {
        {__LINE__, FileStep::CreateTemporary, EROFS,
         "a new file cannot be made beside it (Read-only file system)"},
        {__LINE__, FileStep::CreateTemporary, EACCES,
         "a new file cannot be made beside it (Permission denied)"},
        {__LINE__, FileStep::Write, EIO, "writing the new text failed (Input/output error)"},
        {__LINE__, FileStep::Write, ENOSPC,
         "writing the new text failed (No space left on device)"},
        {__LINE__, FileStep::Flush, EIO, "flushing it to disk failed (Input/output error)"},
        {__LINE__, FileStep::Rename, EXDEV,
         "putting the new file in its place failed (Invalid cross-device link)"},
    };
    TempFolder folder;
    const std::string path = folder.File("score.json");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        WriteFile(path, "old");
        FailingStep failing(row.step, row.error);
        FileProblem problem;
        EXPECT_FALSE(ReplaceFile(path, "new", problem));
        EXPECT_EQ(problem.message, path + ": not saved: " + row.why + "; the file is as it was");
        EXPECT_EQ(ReadFile(path), "old");
        EXPECT_EQ(folder.Names(), std::set<std::string>{"score.json"});
    }
}

// Refused before anything is written, root or not: CI runs as root, to
// whom the system would let a 0444 file be written.
TEST(FileAccessTest, DestinationsThatCannotTakeTheScoreAreRefused) {
    struct Row {
        int line;
        std::string name;
        std::string why;
    };
    TempFolder folder;
    WriteFile(folder.File("locked.json"), "old");
    fs::permissions(folder.File("locked.json"), fs::perms(0444));
    fs::create_directory(folder.File("taken.json"));
    const Row rows[] = {
        {__LINE__, "locked.json", "the file is read-only"},
        {__LINE__, "taken.json", "it is a folder"},
        {__LINE__, "gone/s.json", "the folder " + folder.File("gone") + " does not exist"},
        {__LINE__, "locked.json/s.json",
         "the folder " + folder.File("locked.json") + " is not a folder"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        FileProblem problem;
        EXPECT_FALSE(ReplaceFile(folder.File(row.name), "new", problem));
        EXPECT_EQ(problem.message, folder.File(row.name) + ": not saved: " + row.why);
        EXPECT_TRUE(problem.systemFault);
    }
    EXPECT_EQ(ReadFile(folder.File("locked.json")), "old");
    EXPECT_TRUE(fs::is_directory(folder.File("taken.json")));
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"locked.json", "taken.json"}));
}

TEST(FileAccessTest, ALinkStaysALinkAndPermissionBitsAreKept) {
    TempFolder folder;
    fs::create_directory(folder.File("scores"));
    const std::string target = folder.File("scores/real.json");
    const std::string link = folder.File("link.json");
    WriteFile(target, "old");
    fs::permissions(target, fs::perms(0640));
    fs::create_symlink("scores/real.json", link);  // relative to the link's folder
    FileProblem problem;
    ASSERT_TRUE(ReplaceFile(link, "new", problem)) << problem.message;
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(ModeOf(target), 0640u);

    fs::permissions(target, fs::perms(0600));
    ASSERT_TRUE(ReplaceFile(target, "newer", problem)) << problem.message;
    EXPECT_EQ(ModeOf(target), 0600u);
    EXPECT_EQ(ReadFile(link), "newer");
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"link.json", "scores"}));
}

// A second save that runs while the first one's new file waits to be
// renamed: both complete, the later rename wins, nothing is lost.
TEST(FileAccessTest, ASaveInTheMiddleOfAnotherLosesNothing) {
    TempFolder folder;
    const std::string path = folder.File("score.json");
    WriteFile(path, "old");
    bool inner = false;
    bool innerSaved = false;
    SetFileFaultHookForTesting([&](FileStep step) {
        if (step == FileStep::Rename && !inner) {
            inner = true;
            FileProblem problem;
            innerSaved = ReplaceFile(path, "second", problem);
            EXPECT_EQ(ReadFile(path), "second");
        }
        return 0;
    });
    FileProblem problem;
    const bool outerSaved = ReplaceFile(path, "first", problem);
    SetFileFaultHookForTesting(nullptr);
    EXPECT_TRUE(innerSaved);
    EXPECT_TRUE(outerSaved) << problem.message;
    EXPECT_EQ(ReadFile(path), "first");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"score.json"});
}

TEST(FileAccessTest, AnInterruptDuringASaveRemovesItsTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.File("score.json");
    WriteFile(path, "old");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RemoveTemporaryFilesOnInterrupt();
        SetFileFaultHookForTesting([](FileStep step) {
            if (step == FileStep::Flush) {
                std::raise(SIGTERM);
            }
            return 0;
        });
        FileProblem problem;
        ReplaceFile(path, "new", problem);
        _exit(0);  // not reached: the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"score.json"});
}

}  // namespace
}  // namespace tavrel::sim
