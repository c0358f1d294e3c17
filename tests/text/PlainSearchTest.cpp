// Plain search over UTF-16 text: the restart rule, whole words, case and the
// non-overlapping replace-all with its full count.
#include "text/PlainSearch.h"

#include <gtest/gtest.h>

#include "text/Options.h"

namespace tavrel {
namespace {

constexpr std::uint32_t kNone = 0;

TEST(PlainSearchTest, Find) {
    struct Row {
        int line;
        std::u16string text, pattern;
        long from;
        std::uint32_t options;
        long expected;
    } rows[] = {
        // Restart rule: the failing unit is not retried as a first unit.
        {__LINE__, u"aabc", u"abc", 0, kNone, -1},
        {__LINE__, u"xabc", u"abc", 0, kNone, 1},
        {__LINE__, u"^^x", u"^x", 0, kNone, -1},  // an escaped caret is not split
        {__LINE__, u"^^^x", u"^x", 0, kNone, 2},
        {__LINE__, u"abcabc", u"abc", 3, kNone, 3},
        {__LINE__, u"abcabc", u"abc", 4, kNone, -1},
        // Degenerate arguments.
        {__LINE__, u"abc", u"", 0, kNone, -1},
        {__LINE__, u"abc", u"abc", 100, kNone, -1},
        {__LINE__, u"abc", u"abc", -5, kNone, 0},  // a negative start means the beginning
        // Case.
        {__LINE__, u"xTR\u00C8S", u"tr\u00E8s", 0, kNone, 1},
        {__LINE__, u"xTR\u00C8S", u"tr\u00E8s", 0, MATCH_CASE, -1},
        // Whole words: spaces, punctuation and the text's ends are boundaries.
        {__LINE__, u"concat cat", u"cat", 0, WHOLE_WORDS, 7},
        {__LINE__, u"category", u"cat", 0, WHOLE_WORDS, -1},
        {__LINE__, u"(cat)", u"cat", 0, WHOLE_WORDS, 1},
        {__LINE__, u"a\u00A0cat", u"cat", 0, WHOLE_WORDS, 2},
        {__LINE__, u"x\u0001cat", u"cat", 0, WHOLE_WORDS, -1},
        {__LINE__, u"CAT cat", u"cat", 0, WHOLE_WORDS | MATCH_CASE, 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(Find(r.text, r.pattern, r.from, r.options), r.expected);
    }
}

TEST(PlainSearchTest, ReplaceAll) {
    struct Row {
        int line;
        std::u16string text, pattern, replacement;
        std::uint32_t options;
        std::u16string expected;
        std::uint32_t count;
    } rows[] = {
        // Occurrences never overlap, inserted text is not searched again.
        {__LINE__, u"aaaa", u"aa", u"b", kNone, u"bb", 2},
        {__LINE__, u"aaa", u"aa", u"b", kNone, u"ba", 1},
        {__LINE__, u"abab", u"ab", u"ab", kNone, u"abab", 2},
        {__LINE__, u"^^^^", u"^^", u"^", kNone, u"^^", 2},
        // Empty replacement: the search goes on where the match was.
        {__LINE__, u"a-b-c", u"-", u"", kNone, u"abc", 2},
        // Restart rule.
        {__LINE__, u"aabc", u"abc", u"X", kNone, u"aabc", 0},
        {__LINE__, u"xabc", u"abc", u"X", kNone, u"xX", 1},
        // Nothing to do.
        {__LINE__, u"abc", u"", u"X", kNone, u"abc", 0},
        // Case.
        {__LINE__, u"Hello hello HELLO", u"hello", u"bye", MATCH_CASE, u"Hello bye HELLO", 1},
        {__LINE__, u"TR\u00C8S tr\u00E8s", u"tr\u00E8s", u"X", kNone, u"X X", 2},
        // Whole words.
        {__LINE__, u"cat concat cat", u"cat", u"dog", WHOLE_WORDS, u"dog concat dog", 2},
        // The unit before a match is read from the text as replaced so far:
        // after ".." becomes "x.", the second '.' follows 'x', not a boundary.
        {__LINE__, u"..", u".", u"x", WHOLE_WORDS, u"x.", 1},
        // Neither half of a doubled word is a whole word.
        {__LINE__, u"catcat", u"cat", u"", WHOLE_WORDS, u"catcat", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        std::u16string text = r.text;
        const std::uint32_t count = ReplaceAll(text, r.pattern, r.replacement, r.options);
        EXPECT_EQ(std::make_pair(text, count), std::make_pair(r.expected, r.count));
    }
}

// The count is not cut to 16 bits: 70,000 would otherwise read as 4,464.
TEST(PlainSearchTest, CountAboveSixteenBits) {
    std::u16string text(70000, u'a');
    EXPECT_EQ(ReplaceAll(text, u"a", u"bc", kNone), 70000u);
    ASSERT_EQ(text.size(), 140000u);
    EXPECT_EQ(text.find(u'a'), std::u16string::npos);
    EXPECT_EQ(text.substr(0, 4), u"bcbc");
}

// Pattern or replacement may be the very text being changed.
TEST(PlainSearchTest, ArgumentsMayAliasTheText) {
    std::u16string text = u"abc";
    EXPECT_EQ(ReplaceAll(text, text, u"x", kNone), 1u);
    EXPECT_EQ(text, u"x");
    text = u"ab";
    EXPECT_EQ(ReplaceAll(text, u"b", text, kNone), 1u);
    EXPECT_EQ(text, u"aab");
}

}  // namespace
}  // namespace tavrel
