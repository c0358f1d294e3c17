// Whole-file reads and safe replacement, over the system calls of
// sim/FileCalls.h.
#include "sim/codec/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "sim/codec/FileCalls.h"

namespace tavrel::sim {
namespace {

namespace fs = std::filesystem;

// Like the system's own limit on links followed in one lookup.
constexpr int kMaxLinks = 40;
constexpr int kNameAttempts = 100;
constexpr std::size_t kReadChunk = 1 << 16;
constexpr std::uint64_t kLargestReserve = static_cast<std::uint64_t>(1) << 30;

FileFaultHook& Hook() {
    static FileFaultHook hook;
    return hook;
}

int Injected(FileStep step) {
    // A copy, so a hook may replace itself while it runs.
    const FileFaultHook hook = Hook();
    return hook ? hook(step) : 0;
}

std::string Because(int error) {
    return " (" + files::ReasonOf(error) + ")";
}

// The file a save replaces: symbolic links followed to their target, so the
// link itself stays as it is.
bool FollowLinks(const std::string& path, std::string& target, std::string& why) {
    fs::path current = fs::u8path(path);
    for (int i = 0; i < kMaxLinks; ++i) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) {
            target = current.u8string();
            return true;
        }
        const fs::path next = fs::read_symlink(current, error);
        if (error) {
            why = "its symbolic link cannot be followed (" + error.message() + ")";
            return false;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    why = "it is a chain of more than " + std::to_string(kMaxLinks) + " symbolic links";
    return false;
}

// Why an existing file must not be replaced, or empty.
std::string Refusal(const std::string& target, const files::FileState& state) {
    if (state.folder) {
        return "it is a folder";
    }
    if (!state.regular) {
        return "it is not a regular file";
    }
    if (const int error = files::CheckWritable(target)) {
        return "the file cannot be written" + Because(error);
    }
    // A privileged user may write anything; a file marked read-only is
    // still meant to stay as it is.
    if ((state.mode & 0222) == 0) {
        return "the file is read-only";
    }
    return std::string();
}

// Checks the folder and the file before anything is written.
bool CheckDestination(const std::string& target, files::FileState& state, std::string& why) {
    const fs::path parent = fs::u8path(target).parent_path();
    const std::string folder = parent.empty() ? "." : parent.u8string();
    files::FileState folderState;
    if (const int error = files::Inspect(folder, folderState)) {
        why = "its folder " + folder + " cannot be reached" + Because(error);
        return false;
    }
    if (!folderState.exists || !folderState.folder) {
        why =
            "the folder " + folder + (folderState.exists ? " is not a folder" : " does not exist");
        return false;
    }
    if (const int error = files::Inspect(target, state)) {
        why = "the file cannot be reached" + Because(error);
        return false;
    }
    why = state.exists ? Refusal(target, state) : std::string();
    return why.empty();
}

std::string TemporaryName(const std::string& target) {
    static std::mt19937_64 generator{std::random_device{}()};
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string tag;
    for (int i = 0; i < 8; ++i) {
        tag += letters[generator() % (sizeof letters - 1)];
    }
    const fs::path path = fs::u8path(target);
    return (path.parent_path() /
            fs::u8path(path.filename().u8string() + "." + tag + ".notavo-sim.tmp"))
        .u8string();
}

// A new file of our own beside the target: an existing name is never reused.
int CreateTemporary(const std::string& target, const files::FileState* like, std::string& temporary,
                    int& fd) {
    int error = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts && error == EEXIST; ++attempt) {
        temporary = TemporaryName(target);
        error = Injected(FileStep::CreateTemporary);
        if (error == 0) {
            error = files::CreateExclusive(temporary, like, fd);
        }
    }
    return error;
}

int WriteAll(int fd, std::string_view text) {
    std::size_t done = 0;
    do {
        std::size_t written = 0;
        int error = Injected(FileStep::Write);
        if (error == 0) {
            error = files::WriteSome(fd, text.data() + done, text.size() - done, written);
        }
        if (error != 0) {
            return error;
        }
        if (written == 0 && done < text.size()) {
            return ENOSPC;  // a write that makes no progress
        }
        done += written;
    } while (done < text.size());
    return 0;
}

// Writes, flushes and closes the new file; the descriptor is closed in any case.
bool FillTemporary(int fd, const std::vector<std::string_view>& pieces, std::string& why) {
    const char* step = "writing the new text";
    int error = 0;
    for (std::size_t i = 0; i < pieces.size() && error == 0; ++i) {
        error = WriteAll(fd, pieces[i]);
    }
    if (error == 0) {
        step = "flushing it to disk";
        error = Injected(FileStep::Flush);
        error = error != 0 ? error : files::Flush(fd);
    }
    const int closed = files::Close(fd);
    if (error == 0 && closed != 0) {
        step = "closing the new file";
        error = closed;
    }
    if (error != 0) {
        why = step + std::string(" failed") + Because(error);
    }
    return error == 0;
}

// Everything after the checks: the new file, its contents, the rename.
bool WriteAndRename(const std::string& target, const files::FileState* like,
                    const std::vector<std::string_view>& pieces, std::string& why) {
    const char* untouched = like != nullptr ? "; the file is as it was" : "";
    std::string temporary;
    int fd = -1;
    if (const int error = CreateTemporary(target, like, temporary, fd)) {
        why = "a new file cannot be made beside it" + Because(error) + untouched;
        return false;
    }
    files::RemoveOnInterrupt(temporary);
    bool done = FillTemporary(fd, pieces, why);
    if (done) {
        int error = Injected(FileStep::Rename);
        error = error != 0 ? error : files::Rename(temporary, target);
        if (error != 0) {
            why = "putting the new file in its place failed" + Because(error);
            done = false;
        }
    }
    if (!done) {
        files::Remove(temporary);
        why += untouched;
    }
    files::KeepOnInterrupt();
    return done;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& text, FileProblem& problem) {
    files::FileState state;
    int error = files::Inspect(path, state);
    if (error == 0 && (!state.exists || state.folder)) {
        error = state.exists ? EISDIR : ENOENT;
        problem = {path + (state.exists ? ": is a folder, not a score file" : ": does not exist") +
                       Because(error),
                   false};
        return false;
    }
    int fd = -1;
    if (error == 0) {
        error = Injected(FileStep::Open);
        error = error != 0 ? error : files::OpenForReading(path, fd);
    }
    if (error != 0) {
        problem = {path + ": cannot be opened" + Because(error), false};
        return false;
    }
    std::string contents;
    // Room for the whole file at once: growing as it comes would copy a
    // large score several times over. A file that grows meanwhile still
    // reads to its end.
    contents.reserve(
        static_cast<std::size_t>(std::min<std::uint64_t>(state.size, kLargestReserve)));
    std::string chunk(kReadChunk, '\0');
    std::size_t got = 0;
    do {
        error = Injected(FileStep::Read);
        error = error != 0 ? error : files::ReadSome(fd, &chunk[0], chunk.size(), got);
        contents.append(chunk, 0, error == 0 ? got : 0);
    } while (error == 0 && got > 0);
    files::Close(fd);
    if (error != 0) {
        problem = {path + ": reading it failed part way" + Because(error), true};
        return false;
    }
    text = std::move(contents);
    return true;
}

bool ReplaceFile(const std::string& path, const std::string& text, FileProblem& problem) {
    return ReplaceFile(path, std::vector<std::string_view>{text}, problem);
}

bool ReplaceFile(const std::string& path, const std::vector<std::string_view>& pieces,
                 FileProblem& problem) {
    std::string target;
    std::string why;
    files::FileState state;
    const bool done = FollowLinks(path, target, why) && CheckDestination(target, state, why) &&
                      WriteAndRename(target, state.exists ? &state : nullptr, pieces, why);
    if (!done) {
        problem = {path + ": not saved: " + why, true};
        return false;
    }
    // Makes the rename itself durable. Not every file system can flush a
    // folder, and the new file is in place and complete either way.
    const fs::path parent = fs::u8path(target).parent_path();
    files::FlushFolder(parent.empty() ? "." : parent.u8string());
    return true;
}

void RemoveTemporaryFilesOnInterrupt() {
    files::InstallInterruptCleanup();
}

void SetFileFaultHookForTesting(FileFaultHook hook) {
    Hook() = std::move(hook);
}

}  // namespace tavrel::sim
