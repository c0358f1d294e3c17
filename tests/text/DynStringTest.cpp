// The 8-bit string: exact terminated buffers, guarded accessors, wildcard
// matching, name keys, fields, numbers and the 8-bit search.
#include "text/DynString.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tests/text/StyleBuilder.h"
#include "text/Options.h"

namespace tavrel {
namespace {

// The text after a change in place.
std::string After(const char* text, void (DynString::*change)()) {
    DynString s(text);
    (s.*change)();
    return s.str();
}

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

    DynString cut = DynString::WithLength(8);
    std::memcpy(cut.data(), "ab", 2);
    cut.cutAtNul();
    EXPECT_EQ(cut.length(), 2u);
}

// The extra field follows copies, not text.
TEST(DynStringTest, ExtraField) {
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
    s.assignFloat(-0.25);
    EXPECT_EQ(s.str(), "-0.25");
    s.assignFloat(1234567);
    EXPECT_EQ(s.str(), "1.23457e+06");
    s.assignWide(u"tr\u00E8s \u20AC");
    EXPECT_EQ(s.str(), "tr\xE8s \x80");
    s.assignWide(nullptr);
    EXPECT_EQ(s.str(), "");
}

TEST(DynStringTest, PiecesAndGuards) {
    DynString abc("abc");
    const DynString& constant = abc;
    Check({
        {__LINE__, [&] { return abc.left(-1).str(); }, ""},
        {__LINE__, [&] { return abc.left(2).str(); }, "ab"},
        {__LINE__, [&] { return abc.left(4).str(); }, ""},
        {__LINE__, [&] { return abc.right(2).str(); }, "c"},
        {__LINE__, [&] { return abc.substring(0, -1).str(); }, "a"},   // -1: the byte at from
        {__LINE__, [&] { return abc.substring(1, 10).str(); }, "bc"},  // clamped to the end
        {__LINE__, [&] { return abc.substring(2, 1).str(); }, ""},
        {__LINE__, [&] { return std::string(1, abc.charAt(2)); }, "c"},
        {__LINE__, [&] { return Yes(abc.charAt(3) == '\0' && abc.charAt(-1) == '\0'); }, "1"},
        // The terminator is still inside; anything further gives the start.
        {__LINE__, [&] { return Yes(abc.pointerAt(3) == abc.c_str() + 3); }, "1"},
        {__LINE__, [&] { return Yes(abc.pointerAt(4) == abc.c_str()); }, "1"},
        {__LINE__, [&] { return Yes(constant.pointerAt(99) == constant.c_str()); }, "1"},
    });
}

// Comparison is byte-exact; matching is case-blind, without a wildcard the
// lengths must agree, and '*' or '%' stands for at least one byte at either
// end (the subject may carry it).
TEST(DynStringTest, CompareAndMatch) {
    const DynString s("abc");
    const auto match = [](const char* subject, const char* pattern) {
        const bool both = DynString(subject).matches(DynString(pattern));
        return Yes(DynString(subject).matches(pattern)) + Yes(both);
    };
    Check({
        {__LINE__, [&] { return Yes(s == "ABC"); }, "0"},
        {__LINE__, [&] { return Yes(DynString() == static_cast<const char*>(nullptr)); }, "1"},
        {__LINE__, [&] { return Yes(s != DynString("abcd")); }, "1"},
        {__LINE__, [&] { return Yes(DynString::WithLength(2) != DynString::WithLength(1)); }, "1"},
        {__LINE__, [&] { return Yes(s.contains("")) + Yes(s.contains("cb")); }, "10"},
        {__LINE__, [&] { return Yes(s.startsWith("")) + Yes(s.startsWith("abc")); }, "01"},
        {__LINE__, [&] { return Yes(s.startsWith("abcd")) + Yes(s.startsWith("A")); }, "00"},
        {__LINE__, [&] { return match("Button", "button"); }, "11"},
        {__LINE__, [&] { return match("Button", "butto"); }, "00"},
        {__LINE__, [&] { return match("Button", "But*"); }, "11"},
        {__LINE__, [&] { return match("Bu", "But*"); }, "00"},
        {__LINE__, [&] { return match("Tempo", "%MPO"); }, "11"},
        {__LINE__, [&] { return match("mpo", "*mpo"); }, "00"},
        {__LINE__, [&] { return match("Tem*", "Tempo"); }, "11"},
        {__LINE__, [&] { return match("", ""); }, "00"},
        // Both ends: subject[1..3] meets pattern[1..3].
        {__LINE__, [&] { return match("Tempo", "*EMP*"); }, "11"},
        {__LINE__, [&] { return match("Tempo", "*mpo*"); }, "00"},
    });
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
        {__LINE__, "...", ""},
        {__LINE__, "Line1\r\nLine2\rLine3", "line1line2line3"},
        {__LINE__, "Fu\xDF", "fuss"},
        {__LINE__, "Vol -5", "vol-5"},
        {__LINE__, "50%", "50%"},
        {__LINE__, "5% off", "5off"},
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

// The search loop is the wide string's (see the plain search tests); here
// what is the 8-bit string's own: the write bit, null texts, ASCII folding.
TEST(DynStringTest, ReplaceAllAndCount) {
    const auto replace = [](const char* text, const char* pattern, const char* with,
                            std::uint32_t options) {
        DynString s(text);
        const std::uint32_t n = s.ReplaceAll(pattern, with, options);
        return s.str() + " " + std::to_string(n);
    };
    const std::uint32_t W = REPLACE_WRITE;
    Check({
        {__LINE__, [&] { return replace("aaaa", "aa", "b", W); }, "bb 2"},
        {__LINE__, [&] { return replace("aaaa", "aa", "b", 0); }, "aaaa 2"},  // counted only
        {__LINE__, [&] { return replace("Cat cat", "cat", "dog", W | MATCH_CASE); }, "Cat dog 1"},
        {__LINE__, [&] { return replace("cat concat", "cat", "dog", W | WHOLE_WORDS); },
         "dog concat 1"},
        {__LINE__, [&] { return replace("a", nullptr, "x", W); }, "a 0"},
        {__LINE__, [&] { return replace("a", "a", nullptr, W); }, " 1"},
        {__LINE__, [&] { return replace("\xC9T", "\xE9t", "x", W); }, "\xC9T 0"},
        {__LINE__, [] { return std::to_string(DynString("abababa").countOccurrences("aba", 0)); },
         "2"},
        {__LINE__,
         [] { return std::to_string(DynString("x - -").countOccurrences("-", WHOLE_WORDS)); }, "2"},
    });
}

// A leading or trailing separator is not counted as a field's end.
TEST(DynStringTest, FieldsNumbersAndEllipses) {
    const auto count = [](const char* text) {
        return std::to_string(DynString(text).fieldCount(','));
    };
    const auto field = [](const char* text, std::uint32_t n) {
        return DynString(text).field(n, ',').str();
    };
    const auto number = [](const char* text) {
        char out[32];
        std::snprintf(out, sizeof out, "%g", static_cast<double>(DynString(text).readFloat()));
        return std::string(out);
    };
    Check({
        {__LINE__, [&] { return count(""); }, "0"},
        {__LINE__, [&] { return count(",a,b"); }, "2"},
        {__LINE__, [&] { return count("a,,b"); }, "3"},
        {__LINE__, [&] { return count(",,,"); }, "2"},
        {__LINE__, [&] { return field("a,b,c", 0) + field("a,b,c", 1) + field("a,b,c", 3); }, "ac"},
        {__LINE__, [&] { return field("a,b,c", 4) + field(",a", 1) + field("a,,c", 2); }, ""},
        {__LINE__, [] { return DynString("k\x1Fv").field(2, '\x1F').str(); }, "v"},
        {__LINE__, [&] { return number("x=3.25cm"); }, "3.25"},
        {__LINE__, [&] { return number("-2.5"); }, "2.5"},
        {__LINE__, [&] { return number(".5"); }, "0.5"},
        {__LINE__, [&] { return number("v1e3"); }, "1000"},
        {__LINE__, [&] { return number("7e"); }, "7"},
        {__LINE__, [&] { return number("1.2.3"); }, "1.2"},
        {__LINE__, [&] { return number("2.5E-1"); }, "0.25"},
        {__LINE__, [] { return Yes(DynString("a...").endsWithEllipsis()); }, "1"},
        {__LINE__, [] { return Yes(DynString("...").endsWithEllipsis()); }, "0"},
        {__LINE__, [] { return Yes(DynString("Wait..").endsWithEllipsis()); }, "0"},
        {__LINE__, [] { return Yes(DynString("\x85").endsWithEllipsis()); }, "1"},
    });
}

// In "<<65>" the second '<' ends a group and starts none.
TEST(DynStringTest, CharacterCodesAndSeparators) {
    const auto codes = [](const char* text) {
        return After(text, &DynString::convertCharacterCodes);
    };
    Check({
        {__LINE__, [&] { return codes("x<66>y<67>"); }, "xByC"},
        {__LINE__, [&] { return codes("<255>"); }, "\xFF"},
        {__LINE__, [&] { return codes("<0>"); }, "<0>"},
        {__LINE__, [&] { return codes("<256>"); }, "<256>"},
        {__LINE__, [&] { return codes("<5x<66>"); }, "<5xB"},
        {__LINE__, [&] { return codes("<99999999999999999999>"); }, "<99999999999999999999>"},
        {__LINE__,
         [] {
             return After(
                 "a\x1F"
                 "b\x1F",
                 &DynString::convertSeparators);
         },
         "a\x8D"
         "b\x8D"},
    });
}

}  // namespace
}  // namespace tavrel
