// Command dispatch, help and the `show` command of notavo-sim.
#include "sim/cli/Commands.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <set>

#include "sim/cli/Show.h"
#include "sim/codec/Document.h"
#include "sim/codec/ScoreFile.h"

namespace tavrel::sim {
namespace {

const char kProgram[] = "notavo-sim";

std::string CommandHelp(const Command& command) {
    return std::string("  ") + kProgram + " " + command.synopsis + "\n      " + command.summary +
           "\n";
}

bool IsHelp(const std::string& word) {
    return word == "help" || word == "--help" || word == "-h";
}

}  // namespace

std::string HelpText(const std::vector<Command>& commands) {
    std::string text = std::string(kProgram) +
                       ": a stand-in for the Notavo host program. It opens score files\n"
                       "(JSON files that describe a document's records) and lets the "
                       "Lexora plug-in\nwork on them as it would in the host.\n\nCommands:\n";
    for (const Command& command : commands) {
        text += CommandHelp(command);
    }
    text += std::string("  ") + kProgram + " help\n      Show this text.\n";
    text +=
        "\nExit status: 0 when the command ran (whatever it found); 1 when the run could\n"
        "not finish (a changed score could not be written, memory ran out, Replace All\n"
        "ended early; the message names each score not saved and the reason); 2 for a\n"
        "bad command line, a refused request or a score file that does not load (the\n"
        "message says what to change, and nothing is written).\n";
    return text;
}

int LoadScores(const std::vector<std::string>& paths, std::vector<Document>& documents,
               std::ostream& err) {
    documents.assign(paths.size(), Document());
    int status = kExitOk;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        FileProblem problem;
        if (!LoadScore(paths[i], documents[i], problem)) {
            err << problem.message << "\n";
            status = (problem.systemFault || status == kExitFailed) ? kExitFailed : kExitUsage;
        }
    }
    return status;
}

bool OutputDestinations(const std::vector<std::string>& scores,
                        const std::optional<std::string>& outputDir,
                        std::vector<std::string>& paths, std::string& error) {
    namespace fs = std::filesystem;
    paths = scores;
    if (!outputDir) {
        return true;
    }
    std::error_code ec;
    if (!fs::is_directory(fs::u8path(*outputDir), ec)) {
        error = "--output " + *outputDir + ": not an existing folder";
        return false;
    }
    std::set<std::string> names;
    for (std::string& path : paths) {
        const std::string name = fs::u8path(path).filename().u8string();
        if (!names.insert(name).second) {
            error = "--output: two scores are named " + name + "; write them to separate runs";
            return false;
        }
        path = (fs::u8path(*outputDir) / fs::u8path(name)).u8string();
    }
    return true;
}

void SaveChangedScore(const Document& document, const std::string& destination, const char* command,
                      std::ostream& err, std::vector<std::string>& notSaved) {
    FileProblem problem;
    if (!SaveScore(document, destination, problem)) {
        err << command << problem.message << "\n";
        notSaved.push_back(destination);
    }
}

std::string NotSavedLine(const std::vector<std::string>& notSaved) {
    std::string line = "Not saved:";
    for (std::size_t i = 0; i < notSaved.size(); ++i) {
        line += (i == 0 ? " " : ", ") + notSaved[i];
    }
    return line + " (the reasons are on standard error)\n";
}

int RunShow(const std::vector<std::string>& args) {
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            std::cerr << kProgram << " show: unknown option \"" << arg << "\"\n";
            return kExitUsage;
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.empty()) {
        std::cerr << kProgram << " show: name at least one score file (" << kProgram
                  << " show SCORE...)\n";
        return kExitUsage;
    }
    // Every score is read before anything is printed, so a bad one among
    // several gives its message alone.
    std::vector<Document> documents;
    if (const int status = LoadScores(paths, documents, std::cerr)) {
        return status;
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::cout << (i > 0 ? "\n" : "") << FormatListing(paths[i], CollectTexts(documents[i]));
    }
    return kExitOk;
}

int RunCommandLine(const std::vector<Command>& commands, const std::vector<std::string>& args) {
    if (args.empty()) {
        std::cerr << HelpText(commands);
        return kExitUsage;
    }
    if (IsHelp(args[0])) {
        std::cout << HelpText(commands);
        return kExitOk;
    }
    for (const Command& command : commands) {
        if (args[0] != command.name) {
            continue;
        }
        if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
            std::cout << CommandHelp(command);
            return kExitOk;
        }
        try {
            return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
        } catch (const std::bad_alloc&) {
            std::cerr << kProgram << " " << command.name << ": out of memory; stopped\n";
            return kExitFailed;
        } catch (const std::exception& e) {
            std::cerr << kProgram << " " << command.name << ": " << e.what() << "\n";
            return kExitFailed;
        }
    }
    std::cerr << kProgram << ": unknown command \"" << args[0] << "\" (try " << kProgram
              << " help)\n";
    return kExitUsage;
}

}  // namespace tavrel::sim
