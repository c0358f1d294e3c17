// The check that a replacement keeps every unconverted legacy effect command
// as it was, shared by the seeded property tests and the styled-text fuzzer.
#pragma once

#include <string>
#include <vector>

#include "text/Inserts.h"
#include "text/StyledReplace.h"
#include "text/UniversalString.h"

namespace tavrel::testing_support {

// The legacy effect commands left in a host text once its inserts are
// placeholders and its groups converted, each as the host text writes it.
// Only those that begin among the text characters and hold no second caret
// are listed: one inside another command's argument goes with that command.
inline std::vector<std::u16string> LegacyCommands(const std::u16string& hostText) {
    UniversalString work(hostText);
    EncodeInserts(work);
    NormalizeLegacyEffects(work);
    const std::u16string& t = work.text();
    std::vector<std::u16string> found;
    for (const StyleRun& run : BuildRuns(t)) {
        for (std::size_t i = static_cast<std::size_t>(run.runStart);
             i <= static_cast<std::size_t>(run.runEnd); ++i) {
            if (!IsLegacyEffectStart(t, i)) {
                continue;
            }
            const std::size_t close = t.find(u')', i);
            const std::size_t end = close == std::u16string::npos ? t.size() : close + 1;
            if (t.find(u'^', i + 1) < end) {
                continue;
            }
            UniversalString command(t.substr(i, end - i));
            DecodeInserts(command);
            found.push_back(command.text());
            i = end - 1;
        }
    }
    return found;
}

// True when the commands stand in text in the same order, none overlapping.
inline bool KeepsInOrder(const std::u16string& text, const std::vector<std::u16string>& commands) {
    std::size_t from = 0;
    for (const std::u16string& command : commands) {
        const std::size_t at = text.find(command, from);
        if (at == std::u16string::npos) {
            return false;
        }
        from = at + command.size();
    }
    return true;
}

}  // namespace tavrel::testing_support
