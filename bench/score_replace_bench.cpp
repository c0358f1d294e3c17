// Speed of `notavo-sim replace` end to end (the score file read, Replace All,
// the listing of changes, the changed score written) on generated scores of
// 1k to 256k texts: each iteration runs the program itself and takes its
// CPU time and peak memory. The table at the end sets each figure against
// its goal: 4x the texts in at most 4.5x the time, 64k texts in under a
// second, and a peak memory under 10x the file's size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kSizes[] = {1 << 10, 1 << 12, 1 << 14, 1 << 16, 1 << 18};
constexpr double kMaxGrowth = 4.5;
constexpr double kMaxSeconds64k = 1.0;
constexpr double kMaxMemoryFactor = 10.0;
constexpr int kRepetitions = 5;

// Texts of the kinds a score holds many of, a third of them with the search
// word; some styled as the host writes them.
const char* const kTexts[] = {
    "^font(Times New Roman,4096)^size(14)^nfx(1)Allegro con brio",
    "dolce e cantabile",
    "Glo-ry to God in the Al-le-gro high-est",
    "^size(12)poco a poco cresc.",
    "sempre Allegro ma non troppo",
    "^font(Notaglyph,0)^size(24)p",
};

struct Place {
    const char* kind;   // a text kind, or "block" for a text block's text
    const char* owner;  // for a block: staves, groups or measures; else null
};

// Sixteen texts in a row: lyrics, expressions, smart shapes and names,
// at most three of a kind, so 256k texts keep every key below 65536.
const Place kPattern[16] = {
    {"txve", nullptr}, {"txch", nullptr}, {"txxp", nullptr}, {"block", "staves"},
    {"txve", nullptr}, {"txse", nullptr}, {"txss", nullptr}, {"block", "groups"},
    {"txxp", nullptr}, {"txch", nullptr}, {"txve", nullptr}, {"block", "measures"},
    {"txss", nullptr}, {"txse", nullptr}, {"txxp", nullptr}, {"txch", nullptr},
};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Appends the members of one map, comma separated.
void Append(std::string& out, const std::vector<std::string>& members) {
    for (std::size_t i = 0; i < members.size(); ++i) {
        out += (i == 0 ? "\n    " : ",\n    ") + members[i];
    }
}

// The members of a generated score's maps, each `"key": value`.
struct Members {
    std::map<std::string, std::vector<std::string>> texts;  // by kind
    std::vector<std::string> blocks, staves, groups, measures, articulations;
};

// A text reached through a text block, which a staff, group or measure
// names; each with an articulation beside it.
void AddBlock(Members& m, const std::string& owner, const std::string& text) {
    std::vector<std::string>& txbl = m.texts["txbl"];
    const std::string number = std::to_string(txbl.size() + 1);
    txbl.push_back(Quoted(number) + ": " + text);
    m.blocks.push_back(Quoted(number) + ": {\"text\": " + number + "}");
    std::vector<std::string>& owners = owner == "staves"   ? m.staves
                                       : owner == "groups" ? m.groups
                                                           : m.measures;
    const std::string key = std::to_string(owners.size() + 1) + (owner == "measures" ? ",0" : "");
    owners.push_back(Quoted(key) + (owner == "measures" ? ": {\"block\": " + number + "}"
                                                        : ": {\"blocks\": [" + number + ", 0]}"));
    m.articulations.push_back(Quoted(std::to_string(m.articulations.size() + 1)) +
                              ": {\"slots\": [{\"char\": 62, \"font\": 3, \"size\": 24, "
                              "\"bits\": 0}, {}], \"flags\": 2}");
}

// A score of `count` texts (plus file info), written here rather than by
// the program under test.
std::string MakeScore(std::int64_t count) {
    Members m;
    for (std::int64_t i = 0; i < count; ++i) {
        const Place& place = kPattern[i % 16];
        const std::string text = Quoted(kTexts[i % 6]);
        if (place.owner != nullptr) {
            AddBlock(m, place.owner, text);
            continue;
        }
        std::vector<std::string>& kind = m.texts[place.kind];
        kind.push_back(Quoted(std::to_string(kind.size() + 1)) + ": " + text);
    }
    m.texts["txfi"] = {"\"1\": \"Sonata Allegro\"", "\"2\": \"A. Composer\""};
    std::string out =
        "{\"format\": \"notavo-score\", \"version\": 1,\n\"fonts\": {\"0\": {\"name\": \"Times "
        "New Roman\", \"arg\": 4096}, \"3\": {\"name\": \"Notaglyph\", \"arg\": 0}},\n"
        "\"pages\": 4,\n\"texts\": {";
    for (const auto& [kind, members] : m.texts) {
        out += (kind == m.texts.begin()->first ? "\n  " : ",\n  ") + Quoted(kind) + ": {";
        Append(out, members);
        out += "}";
    }
    out += "}";
    const std::pair<const char*, const std::vector<std::string>*> sections[] = {
        {"textBlocks", &m.blocks},
        {"staves", &m.staves},
        {"groups", &m.groups},
        {"measureTextBlocks", &m.measures},
        {"articulations", &m.articulations}};
    for (const auto& [name, members] : sections) {
        out += ",\n" + Quoted(name) + ": {";
        Append(out, *members);
        out += "}";
    }
    return out + "}\n";
}

// The generated scores, one file per size, and a folder for the saves.
class Scores {
  public:
    Scores() : folder_(fs::temp_directory_path() / ("lexora-bench-" + std::to_string(getpid()))) {
        fs::create_directories(folder_ / "out");
    }
    ~Scores() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    const std::string& Path(std::int64_t count) {
        auto found = paths_.find(count);
        if (found == paths_.end()) {
            const fs::path path = folder_ / ("score-" + std::to_string(count) + ".json");
            Write(path, count);
            found = paths_.emplace(count, path.string()).first;
        }
        return found->second;
    }
    std::string Output() const { return (folder_ / "out").string(); }
    std::vector<std::string> Arguments(std::int64_t count) {
        return {"--search", "Allegro", "--replace", "Presto", "--output", Output(), Path(count)};
    }

  private:
    // In a process of its own: a program started from this one counts this
    // one's memory in its peak, which must therefore stay small.
    static void Write(const fs::path& path, std::int64_t count) {
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            std::ofstream(path, std::ios::binary) << MakeScore(count);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
    }

    fs::path folder_;
    std::map<std::int64_t, std::string> paths_;
};

Scores& TheScores() {
    static Scores scores;
    return scores;
}

struct ProgramRun {
    bool ran = false;      // ran to the end with exit status 0
    double seconds = 0;    // CPU time, user and system
    double megabytes = 0;  // peak resident memory
};

// The program measured: the one built beside this benchmark, or another
// build of it named by LEXORA_NOTAVO_SIM, to compare two versions.
const std::string& Program() {
    static const std::string program = [] {
        const char* other = std::getenv("LEXORA_NOTAVO_SIM");
        return std::string(other != nullptr && *other != '\0' ? other : LEXORA_NOTAVO_SIM);
    }();
    return program;
}

// Runs the program once, as a user would, its listing going nowhere.
ProgramRun RunProgram(const std::vector<std::string>& args) {
    std::string program = Program(), command = "replace";
    std::vector<char*> argv;
    argv.push_back(program.data());
    argv.push_back(command.data());
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    std::fflush(stdout);  // or the child writes it again
    const pid_t child = fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    ProgramRun run;
    int status = 0;
    rusage usage{};
    if (child > 0 && wait4(child, &status, 0, &usage) == child && WIFEXITED(status) &&
        WEXITSTATUS(status) == 0) {
        run.ran = true;
        run.seconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        run.megabytes = double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    }
    return run;
}

// Each iteration is one run of the program; its CPU time is the time.
void BM_ReplaceCommand(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    const std::vector<std::string> args = TheScores().Arguments(count);
    double peak = 0;
    for (auto _ : state) {
        const ProgramRun run = RunProgram(args);
        if (!run.ran) {
            state.SkipWithError("notavo-sim replace failed");
            break;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.megabytes);
    }
    state.counters["texts"] = double(count);
    state.counters["file_MB"] = double(fs::file_size(args.back())) / 1e6;
    state.counters["peak_MB"] = peak;
}

BENCHMARK(BM_ReplaceCommand)
    ->Arg(kSizes[0])
    ->Arg(kSizes[1])
    ->Arg(kSizes[2])
    ->Arg(kSizes[3])
    ->Arg(kSizes[4])
    ->UseManualTime()
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond);

struct Figures {
    double seconds = 1e300;  // the least of the repetitions
    double megabytes = 0;    // the most
};

// Keeps each size's least CPU time per run (on a shared machine the other
// repetitions are the more disturbed) and its largest peak memory.
class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    explicit CollectingReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations == 0 || run.run_type != Run::RT_Iteration) {
                continue;
            }
            Figures& figures = sizes[std::stoll(run.run_name.args)];
            // The manual time, in the unit reported (milliseconds).
            figures.seconds = std::min(figures.seconds, run.GetAdjustedRealTime() / 1e3);
            auto peak = run.counters.find("peak_MB");
            if (peak != run.counters.end()) {
                figures.megabytes = std::max(figures.megabytes, double(peak->second));
            }
        }
    }
    std::map<std::int64_t, Figures> sizes;
};

const char* Verdict(bool pass) {
    return pass ? "PASS" : "FAIL";
}

void PrintGoals(const std::map<std::int64_t, Figures>& sizes) {
    std::printf("\nP2: notavo-sim replace end to end (CPU time per run, least of 5)%s%s\n",
                Program() == LEXORA_NOTAVO_SIM ? "" : ": ",
                Program() == LEXORA_NOTAVO_SIM ? "" : Program().c_str());
    std::printf("  %7s %9s %10s %8s   %-42s %9s\n", "texts", "file MB", "time ms", "growth", "goal",
                "memory");
    double previous = 0;
    for (const auto& [count, figures] : sizes) {
        const double megabytes = double(fs::file_size(TheScores().Path(count))) / 1e6;
        std::printf("  %6lldk %9.1f %10.1f ", static_cast<long long>(count >> 10), megabytes,
                    figures.seconds * 1e3);
        std::string goal;
        if (previous > 0) {
            const double growth = figures.seconds / previous;
            std::printf("%7.2fx", growth);
            goal = "<= 4.5x per 4x texts: " + std::string(Verdict(growth <= kMaxGrowth));
        } else {
            std::printf("%8s", "");
        }
        if (count == kSizes[3]) {
            goal += (goal.empty() ? "" : "; ") + std::string("< 1 s: ") +
                    Verdict(figures.seconds < kMaxSeconds64k);
        }
        std::printf("   %-42s %5.1fx file", goal.c_str(), figures.megabytes / megabytes);
        if (count == kSizes[4]) {
            std::printf(" (%.0f MB) < %.0fx: %s", figures.megabytes, kMaxMemoryFactor,
                        Verdict(figures.megabytes < kMaxMemoryFactor * megabytes));
        }
        std::printf("\n");
        previous = figures.seconds;
    }
}

}  // namespace

int main(int argc, char** argv) {
    // The sizes' repetitions in random order, so that a busy spell of the
    // machine falls on several sizes rather than on all runs of one;
    // flags given on the command line come after and win.
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args(argv, argv + argc);
    args.insert(args.begin() + 1, interleave.data());
    argc = int(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    CollectingReporter reporter(isatty(STDOUT_FILENO) != 0
                                    ? benchmark::ConsoleReporter::OO_ColorTabular
                                    : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintGoals(reporter.sizes);
    benchmark::Shutdown();
    return 0;
}
