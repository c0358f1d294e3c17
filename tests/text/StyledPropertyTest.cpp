// Seeded property tests of the styled replacement over generated texts:
// replacing a text by itself keeps what a reader sees and every letter's
// style, a style-free replacement agrees with the plain ReplaceAll, no
// replacement touches a legacy effect command, and every search ends with
// the position moving forward through the text.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/text/LegacyCommands.h"
#include "tests/text/StyleBuilder.h"
#include "text/Inserts.h"
#include "text/Options.h"
#include "text/PlainSearch.h"
#include "text/StyleCommands.h"
#include "text/StyledReplace.h"
#include "text/UniversalString.h"

namespace tavrel {
namespace {

struct Generator {
    explicit Generator(unsigned seed) : rng(seed) {}

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    std::u16string Number() { return std::u16string(1, static_cast<char16_t>(u'0' + Pick(10))); }

    std::u16string Command() {
        static const char16_t* const kOpen[] = {u"^size(", u"^nfx(", u"^font(Arial,",
                                                u"^baseline(-", u"^tracking("};
        const int kind = Pick(5);
        if (kind == 2 && !Pick(2)) {
            return u"^fontext(Times,1)";
        }
        return kOpen[kind] + Number() + (kind == 0 ? u"2)" : u")");
    }
    std::u16string Insert() {
        static const char16_t* const kInserts[] = {u"^page(1)", u"^date(0)", u"^sharp()",
                                                   u"^title()", u"^filename()"};
        return kInserts[Pick(5)];
    }
    // Letters from a small alphabet so that occurrences are frequent.
    std::u16string Word(int maxLength, bool allowEmpty) {
        static const char16_t kLetters[] = u"abAB";
        std::u16string w;
        const int n = allowEmpty ? Pick(maxLength + 1) : 1 + Pick(maxLength);
        for (int i = 0; i < n; ++i) {
            w += kLetters[Pick(4)];
        }
        return w;
    }
    std::u16string Text(bool inserts, bool legacy) {
        std::u16string t;
        const int parts = Pick(14);
        for (int i = 0; i < parts; ++i) {
            const int kind = Pick(10);
            if (kind < 5) {
                t += Word(3, false);
            } else if (kind < 7) {
                t += Pick(2) ? u" " : u", ";
            } else if (kind < 9) {
                t += Command();
            } else if (inserts && (!legacy || Pick(2))) {
                t += Insert();
            } else if (legacy) {
                t += Pick(2) ? u"^efx(plain)^efx(bold)" : u"^efx(italic)";
            }
        }
        return t;
    }
    StringStyle Filter() {
        const StringStyle filters[] = {Bold(), Sty().Font("arial"), Sty().Size(12), Sty()};
        return filters[Pick(4)];
    }
    std::uint32_t Options() { return (Pick(2) ? MATCH_CASE : 0u) | (Pick(2) ? WHOLE_WORDS : 0u); }

    std::mt19937 rng;
};

// Case must match, or 'Ba' found for 'bA' would become 'bA'. Legacy effect
// commands are in: the letters inside one must never be taken for text.
TEST(StyledPropertyTest, ReplacingATextByItselfKeepsThePlainView) {
    Generator g(20240601);
    for (int round = 0; round < 3000; ++round) {
        const std::u16string original = g.Text(true, true);
        const std::u16string word = g.Word(3, false);
        UniversalString search(word);
        search.setStyle(g.Filter());
        const std::uint32_t options = MATCH_CASE | (g.Options() & WHOLE_WORDS);
        UniversalString text(original);
        ReplaceInStyledText(text, search, UniversalString(word), options);
        ASSERT_EQ(StrippedText(text.text()), StrippedText(original))
            << "round " << round << " search " << search.toUtf8() << " options " << options
            << " text " << UniversalString(original).toUtf8();
    }
}

// Legacy effect commands are left out here: one that stays unconverted
// ends a partial match, while the plain view joins the text around it.
TEST(StyledPropertyTest, WithoutStyleFilterOrWholeWordsItAgreesWithPlainReplaceAll) {
    Generator g(77);
    for (int round = 0; round < 3000; ++round) {
        const std::u16string original = g.Text(false, false);
        const std::u16string search = g.Word(3, false);
        const std::u16string replacement = g.Word(3, true);
        const std::uint32_t options = g.Pick(2) ? MATCH_CASE : 0u;
        UniversalString text(original);
        const std::uint32_t count = ReplaceInStyledText(text, UniversalString(search),
                                                        UniversalString(replacement), options);
        std::u16string plain = StrippedText(original);
        const std::uint32_t plainCount = ReplaceAll(plain, search, replacement, options);
        ASSERT_EQ(StrippedText(text.text()), plain)
            << "round " << round << " text " << UniversalString(original).toUtf8();
        ASSERT_EQ(count, plainCount) << "round " << round;
    }
}

TEST(StyledPropertyTest, EveryCallEndsAndThePositionMovesForward) {
    Generator g(4242);
    for (int round = 0; round < 3000; ++round) {
        UniversalString text(g.Text(true, true));
        const bool styleOnly = g.Pick(4) == 0;
        UniversalString search(styleOnly ? u"" : g.Word(2, false));
        search.setStyle(g.Filter());
        UniversalString replacement(styleOnly ? u"" : g.Word(4, true));
        StringStyle style;
        style.effects = static_cast<std::uint16_t>(g.Pick(4));
        style.effectsMask = 3;
        style.size = g.Pick(2) ? 12 : kUnset16;
        replacement.setStyle(style);
        const std::uint32_t options = g.Options();

        std::int32_t position = 0;
        // What is left of the text from the position shrinks with every call,
        // so a text of n units needs at most n + 1 calls.
        std::int64_t remaining = static_cast<std::int64_t>(text.length()) + 1;
        const std::size_t limit = text.length() + 2;
        std::size_t calls = 0;
        for (;;) {
            ASSERT_LT(calls++, limit) << "round " << round;
            const int result = ReplaceNextStyled(text, search, replacement, position, options);
            ASSERT_GE(result, -1);
            ASSERT_LE(result, 1);
            if (result == 0) {
                break;
            }
            ASSERT_GE(position, -1);
            const std::int64_t left =
                position < 0 ? 0 : static_cast<std::int64_t>(text.length()) - position;
            ASSERT_LT(left, remaining) << "round " << round;
            ASSERT_GE(left, 0) << "round " << round;
            remaining = left;
        }
    }
}

TEST(StyledPropertyTest, NoReplacementChangesALegacyCommand) {
    Generator g(5150);
    for (int round = 0; round < 3000; ++round) {
        // The letters of the search are among those of the commands' names.
        const std::u16string original = g.Text(true, true) + (g.Pick(2) ? u"" : u"^efx(plain)");
        const bool styleOnly = g.Pick(6) == 0;
        UniversalString search(styleOnly ? u"" : g.Word(2, false));
        search.setStyle(g.Filter());
        UniversalString replacement(styleOnly ? u"" : g.Word(3, true));
        replacement.setStyle(g.Pick(2) ? Bold() : Sty().Size(12));
        UniversalString text(original);
        if (ReplaceInStyledText(text, search, replacement, g.Options()) == 0) {
            continue;
        }
        ASSERT_TRUE(
            testing_support::KeepsInOrder(text.text(), testing_support::LegacyCommands(original)))
            << "round " << round << " search " << search.toUtf8() << " text "
            << UniversalString(original).toUtf8() << " became " << text.toUtf8();
    }
}

// Each text character of a score text (inserts left out) with the printed
// style in effect there; font names are folded so that names equal without
// case compare equal, and run bounds and font arguments are left out.
std::vector<std::pair<char16_t, std::string>> TextCharStyles(const std::u16string& text) {
    UniversalString s(text);
    EncodeInserts(s);
    const std::u16string& t = s.text();
    std::vector<std::pair<char16_t, std::string>> out;
    for (const StyleRun& run : BuildRuns(t)) {
        StringStyle style = run;
        style.runStart = style.runEnd = -1;
        style.fontArg = 0;
        for (char& c : style.fontName) {
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        for (std::int32_t i = run.runStart; i <= run.runEnd; ++i) {
            if (IsInformationInsertStart(t, static_cast<std::size_t>(i))) {
                while (i <= run.runEnd && t[static_cast<std::size_t>(i)] != u')') {
                    ++i;
                }
                continue;
            }
            out.emplace_back(t[static_cast<std::size_t>(i)], Show(style));
        }
    }
    return out;
}

std::u16string GeneratedText(std::mt19937& rng) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    static const char16_t* const kParts[] = {u"a",
                                             u"b",
                                             u"A",
                                             u"ab",
                                             u" ",
                                             u", ",
                                             u"^size(12)",
                                             u"^size(9)",
                                             u"^nfx(1)",
                                             u"^nfx(0)",
                                             u"^nfx(3)",
                                             u"^font(Arial,1)",
                                             u"^fontext(Times,2)",
                                             u"^baseline(-3)",
                                             u"^tracking(5)",
                                             u"^page(1)",
                                             u"^date(0)",
                                             u"^filename()",
                                             u"^sharp()"};
    std::u16string t;
    const int parts = pick(12);
    for (int i = 0; i < parts; ++i) {
        t += kParts[pick(static_cast<int>(sizeof kParts / sizeof kParts[0]))];
    }
    return t;
}

TEST(StyledPropertyTest, ReplacingALetterByItselfKeepsEveryLettersStyle) {
    std::mt19937 rng(914);
    static const char16_t kLetters[] = {u'a', u'b', u'A'};
    for (int round = 0; round < 4000; ++round) {
        const std::u16string original = GeneratedText(rng);
        const std::u16string letter(1, kLetters[round % 3]);
        const std::uint32_t options = MATCH_CASE | (round % 2 ? WHOLE_WORDS : 0u);
        UniversalString text(original);
        ReplaceInStyledText(text, UniversalString(letter), UniversalString(letter), options);
        ASSERT_EQ(TextCharStyles(text.text()), TextCharStyles(original))
            << "round " << round << " letter " << UniversalString(letter).toUtf8() << " text "
            << UniversalString(original).toUtf8() << " became " << text.toUtf8();
    }
}

}  // namespace
}  // namespace tavrel
