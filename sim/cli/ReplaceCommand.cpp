// The replace command: parse, check, load, run, report, save.
#include "sim/cli/ReplaceCommand.h"

#include <filesystem>
#include <iostream>
#include <iterator>
#include <set>

#include "sim/cli/Commands.h"
#include "sim/codec/ScoreFile.h"
#include "sim/host/Simulator.h"
#include "strings/ResourceStrings.h"

namespace tavrel::sim {

const char kReplaceSynopsis[] = "replace [options] SCORE...";

const char kReplaceSummary[] =
    "Open the scores as documents (the first is current), run the plug-in's\n"
    "      \"Replace All\" as the dialog would, print the host's alert on a line of its\n"
    "      own, then every change (document, kind, record, before \xE2\x86\x92 after), and save\n"
    "      the changed scores in place. Options (each at most once, --in excepted; a\n"
    "      value follows as the next argument or joined with '=', the safe form for a\n"
    "      value that starts with '-'):\n"
    "        --search TEXT          the \"Search for\" field; typed shorthands (^t, ^s,\n"
    "                               ^^, ...) and <code> character codes work as typed\n"
    "        --replace TEXT         the \"Replace with\" field\n"
    "        --search-style STYLE   tick the search Use Style box with this style\n"
    "        --replace-style STYLE  tick the replacement Use Style box with this style\n"
    "                               STYLE: comma-separated font=NAME, size=N and +/- with\n"
    "                               bold, italic, underline, fixed, hidden (+ on, - off,\n"
    "                               absent: any); e.g. font=Arial,size=12,+bold,-italic\n"
    "        --in CATEGORY          search only these (repeatable): text-expressions,\n"
    "                               articulations, file-info, smart-shapes, staff-names,\n"
    "                               lyrics, staff-style-names, text-blocks, group-names,\n"
    "                               repeat-texts; everywhere (the default, and only\n"
    "                               alone) is \"Search Everywhere\" with every category\n"
    "        --match-case           \"Match Case\"\n"
    "        --whole-words          \"Whole Words Only\"\n"
    "        --all-documents        \"All Open Documents\": every score, not just the current\n"
    "        --current N            the N-th score (from 1) is the current document\n"
    "        --dry-run              report exactly what a run would do; write nothing\n"
    "        --output DIR           write changed scores into DIR instead of in place\n"
    "        --help                 this text\n"
    "      A request the dialog would not run is refused (exit 2): an empty search with a\n"
    "      replacement, both texts empty without --replace-style, or no category.\n"
    "      A save writes a new file beside the score and renames it over the score, so\n"
    "      the score is never lost; a read-only score is not saved.\n"
    "      Exit status: 0 done; 1 the run could not finish (a changed score could not be\n"
    "      written: the line under the alert names it; memory ran out; Replace All ended\n"
    "      early); 2 a bad command line, a refused request or a bad score file (nothing\n"
    "      is written).\n"
    "      Examples:\n"
    "        notavo-sim replace --search Allegro --replace Presto score.json\n"
    "        notavo-sim replace --in lyrics --search morn-ing --replace morn-ing \\\n"
    "            --replace-style=+italic --dry-run score.json\n"
    "        notavo-sim replace --search-style=font=Notaglyph,size=24 --replace-style size=20 \\\n"
    "            --in text-expressions --all-documents a.json b.json --output out\n"
    "        notavo-sim replace --search Vln --replace Vla --match-case --whole-words \\\n"
    "            --in staff-names --current 2 a.json b.json\n"
    "        notavo-sim replace --help";

namespace {

const char kCommand[] = "notavo-sim replace: ";

ReplaceAllMessages Messages() {
    resource_string::ResourceStrings strings(nullptr);
    strings.Load("strings");
    return LoadReplaceAllMessages(strings);
}

// Saves every changed score; gives the destinations that were not saved,
// each named with its reason on `err`.
std::vector<std::string> SaveChanged(const ReplaceOutcome& outcome,
                                     const std::vector<std::string>& destinations,
                                     std::ostream& err) {
    std::set<std::size_t> changed;
    for (const RecordChange& c : outcome.changes) {
        changed.insert(c.document);
    }
    std::vector<std::string> notSaved;
    for (std::size_t i : changed) {
        SaveChangedScore(outcome.documents[i], destinations[i], kCommand, err, notSaved);
    }
    return notSaved;
}

}  // namespace

ReplaceOutcome ExecuteReplace(const ReplaceCommandLine& commandLine,
                              std::vector<Document> documents) {
    Simulator& host = Simulator::Instance();
    host.Reset();
    // Only the events are reported; a log of every record call would grow
    // with the score.
    host.GetJournal().StopLoggingCalls();
    std::vector<std::int16_t> ids;
    for (Document& document : documents) {
        document.TrackChanges();
        ids.push_back(host.Open(std::move(document)));
    }
    if (commandLine.current >= 1 && commandLine.current <= ids.size()) {
        host.SetCurrentKorvidDocument(ids[commandLine.current - 1], kInterfaceVersion);
    }
    ReplaceOutcome outcome;
    outcome.result = RunReplaceAll(commandLine.request, Messages());
    ShowReplaceAllResult(nullptr, outcome.result);
    outcome.alerts = host.GetJournal().Alerts();
    outcome.journal = std::move(host.GetJournal());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        Document* now = host.FindDocument(ids[i]);
        outcome.documents.push_back(now != nullptr ? std::move(*now) : Document());
        std::vector<RecordChange> changes = ListChanges(i, outcome.documents.back());
        outcome.documents.back().StopTracking();
        outcome.changes.insert(outcome.changes.end(), std::make_move_iterator(changes.begin()),
                               std::make_move_iterator(changes.end()));
    }
    host.Reset();
    return outcome;
}

int RunReplace(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ReplaceCommandLine cl;
    std::string error;
    if (!ParseReplaceCommandLine(args, cl, error)) {
        err << kCommand << error << "\n";
        return kExitUsage;
    }
    if (cl.help) {
        out << "  notavo-sim " << kReplaceSynopsis << "\n      " << kReplaceSummary << "\n";
        return kExitOk;
    }
    const std::string refusal = RefusalReason(cl.request);
    if (!refusal.empty()) {
        err << kCommand << "refused: " << refusal << "\n";
        return kExitUsage;
    }
    std::vector<std::string> destinations;
    std::vector<Document> documents;
    if (!OutputDestinations(cl.scores, cl.outputDir, destinations, error)) {
        err << kCommand << error << "\n";
        return kExitUsage;
    }
    if (const int status = LoadScores(cl.scores, documents, err)) {
        return status;
    }
    const ReplaceOutcome outcome = ExecuteReplace(cl, std::move(documents));
    // Saved first, so the line under the alert can say what was not.
    const std::vector<std::string> notSaved =
        cl.dryRun ? std::vector<std::string>() : SaveChanged(outcome, destinations, err);
    for (const std::string& alert : outcome.alerts) {
        out << alert << "\n";
    }
    if (!notSaved.empty()) {
        out << NotSavedLine(notSaved);
    }
    out << FormatChanges(cl.scores, outcome.changes);
    if (!outcome.result.completed) {
        err << kCommand << "the run stopped early (out of memory); what is listed was done\n";
    }
    return (notSaved.empty() && outcome.result.completed) ? kExitOk : kExitFailed;
}

int RunReplace(const std::vector<std::string>& args) {
    return RunReplace(args, std::cout, std::cerr);
}

}  // namespace tavrel::sim
