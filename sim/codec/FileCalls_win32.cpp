// File-system calls on Windows, through the C run-time's descriptors: _commit
// makes a file durable, and the library's rename replaces an existing file
// in one step. Windows has no folder flush and no owners to keep.
#include "sim/codec/FileCalls.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <system_error>

namespace tavrel::sim::files {
namespace {

std::wstring Wide(const std::string& path) {
    return std::filesystem::u8path(path).wstring();
}

int ErrorOf(int result) {
    return result < 0 ? errno : 0;
}

unsigned Chunk(std::size_t size) {
    return size > INT_MAX ? static_cast<unsigned>(INT_MAX) : static_cast<unsigned>(size);
}

}  // namespace

int Inspect(const std::string& path, FileState& state) {
    state = FileState();
    struct _stat64 info {};
    if (_wstat64(Wide(path).c_str(), &info) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    state.exists = true;
    state.folder = (info.st_mode & _S_IFMT) == _S_IFDIR;
    state.regular = (info.st_mode & _S_IFMT) == _S_IFREG;
    state.mode = info.st_mode & 0777;
    state.size = static_cast<std::uint64_t>(info.st_size);
    return 0;
}

int CheckWritable(const std::string& path) {
    return ErrorOf(_waccess(Wide(path).c_str(), 2));
}

int OpenForReading(const std::string& path, int& fd) {
    fd = _wopen(Wide(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    return ErrorOf(fd);
}

int ReadSome(int fd, char* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    const int n = _read(fd, buffer, Chunk(size));
    if (n < 0) {
        return errno;
    }
    got = static_cast<std::size_t>(n);
    return 0;
}

int CreateExclusive(const std::string& path, const FileState* /*like*/, int& fd) {
    // A read-only file is refused before a save starts, so the new file
    // needs no other bits than read and write.
    fd = _wopen(Wide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                _S_IREAD | _S_IWRITE);
    return ErrorOf(fd);
}

int WriteSome(int fd, const char* data, std::size_t size, std::size_t& written) {
    written = 0;
    const int n = _write(fd, data, Chunk(size));
    if (n < 0) {
        return errno;
    }
    written = static_cast<std::size_t>(n);
    return 0;
}

int Flush(int fd) {
    return ErrorOf(_commit(fd));
}

int Close(int fd) {
    return ErrorOf(_close(fd));
}

int Rename(const std::string& from, const std::string& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::u8path(from), std::filesystem::u8path(to), error);
    return error ? (error.value() != 0 ? error.value() : EIO) : 0;
}

int Remove(const std::string& path) {
    return ErrorOf(_wunlink(Wide(path).c_str()));
}

int FlushFolder(const std::string& /*folder*/) {
    return 0;
}

std::string ReasonOf(int error) {
    return std::generic_category().message(error);
}

// Console interrupts arrive on a thread of their own on Windows, where
// removing a file from the handler is not safe; a leftover temporary file
// there keeps its recognisable name.
void RemoveOnInterrupt(const std::string& /*path*/) {}
void KeepOnInterrupt() {}
void InstallInterruptCleanup() {}

}  // namespace tavrel::sim::files
