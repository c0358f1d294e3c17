// `notavo-sim replace`: opens score files as documents, runs the plug-in's
// own Replace All with the request the dialog would build from the options,
// prints the host's alert and what changed, and saves the changed scores.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "search/ReplaceAll.h"
#include "sim/cli/ReplaceChanges.h"
#include "sim/cli/ReplaceOptions.h"
#include "sim/codec/Document.h"
#include "sim/host/Journal.h"

namespace tavrel::sim {

extern const char kReplaceSynopsis[];
extern const char kReplaceSummary[];

// What one run did to documents held in memory.
struct ReplaceOutcome {
    ReplaceAllResult result;            // total, alert text
    std::vector<std::string> alerts;    // as the host showed them
    Journal journal;                    // everything the host saw, edits included
    std::vector<RecordChange> changes;  // every document, in order
    std::vector<Document> documents;    // the documents after the run
};

// Opens the documents in the simulated host (closing whatever was open),
// makes `commandLine.current` current and runs Replace All.
ReplaceOutcome ExecuteReplace(const ReplaceCommandLine& commandLine,
                              std::vector<Document> documents);

// The whole command with its output streams; returns the exit status.
int RunReplace(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same on standard output and error, for the command table.
int RunReplace(const std::vector<std::string>& args);

}  // namespace tavrel::sim
