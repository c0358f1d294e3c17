// The few file-system calls that reading a score and saving one safely
// need, one implementation per system (FileCalls_posix.cpp and
// FileCalls_win32.cpp). Each call gives 0 or the system's error number, so
// callers can report the system's own reason. Paths are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavrel::sim::files {

struct FileState {
    bool exists = false;
    bool folder = false;
    bool regular = false;
    std::uint32_t mode = 0;  // permission bits (on Windows only the read and write bits)
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    std::uint64_t size = 0;  // bytes, for a regular file
};

// What is at `path`, following symbolic links; a missing file is not an
// error (exists stays false).
int Inspect(const std::string& path, FileState& state);
// Whether the system would let this user write the file.
int CheckWritable(const std::string& path);

int OpenForReading(const std::string& path, int& fd);
// Reads up to `size` bytes; `got` 0 at the end of the file.
int ReadSome(int fd, char* buffer, std::size_t size, std::size_t& got);

// Creates a new file that did not exist (fails with EEXIST otherwise),
// open for writing. With `like`, the new file takes its permission bits
// (and, where the system allows, its owner); without, the usual bits for a
// new file.
int CreateExclusive(const std::string& path, const FileState* like, int& fd);
int WriteSome(int fd, const char* data, std::size_t size, std::size_t& written);
// Makes the file's contents durable.
int Flush(int fd);
int Close(int fd);
// Replaces `to` by `from` in one step: a reader sees either file whole.
int Rename(const std::string& from, const std::string& to);
int Remove(const std::string& path);
// Makes a rename in the folder durable, where the system can.
int FlushFolder(const std::string& folder);

// The system's words for an error number.
std::string ReasonOf(int error);

// While a save is under way its temporary file is named here, so that an
// interrupt (Ctrl+C, a termination request) removes it before the program
// ends. One file at a time: saves run one after another.
void RemoveOnInterrupt(const std::string& path);
void KeepOnInterrupt();
// Installs the handlers that do it (for the program, not for tests);
// signals the program was told to ignore stay ignored.
void InstallInterruptCleanup();

}  // namespace tavrel::sim::files
