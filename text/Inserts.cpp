// Conversions of caret sequences: symbol inserts to placeholders and back,
// the shorthands and character codes typed in the search fields, legacy
// effect groups, and recognising information inserts.
#include "text/Inserts.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "text/CharClass.h"
#include "text/Options.h"
#include "text/PlainSearch.h"

namespace tavrel {
namespace {

struct Conversion {
    const char16_t* from;
    const char16_t* to;
};

// In the order of conversion: the longer inserts come before those they
// contain, and the escaped caret last.
const Conversion kInserts[] = {
    {u"^dbsharp()", u"\u0017"},  {u"^sharp()", u"\u0014"},       {u"^flat()", u"\u0015"},
    {u"^natural()", u"\u0016"},  {u"^dbflat()", u"\u0018"},      {u"^copyright()", u"\u001C"},
    {u"^composer()", u"\u001B"}, {u"^cprsym()", u"\u001D"},      {u"^title()", u"\u0019"},
    {u"^subtitle()", u"\u0001"}, {u"^description()", u"\u001A"}, {u"^^", u"\u001E"},
};

const Conversion kShorthands[] = {
    {u"^l", u"\n\r"},        {u"^p", u"\n\r"},   {u"^t", u"\t"},     {u"^d", u"\u001A"},
    {u"^S", u"\u0017"},      {u"^s", u"\u0014"}, {u"^#", u"\u0014"}, {u"^b", u"\u0015"},
    {u"^n", u"\u0016"},      {u"^B", u"\u0018"}, {u"^c", u"\u001C"}, {u"^C", u"\u001B"},
    {u"^\u00A9", u"\u001D"}, {u"^T", u"\u0019"}, {u"^^", u"\u001E"},
};

struct LegacyEffect {
    char16_t first, second;
    std::uint16_t bit;
    std::size_t length;  // the whole command, caret to ')'
};

const LegacyEffect kLegacyEffects[] = {
    {u'b', u'o', 0x01, 10}, {u'i', u't', 0x02, 12}, {u'u', u'n', 0x04, 15}, {u'o', u'u', 0x08, 13},
    {u's', u'h', 0x10, 12}, {u's', u't', 0x20, 15}, {u'a', u'b', 0x40, 14}, {u'h', u'i', 0x80, 12},
};
constexpr std::size_t kLegacyPlainLength = 11;

bool IsCommand(const std::u16string& t, std::size_t i, char16_t a, char16_t b) {
    return t[i] == u'^' && t[i + 1] == a && t[i + 2] == b;
}

const LegacyEffect* FindLegacyEffect(char16_t first, char16_t second) {
    for (const LegacyEffect& e : kLegacyEffects) {
        if (e.first == first && e.second == second) {
            return &e;
        }
    }
    return nullptr;
}

std::u16string EffectsCommand(unsigned bits) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + bits % 10));
        bits /= 10;
    } while (bits != 0);
    return u"^nfx(" + digits + u")";
}

// A typed code is used only when it names a character that can stand in a
// score text: 1 to 10 digits, at most 0x7FFFFFFF, low 16 bits not 0.
bool ReadCharacterCode(const std::u16string& digits, char16_t& ch) {
    if (digits.empty() || digits.size() > 10) {
        return false;
    }
    std::uint64_t value = 0;
    for (char16_t d : digits) {
        value = value * 10 + static_cast<std::uint64_t>(d - u'0');
    }
    if (value == 0 || value > 0x7FFFFFFFu || (value & 0xFFFF) == 0) {
        return false;
    }
    ch = static_cast<char16_t>(value & 0xFFFF);
    return true;
}

constexpr std::size_t kInsertRows = std::size(kInserts) - 1;  // the escaped caret apart

// The row of the insert that begins at the caret t[i], or -1. Each insert
// holds one caret, at its start, and none is the start of another, so at
// most one row fits a caret and the inserts of a text never overlap.
int InsertRowAt(const std::u16string& t, std::size_t i) {
    if (i + 1 >= t.size()) {
        return -1;
    }
    for (std::size_t row = 0; row < kInsertRows; ++row) {
        const char16_t* from = kInserts[row].from;
        if (from[1] == t[i + 1] &&
            t.compare(i, std::char_traits<char16_t>::length(from), from) == 0) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

// Converting row by row with the plain search's restart rule, a row's
// search that fails on a caret resumes after it: in "^fl^flat()" the flat
// row fails on the second caret after "^fl" and never tries it. So in one
// pass each caret carries, per row, whether that row's search tries it:
// it does unless the caret before it was tried, begins no insert, and the
// text from there up to this caret is a proper beginning of the row's
// insert. The escaped caret, converted last, pairs the carets that are left.
class InsertEncoder {
  public:
    explicit InsertEncoder(const std::u16string& t) : t_(t) {}

    // True when something was converted; out then holds the new text. A
    // text with nothing to convert is not copied.
    bool Run(std::size_t firstCaret, std::u16string& out) {
        std::size_t i = 0;
        for (std::size_t q = firstCaret; q != std::u16string::npos; q = t_.find(u'^', q + 1)) {
            if (q >= i) {  // an insert holds no second caret; this only guards
                i = Caret(q);
            }
        }
        if (!dirty_) {
            return false;
        }
        out_.append(t_, done_, std::u16string::npos);
        out = std::move(out_);
        return true;
    }

  private:
    // t_[from, to) becomes the unit with.
    void Change(std::size_t from, std::size_t to, char16_t with) {
        if (!dirty_) {
            out_.reserve(t_.size());
            dirty_ = true;
        }
        out_.append(t_, done_, from - done_);
        out_ += with;
        done_ = to;
    }
    unsigned TriedRows(std::size_t q) const {
        constexpr unsigned kAll = (1u << kInsertRows) - 1;
        constexpr std::size_t kLongerThanAnyInsert = 16;
        const std::size_t gap = q - prev_;
        if (!hasPrev_ || prevBeginsInsert_ || gap >= kLongerThanAnyInsert) {
            return kAll;
        }
        unsigned tried = kAll;
        for (std::size_t row = 0; row < kInsertRows; ++row) {
            const char16_t* from = kInserts[row].from;
            if ((prevTried_ & (1u << row)) != 0 && gap < std::char_traits<char16_t>::length(from) &&
                t_.compare(prev_, gap, from, gap) == 0) {
                tried &= ~(1u << row);
            }
        }
        return tried;
    }
    // Converts the caret at q; returns the index after what it took.
    std::size_t Caret(std::size_t q) {
        const int row = InsertRowAt(t_, q);
        const unsigned tried = TriedRows(q);
        hasPrev_ = true;
        prev_ = q;
        prevBeginsInsert_ = row >= 0;
        prevTried_ = tried;
        if (row >= 0 && (tried & (1u << row)) != 0) {
            const std::size_t end = q + std::char_traits<char16_t>::length(kInserts[row].from);
            Change(q, end, kInserts[row].to[0]);
            return end;
        }
        if (caretLeft_ && leftAt_ + 1 == q) {
            Change(leftAt_, q + 1, u'\u001E');
            caretLeft_ = false;
        } else {
            caretLeft_ = true;
            leftAt_ = q;
        }
        return q + 1;
    }

    const std::u16string& t_;
    std::u16string out_;
    bool dirty_ = false;
    std::size_t done_ = 0;  // t_ before this is in out_ (once dirty)
    bool hasPrev_ = false, prevBeginsInsert_ = false;
    std::size_t prev_ = 0;
    unsigned prevTried_ = 0;
    bool caretLeft_ = false;  // the last caret was left as it is, unpaired
    std::size_t leftAt_ = 0;
};

// The insert a placeholder unit stands for, or null.
const Conversion* PlaceholderInsert(char16_t c) {
    if (c != u'\u0001' && (c < u'\u0014' || c > u'\u001E')) {
        return nullptr;
    }
    for (const Conversion& insert : kInserts) {
        if (insert.to[0] == c) {
            return &insert;
        }
    }
    return nullptr;
}

// Every occurrence ReplaceAll can find is a plain substring, so a pattern
// that is not one leaves the text as it is; looking first spares most texts
// a full pass per table row.
void ReplaceEach(std::u16string& text, const char16_t* pattern, const char16_t* replacement) {
    if (text.find(pattern) != std::u16string::npos) {
        ReplaceAll(text, pattern, replacement, MATCH_CASE);
    }
}

}  // namespace

bool EncodeInserts(const std::u16string& text, std::u16string& out) {
    const std::size_t caret = text.find(u'^');
    return caret != std::u16string::npos && InsertEncoder(text).Run(caret, out);
}

void EncodeInserts(UniversalString& s) {
    std::u16string out;
    if (EncodeInserts(s.text(), out)) {
        s.setText(std::move(out));
    }
}

void DecodeInserts(UniversalString& s) {
    const std::u16string& t = s.text();
    if (!HoldsPlaceholder(t)) {
        return;
    }
    std::u16string out;
    out.reserve(t.size() + t.size() / 4);
    for (char16_t c : t) {
        const Conversion* insert = PlaceholderInsert(c);
        if (insert != nullptr) {
            out += insert->from;
        } else {
            out += c;
        }
    }
    s.setText(std::move(out));
}

void ConvertTypedEscapes(UniversalString& s) {
    if (s.text() == u"^") {
        return;
    }
    for (const Conversion& c : kShorthands) {
        ReplaceEach(s.text(), c.from, c.to);
    }
}

void ConvertCharacterCodes(UniversalString& s) {
    const std::u16string& t = s.text();
    std::u16string out;
    out.reserve(t.size());
    bool inside = false;
    bool converted = false;
    std::size_t open = 0;  // index of the '<' in out
    for (char16_t c : t) {
        if (inside && c == u'>') {
            inside = false;
            char16_t ch = 0;
            if (ReadCharacterCode(out.substr(open + 1), ch)) {
                out.resize(open);
                out += ch;
                converted = true;
                continue;
            }
        } else if (inside && !IsDigit(c)) {
            inside = false;  // no new group starts here, not even at '<'
        } else if (!inside && c == u'<') {
            inside = true;
            open = out.size();
        }
        out += c;
    }
    if (converted) {
        s.setText(std::move(out));
    }
}

namespace {

// Follows one index of the original text while converted groups shorten
// the text before it.
class IndexTracker {
  public:
    explicit IndexTracker(std::int64_t index) : index_(index), moved_(index) {}

    // The original range [from, to) became `length` units. Groups come in
    // text order, so once one begins at or after the index none matters.
    void Converted(std::size_t from, std::size_t to, std::size_t length) {
        const auto start = static_cast<std::int64_t>(from);
        if (settled_ || index_ <= start) {
            settled_ = true;
            return;
        }
        if (index_ < static_cast<std::int64_t>(to)) {
            moved_ = start + shift_;  // inside the group: onto its new command
            settled_ = true;
            return;
        }
        shift_ += static_cast<std::int64_t>(length) - static_cast<std::int64_t>(to - from);
        moved_ = index_ + shift_;
    }

    std::int64_t Moved() const { return moved_; }

  private:
    std::int64_t index_;
    std::int64_t moved_;
    std::int64_t shift_ = 0;
    bool settled_ = false;
};

// What the text at i does to a group of legacy effect commands.
struct GroupStep {
    enum Kind { kOpen, kAddBit, kEnd } kind;
    unsigned bit;
    std::size_t length;  // what the walk skips when the group goes on
};

GroupStep ReadGroupStep(const std::u16string& t, std::size_t i, bool open) {
    if (!IsCommand(t, i, u'e', u'f')) {
        return {GroupStep::kEnd, 0, 1};
    }
    if (t[i + 5] == u'p' && t[i + 6] == u'l') {
        return {GroupStep::kOpen, 0, kLegacyPlainLength};
    }
    const LegacyEffect* effect = FindLegacyEffect(t[i + 5], t[i + 6]);
    if (!open || effect == nullptr) {
        // Outside a group a legacy command is left alone; an unknown one
        // ends the group.
        return {GroupStep::kEnd, 0, 1};
    }
    return {GroupStep::kAddBit, effect->bit, effect->length};
}

}  // namespace

// The walk below opens a group only at a legacy command that comes before
// the first effects command (within the walk's bound).
bool MayConvertLegacyEffects(const std::u16string& t) {
    for (std::size_t i = t.find(u'^'); i != std::u16string::npos && i + 6 < t.size();
         i = t.find(u'^', i + 1)) {
        if (IsCommand(t, i, u'n', u'f')) {
            return false;
        }
        if (IsCommand(t, i, u'e', u'f')) {
            return true;
        }
    }
    return false;
}

namespace {

void Normalize(UniversalString& s, std::int32_t* index) {
    if (!MayConvertLegacyEffects(s.text())) {
        return;
    }
    // Built into a new text: a converted group only shortens what lies behind
    // the walk, so the walk's bound on the original text is the same test
    // as on the changing one, and each character is copied once.
    const std::u16string& t = s.text();
    const std::size_t n = t.size();
    std::u16string out;
    IndexTracker tracker(index != nullptr ? *index : -1);
    bool open = false, converted = false;
    std::size_t groupStart = 0, groupOrigin = 0;
    unsigned bits = 0;
    std::size_t i = 0;
    while (i + 6 < n && !IsCommand(t, i, u'n', u'f')) {
        const GroupStep step = ReadGroupStep(t, i, open);
        if (step.kind == GroupStep::kOpen) {
            open = true;
            groupStart = out.size();
            groupOrigin = i;
            bits = 0;
        } else if (step.kind == GroupStep::kAddBit) {
            bits |= step.bit;
        } else if (open) {
            out.resize(groupStart);
            const std::u16string command = EffectsCommand(bits);
            out += command;
            tracker.Converted(groupOrigin, i, command.size());
            open = false;
            converted = true;
            continue;  // the character that ended the group is examined again
        }
        const std::size_t length = std::min(step.length, n - i);
        out.append(t, i, length);
        i += length;
    }
    if (converted) {
        out.append(t, i, std::u16string::npos);
        s.setText(std::move(out));
        if (index != nullptr) {
            *index = static_cast<std::int32_t>(tracker.Moved());
        }
    }
}

}  // namespace

void NormalizeLegacyEffects(UniversalString& s) {
    Normalize(s, nullptr);
}

void NormalizeLegacyEffects(UniversalString& s, std::int32_t& index) {
    Normalize(s, &index);
}

bool IsLegacyEffectStart(const std::u16string& text, std::size_t i) {
    return i + 3 < text.size() && IsCommand(text, i, u'e', u'f');
}

bool HoldsPlaceholder(const std::u16string& text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) {
        return c == u'\u0001' || (c >= u'\u0014' && c <= u'\u001E');
    });
}

bool IsInformationInsertStart(const std::u16string& text, std::size_t i) {
    static const char16_t* const kGroups[] = {u"con", u"da", u"fd", u"fi", u"pa",
                                              u"pe",  u"ti", u"to", u"va"};
    if (i >= text.size() || text[i] != u'^') {
        return false;
    }
    for (const char16_t* group : kGroups) {
        std::size_t k = 0;
        while (group[k] != 0 && i + 1 + k < text.size() && text[i + 1 + k] == group[k]) {
            ++k;
        }
        if (group[k] == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace tavrel
