// The 8-bit string: exact terminated buffers, guarded accessors, wildcard
// matching, name keys, fields, numbers and the 8-bit search.
#include "text/DynString.h"

#include <gtest/gtest.h>

#include <cstring>

#include "text/Options.h"

namespace tavrel {
namespace {

using Text = const char*;  // may be null where a row says so

TEST(DynStringTest, BuffersAreAlwaysTerminated) {
    const DynString empty;
    ASSERT_NE(empty.c_str(), nullptr);
    EXPECT_EQ(empty.c_str()[0], '\0');
    EXPECT_TRUE(DynString(static_cast<const char*>(nullptr)).empty());

    const DynString zeros = DynString::WithLength(5);
    EXPECT_EQ(zeros.length(), 5u);
    EXPECT_EQ(std::memcmp(zeros.c_str(), "\0\0\0\0\0", 6), 0);
    DynString s("abc");
    s.setLength(2);
    EXPECT_EQ(s.length(), 2u);
    EXPECT_EQ(std::memcmp(s.c_str(), "\0\0", 3), 0);
}

TEST(DynStringTest, ExtraFieldFollowsCopiesNotText) {
    DynString a("abc");
    a.setExtra(7);
    EXPECT_EQ(DynString(a).extra(), 7);
    DynString assigned;
    assigned = a;
    EXPECT_EQ(assigned.extra(), 7);
    assigned = "text";
    EXPECT_EQ(assigned.extra(), 0);
    a.assignFloat(1.5);
    EXPECT_EQ(a.extra(), 0);
}

// Changes made in place are not assignments from text: the field stays.
TEST(DynStringTest, ExtraFieldSurvivesChangesInPlace) {
    struct Row {
        int line;
        void (*change)(DynString&);
        Text expected;
    } rows[] = {
        {__LINE__, [](DynString& s) { s.simplify(); }, "abc1"},
        {__LINE__, [](DynString& s) { s.ReplaceAll("b", "x", REPLACE_WRITE); }, "AxC 1"},
        {__LINE__, [](DynString& s) { s.convertCharacterCodes(); }, "AbC 1"},
        {__LINE__, [](DynString& s) { s += "!"; }, "AbC 1!"},
        {__LINE__, [](DynString& s) { s.appendInt(2); }, "AbC 12"},
        {__LINE__, [](DynString& s) { s.convertSeparators(); }, "AbC 1"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        DynString s("AbC 1");
        s.setExtra(5);
        r.change(s);
        EXPECT_EQ(std::make_pair(s.str(), s.extra()),
                  std::make_pair(std::string(r.expected), std::uint16_t{5}));
    }
}

TEST(DynStringTest, AssignAndAppend) {
    DynString s;
    s = "ab";
    s += DynString("cd");
    s += "ef";
    s += static_cast<const char*>(nullptr);
    s.appendInt(-7);
    EXPECT_EQ(s.str(), "abcdef-7");
    s = s.c_str() + 2;  // from inside its own buffer
    EXPECT_EQ(s.str(), "cdef-7");

    struct Row {
        int line;
        double value;
        Text expected;
    } rows[] = {
        {__LINE__, -0.25, "-0.25"},
        {__LINE__, 1234567, "1.23457e+06"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        s.assignFloat(r.value);
        EXPECT_EQ(s.str(), r.expected);
    }
    s.assignWide(u"tr\u00E8s \u20AC");
    EXPECT_EQ(s.str(), "tr\xE8s \x80");
    s.assignWide(nullptr);
    EXPECT_EQ(s.str(), "");
}

TEST(DynStringTest, LeftRightSubstring) {
    const DynString abc("abc");
    struct Row {
        int line;
        long n;
        Text left, right;
    } rows[] = {
        {__LINE__, -1, "", ""},
        {__LINE__, 2, "ab", "c"},
        {__LINE__, 4, "", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(abc.left(r.n).str(), r.left);
        EXPECT_EQ(abc.right(r.n).str(), r.right);
    }

    struct SubRow {
        int line;
        Text text;
        long from, to;
        Text expected;
    } subs[] = {
        {__LINE__, "abc", 0, -1, "a"},   // -1: the single byte at from
        {__LINE__, "abc", 1, 10, "bc"},  // clamped to the last byte
        {__LINE__, "abc", 3, -1, ""},   {__LINE__, "abc", 2, 1, ""}, {__LINE__, "abc", -1, 1, ""},
    };
    for (const SubRow& r : subs) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(DynString(r.text).substring(r.from, r.to).str(), r.expected);
    }
}

TEST(DynStringTest, IndexGuards) {
    DynString s("abc");
    EXPECT_EQ(s.charAt(2), 'c');
    EXPECT_EQ(s.charAt(3), '\0');
    EXPECT_EQ(s.charAt(-1), '\0');
    EXPECT_EQ(s.pointerAt(3), s.c_str() + 3);  // the terminator is still inside
    EXPECT_EQ(s.pointerAt(4), s.c_str());
    EXPECT_EQ(s.pointerAt(-1), s.c_str());
    const DynString& cs = s;
    EXPECT_EQ(cs.pointerAt(99), cs.c_str());
}

TEST(DynStringTest, CutAtNul) {
    DynString s = DynString::WithLength(8);
    std::memcpy(s.data(), "ab", 2);
    s.cutAtNul();
    EXPECT_EQ(s.length(), 2u);
    EXPECT_EQ(s.str(), "ab");
    DynString full("abc");
    full.cutAtNul();
    EXPECT_EQ(full.str(), "abc");
}

TEST(DynStringTest, CompareContainsStartsWith) {
    const DynString s("abc");
    EXPECT_FALSE(s == "ABC");
    EXPECT_TRUE(DynString() == static_cast<const char*>(nullptr));
    EXPECT_TRUE(s != DynString("abcd"));
    EXPECT_TRUE(DynString::WithLength(2) != DynString::WithLength(1));  // zero bytes count
    EXPECT_TRUE(s.contains(""));
    EXPECT_FALSE(s.contains("cb"));
    EXPECT_FALSE(s.contains(nullptr));

    struct Row {
        int line;
        Text needle;
        bool expected;
    } rows[] = {
        {__LINE__, "", false},  {__LINE__, "abc", true},    {__LINE__, "abcd", false},
        {__LINE__, "A", false}, {__LINE__, nullptr, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(s.startsWith(r.needle), r.expected);
    }
}

// Case-insensitive; without a wildcard the lengths must agree; '*' or '%'
// stands for at least one byte at either end, and the subject may carry it.
TEST(DynStringTest, Matches) {
    struct Row {
        int line;
        Text subject, pattern;
        bool expected;
    } rows[] = {
        {__LINE__, "Button", "button", true},
        {__LINE__, "Button", "butto", false},
        {__LINE__, "Button", "But*", true},
        {__LINE__, "Bu", "But*", false},
        {__LINE__, "Tempo", "%MPO", true},
        {__LINE__, "Tempo", "*mpx", false},
        {__LINE__, "mpo", "*mpo", false},
        {__LINE__, "Tem*", "Tempo", true},
        {__LINE__, "", "", false},
        // Wildcards at both ends: offset 1, compare end at the pattern's
        // last index, so subject[1..3] meets pattern[1..3].
        {__LINE__, "Tempo", "*EMP*", true},
        {__LINE__, "Tempo", "*mpo*", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(DynString(r.subject).matches(r.pattern), r.expected);
        EXPECT_EQ(DynString(r.subject).matches(DynString(r.pattern)), r.expected);
    }
    EXPECT_FALSE(DynString("Temperature*").matches("Tem"));
}

// "..." is too short to lose its dots, which go anyway; a minus before a
// digit and a final wildcard stay; only ASCII is lower-cased.
TEST(DynStringTest, Simplify) {
    const std::string sj = "\x82\xA0";  // one Shift-JIS pair
    struct Row {
        int line;
        std::string in, expected;
    } rows[] = {
        {__LINE__, "Tempo, Lento...", "tempolento"},
        {__LINE__, "Score // comment", "score"},
        {__LINE__, "...", ""},
        {__LINE__, "Allegro\x85", "allegro"},
        {__LINE__, "Line1\r\nLine2\rLine3", "line1line2line3"},
        {__LINE__, "Fu\xDF", "fuss"},
        {__LINE__, "Vol -5", "vol-5"},
        {__LINE__, "A-B", "ab"},
        {__LINE__, "What?", "what?"},
        {__LINE__, "50%", "50%"},
        {__LINE__, "5% off", "5off"},
        {__LINE__, "#1 $2 (x)", "#1$2x"},
        {__LINE__, "AB\xC9", "ab\xC9"},
        // A Latin-1 letter before an ASCII one looks like a Shift-JIS pair.
        {__LINE__, "\xC9T\xC9", "\xC9T\xC9"},
        // Shift-JIS text (pairs / length above 0.15) is kept as it is.
        {__LINE__, sj + " A\tB", sj + "A"},
        // 3 pairs in 20 bytes is exactly 0.15: not double-byte text.
        {__LINE__, sj + sj + sj + "AAAAAAAAAAAAAA", sj + sj + sj + "aaaaaaaaaaaaaa"},
        {__LINE__, sj + sj + sj + sj + "AAAAAAAAAAAA", sj + sj + sj + sj + "AAAAAAAAAAAA"},
        // Pairs are counted without overlap: 0x82 0x82 0x82 0x82 is two.
        {__LINE__, std::string(4, '\x82') + "AAAAAAAA", std::string(4, '\x82') + "AAAAAAAA"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        DynString s(r.in);
        s.simplify();
        EXPECT_EQ(s.str(), r.expected);
    }
}

TEST(DynStringTest, ReplaceAllAndCount) {
    struct Row {
        int line;
        Text text, pattern, replacement;
        std::uint32_t options;
        Text expected;
        std::uint32_t count;
    };
    const std::uint32_t W = REPLACE_WRITE;
    const Row rows[] = {
        {__LINE__, "aaaa", "aa", "b", W, "bb", 2},
        {__LINE__, "aaaa", "aa", "b", 0, "aaaa", 2},  // without the write bit: counted only
        {__LINE__, "aabc", "abc", "x", W, "aabc", 0},
        {__LINE__, "xabc", "abc", "x", W, "xx", 1},
        {__LINE__, "Cat cat CAT", "cat", "dog", W | MATCH_CASE, "Cat dog CAT", 1},
        {__LINE__, "cat concat", "cat", "dog", W | WHOLE_WORDS, "dog concat", 1},
        {__LINE__, "a", nullptr, "x", W, "a", 0},
        {__LINE__, "a", "a", nullptr, W, "", 1},
        {__LINE__, "\xC9T\xC9", "\xE9t\xE9", "x", W, "\xC9T\xC9", 0},  // ASCII folding only
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        DynString s(r.text);
        const std::uint32_t count = s.ReplaceAll(r.pattern, r.replacement, r.options);
        EXPECT_EQ(std::make_pair(s.str(), count), std::make_pair(std::string(r.expected), r.count));
    }

    struct CountRow {
        int line;
        Text text, pattern;
        std::uint32_t options, count;
    } counts[] = {
        {__LINE__, "abababa", "aba", 0, 2},  // no overlap
        {__LINE__, "x--y", "-", WHOLE_WORDS, 0},
        {__LINE__, "x - -", "-", WHOLE_WORDS, 2},
    };
    for (const CountRow& r : counts) {
        SCOPED_TRACE(r.line);
        const DynString s(r.text);
        EXPECT_EQ(s.countOccurrences(r.pattern, r.options), r.count);
        EXPECT_EQ(s.str(), r.text);
    }
    DynString many(std::string(70000, 'a'));
    EXPECT_EQ(many.countOccurrences("a", 0), 70000u);
    EXPECT_EQ(many.ReplaceAll("a", "b", W), 70000u);
    EXPECT_EQ(many.str(), std::string(70000, 'b'));
}

TEST(DynStringTest, Fields) {
    struct CountRow {
        int line;
        Text text;
        std::uint32_t count;
    } counts[] = {
        {__LINE__, "", 0},     {__LINE__, ",a,b", 2},  // a leading separator is not counted
        {__LINE__, "a,b,", 2},                         // nor a trailing one
        {__LINE__, "a,,b", 3}, {__LINE__, ",,,", 2},
    };
    for (const CountRow& r : counts) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(DynString(r.text).fieldCount(','), r.count);
    }

    struct FieldRow {
        int line;
        Text text;
        std::uint32_t n;
        Text expected;
    } fields[] = {
        {__LINE__, "a,b,c", 0, ""}, {__LINE__, "a,b,c", 1, "a"}, {__LINE__, "a,b,c", 3, "c"},
        {__LINE__, "a,b,c", 4, ""}, {__LINE__, ",a", 1, ""},     {__LINE__, "a,,c", 2, ""},
    };
    for (const FieldRow& r : fields) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(DynString(r.text).field(r.n, ',').str(), r.expected);
    }
    EXPECT_EQ(DynString("k\x1Fv").field(2, '\x1F').str(), "v");
}

TEST(DynStringTest, ReadFloat) {
    struct Row {
        int line;
        Text text;
        float expected;
    } rows[] = {
        {__LINE__, "x=3.25cm", 3.25f}, {__LINE__, "-2.5", 2.5f},    {__LINE__, ".5", 0.5f},
        {__LINE__, ".", 0.0f},         {__LINE__, "v1e3", 1000.0f}, {__LINE__, "7e", 7.0f},
        {__LINE__, "1.2.3", 1.2f},     {__LINE__, "2.5E-1", 0.25f},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_FLOAT_EQ(DynString(r.text).readFloat(), r.expected);
    }
}

TEST(DynStringTest, EndsWithEllipsis) {
    struct Row {
        int line;
        Text text;
        bool expected;
    } rows[] = {
        {__LINE__, "a...", true},
        {__LINE__, "...", false},
        {__LINE__, "Wait..", false},
        {__LINE__, "\x85", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(DynString(r.text).endsWithEllipsis(), r.expected);
    }
}

// In "<<65>" the second '<' ends a group and starts none.
TEST(DynStringTest, CharacterCodesAndSeparators) {
    struct Row {
        int line;
        Text text, expected;
    } rows[] = {
        {__LINE__, "x<66>y<67>", "xByC"}, {__LINE__, "<255>", "\xFF"},  {__LINE__, "<0>", "<0>"},
        {__LINE__, "<>", "<>"},           {__LINE__, "<256>", "<256>"}, {__LINE__, "<65", "<65"},
        {__LINE__, "<5x<66>", "<5xB"},    {__LINE__, "<<65>", "<<65>"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        DynString s(r.text);
        s.convertCharacterCodes();
        EXPECT_EQ(s.str(), r.expected);
    }
    DynString huge("<99999999999999999999>");
    huge.convertCharacterCodes();
    EXPECT_EQ(huge.str(), "<99999999999999999999>");
    DynString sep(std::string("a\x1F") + "b\x1F");
    sep.convertSeparators();
    EXPECT_EQ(sep.str(), std::string("a\x8D") + "b\x8D");
}

}  // namespace
}  // namespace tavrel
