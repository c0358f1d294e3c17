// Reading a whole file, and replacing one so that it is never lost: the new
// text goes to a new temporary file beside the old one, is flushed to disk
// and renamed over it, so the file on disk is always either the old one or
// the complete new one. Every failure says which file and the system's
// reason; a test seam makes any step fail.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::sim {

struct FileProblem {
    std::string message;       // the file's name, then what went wrong
    bool systemFault = false;  // the system failed (an I/O error, memory), not the input
};

// The file's bytes. A missing file, a folder, a file that cannot be opened
// and a read that fails part way each have their own message.
bool ReadWholeFile(const std::string& path, std::string& text, FileProblem& problem);

// Gives the file at `path` the contents `text`, or creates it. A symbolic
// link is followed and its target replaced (the link stays); the file's
// permission bits are kept. A file the user may not write, a read-only file
// (even for a user whom the system would let write it) and a folder that
// does not exist are refused before anything is written. On any failure
// the old file is untouched and the temporary file is gone; nothing the
// call did not create is ever removed.
bool ReplaceFile(const std::string& path, const std::string& text, FileProblem& problem);
// The same with the text in pieces, written one after the other, so a
// large text need not be joined in memory first.
bool ReplaceFile(const std::string& path, const std::vector<std::string_view>& pieces,
                 FileProblem& problem);

// Makes an interrupt during a save remove the save's temporary file
// before the program ends (where the system allows it safely).
void RemoveTemporaryFilesOnInterrupt();

// The steps of a read and of a save, for tests.
enum class FileStep { Open, Read, CreateTemporary, Write, Flush, Rename };

// For tests: runs before every step (every call, for steps that may take
// several) and gives 0 to let it go on or an error number to make it fail
// as the system would. It may also act, e.g. run another save at that
// moment. An empty hook removes it.
using FileFaultHook = std::function<int(FileStep step)>;
void SetFileFaultHookForTesting(FileFaultHook hook);

}  // namespace tavrel::sim
