// The replacement step of the styled search. The replaced range may begin
// before the match (taking the commands between the previous character and
// the match with it) and the commands up to the next character give way to
// restore commands; information inserts in those stretches are carried over
// so that no page number or date is ever lost to a replacement.
#include "text/StyledSplice.h"

#include <algorithm>

#include "text/StyleCommands.h"

namespace tavrel {
namespace {

// A font name dropped as redundant writes no font command at all, not one
// without a name, whatever font number the replacement style carries.
void DropFont(StringStyle& s) {
    s.fontName.clear();
    s.fontId = kUnset16;
}

// Fields the replacement left unset take the matched run's values, and are
// unset again where the text before the match has them already.
void TakeFromRun(StringStyle& n, const StyleRun& d, const StyleRun* c) {
    if (n.fontName.empty()) {
        n.fontName = d.fontName;
        n.fontArg = d.fontArg;
        if (c != nullptr && SameFontName(n.fontName, c->fontName)) {
            DropFont(n);
        }
    }
    auto take16 = [&](std::uint16_t& field, std::uint16_t run, std::uint16_t before) {
        if (field == kUnset16) {
            field = (c != nullptr && run == before) ? kUnset16 : run;
        }
    };
    auto take32 = [&](std::int32_t& field, std::int32_t run, std::int32_t before) {
        if (field == kUnset32) {
            field = (c != nullptr && run == before) ? kUnset32 : run;
        }
    };
    const StyleRun& b = c != nullptr ? *c : d;
    take16(n.size, d.size, b.size);
    take32(n.baseline, d.baseline, b.baseline);
    take32(n.superscript, d.superscript, b.superscript);
    take32(n.tracking, d.tracking, b.tracking);
}

// Inside a run the run's style is in effect already.
void DropWhatTheRunHas(StringStyle& n, const StyleRun& d) {
    if (SameFontName(n.fontName, d.fontName)) {
        DropFont(n);
    }
    if (n.size == d.size) {
        n.size = kUnset16;
    }
    if (n.baseline == d.baseline) {
        n.baseline = kUnset32;
    }
    if (n.superscript == d.superscript) {
        n.superscript = kUnset32;
    }
    if (n.tracking == d.tracking) {
        n.tracking = kUnset32;
    }
}

std::int32_t RangeStart(const Occurrence& occ, const StyleRun& d) {
    if (occ.firstRun != occ.prevRun) {
        return occ.prev + 1;
    }
    return occ.firstPos <= d.runStart ? 0 : occ.firstPos;
}

// The insert characters of text with indices in [from, to).
std::u16string InsertsBetween(const std::u16string& text, const std::vector<InsertChar>& inserts,
                              std::int32_t from, std::int32_t to) {
    std::u16string kept;
    for (const InsertChar& ic : inserts) {
        if (ic.index >= from && ic.index < to) {
            kept += text[static_cast<std::size_t>(ic.index)];
        }
    }
    return kept;
}

// The replacement text with the inserts found inside the match, each after
// as many replacement characters as there were matched characters before it.
std::u16string WithInnerInserts(const std::u16string& text, const Occurrence& occ,
                                const std::u16string& replacement) {
    std::u16string out;
    std::size_t written = 0;
    for (const InsertChar& ic : occ.inserts) {
        if (ic.index <= occ.firstPos || ic.index >= occ.lastPos) {
            continue;
        }
        const std::size_t at = std::min(static_cast<std::size_t>(ic.matched), replacement.size());
        if (at > written) {
            out.append(replacement, written, at - written);
            written = at;
        }
        out += text[static_cast<std::size_t>(ic.index)];
    }
    out.append(replacement, written, std::u16string::npos);
    return out;
}

}  // namespace

StringStyle ReducedReplacementStyle(const StringStyle& replacement, const StyleRun& d,
                                    const StyleRun& c, std::int32_t firstRun,
                                    std::int32_t rangeStart) {
    StringStyle n = replacement;
    n.effects = static_cast<std::uint16_t>(replacement.effects |
                                           (d.effects & ~replacement.effectsMask & 0xFF));
    // What is in effect in front of the replacement depends on where the
    // replaced range begins, not on where the match begins: inserts at the
    // head of D's run leave the match inside the run while the range, which
    // starts after the previous text character, takes D's commands along;
    // and with no text character before it, every leading command goes.
    const bool opensRun = rangeStart <= d.runStart;
    if (firstRun >= 1 && rangeStart > 0) {
        if (n.effects == c.effects) {
            n.effects = kUnset16;
        }
        if (opensRun) {
            TakeFromRun(n, d, &c);
        } else {
            DropWhatTheRunHas(n, d);
        }
    } else if (opensRun) {
        TakeFromRun(n, d, nullptr);
    } else if (n.effects == d.effects) {
        n.effects = kUnset16;
    }
    return n;
}

StringStyle RestoreStyle(const StyleRun& e, const StringStyle& s) {
    StringStyle f = e;
    if (f.effects == s.effects) {
        f.effects = kUnset16;
    }
    if (SameFontName(f.fontName, s.fontName)) {
        f.fontName.clear();
    } else {
        f.fontId = 0;  // so that a font command is written, even without a name
    }
    if (f.size == s.size) {
        f.size = kUnset16;
    }
    if (f.baseline == s.baseline) {
        f.baseline = kUnset32;
    }
    if (f.tracking == s.tracking) {
        f.tracking = kUnset32;
    }
    if (f.superscript == s.superscript) {
        f.superscript = kUnset32;
    }
    return f;
}

std::int32_t SpliceReplacement(std::u16string& text, const std::vector<StyleRun>& runs,
                               const Occurrence& occ, const std::u16string& replacement,
                               const StringStyle& replacementStyle) {
    const StyleRun& d = runs[static_cast<std::size_t>(occ.firstRun)];
    const StyleRun& c = runs[static_cast<std::size_t>(occ.prevRun)];
    const StyleRun& e = runs[static_cast<std::size_t>(occ.nextRun)];
    const std::int32_t start = RangeStart(occ, d);
    const std::int32_t afterMatch = occ.lastPos + 1;
    const std::int32_t tailEnd = occ.next == -1 ? static_cast<std::int32_t>(text.size()) : occ.next;
    const std::u16string trailing = InsertsBetween(text, occ.inserts, afterMatch, tailEnd);

    std::u16string block = InsertsBetween(text, occ.inserts, start, occ.firstPos);
    block += StyleCommandText(ReducedReplacementStyle(replacementStyle, d, c, occ.firstRun, start));
    block += WithInnerInserts(text, occ, replacement);

    text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(afterMatch - start),
                 block);
    const std::size_t blockEnd = static_cast<std::size_t>(start) + block.size();
    // The style in effect for the last inserted character, read from the text
    // as it stands with the old tail still after the replacement.
    const StringStyle s = StyleAt(text, blockEnd == 0 ? 0 : blockEnd - 1);
    std::u16string restore =
        occ.next == -1 ? std::u16string() : StyleCommandText(RestoreStyle(e, s));
    restore += trailing;
    const std::size_t oldTail = static_cast<std::size_t>(tailEnd - afterMatch);
    text.replace(blockEnd, oldTail, restore);
    return static_cast<std::int32_t>(blockEnd + restore.size());
}

}  // namespace tavrel
