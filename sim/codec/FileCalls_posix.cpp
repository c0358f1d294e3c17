// File-system calls on POSIX systems: plain descriptors, fsync for files and
// folders, rename(2) for the atomic replacement, and signal handlers that
// remove a save's temporary file when the program is interrupted.
#include "sim/codec/FileCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <system_error>

namespace tavrel::sim::files {
namespace {

// Each call retried while a signal interrupts it.
template <typename Call>
auto Retrying(Call call) {
    auto result = call();
    while (result < 0 && errno == EINTR) {
        result = call();
    }
    return result;
}

int ErrorOf(int result) {
    return result < 0 ? errno : 0;
}

// The temporary file an interrupt must remove: a fixed buffer, since the
// handler may only read memory and call unlink(2).
char pendingPath[4096];
volatile std::sig_atomic_t pendingSet = 0;

extern "C" void RemovePendingAndStop(int signal) {
    if (pendingSet != 0) {
        unlink(pendingPath);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

int Inspect(const std::string& path, FileState& state) {
    state = FileState();
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    state.exists = true;
    state.folder = S_ISDIR(info.st_mode);
    state.regular = S_ISREG(info.st_mode);
    state.mode = info.st_mode & 07777;
    state.owner = info.st_uid;
    state.group = info.st_gid;
    state.size = static_cast<std::uint64_t>(info.st_size);
    return 0;
}

int CheckWritable(const std::string& path) {
    return ErrorOf(access(path.c_str(), W_OK));
}

int OpenForReading(const std::string& path, int& fd) {
    fd = Retrying([&] { return open(path.c_str(), O_RDONLY | O_CLOEXEC); });
    return ErrorOf(fd);
}

int ReadSome(int fd, char* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    const ssize_t n = Retrying([&] { return read(fd, buffer, size); });
    if (n < 0) {
        return errno;
    }
    got = static_cast<std::size_t>(n);
    return 0;
}

int CreateExclusive(const std::string& path, const FileState* like, int& fd) {
    const mode_t mode = like != nullptr ? 0600 : 0666;
    fd =
        Retrying([&] { return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode); });
    if (fd < 0 || like == nullptr) {
        return ErrorOf(fd);
    }
    // The owner first: changing it may clear set-id bits the mode then restores.
    // Only a privileged user may give the file away; anyone else keeps it.
    struct stat info {};
    if (fstat(fd, &info) == 0 && (info.st_uid != like->owner || info.st_gid != like->group)) {
        (void)!fchown(fd, like->owner, like->group);
    }
    if (fchmod(fd, mode_t(like->mode)) != 0) {
        const int error = errno;
        close(fd);
        unlink(path.c_str());
        fd = -1;
        return error;
    }
    return 0;
}

int WriteSome(int fd, const char* data, std::size_t size, std::size_t& written) {
    written = 0;
    const ssize_t n = Retrying([&] { return write(fd, data, size); });
    if (n < 0) {
        return errno;
    }
    written = static_cast<std::size_t>(n);
    return 0;
}

int Flush(int fd) {
    return ErrorOf(Retrying([&] { return fsync(fd); }));
}

int Close(int fd) {
    // Not retried: after EINTR the descriptor is already gone on Linux.
    return ErrorOf(close(fd));
}

int Rename(const std::string& from, const std::string& to) {
    return ErrorOf(rename(from.c_str(), to.c_str()));
}

int Remove(const std::string& path) {
    return ErrorOf(unlink(path.c_str()));
}

int FlushFolder(const std::string& folder) {
    const int fd =
        Retrying([&] { return open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0) {
        return errno;
    }
    const int error = Flush(fd);
    close(fd);
    return error;
}

std::string ReasonOf(int error) {
    return std::generic_category().message(error);
}

void RemoveOnInterrupt(const std::string& path) {
    pendingSet = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    if (path.size() < sizeof pendingPath) {
        std::memcpy(pendingPath, path.c_str(), path.size() + 1);
        std::atomic_signal_fence(std::memory_order_seq_cst);
        pendingSet = 1;
    }
}

void KeepOnInterrupt() {
    pendingSet = 0;
}

void InstallInterruptCleanup() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = RemovePendingAndStop;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace tavrel::sim::files
