// The commands of `notavo-sim`. main.cpp lists them in a table; each
// command is a function of its arguments (the words after its name) that
// prints to standard output and error and returns the exit status.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sim/codec/Document.h"

namespace tavrel::sim {

using CommandFunction = int (*)(const std::vector<std::string>& args);

struct Command {
    const char* name;
    const char* synopsis;  // "show SCORE..."
    const char* summary;   // one or two sentences for the help text
    CommandFunction run;
};

// Exit status when the command ran, whatever it found.
constexpr int kExitOk = 0;
// Exit status when the run could not finish: a score could not be
// written, memory ran out, Replace All ended early.
constexpr int kExitFailed = 1;
// Exit status for a bad command line, a refused request or a bad score.
constexpr int kExitUsage = 2;

// Loads every score (all of them, so each bad one is named), printing each
// problem on `err`. Gives kExitOk, or the exit status: kExitFailed when the
// system failed to read one, otherwise kExitUsage.
int LoadScores(const std::vector<std::string>& paths, std::vector<Document>& documents,
               std::ostream& err);

// Where each score is written: in place, or under its file name in the
// folder outputDir. False with a message when the folder does not exist or
// two scores share a name there.
bool OutputDestinations(const std::vector<std::string>& scores,
                        const std::optional<std::string>& outputDir,
                        std::vector<std::string>& paths, std::string& error);

// Writes a changed score to its destination; when that fails, names the
// reason on `err` after `command` and adds the destination to notSaved.
void SaveChangedScore(const Document& document, const std::string& destination, const char* command,
                      std::ostream& err, std::vector<std::string>& notSaved);

// "Not saved: a.json, b.json (the reasons are on standard error)" and a newline.
std::string NotSavedLine(const std::vector<std::string>& notSaved);

// `show SCORE...`: the texts of each score.
int RunShow(const std::vector<std::string>& args);

// The help text: every command of the table with its synopsis and summary.
std::string HelpText(const std::vector<Command>& commands);

// Runs the command named by args[0] (the words after the program name).
// "help", "--help" and "-h" print the help text; `COMMAND --help` prints
// that command's part of it.
int RunCommandLine(const std::vector<Command>& commands, const std::vector<std::string>& args);

}  // namespace tavrel::sim
