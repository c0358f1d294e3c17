// The speed goals of the styled Replace All, each printed beside its goal:
//   P1  styled Replace All of one host text (a style command every ~20
//       characters) against the plain ReplaceAll of the same text's plain
//       characters: at most 3x at 1 M characters and 10,000 occurrences, at
//       most 5x anywhere;
//   P3  the scan of a host text without an occurrence: at least 200 MB/s of
//       UTF-16 host text.
// Both sides of P1 are timed in the same iteration on thread CPU time, so
// a busy machine slows them alike and the ratio stays readable.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "text/PlainSearch.h"
#include "text/StyleCommands.h"
#include "text/StyledReplace.h"
#include "text/UniversalString.h"

namespace {

double ThreadSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// A host text of `size` units: words of filler letters, a style command
// after every 20 text characters, and `occurrences` copies of "cat" spread
// evenly (none of the filler letters can form it).
std::u16string MakeHostText(std::size_t size, std::size_t occurrences) {
    static const char16_t* const kCommands[] = {u"^size(12)", u"^nfx(1)",       u"^font(Arial,3)",
                                                u"^nfx(0)",   u"^baseline(-2)", u"^size(10)"};
    // About 36 % of the units are commands; the rest are text characters.
    const std::size_t characters = size * 64 / 100;
    const std::size_t every = occurrences == 0 ? characters + 1 : characters / occurrences;
    std::u16string text;
    text.reserve(size + 64);
    std::size_t written = 0, placed = 0, command = 0, nextCommand = 20;
    while (text.size() < size) {
        if (placed < occurrences && written >= placed * every + every / 2) {
            text += u"cat";
            written += 3;
            ++placed;
        } else {
            text += (written % 7 == 6) ? u' ' : static_cast<char16_t>(u'd' + written % 5);
            ++written;
        }
        if (written >= nextCommand) {
            text += kCommands[command++ % 6];
            nextCommand += 20;
        }
    }
    return text;
}

// Calls per timed batch, so that the smallest texts run long enough for the
// thread clock.
int Repeats(std::size_t size) {
    return static_cast<int>(std::max<std::size_t>(1, (std::size_t{1} << 18) / size));
}

const char* Verdict(bool pass) {
    return pass ? "PASS" : "FAIL";
}

void BM_P1_StyledVsPlain(benchmark::State& state) {
    const std::size_t size = static_cast<std::size_t>(state.range(0));
    const std::size_t occurrences = static_cast<std::size_t>(state.range(1));
    const tavrel::UniversalString host(MakeHostText(size, occurrences));
    const std::u16string plain = tavrel::StrippedText(host.text());
    const tavrel::UniversalString search(u"cat");
    const tavrel::UniversalString replacement(u"dog");
    const int repeats = Repeats(size);
    double styledSeconds = 0, plainSeconds = 0;
    std::uint32_t styledCount = 0, plainCount = 0;
    for (auto _ : state) {
        double t0 = ThreadSeconds();
        for (int r = 0; r < repeats; ++r) {
            tavrel::UniversalString text(host);
            styledCount = tavrel::ReplaceInStyledText(text, search, replacement, 0);
            benchmark::DoNotOptimize(text.text().data());
        }
        double t1 = ThreadSeconds();
        for (int r = 0; r < repeats; ++r) {
            std::u16string text(plain);
            plainCount = tavrel::ReplaceAll(text, u"cat", u"dog", 0);
            benchmark::DoNotOptimize(text.data());
        }
        double t2 = ThreadSeconds();
        styledSeconds += t1 - t0;
        plainSeconds += t2 - t1;
    }
    const double calls = static_cast<double>(state.iterations()) * repeats;
    const double ratio = styledSeconds / std::max(plainSeconds, 1e-12);
    const bool largest = size >= (std::size_t{1} << 20) && occurrences >= 10000;
    const double goal = largest ? 3.0 : 5.0;
    state.counters["styled_us"] = styledSeconds / calls * 1e6;
    state.counters["plain_us"] = plainSeconds / calls * 1e6;
    state.counters["ratio"] = ratio;
    state.counters["goal"] = goal;
    state.counters["replaced"] = styledCount;
    char label[96];
    std::snprintf(label, sizeof label, "P1 %.2fx (goal <= %.0fx) %s%s", ratio, goal,
                  Verdict(ratio <= goal), styledCount == plainCount ? "" : " COUNT MISMATCH");
    state.SetLabel(label);
}

void P1Arguments(benchmark::internal::Benchmark* b) {
    for (std::int64_t size :
         {std::int64_t{1} << 10, std::int64_t{1} << 16, std::int64_t{1} << 20}) {
        for (std::int64_t occurrences : {1, 10, 100, 1000, 10000}) {
            if (occurrences * 20 <= size) {  // room for the text around them
                b->Args({size, occurrences});
            }
        }
    }
}

BENCHMARK(BM_P1_StyledVsPlain)->Apply(P1Arguments)->Unit(benchmark::kMillisecond);

void BM_P3_NoMatchScan(benchmark::State& state) {
    const std::size_t size = static_cast<std::size_t>(state.range(0));
    // A text without an occurrence is left as it is, so the same one serves
    // every call: what is timed is the scan, not a copy made for the test.
    tavrel::UniversalString host(MakeHostText(size, 0));
    const tavrel::UniversalString search(u"cat");
    const tavrel::UniversalString replacement(u"dog");
    const int repeats = Repeats(size);
    double seconds = 0;
    for (auto _ : state) {
        const double t0 = ThreadSeconds();
        for (int r = 0; r < repeats; ++r) {
            benchmark::DoNotOptimize(tavrel::ReplaceInStyledText(host, search, replacement, 0));
        }
        seconds += ThreadSeconds() - t0;
    }
    const double calls = static_cast<double>(state.iterations()) * repeats;
    const double mbPerSecond = static_cast<double>(host.length() * 2) * calls / seconds / 1e6;
    const double msPerMillion = seconds / calls * 1e3 * (1 << 20) / static_cast<double>(size);
    state.counters["MB_per_s"] = mbPerSecond;
    state.counters["ms_per_1M_units"] = msPerMillion;
    state.counters["goal_MB_per_s"] = 200;
    char label[80];
    std::snprintf(label, sizeof label, "P3 %.0f MB/s (goal >= 200) %s", mbPerSecond,
                  Verdict(mbPerSecond >= 200));
    state.SetLabel(label);
}

BENCHMARK(BM_P3_NoMatchScan)
    ->Arg(1 << 10)
    ->Arg(1 << 16)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
