// Measures ReplaceInStyledText on score texts from 1 KB to 1 MB with a style
// command every 20 characters and occurrences from none to one every 10
// characters. The text is replaced in one forward pass, so the time of a
// text grows with its size and its number of occurrences, not their product.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "text/StyledReplace.h"
#include "text/UniversalString.h"

namespace {

// size units of text: words of filler letters, a style command after every
// 20 text characters, and "cat" every `every` characters (0: never).
std::u16string MakeText(std::size_t size, std::size_t every) {
    static const char16_t* const kCommands[] = {u"^size(12)", u"^nfx(1)", u"^font(Arial,3)",
                                                u"^nfx(0)", u"^baseline(-2)"};
    std::u16string text;
    text.reserve(size + size / 2);
    std::size_t characters = 0, command = 0, nextCommand = 20;
    while (text.size() < size) {
        if (every != 0 && characters % every == 0) {
            text += u"cat";
            characters += 3;
        } else {
            text += (characters % 7 == 6) ? u' ' : static_cast<char16_t>(u'd' + characters % 5);
            characters += 1;
        }
        if (characters >= nextCommand) {
            text += kCommands[command++ % 5];
            nextCommand += 20;
        }
    }
    return text;
}

void BM_ReplaceInStyledText(benchmark::State& state) {
    const std::size_t size = static_cast<std::size_t>(state.range(0));
    const std::size_t every = static_cast<std::size_t>(state.range(1));
    const tavrel::UniversalString original(MakeText(size, every));
    const tavrel::UniversalString search(u"cat");
    const tavrel::UniversalString replacement(u"dog");
    std::uint32_t count = 0;
    for (auto _ : state) {
        tavrel::UniversalString text(original);
        count = tavrel::ReplaceInStyledText(text, search, replacement, 0);
        benchmark::DoNotOptimize(text);
    }
    state.counters["replaced"] = count;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(original.length() * 2));
}

// Sizes 1 KB to 1 MB (in characters); densities none, 1 per 1000, 100, 10.
void Arguments(benchmark::internal::Benchmark* b) {
    for (std::int64_t size : {1 << 10, 1 << 13, 1 << 16, 1 << 20}) {
        for (std::int64_t every : {0, 1000, 100, 10}) {
            b->Args({size, every});
        }
    }
}

BENCHMARK(BM_ReplaceInStyledText)->Apply(Arguments)->Unit(benchmark::kMillisecond);

}  // namespace
