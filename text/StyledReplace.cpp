// The styled find-and-replace step: one occurrence per call, found among the
// text characters of a score text and replaced with the style commands it
// needs, and the loop that replaces every occurrence of a text.
#include "text/StyledReplace.h"

#include "text/Inserts.h"
#include "text/StyleCommands.h"
#include "text/StyledMatch.h"
#include "text/StyledOnePass.h"
#include "text/StyledSplice.h"

namespace tavrel {
namespace {

// The style in effect at increasing indices of one text. Reading it afresh
// at every run would walk back over the whole text each time; walking
// forward once and remembering the last command of each kind gives the same
// style, since the nearest command of a kind before an index is the last one
// met on the way to it.
class StyleTracker {
  public:
    explicit StyleTracker(const std::u16string& text) : text_(text) {}

    const StringStyle& At(std::size_t index) {
        for (; scanned_ < index; ++scanned_) {
            if (text_[scanned_] != u'^') {
                continue;
            }
            const StyleKind kind = StyleKindAt(text_, scanned_);
            if (kind != StyleKind::kNone) {
                last_[static_cast<int>(kind)] = static_cast<std::int64_t>(scanned_);
            }
        }
        for (int k = 0; k < kStyleKindCount; ++k) {
            if (last_[k] != applied_[k]) {
                ApplyStyleCommand(text_, static_cast<std::size_t>(last_[k]),
                                  static_cast<StyleKind>(k), style_);
                applied_[k] = last_[k];
            }
        }
        return style_;
    }

  private:
    const std::u16string& text_;
    std::size_t scanned_ = 0;
    std::int64_t last_[kStyleKindCount] = {-1, -1, -1, -1, -1, -1};
    std::int64_t applied_[kStyleKindCount] = {-1, -1, -1, -1, -1, -1};
    StringStyle style_;
};

// A caret that begins a style command for the purpose of cutting runs.
bool BreaksRun(const std::u16string& t, std::size_t i) {
    if (t[i] != u'^' || i + 2 >= t.size()) {
        return false;
    }
    const char16_t a = t[i + 1], b = t[i + 2];
    return (a == u'f' && b == u'o') || (a == u's' && b == u'i') || (a == u'n' && b == u'f') ||
           (a == u'b' && b == u'a') || (a == u't' && b == u'r') || (a == u's' && b == u'u');
}

}  // namespace

std::vector<StyleRun> BuildRuns(const std::u16string& text) {
    std::vector<StyleRun> runs;
    StyleTracker tracker(text);
    bool open = false;
    const std::size_t n = text.size();
    auto openRun = [&](std::size_t i) {
        if (!open) {
            runs.push_back(tracker.At(i));
            runs.back().runStart = static_cast<std::int32_t>(i);
            open = true;
        }
    };
    for (std::size_t i = 0; i < n;) {
        if (text[i] == u'^' && i + 1 < n && text[i + 1] == u'^') {
            openRun(i);  // the first of two carets is text; the second is tested
            ++i;
        }
        if (!BreaksRun(text, i)) {
            openRun(i);
            ++i;
            continue;
        }
        if (open) {
            runs.back().runEnd = static_cast<std::int32_t>(i) - 1;
            open = false;
        }
        const std::size_t close = text.find(u')', i);
        i = close == std::u16string::npos ? n : close + 1;
    }
    if (open) {
        runs.back().runEnd = static_cast<std::int32_t>(n) - 1;
    }
    return runs;
}

namespace {

// Nothing more to search, or an empty search text, which finds nothing
// unless the replacement is empty too.
bool NothingToFind(const UniversalString& search, const UniversalString& replacement,
                   std::int32_t position) {
    return position == -1 || (search.empty() && !replacement.empty());
}

// One step over a text whose legacy effect groups are converted already.
int ReplaceNextNormalized(UniversalString& text, const UniversalString& search,
                          const UniversalString& replacement, std::int32_t& position,
                          std::uint32_t options) {
    if (NothingToFind(search, replacement, position)) {
        return 0;
    }
    std::u16string& t = text.text();
    const bool styleOnly = search.empty() && replacement.empty();
    const std::vector<StyleRun> runs = BuildRuns(t);
    Occurrence occ = styleOnly ? FindRunOccurrence(t, runs, position)
                               : FindOccurrence(t, runs, search.text(), position, options);
    if (occ.firstRun == -1) {
        occ.found = 0;
    }
    if (occ.found == 1 &&
        !StyleMatches(search.style(), CombineRuns(runs, occ.firstRun, occ.lastRun),
                      runs[static_cast<std::size_t>(occ.firstRun)])) {
        occ.found = -1;
    }
    if (occ.found == 1) {
        const std::u16string own =
            styleOnly ? t.substr(static_cast<std::size_t>(occ.firstPos),
                                 static_cast<std::size_t>(occ.lastPos - occ.firstPos + 1))
                      : std::u16string();
        const std::int32_t moved = SpliceReplacement(
            t, runs, occ, styleOnly ? own : replacement.text(), replacement.style());
        position = occ.next >= 1 ? moved : -1;
    } else {
        position = occ.found == -1 && occ.next >= 1 ? occ.next : -1;
    }
    return occ.found;
}

}  // namespace

int ReplaceNextStyled(UniversalString& text, const UniversalString& search,
                      const UniversalString& replacement, std::int32_t& position,
                      std::uint32_t options) {
    if (NothingToFind(search, replacement, position)) {
        return 0;
    }
    // A group converted before the position moves what the position names.
    NormalizeLegacyEffects(text, position);
    return ReplaceNextNormalized(text, search, replacement, position, options);
}

namespace {

// The host text as the steps search it: inserts as placeholders, legacy
// effect groups converted once (a group that a replacement made convertible
// later on would change the style of text already replaced). That is the
// text itself when neither changes anything; else a copy kept in storage.
const std::u16string& Prepared(const UniversalString& text, UniversalString& storage) {
    const std::u16string* prepared = &text.text();
    std::u16string encoded;
    if (EncodeInserts(*prepared, encoded)) {
        storage.setText(std::move(encoded));
        prepared = &storage.text();
    }
    if (MayConvertLegacyEffects(*prepared)) {
        if (prepared != &storage.text()) {
            storage.setText(*prepared);
        }
        NormalizeLegacyEffects(storage);
        prepared = &storage.text();
    }
    return *prepared;
}

std::uint32_t Stepwise(UniversalString& work, const UniversalString& search,
                       const UniversalString& replacement, std::uint32_t options,
                       std::vector<int>* steps) {
    std::int32_t position = 0;
    std::uint32_t count = 0;
    // Each call that finds something leaves less text after the position;
    // the check only guards the host against a fault of that reasoning.
    std::int64_t left = static_cast<std::int64_t>(work.length()) + 1;
    for (;;) {
        const int result = ReplaceNextNormalized(work, search, replacement, position, options);
        if (steps != nullptr) {
            steps->push_back(result);
        }
        if (result == 0) {
            break;
        }
        if (result == 1) {
            ++count;
        }
        const std::int64_t now =
            position < 0 ? 0 : static_cast<std::int64_t>(work.length()) - position;
        if (now >= left) {
            break;
        }
        left = now;
    }
    return count;
}

void PutBack(UniversalString& text, std::u16string replaced) {
    UniversalString work(std::move(replaced));
    DecodeInserts(work);
    text.setText(std::move(work.text()));
}

}  // namespace

std::uint32_t ReplaceInStyledTextStepwise(UniversalString& text, const UniversalString& search,
                                          const UniversalString& replacement, std::uint32_t options,
                                          std::vector<int>* steps) {
    UniversalString storage;
    UniversalString work(Prepared(text, storage));
    const std::uint32_t count = Stepwise(work, search, replacement, options, steps);
    if (count > 0) {
        PutBack(text, std::move(work.text()));
    }
    return count;
}

bool ReplaceInStyledTextOnePass(UniversalString& text, const UniversalString& search,
                                const UniversalString& replacement, std::uint32_t options,
                                std::uint32_t& count, std::vector<int>* steps) {
    UniversalString storage;
    std::u16string out;
    if (!ReplaceAllInOnePass(Prepared(text, storage), search, replacement, options, out, count,
                             steps)) {
        return false;
    }
    if (count > 0) {
        PutBack(text, std::move(out));
    }
    return true;
}

std::uint32_t ReplaceInStyledText(UniversalString& text, const UniversalString& search,
                                  const UniversalString& replacement, std::uint32_t options) {
    UniversalString storage;
    const std::u16string& prepared = Prepared(text, storage);
    std::u16string out;
    std::uint32_t count = 0;
    if (!ReplaceAllInOnePass(prepared, search, replacement, options, out, count, nullptr)) {
        UniversalString work(prepared);
        count = Stepwise(work, search, replacement, options, nullptr);
        out = std::move(work.text());
    }
    if (count > 0) {
        PutBack(text, std::move(out));
    }
    return count;
}

}  // namespace tavrel
