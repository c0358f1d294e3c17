// notavo-sim's entry point: the table of commands. A new command is one
// more row here and its function declared in sim/Commands.h.
#include <string>
#include <vector>

#include "sim/cli/Commands.h"
#include "sim/cli/DialogCommand.h"
#include "sim/cli/ReplaceCommand.h"
#include "sim/codec/FileAccess.h"

namespace {

const std::vector<tavrel::sim::Command>& CommandTable() {
    static const std::vector<tavrel::sim::Command> commands = {
        {"show", "show SCORE...",
         "Print every text of each score, one per line (kind, record, text), in the\n"
         "      order the plug-in's search walks them.",
         tavrel::sim::RunShow},
        {"replace", tavrel::sim::kReplaceSynopsis, tavrel::sim::kReplaceSummary,
         tavrel::sim::RunReplace},
        {"dialog", tavrel::sim::kDialogSynopsis, tavrel::sim::kDialogSummary,
         tavrel::sim::RunDialog},
    };
    return commands;
}

}  // namespace

int main(int argc, char** argv) {
    tavrel::sim::RemoveTemporaryFilesOnInterrupt();
    std::vector<std::string> args(argv + 1, argv + argc);
    return tavrel::sim::RunCommandLine(CommandTable(), args);
}
