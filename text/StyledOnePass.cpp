// The single forward pass of a styled Replace All. Indices named "in the
// text" count in the text the step-by-step loop would hold at that moment:
// the output built so far (out_) followed by the source from s_ on, so the
// source unit j stands at j + base_.
//
// Why the state can be kept: a step's replaced range begins right after
// the last text character the walk passed without matching (prev), so the
// text before prev + 1 never changes again, and a run that begins there
// keeps its start and style. Every caret of the source is a style command
// whose meaning lies inside its own parentheses (anything else gives up at
// once), so no later change reaches back into what was read.
#include "text/StyledOnePass.h"

#include <array>
#include <limits>
#include <string_view>

#include "text/CharClass.h"
#include "text/Options.h"
#include "text/PlainSearch.h"
#include "text/StyleCommands.h"
#include "text/StyleRun.h"
#include "text/StyleScanner.h"
#include "text/StyledSplice.h"

namespace tavrel {
namespace {

constexpr std::size_t kNoCommand = std::u16string::npos;

struct RunMark {
    std::int32_t id = 0;
    std::int32_t start = 0;  // index in the text of its first character
    CompactStyle style;
};

enum class Scan { kEnd, kFound, kFoundAtEnd, kUnsafe };

// True when the request itself can be written and read back unchanged by
// the single pass: no caret in the replacement text, and a replacement font
// name that cannot end or extend the command it is written in.
bool RequestIsSettled(const UniversalString& replacement) {
    if (replacement.text().find(u'^') != std::u16string::npos) {
        return false;
    }
    return replacement.style().fontName.find_first_of("^(),") == std::string::npos;
}

// ToLower of the first 256 units, worked out once: the walk's table of the
// units that equal the search's first character is built per call.
const std::array<char16_t, 256>& LowerLatin1() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (unsigned c = 0; c < 256; ++c) {
            t[c] = ToLower(static_cast<char16_t>(c));
        }
        return t;
    }();
    return table;
}

// A filter that lets every occurrence through (the reset search style).
bool AcceptsAll(const StringStyle& filter) {
    return filter.effectsMask == 0 && filter.effects == 0 && filter.size == kUnset16 &&
           filter.fontName.empty();
}

class OnePass {
  public:
    OnePass(const std::u16string& src, const UniversalString& search,
            const UniversalString& replacement, std::uint32_t options)
        : src_(src),
          search_(search.text()),
          filter_(search.style()),
          replacement_(replacement),
          options_(options),
          acceptAll_(AcceptsAll(filter_)) {
        if (!search_.empty()) {
            const char16_t first = search_[0];
            const char16_t lowerFirst = ToLower(first);
            const bool anyCase = (options_ & MATCH_CASE) == 0;
            const std::array<char16_t, 256>& lower = LowerLatin1();
            for (unsigned c = 0; c < 256; ++c) {
                firstTable_[c] = c == first || (anyCase && lower[c] == lowerFirst);
            }
        }
    }

    bool Run(std::vector<int>* steps) {
        steps_ = steps;
        return search_.empty() ? RunStyleOnly() : RunSearch();
    }
    // The new text: what was built, then the source after the last step.
    std::u16string& Output() {
        out_.append(src_, s_, std::u16string::npos);
        s_ = src_.size();
        return out_;
    }
    std::uint32_t Count() const { return count_; }

  private:
    std::int32_t InText(std::size_t j) const {
        return static_cast<std::int32_t>(static_cast<std::int64_t>(j) + base_);
    }
    bool IsFirst(char16_t c) const {
        return c < 256 ? firstTable_[c] : CharsEqual(c, search_[0], options_);
    }

    // The command at p of t; returns the index after it, or kNoCommand.
    std::size_t Command(const std::u16string& t, std::size_t p) {
        std::size_t k = p + 1;
        while (k < t.size() && t[k] != u')' && t[k] != u'^') {
            ++k;
        }
        if (k == t.size() || t[k] == u'^' ||
            ReadSettledCommand(t, p, k, style_, names_) == CommandEffect::kUnsafe) {
            return kNoCommand;
        }
        open_ = false;
        return k + 1;
    }
    void OpenRun(std::int32_t at) {
        cur_.id = runCount_++;
        cur_.start = at;
        cur_.style = style_;
        open_ = true;
    }
    void SetPrev(std::int32_t at, char16_t c) {
        prev_ = at;
        prevChar_ = c;
        prevRun_ = cur_;
    }
    void Extend(std::size_t j) {
        if (matched_ == 0) {
            first_ = cur_;
            firstPos_ = InText(j);
            cand_.clear();
            cand_.push_back(cur_);
        } else if (cand_.back().id != cur_.id) {
            cand_.push_back(cur_);
        }
        if (matched_ + 1 == search_.size()) {
            last_ = cur_;
            lastPos_ = InText(j);
            lastSrc_ = j;
        }
        ++matched_;
    }
    bool WholeWordRejects(bool atEnd, char16_t next) const {
        if ((options_ & WHOLE_WORDS) == 0) {
            return false;
        }
        return (prev_ != -1 && !IsBoundary(prevChar_)) || (!atEnd && !IsBoundary(next));
    }

    Scan FindNext(std::size_t j);
    Scan FindRun(std::size_t j, std::int64_t position);
    Scan EndRunOccurrence(std::size_t j);
    bool Accepts();
    bool StylesAround(std::int32_t& start);
    bool Splice(std::u16string_view text);
    bool Feed(std::size_t from, std::size_t to);
    void ResetToCommit();
    void AfterRejection();
    bool RunSearch();
    bool RunStyleOnly();
    void Log(int result) {
        if (steps_ != nullptr) {
            steps_->push_back(result);
        }
    }

    const std::u16string& src_;
    const std::u16string& search_;
    const StringStyle& filter_;
    const UniversalString& replacement_;
    const std::uint32_t options_;
    const bool acceptAll_;
    bool firstTable_[256] = {};

    std::u16string out_;
    std::size_t s_ = 0;
    std::int64_t base_ = 0;
    std::uint32_t count_ = 0;
    std::vector<int>* steps_ = nullptr;

    // Runs: the style in effect, the run open at the walk, how many began.
    FontNames names_;
    CompactStyle style_;
    bool open_ = false;
    RunMark cur_;
    std::int32_t runCount_ = 0;

    // The walk, as one step would see it.
    std::int32_t prev_ = -1;
    char16_t prevChar_ = 0;
    RunMark prevRun_;
    std::size_t matched_ = 0;
    RunMark first_, last_, nextRun_;
    std::int32_t firstPos_ = 0, lastPos_ = 0, next_ = -1;
    std::size_t firstSrc_ = 0, lastSrc_ = 0, nextSrc_ = 0;
    std::vector<RunMark> cand_;  // the runs from first_ to last_

    std::vector<StyleRun> expanded_;
    StyleRun d_, c_, e_;
    StringStyle after_;
};

// The walk of one step from source index j: the next occurrence, with the
// character after it when there is one.
Scan OnePass::FindNext(std::size_t j) {
    const std::size_t n = src_.size(), m = search_.size();
    while (j < n) {
        const char16_t c = src_[j];
        if (c == u'^') {
            if ((j = Command(src_, j)) == kNoCommand) {
                return Scan::kUnsafe;
            }
            continue;
        }
        if (!open_) {
            OpenRun(InText(j));
        }
        if (matched_ == 0 && !IsFirst(c)) {
            // Nothing to match until the next caret or first character.
            std::size_t k = j + 1;
            while (k < n && src_[k] != u'^' && !IsFirst(src_[k])) {
                ++k;
            }
            SetPrev(InText(k - 1), src_[k - 1]);
            j = k;
            continue;
        }
        if (matched_ < m && CharsEqual(c, search_[matched_], options_)) {
            Extend(j++);
            continue;
        }
        if (matched_ == m) {
            next_ = InText(j);
            nextRun_ = cur_;
            nextSrc_ = j;
            if (!WholeWordRejects(false, c)) {
                return Scan::kFound;
            }
            next_ = -1;
        }
        SetPrev(InText(j), c);
        matched_ = 0;
        ++j;
    }
    if (matched_ == m) {
        next_ = -1;
        nextRun_ = last_;
        return WholeWordRejects(true, 0) ? Scan::kEnd : Scan::kFoundAtEnd;
    }
    return Scan::kEnd;
}

// The first run that begins at or after position, from source index j.
Scan OnePass::FindRun(std::size_t j, std::int64_t position) {
    const std::size_t n = src_.size();
    bool found = open_ && cur_.start >= position;  // the run after a rejected one
    while (!found && j < n) {
        const char16_t c = src_[j];
        if (c == u'^') {
            if ((j = Command(src_, j)) == kNoCommand) {
                return Scan::kUnsafe;
            }
            continue;
        }
        if (!open_) {
            OpenRun(InText(j));
            if (cur_.start >= position) {
                break;
            }
        }
        SetPrev(InText(j), c);
        ++j;
    }
    if (j >= n) {
        return Scan::kEnd;
    }
    first_ = last_ = cur_;
    firstPos_ = InText(j);
    firstSrc_ = j;
    cand_.assign(1, cur_);
    return EndRunOccurrence(j);
}

// The rest of a whole-run occurrence that begins at source index j: its last
// character and the first character of the next run.
Scan OnePass::EndRunOccurrence(std::size_t j) {
    const std::size_t n = src_.size();
    std::size_t k = j;
    while (k < n && src_[k] != u'^') {
        ++k;
    }
    lastSrc_ = k - 1;
    lastPos_ = InText(lastSrc_);
    while (k < n && src_[k] == u'^') {
        if ((k = Command(src_, k)) == kNoCommand) {
            return Scan::kUnsafe;
        }
    }
    if (k >= n) {
        next_ = -1;
        nextRun_ = last_;
        return Scan::kFoundAtEnd;
    }
    OpenRun(InText(k));
    next_ = InText(k);
    nextRun_ = cur_;
    nextSrc_ = k;
    return Scan::kFound;
}

bool OnePass::Accepts() {
    if (acceptAll_) {
        return true;
    }
    expanded_.resize(cand_.size());
    for (std::size_t i = 0; i < cand_.size(); ++i) {
        ExpandStyle(cand_[i].style, names_, expanded_[i]);
    }
    const int lastIndex = static_cast<int>(cand_.size()) - 1;
    return StyleMatches(filter_, CombineRuns(expanded_, 0, lastIndex), expanded_[0]);
}

// The state the walk had right after prev: the text up to there is final.
void OnePass::ResetToCommit() {
    if (prev_ == -1) {
        style_ = CompactStyle();
        open_ = false;
        runCount_ = 0;
    } else {
        style_ = prevRun_.style;  // a run holds no caret, so nothing since
        cur_ = prevRun_;
        open_ = true;
        runCount_ = prevRun_.id + 1;
    }
}

// Walks out_[from, to), which lies before the position: its characters are
// passed without matching, its commands read.
bool OnePass::Feed(std::size_t from, std::size_t to) {
    for (std::size_t k = from; k < to;) {
        if (out_[k] == u'^') {
            if ((k = Command(out_, k)) == kNoCommand) {
                return false;
            }
            continue;
        }
        if (!open_) {
            OpenRun(static_cast<std::int32_t>(k));
        }
        SetPrev(static_cast<std::int32_t>(k), out_[k]);
        ++k;
    }
    return true;
}

// Puts the accepted occurrence's replacement into the text, as the splice
// of one step does, and leaves the walk at the character after it.
// The styles at, before and after the occurrence (D, C, E) and where its
// replaced range begins; false when that range would reach behind the
// final text, which the single pass cannot undo.
bool OnePass::StylesAround(std::int32_t& start) {
    ExpandStyle(first_.style, names_, d_);
    d_.runStart = first_.start;
    const std::int32_t prevRunId = prev_ == -1 ? 0 : prevRun_.id;
    if (prev_ == -1) {
        c_ = d_;
    } else {
        ExpandStyle(prevRun_.style, names_, c_);
        c_.runStart = prevRun_.start;
    }
    if (next_ != -1) {
        ExpandStyle(nextRun_.style, names_, e_);
        e_.runStart = nextRun_.start;
    }
    start = first_.id != prevRunId ? prev_ + 1 : firstPos_ <= d_.runStart ? 0 : firstPos_;
    return start == prev_ + 1;
}

bool OnePass::Splice(std::u16string_view text) {
    std::int32_t start = 0;
    if (!StylesAround(start)) {
        return false;
    }
    const StringStyle reduced =
        ReducedReplacementStyle(replacement_.style(), d_, c_, first_.id, start);
    const std::size_t commit = static_cast<std::size_t>(start);
    if (out_.capacity() == 0) {
        out_.reserve(src_.size() + src_.size() / 8 + 16);  // not before a replacement
    }
    if (commit >= out_.size()) {
        out_.append(src_, s_, commit - out_.size());
    } else {
        out_.resize(commit);
    }
    out_ += StyleCommandText(reduced);
    out_.append(text.data(), text.size());
    const std::size_t blockEnd = out_.size();
    ResetToCommit();
    if (!Feed(commit, blockEnd)) {
        return false;
    }
    if (next_ == -1) {
        s_ = src_.size();  // what followed the match goes
        return true;
    }
    ExpandStyle(style_, names_, after_);
    out_ += StyleCommandText(RestoreStyle(e_, after_));
    if (!Feed(blockEnd, out_.size()) ||
        out_.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 2)) {
        return false;
    }
    s_ = nextSrc_;
    base_ = static_cast<std::int64_t>(out_.size()) - static_cast<std::int64_t>(nextSrc_);
    return true;
}

// A rejected occurrence leaves the text alone; the next step walks on from
// the character after it, having passed its last character.
void OnePass::AfterRejection() {
    prev_ = lastPos_;
    prevChar_ = src_[lastSrc_];
    prevRun_ = last_;
}

bool OnePass::RunSearch() {
    std::size_t j = 0;
    for (;;) {
        matched_ = 0;
        const Scan scan = FindNext(j);
        if (scan == Scan::kUnsafe) {
            return false;
        }
        if (scan == Scan::kEnd) {
            break;
        }
        const bool accepted = Accepts();
        if (accepted && !Splice(replacement_.text())) {
            return false;
        }
        count_ += accepted ? 1 : 0;
        Log(accepted ? 1 : -1);
        if (scan == Scan::kFoundAtEnd) {
            break;
        }
        if (!accepted) {
            AfterRejection();
        }
        j = nextSrc_;
    }
    Log(0);
    return true;
}

bool OnePass::RunStyleOnly() {
    if (!replacement_.empty()) {
        Log(0);  // an empty search text finds nothing
        return true;
    }
    std::size_t j = 0;
    std::int64_t position = 0;
    for (;;) {
        const Scan scan = FindRun(j, position);
        if (scan == Scan::kUnsafe) {
            return false;
        }
        if (scan == Scan::kEnd) {
            break;
        }
        const bool accepted = Accepts();
        const std::u16string_view own =
            std::u16string_view(src_).substr(firstSrc_, lastSrc_ - firstSrc_ + 1);
        if (accepted && !Splice(own)) {
            return false;
        }
        count_ += accepted ? 1 : 0;
        Log(accepted ? 1 : -1);
        if (scan == Scan::kFoundAtEnd) {
            break;
        }
        if (!accepted) {
            AfterRejection();
        }
        position = accepted ? static_cast<std::int64_t>(out_.size()) : next_;
        j = nextSrc_;
    }
    Log(0);
    return true;
}

}  // namespace

bool ReplaceAllInOnePass(const std::u16string& prepared, const UniversalString& search,
                         const UniversalString& replacement, std::uint32_t options,
                         std::u16string& out, std::uint32_t& count, std::vector<int>* steps) {
    if (!RequestIsSettled(replacement) ||
        prepared.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 2)) {
        return false;
    }
    OnePass pass(prepared, search, replacement, options);
    const std::size_t logged = steps != nullptr ? steps->size() : 0;
    if (!pass.Run(steps)) {
        if (steps != nullptr) {
            steps->resize(logged);
        }
        return false;
    }
    count = pass.Count();
    if (count > 0) {
        out = std::move(pass.Output());
    }
    return true;
}

}  // namespace tavrel
