// The commands of `notavo-sim`. main.cpp lists them in a table; each
// command is a function of its arguments (the words after its name) that
// prints to standard output and error and returns the exit status.
#pragma once

#include <string>
#include <vector>

namespace tavrel::sim {

using CommandFunction = int (*)(const std::vector<std::string>& args);

struct Command {
    const char* name;
    const char* synopsis;  // "show SCORE..."
    const char* summary;   // one or two sentences for the help text
    CommandFunction run;
};

// Exit status for a bad command line, a refused request or a bad score.
constexpr int kExitUsage = 2;

// `show SCORE...`: the texts of each score.
int RunShow(const std::vector<std::string>& args);

// The help text: every command of the table with its synopsis and summary.
std::string HelpText(const std::vector<Command>& commands);

// Runs the command named by args[0] (the words after the program name).
// "help", "--help" and "-h" print the help text; `COMMAND --help` prints
// that command's part of it.
int RunCommandLine(const std::vector<Command>& commands, const std::vector<std::string>& args);

}  // namespace tavrel::sim
