// Fuzzes the styled-text code on arbitrary UTF-16 input: reading styles,
// stripping and converting commands, building runs, and replacing with
// search and replacement texts and options taken from the same input; no
// replacement may change a legacy effect command left in the text, and the
// single-pass Replace All gives what the step-by-step one gives.
//
// Input layout (UTF-16 little-endian units): unit 0 holds option and style
// flags, units 1 and 2 the lengths (mod 16) of the search and replacement
// texts that follow; the rest is the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/text/LegacyCommands.h"
#include "text/Inserts.h"
#include "text/Options.h"
#include "text/StyleCommands.h"
#include "text/StyledReplace.h"
#include "text/UniversalString.h"

namespace {

using tavrel::StringStyle;
using tavrel::UniversalString;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

StringStyle FilterFrom(std::uint16_t flags) {
    StringStyle f;
    if (flags & 0x04) {
        f.effects = 1;
        f.effectsMask = 1;
    }
    if (flags & 0x08) {
        f.size = 12;
    }
    if (flags & 0x10) {
        f.fontName = "Arial";
        f.fontFlags = (flags & 0x20) ? 1 : 0;
    }
    return f;
}

StringStyle ReplacementStyleFrom(std::uint16_t flags) {
    StringStyle r;
    if (flags & 0x40) {
        r.effects = 2;
        r.effectsMask = 3;
    }
    if (flags & 0x80) {
        r.size = 14;
    }
    if (flags & 0x100) {
        r.fontName = "Font0";
        r.fontId = 3;
    }
    if (flags & 0x200) {
        r.baseline = -4;
    }
    return r;
}

void ExerciseReading(const std::u16string& text) {
    const std::size_t n = text.size();
    for (std::size_t index : {std::size_t{0}, n / 2, n, n + 3}) {
        UniversalString written;
        written.setStyle(tavrel::StyleAt(text, index));
        tavrel::WriteStyleCommands(written);
        tavrel::ReadCommandNumber(text, index);
        std::u16string name;
        tavrel::ReadFontName(text, index, name);
    }
    const std::vector<tavrel::StyleRun> runs = tavrel::BuildRuns(text);
    std::int32_t previousEnd = -1;
    for (const tavrel::StyleRun& run : runs) {
        Check(run.runStart > previousEnd && run.runStart <= run.runEnd);
        Check(run.runEnd < static_cast<std::int32_t>(n));
        previousEnd = run.runEnd;
    }
    UniversalString s(text);
    tavrel::StripStyleCommands(s);
    Check(s.length() <= n);
    UniversalString conversions(text);
    tavrel::NormalizeLegacyEffects(conversions);
    Check(conversions.length() <= n);
    tavrel::EncodeInserts(conversions);
    tavrel::DecodeInserts(conversions);
    tavrel::ConvertTypedEscapes(conversions);
    tavrel::ConvertCharacterCodes(conversions);
}

// Steps through the occurrences by hand: every call must leave less of the
// text after the position than the one before.
void ExerciseSteps(UniversalString text, const UniversalString& search,
                   const UniversalString& replacement, std::uint32_t options) {
    tavrel::EncodeInserts(text);
    std::int32_t position = 0;
    std::int64_t left = static_cast<std::int64_t>(text.length()) + 1;
    while (tavrel::ReplaceNextStyled(text, search, replacement, position, options) != 0) {
        Check(position >= -1);
        const std::int64_t now =
            position < 0 ? 0 : static_cast<std::int64_t>(text.length()) - position;
        Check(now < left);
        left = now;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char16_t> units(size / 2);
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    if (units.size() < 3) {
        return 0;
    }
    const std::uint16_t flags = units[0];
    std::size_t at = 3;
    const std::size_t searchLength = std::min<std::size_t>(units[1] % 16, units.size() - at);
    UniversalString search(std::u16string(units.begin() + at, units.begin() + at + searchLength));
    at += searchLength;
    const std::size_t replacementLength = std::min<std::size_t>(units[2] % 16, units.size() - at);
    UniversalString replacement(
        std::u16string(units.begin() + at, units.begin() + at + replacementLength));
    at += replacementLength;
    const std::u16string text(units.begin() + at, units.end());

    ExerciseReading(text);

    search.setStyle(FilterFrom(flags));
    replacement.setStyle(ReplacementStyleFrom(flags));
    tavrel::ConvertTypedEscapes(search);
    tavrel::ConvertCharacterCodes(search);
    tavrel::ConvertTypedEscapes(replacement);
    tavrel::ConvertCharacterCodes(replacement);
    const std::uint32_t options =
        ((flags & 1) ? tavrel::MATCH_CASE : 0u) | ((flags & 2) ? tavrel::WHOLE_WORDS : 0u);

    UniversalString host(text);
    std::vector<int> steps;
    const std::uint32_t count =
        tavrel::ReplaceInStyledTextStepwise(host, search, replacement, options, &steps);
    UniversalString fast(text);
    std::uint32_t fastCount = 0;
    std::vector<int> fastSteps;
    if (tavrel::ReplaceInStyledTextOnePass(fast, search, replacement, options, fastCount,
                                           &fastSteps)) {
        Check(fastCount == count && fastSteps == steps && fast.text() == host.text());
    }
    UniversalString combined(text);
    Check(tavrel::ReplaceInStyledText(combined, search, replacement, options) == count);
    Check(combined.text() == host.text());
    if (count == 0) {
        Check(host.text() == text);
    } else {
        // Replacements never reach into a legacy effect command.
        Check(tavrel::testing_support::KeepsInOrder(host.text(),
                                                    tavrel::testing_support::LegacyCommands(text)));
    }
    ExerciseSteps(UniversalString(text), search, replacement, options);
    return 0;
}
