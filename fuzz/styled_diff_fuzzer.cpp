// Differential fuzzing of the styled Replace All: each input seeds the case
// generator of the differential test, and every generated case must give
// the same text, count and step results in one pass as step by step. One
// input runs kCasesPerInput cases, so a smoke run of half a minute covers
// hundreds of thousands.
#include <cstddef>
#include <cstdint>

#include "tests/text/StyledCases.h"

namespace {

constexpr int kCasesPerInput = 512;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint32_t seed = 0x9E3779B9u;
    for (std::size_t i = 0; i < size; ++i) {
        seed = (seed ^ data[i]) * 0x01000193u;
    }
    tavrel::testing_support::StyledCaseGenerator generator(seed);
    for (int i = 0; i < kCasesPerInput; ++i) {
        const tavrel::testing_support::StyledCase c = generator.Next();
        const tavrel::testing_support::StyledOutcome reference =
            tavrel::testing_support::Stepwise(c);
        tavrel::testing_support::StyledOutcome fast;
        if (tavrel::testing_support::OnePass(c, fast)) {
            Check(tavrel::testing_support::SameOutcome(reference, fast));
        }
    }
    return 0;
}
