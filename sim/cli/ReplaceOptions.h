// The command line of `notavo-sim replace`: its options mirror the main
// dialog's controls, so parsing them gives the request the dialog would
// build, plus which scores to open and where to write them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "search/SearchRequest.h"
#include "text/StringStyle.h"

namespace tavrel::sim {

struct ReplaceCommandLine {
    SearchRequest request;  // texts, styles and the dialog's option word
    std::vector<std::string> scores;
    std::size_t current = 1;  // 1-based
    bool dryRun = false;
    std::optional<std::string> outputDir;
    bool help = false;  // --help was given: nothing else is done
};

// The value of a Use Style option: comma-separated items "font=NAME", "size=N",
// "+EFFECT" (on) and "-EFFECT" (off) with the effects bold, italic,
// underline, fixed and hidden; an absent effect is not constrained.
// Gives false and a message for anything else.
bool ParseStyleOption(const std::string& text, StringStyle& style, std::string& error);

// Parses the words after "replace". False and a message that says what to
// change for a bad command line.
bool ParseReplaceCommandLine(const std::vector<std::string>& args, ReplaceCommandLine& out,
                             std::string& error);

// The reason the main dialog would keep "Replace All" disabled for this
// request, or empty when it would run.
std::string RefusalReason(const SearchRequest& request);

}  // namespace tavrel::sim
