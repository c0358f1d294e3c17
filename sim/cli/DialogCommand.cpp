// The dialog command: parse, load, start the session, run the script, save.
#include "sim/cli/DialogCommand.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>

#include "host/RecordLayout.h"
#include "sim/cli/Commands.h"
#include "sim/cli/DialogScript.h"
#include "sim/cli/ReplaceChanges.h"
#include "sim/codec/FileAccess.h"
#include "sim/codec/ScoreFile.h"
#include "sim/host/Simulator.h"

namespace tavrel::sim {

const char kDialogSynopsis[] =
    "dialog [--script FILE] [--current N] [--dry-run] [--output DIR] SCORE...";

const char kDialogSummary[] =
    "Open the scores as documents (the first is current), load the plug-in and\n"
    "      choose its menu item as the host would, then run a script of user actions\n"
    "      (from FILE, or standard input) against the real dialogs; save the changed\n"
    "      scores as replace does. One action a line; texts are JSON strings; ids are\n"
    "      the dialogs' control ids; blank lines and lines starting with # are skipped:\n"
    "        type ID \"TEXT\"      replace the text of edit field ID\n"
    "        set ID V            set check box ID to V (0, 1; 2 = any, three-state boxes)\n"
    "        click ID            click button or check box ID\n"
    "        select ID \"TEXT\"    select the tree row TEXT (tree ID); dblclick ID \"TEXT\"\n"
    "        key NAME            tab, enter, escape or delete in the focused control\n"
    "        tick                the 300 ms timer fires once\n"
    "        activate, deactivate  the dialog becomes / stops being the active window\n"
    "        invoke              choose the menu item again\n"
    "        close               the close box of the dialog on top\n"
    "        print               the state of every open dialog, top first\n"
    "      Actions go to the dialog on top: Font & Style (opened by click 1030 or\n"
    "      1033) until it closes, else About (click 1072), else the main dialog.\n"
    "      Main dialog: 1049 search text, 1050 replacement, 1048/1032 use style boxes,\n"
    "      1030/1033 Use Style..., 1044 Replace All, 1058 more options, 1034 Search\n"
    "      Everywhere, 1036 1054 1039 1040 1041 1037 1047 1038 1053 1046 categories,\n"
    "      1042 Match Case, 1043 Whole Words, 1045 All Open Documents, 1035 Help.\n"
    "      Font & Style: 1047 font list, 1028 font name, 1031 size, 1030 Italic,\n"
    "      1032 Bold, 1033 Underline, 1029 Fixed Size, 1034 Hidden, 1 OK, 2 Cancel.\n"
    "      The host's alert is printed on a line of its own. The system's fonts here\n"
    "      are: Arial, Arial Black, Comic Sans MS, Courier New, Georgia, Impact,\n"
    "      MS Sans Serif, Segoe UI, Tahoma, Times New Roman, Trebuchet MS, Verdana.\n"
    "      Options: --script FILE, --current N (the N-th score is current), --dry-run\n"
    "      (write nothing), --output DIR (write changed scores there).\n"
    "      A bad action stops the run with exit status 2 and SCRIPT:LINE: what is\n"
    "      wrong; nothing is written. Example: \"light\" in a score becomes italic:\n"
    "        notavo-sim dialog --script italic.txt demo.json\n"
    "      with italic.txt:\n"
    "        type 1049 \"light\"\n"
    "        type 1050 \"light\"\n"
    "        click 1033\n"
    "        set 1030 1\n"
    "        click 1\n"
    "        tick\n"
    "        print\n"
    "        click 1044";

namespace {

const char kCommand[] = "notavo-sim dialog: ";

struct DialogCommandLine {
    std::vector<std::string> scores;
    std::optional<std::string> script;
    std::size_t current = 1;
    bool dryRun = false;
    std::optional<std::string> outputDir;
};

bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value,
               std::string& error) {
    if (i + 1 >= args.size()) {
        error = args[i] + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool ParseCurrent(const std::string& text, std::size_t& current, std::string& error) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > layout::kMostDocuments) {
        error = "--current: give the number of an opened score, counting from 1";
        return false;
    }
    current = static_cast<std::size_t>(value);
    return true;
}

bool ParseArgs(const std::vector<std::string>& args, DialogCommandLine& cl, std::string& error) {
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string value;
        if (arg.size() > 1 && arg[0] == '-' && !given.insert(arg).second) {
            error = arg + " given twice";
            return false;
        }
        if (arg == "--script" || arg == "--current" || arg == "--output") {
            if (!TakeValue(args, i, value, error)) {
                return false;
            }
            if (arg == "--script") {
                cl.script = value;
            } else if (arg == "--output") {
                cl.outputDir = value;
            } else if (!ParseCurrent(value, cl.current, error)) {
                return false;
            }
        } else if (arg == "--dry-run") {
            cl.dryRun = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option \"" + arg + "\" (see notavo-sim dialog --help)";
            return false;
        } else {
            cl.scores.push_back(arg);
        }
    }
    if (cl.scores.empty()) {
        error = "name at least one score file (notavo-sim " + std::string(kDialogSynopsis) + ")";
        return false;
    }
    if (cl.current > cl.scores.size()) {
        error = "--current " + std::to_string(cl.current) + ": only " +
                std::to_string(cl.scores.size()) + " score(s) are opened";
        return false;
    }
    return true;
}

bool ReadScript(const DialogCommandLine& cl, std::istream& in, std::vector<std::string>& lines,
                std::string& error) {
    std::ifstream file;
    if (cl.script) {
        file.open(std::filesystem::u8path(*cl.script), std::ios::binary);
        if (!file) {
            error = "--script " + *cl.script + ": cannot be read";
            return false;
        }
    }
    std::istream& source = cl.script ? static_cast<std::istream&>(file) : in;
    for (std::string line; std::getline(source, line);) {
        lines.push_back(line);
    }
    return true;
}

}  // namespace

int RunDialog(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err) {
    DialogCommandLine cl;
    std::vector<std::string> lines;
    std::vector<std::string> destinations;
    std::string error;
    if (!ParseArgs(args, cl, error) || !ReadScript(cl, in, lines, error) ||
        !OutputDestinations(cl.scores, cl.outputDir, destinations, error)) {
        err << kCommand << error << "\n";
        return kExitUsage;
    }
    std::vector<Document> documents;
    if (const int status = LoadScores(cl.scores, documents, err)) {
        return status;
    }
    Simulator& host = Simulator::Instance();
    host.Reset();
    std::vector<std::int16_t> ids;
    std::vector<DocumentSnapshot> before;
    for (Document& document : documents) {
        before.emplace_back(document);
        ids.push_back(host.Open(std::move(document)));
    }
    host.SetCurrentKorvidDocument(ids[cl.current - 1], kInterfaceVersion);

    bool ran = false;
    {
        DialogScript script(cl.script ? *cl.script : std::string("stdin"), std::move(lines), out);
        StartPluginAsHost();
        ran = script.Run();
        StopPluginAsHost();
        if (!ran) {
            err << script.Error() << "\n";
        }
    }
    std::vector<std::string> notSaved;
    for (std::size_t i = 0; ran && !cl.dryRun && i < ids.size(); ++i) {
        const Document* now = host.FindDocument(ids[i]);
        if (now == nullptr || CompareSnapshots(i, before[i], DocumentSnapshot(*now)).empty()) {
            continue;
        }
        SaveChangedScore(*now, destinations[i], kCommand, err, notSaved);
    }
    host.Reset();
    if (!ran) {
        return kExitUsage;
    }
    if (!notSaved.empty()) {
        out << NotSavedLine(notSaved);
    }
    return notSaved.empty() ? kExitOk : kExitFailed;
}

int RunDialog(const std::vector<std::string>& args) {
    return RunDialog(args, std::cin, std::cout, std::cerr);
}

}  // namespace tavrel::sim
