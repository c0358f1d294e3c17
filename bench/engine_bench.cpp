// Speed of Replace All "everywhere" over generated scores in the host
// simulator, from 10 to 10,000 texts of each kind, with every text holding
// the search word once and with none holding it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "host/HostApi.h"
#include "host/RecordLayout.h"
#include "search/RecordStyle.h"
#include "search/ReplaceAll.h"
#include "sim/codec/Document.h"
#include "sim/host/Simulator.h"
#include "strings/ResourceStrings.h"

namespace {

using tavrel::RecordKey;
using tavrel::RecordTag;
using tavrel::UniversalString;
using tavrel::sim::Bytes;
using tavrel::sim::Document;
namespace L = tavrel::layout;

RecordKey Key(std::uint32_t first, std::uint16_t second = 0) {
    RecordKey key;
    key.first = static_cast<std::uint16_t>(first);
    key.second = second;
    return key;
}

Bytes WithU16(std::uint32_t size, std::size_t at, std::uint32_t value) {
    Bytes r(size, 0);
    L::WriteU16(r.data(), at, static_cast<std::uint16_t>(value));
    return r;
}

// n texts of every kind (text blocks through staves, staff styles, groups
// and measures; the three lyric kinds; smart shapes; text expressions;
// repeat and ending texts; file info 1-7), n articulations and n each of
// the two- and three-style records. Each text holds `word` once.
Document MakeScore(std::uint32_t n, const std::string& word) {
    Document d;
    const std::u16string text = UniversalString("^size(12)poco " + word + " e legato").text();
    std::uint32_t block = 0;
    auto addBlock = [&]() {
        ++block;
        d.PutText(L::kTextBlockText, Key(block), text);
        d.PutRecord(L::textblock::kTag, Key(block), WithU16(L::textblock::kSize, 0, block));
        return block;
    };
    for (std::uint32_t i = 1; i <= n; ++i) {
        d.PutRecord(L::staff::kTag, Key(i),
                    WithU16(L::staff::kSize, L::staff::kBlock1, addBlock()));
        d.PutRecord(L::staffstyle::kTag, Key(i),
                    WithU16(L::staffstyle::kSize, L::staffstyle::kBlock1, addBlock()));
        d.PutRecord(L::group::kTag, Key(i),
                    WithU16(L::group::kSize, L::group::kBlock1, addBlock()));
        d.PutRecord(L::measureblock::kTag, Key(i),
                    WithU16(L::measureblock::kSize, L::measureblock::kBlock, addBlock()));
        for (RecordTag kind :
             {L::kLyricsVerse, L::kLyricsChorus, L::kLyricsSection, L::kSmartShapeText,
              L::kExpressionText, L::kRepeatText, L::kEndingText}) {
            d.PutText(kind, Key(i), text);
        }
        Bytes style(L::repeatstyle::kSize, 0);
        tavrel::WriteTriplet(style.data(), L::repeatstyle::kFont, L::repeatstyle::kSize16,
                             L::repeatstyle::kBits, {0, 12, 0});
        d.PutRecord(L::repeatstyle::kTag, Key(i), style);
        d.PutRecord(L::articulation::kTag, Key(i), Bytes(L::articulation::kSize, 0));
        d.PutRecord(L::twostyle::kTag, Key(i), Bytes(L::twostyle::kSize, 0));
        d.PutRecord(L::threestyle::kTag, Key(i), Bytes(L::threestyle::kSize, 0));
    }
    for (std::uint16_t f = 1; f <= 7; ++f) {
        d.PutText(L::kFileInfoText, Key(f), text);
    }
    d.PutRecord(L::page::kTag, Key(1), Bytes(L::page::kSize, 0));
    return d;
}

const tavrel::ReplaceAllMessages& Messages() {
    static const tavrel::ReplaceAllMessages messages = [] {
        resource_string::ResourceStrings strings(nullptr);
        strings.Load("strings");
        return tavrel::LoadReplaceAllMessages(strings);
    }();
    return messages;
}

void RunEverywhere(benchmark::State& state, const std::string& word) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const Document score = MakeScore(n, word);
    tavrel::SearchRequest request;
    request.searchText = UniversalString("Allegro");
    request.replaceText = UniversalString("Presto");
    request.options = tavrel::SR_INITIAL_OPTIONS;
    tavrel::sim::Simulator& host = tavrel::sim::Simulator::Instance();
    std::uint32_t total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host.Reset();  // a fresh copy, and the simulator's call log emptied
        host.Open(score);
        state.ResumeTiming();
        total = tavrel::RunReplaceAll(request, Messages()).total;
        benchmark::DoNotOptimize(total);
    }
    host.Reset();
    // 11 texts per n (4 text blocks, 3 lyrics, shape, expression, repeat,
    // ending) plus the 7 file-info texts.
    const std::int64_t texts = std::int64_t(n) * 11 + 7;
    state.counters["texts"] = double(texts);
    state.counters["replaced"] = double(total);
    state.SetItemsProcessed(state.iterations() * texts);
}

void BM_ReplaceAllEverywhere_Matches(benchmark::State& state) {
    RunEverywhere(state, "Allegro");
}
void BM_ReplaceAllEverywhere_NoMatch(benchmark::State& state) {
    RunEverywhere(state, "Andante");
}

BENCHMARK(BM_ReplaceAllEverywhere_Matches)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllEverywhere_NoMatch)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
