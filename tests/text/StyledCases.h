// A seeded generator of styled Replace All cases (host text, search and
// replacement with their styles, options) and the comparison of the single
// pass with the step-by-step reference, shared by the differential test and
// the differential fuzzer. Most texts are of the kinds the single pass
// handles; some hold what makes it give way, so both paths are exercised.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "text/Options.h"
#include "text/StyledReplace.h"
#include "text/UniversalString.h"

namespace tavrel::testing_support {

struct StyledCase {
    std::u16string text;
    UniversalString search, replacement;
    std::uint32_t options = 0;
};

class StyledCaseGenerator {
  public:
    explicit StyledCaseGenerator(std::uint32_t seed) : rng_(seed) {}

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    StyledCase Next() {
        StyledCase c;
        const bool awkward = Pick(8) == 0;  // what the single pass hands back
        const int mode = Pick(12);
        if (mode == 0) {  // style only
            c.search = UniversalString(u"");
            c.replacement = UniversalString(u"");
        } else {
            c.search = UniversalString(mode == 1 ? std::u16string() : Word(1 + Pick(3), false));
            c.replacement = UniversalString(Word(4, true));
            if (Pick(20) == 0) {
                c.replacement.text() += u"^";
            }
        }
        // The search text, case changed at times, is one of the text's words.
        planted_ = c.search.text();
        if (!planted_.empty() && Pick(2) == 0) {
            planted_[0] = static_cast<char16_t>(planted_[0] ^ 0x20);
        }
        c.text = Text(awkward);
        c.search.setStyle(Filter());
        c.replacement.setStyle(Replacement());
        c.options = (Pick(2) ? MATCH_CASE : 0u) | (Pick(3) == 0 ? WHOLE_WORDS : 0u);
        return c;
    }

  private:
    std::u16string Word(int maxLength, bool allowEmpty) {
        static const char16_t kLetters[] = u"abAB\u00E9\u00C9\u0436\u0416";
        std::u16string w;
        const int n = allowEmpty ? Pick(maxLength + 1) : 1 + Pick(maxLength);
        for (int i = 0; i < n; ++i) {
            w += kLetters[Pick(Pick(4) == 0 ? 8 : 4)];
        }
        return w;
    }
    std::u16string Command() {
        static const char16_t* const kCommands[] = {
            u"^size(12)",      u"^size(14)",         u"^nfx(1)",          u"^nfx(0)",
            u"^nfx(3)",        u"^font(Arial,3)",    u"^font(arial,4)",   u"^font(Notaglyph,7)",
            u"^font(Font0,0)", u"^fontext(Times,1)", u"^font(Arial)",     u"^baseline(-2)",
            u"^tracking(5)",   u"^superscript(3)",   u"^fontid(Arial,2)", u"^size(70000)",
        };
        return kCommands[Pick(16)];
    }
    std::u16string Accidental() {
        static const char16_t* const kInserts[] = {u"^sharp()", u"^flat()", u"^natural()", u"^^",
                                                   u"^dbsharp()"};
        return kInserts[Pick(5)];
    }
    std::u16string Awkward() {
        static const char16_t* const kAwkward[] = {
            u"^page(1)",
            u"^efx(plain)^efx(bold)",
            u"^efx(italic)",
            u"^x",
            u"^size()",
            u"^font(Arial,)",
            u"^nfx(",
            u"^title()",
            u"^^^",
            u"^fo)ab(",
            u"^size(^nfx(1))",
        };
        return kAwkward[Pick(11)];
    }
    std::u16string Text(bool awkward) {
        std::u16string t;
        const int parts = Pick(20);
        for (int i = 0; i < parts; ++i) {
            const int kind = Pick(20);
            if (kind < 4 && !planted_.empty()) {
                t += planted_;
            } else if (kind < 9) {
                t += Word(3, false);
            } else if (kind < 12) {
                t += Pick(2) ? u" " : u", ";
            } else if (kind < 17) {
                t += Command();
            } else if (kind < 19) {
                t += Accidental();
            } else if (awkward) {
                t += Awkward();
            }
        }
        return t;
    }
    StringStyle Filter() {
        StringStyle f;
        switch (Pick(8)) {
            case 0:
                f.effects = f.effectsMask = 1;
                break;
            case 1:
                f.effectsMask = 1;  // not bold
                break;
            case 2:
                f.size = 12;
                break;
            case 3:
                f.fontName = Pick(2) ? "arial" : "Notaglyph";
                f.fontFlags = static_cast<std::uint16_t>(Pick(2));
                break;
            default:
                break;  // accepts everything
        }
        return f;
    }
    StringStyle Replacement() {
        StringStyle r;
        switch (Pick(7)) {
            case 0:
                r.effects = 2;
                r.effectsMask = 3;
                break;
            case 1:
                r.size = 14;
                break;
            case 2:
                r.fontName = Pick(2) ? "Font0" : "Arial";
                r.fontId = 3;
                break;
            case 3:
                r.baseline = -4;
                r.effectsMask = 1;
                break;
            case 4:
                r.fontName = "Odd,Name";  // a name the single pass hands back
                break;
            default:
                break;  // changes nothing
        }
        return r;
    }

    std::mt19937 rng_;
    std::u16string planted_;
};

// What one form of the replacement gave.
struct StyledOutcome {
    std::u16string text;
    std::uint32_t count = 0;
    std::vector<int> steps;
};

inline StyledOutcome Stepwise(const StyledCase& c) {
    StyledOutcome o;
    UniversalString text(c.text);
    o.count = ReplaceInStyledTextStepwise(text, c.search, c.replacement, c.options, &o.steps);
    o.text = text.text();
    return o;
}

// False when the single pass hands the case back.
inline bool OnePass(const StyledCase& c, StyledOutcome& o) {
    UniversalString text(c.text);
    if (!ReplaceInStyledTextOnePass(text, c.search, c.replacement, c.options, o.count, &o.steps)) {
        return false;
    }
    o.text = text.text();
    return true;
}

inline bool SameOutcome(const StyledOutcome& a, const StyledOutcome& b) {
    return a.text == b.text && a.count == b.count && a.steps == b.steps;
}

}  // namespace tavrel::testing_support
