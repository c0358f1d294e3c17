// The wide string: conversions with bad and non-ASCII input, guarded index
// operations, what keeps or resets the style, and comparison rules.
#include "text/UniversalString.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/text/StyleBuilder.h"
#include "text/DynString.h"
#include "text/Options.h"

namespace tavrel {
namespace {

const StringStyle kArial = Sty().Font("Arial").Size(12).Fx(EFFECT_BOLD, EFFECT_BOLD);
// How a string prints when its style is reset and not set: the text alone.
const std::string kEmptyUnstyled = "\"\"";

TEST(UniversalStringTest, Construction) {
    EXPECT_EQ(Show(UniversalString()), kEmptyUnstyled);
    EXPECT_EQ(UniversalString("tr\xC3\xA8s").text(), u"tr\u00E8s");
    EXPECT_EQ(UniversalString(static_cast<const char*>(nullptr)).text(), u"");
    EXPECT_EQ(UniversalString(static_cast<const char16_t*>(nullptr)).text(), u"");
    EXPECT_EQ(UniversalString("\xC3").text(), u"");  // cut-off sequence
    const UniversalString source = Styled(u"abc", kArial), copy(source);
    EXPECT_EQ(Show(copy), Show(source));
}

// Windows-1252 stands in for the ANSI code page here. Its five undefined
// bytes decode to the C1 controls of the same value, as the system does, so
// no byte is rejected.
TEST(UniversalStringTest, FromAnsi) {
    struct Row {
        int line;
        std::string in;
        std::u16string expected;
    } rows[] = {
        {__LINE__, "", u""},
        {__LINE__, "abc", u"abc"},
        {__LINE__, "\x80", u"\u20AC"},
        {__LINE__, "\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"},
        {__LINE__, std::string("ab\0cd", 5), u"ab"},  // read up to the first zero byte
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        UniversalString viaString(u"old"), viaPointer(u"old"), viaDyn(u"old");
        EXPECT_TRUE(viaString.fromAnsi(r.in));
        EXPECT_TRUE(viaPointer.fromAnsi(r.in.c_str()));
        EXPECT_TRUE(viaDyn.fromAnsi(DynString(r.in)));
        EXPECT_EQ(viaString.text(), r.expected);
        EXPECT_EQ(viaPointer.text(), r.expected);
        EXPECT_EQ(viaDyn.text(), r.expected);
    }
}

TEST(UniversalStringTest, FromUtf8) {
    struct Row {
        int line;
        std::string in;
        bool ok;
        std::u16string expected;  // empty on failure
    } rows[] = {
        {__LINE__, "", true, u""},
        {__LINE__, "tr\xC3\xA8s", true, u"tr\u00E8s"},
        {__LINE__, "\xF0\x9D\x84\x9E", true, u"\xD834\xDD1E"},  // G clef: a surrogate pair
        {__LINE__, "\xC3", false, u""},                         // cut off at the end
        {__LINE__, "a\x80z", false, u""},                       // stray continuation byte
        {__LINE__, "\xC0\xAF", false, u""},                     // overlong '/'
        {__LINE__, "\xED\xA0\x80", false, u""},                 // encoded surrogate
        {__LINE__, "\xF4\x90\x80\x80", false, u""},             // beyond U+10FFFF
        {__LINE__, "tr\xE8s", false, u""},                      // Windows-1252, not UTF-8
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        // Conversion never touches the style.
        UniversalString s = Styled(u"old", kArial), p(u"old");
        EXPECT_EQ(s.fromUtf8(r.in), r.ok);
        EXPECT_EQ(p.fromUtf8(r.in.c_str()), r.ok);
        EXPECT_EQ(Show(s), Show(Styled(r.expected, kArial)));
        EXPECT_EQ(p.text(), r.expected);
    }
}

// A truncated sequence right before the terminator of an exactly sized heap
// buffer: the sanitizer build catches any read past it.
TEST(UniversalStringTest, RejectedInputIsNotReadPastItsEnd) {
    const char bytes[] = {'\xE2', '\x82', '\0'};
    std::unique_ptr<char[]> buffer(new char[sizeof bytes]);
    std::copy(bytes, bytes + sizeof bytes, buffer.get());
    UniversalString s(u"old");
    EXPECT_FALSE(s.fromUtf8(buffer.get()));
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(UniversalString(buffer.get()).text(), u"");
}

TEST(UniversalStringTest, NullArgumentsChangeNothing) {
    UniversalString s = Styled(u"keep", kArial);
    EXPECT_FALSE(s.assign(nullptr));
    EXPECT_FALSE(s.fromAnsi(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(s.fromUtf8(static_cast<const char*>(nullptr)));
    EXPECT_EQ(Show(s), Show(Styled(u"keep", kArial)));
}

TEST(UniversalStringTest, WhatKeepsTheStyle) {
    UniversalString s = Styled(u"abc", kArial);
    EXPECT_TRUE(s.assign(u"wide"));
    EXPECT_EQ(s.text(), u"wide");
    EXPECT_TRUE(s.fromAnsi("ansi"));
    EXPECT_TRUE(s.fromUtf8("utf8"));
    s.setText(UniversalString(u"other"));
    s += UniversalString(u"+");
    s += "\xC3\xA8";
    s += std::string("!");
    s += u'?';
    s.appendNumber(-12);
    EXPECT_EQ(Show(s), Show(Styled(u"other+\u00E8!?-12", kArial)));
    s.clear(false);
    EXPECT_EQ(Show(s), Show(Styled(u"", kArial)));
    s.clear(true);
    EXPECT_EQ(Show(s), kEmptyUnstyled);
}

TEST(UniversalStringTest, NumbersAndCharactersResetTheStyle) {
    struct Row {
        int line;
        long value;
        std::u16string expected;
    } rows[] = {
        {__LINE__, 0, u"0"},
        {__LINE__, 2147483647L, u"2147483647"},
        {__LINE__, -2147483647L - 1, u"-2147483648"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        UniversalString s = Styled(u"x", kArial);
        s.assignNumber(r.value);
        EXPECT_EQ(Show(s), Show(UniversalString(r.expected)));  // no style printed
    }
    UniversalString c = Styled(u"x", kArial);
    c.assignChar(u'\u00E8');
    EXPECT_EQ(Show(c), Show(UniversalString(u"\u00E8")));
}

TEST(UniversalStringTest, PlusKeepsTheLeftStyle) {
    const UniversalString left = Styled(u"a", kArial);
    const UniversalString right = Styled(u"b", StringStyle());
    for (const UniversalString& r :
         {left + right, left + std::string("b"), left + "b", left + u'b'}) {
        EXPECT_EQ(Show(r), Show(Styled(u"ab", kArial)));
    }
    EXPECT_EQ(left.plusNumber(7).text(), u"a7");
    EXPECT_EQ(left.text(), u"a");
    // Text that does not decode adds nothing.
    EXPECT_EQ((left + "\xFF").text(), u"a");
}

TEST(UniversalStringTest, ToUtf8AndAnsi) {
    struct Row {
        int line;
        std::u16string text;
        std::string utf8, ansi;
    } rows[] = {
        {__LINE__, u"", "", ""},
        {__LINE__, u"tr\u00E8s", "tr\xC3\xA8s", "tr\xE8s"},
        {__LINE__, u"\u20AC\u2026", "\xE2\x82\xAC\xE2\x80\xA6", "\x80\x85"},
        {__LINE__, u"\u4E2D", "\xE4\xB8\xAD", "?"},  // no byte for it in the code page
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        const UniversalString s(r.text);
        DynString d("old");
        d.setExtra(9);
        s.toAnsi(d);
        EXPECT_EQ(std::make_tuple(s.toUtf8(), s.toAnsi(), d.str(), d.extra()),
                  std::make_tuple(r.utf8, r.ansi, r.ansi, std::uint16_t{0}));
    }
}

TEST(UniversalStringTest, CopyWide) {
    const UniversalString s(u"ab\u00E8");
    std::unique_ptr<char16_t[]> copy(s.copyWide());
    EXPECT_EQ(std::u16string(copy.get()), u"ab\u00E8");
    EXPECT_EQ(copy[3], u'\0');
    std::unique_ptr<char16_t[]> empty(UniversalString().copyWide());
    EXPECT_EQ(empty[0], u'\0');
}

TEST(UniversalStringTest, IndexGuards) {
    const UniversalString abc(u"abc");
    EXPECT_EQ(abc.charAt(2), u'c');
    EXPECT_EQ(abc.charAt(3), u'\0');
    EXPECT_EQ(UniversalString().charAt(0), u'\0');
    EXPECT_FALSE(UniversalString().endsWith(u'\0'));
    EXPECT_TRUE(abc.endsWith(u'c'));
    EXPECT_FALSE(abc.endsWith(u'b'));

    struct Row {
        int line;
        std::size_t at;
        std::u16string expected;
    } rows[] = {
        {__LINE__, 0, u""},
        {__LINE__, 5, u"abcde"},
        {__LINE__, 6, u"abcdef"},
        {__LINE__, 100, u"abcdef"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        UniversalString s(u"abcdef");
        s.truncate(r.at);
        EXPECT_EQ(s.text(), r.expected);
    }
}

TEST(UniversalStringTest, Substring) {
    struct Row {
        int line;
        std::u16string text;
        long from, to;
        std::u16string expected;
    } rows[] = {
        {__LINE__, u"abc", 0, -1, u"abc"}, {__LINE__, u"abc", 2, 1, u""},
        {__LINE__, u"abc", 0, 3, u""},  // to at the length
        {__LINE__, u"abc", 0, 2, u"abc"},  {__LINE__, u"abc", 1, 1, u"b"},
        {__LINE__, u"abc", 3, -1, u""},    {__LINE__, u"abc", -1, 1, u""},
        {__LINE__, u"abc", 0, -2, u""},    {__LINE__, u"", 0, -1, u""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(Show(Styled(r.text, kArial).substring(r.from, r.to)),
                  Show(Styled(r.expected, kArial)));  // the part keeps the style
    }
}

TEST(UniversalStringTest, ReplaceRange) {
    struct Row {
        int line;
        std::u16string text;
        std::size_t index, count;
        std::u16string with;
        bool ok;
        std::u16string expected;
    } rows[] = {
        {__LINE__, u"abc", 1, 1, u"XY", true, u"aXYc"},
        {__LINE__, u"abc", 2, 10, u"Z", true, u"abZ"},  // count past the end stops there
        {__LINE__, u"abc", 1, 0, u"-", true, u"a-bc"},
        {__LINE__, u"abc", 3, 0, u"X", false, u"abc"},  // nothing is appended this way
        {__LINE__, u"", 0, 0, u"X", false, u""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        UniversalString s(r.text);
        const bool ok = s.replaceRange(r.index, r.count, UniversalString(r.with));
        EXPECT_EQ(std::make_pair(ok, s.text()), std::make_pair(r.ok, r.expected));
    }
    UniversalString self(u"ab");
    EXPECT_TRUE(self.replaceRange(0, 1, self));
    EXPECT_EQ(self.text(), u"abb");
}

TEST(UniversalStringTest, ToLower) {
    UniversalString s =
        Styled(u"TR\u00C8S \u0391\u0392\u0393 \u0130 \u01C5 \u1E9E \u212A 1-2", kArial);
    s.toLower();
    EXPECT_EQ(Show(s), Show(Styled(u"tr\u00E8s \u03B1\u03B2\u03B3 i \u01C6 \u00DF k 1-2", kArial)));
}

TEST(UniversalStringTest, EqualityIgnoresStyle) {
    UniversalString a = Styled(u"tr\u00E8s", kArial);
    const UniversalString b(u"tr\u00E8s");
    EXPECT_EQ(a, b);
    EXPECT_NE(a, UniversalString(u"TR\u00C8S"));  // exact units
    EXPECT_TRUE(a == "tr\xC3\xA8s");
    EXPECT_FALSE(a == "tres");
    EXPECT_FALSE(a == "\xFF");  // undecodable text equals nothing
    EXPECT_TRUE(UniversalString() == static_cast<const char*>(nullptr));
}

TEST(UniversalStringTest, AssignmentCopiesTheStyle) {
    UniversalString target(u"dst");
    target = Styled(u"src", kArial);
    EXPECT_EQ(Show(target), Show(Styled(u"src", kArial)));
    target = UniversalString();
    EXPECT_EQ(Show(target), kEmptyUnstyled);
}

// Of a common prefix the shorter is less; 'Z' folds to after 'a'; a non-ASCII
// unit sorts by its value, so È comes after 'f'.
TEST(UniversalStringTest, LessNoCase) {
    struct Row {
        int line;
        std::u16string a, b;
        bool less;
    } rows[] = {
        {__LINE__, u"abc", u"ABD", true},   {__LINE__, u"ab", u"ABC", true},
        {__LINE__, u"abc", u"ABC", false},  {__LINE__, u"", u"a", true},
        {__LINE__, u"", u"", false},        {__LINE__, u"Z", u"a", false},
        {__LINE__, u"\u00C8", u"f", false}, {__LINE__, u"\u00E8", u"\u00C9", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(UniversalString(r.a).lessNoCase(UniversalString(r.b)), r.less);
    }
}

TEST(UniversalStringTest, FindAndReplaceAll) {
    UniversalString s = Styled(u"Tr\u00E8s tr\u00E8s", kArial);
    EXPECT_EQ(s.Find(UniversalString(u"TR\u00C8S"), 0, 0), 0);
    EXPECT_EQ(s.Find(UniversalString(u"TR\u00C8S"), 1, 0), 5);
    EXPECT_EQ(s.Find(UniversalString(u"TR\u00C8S"), 0, MATCH_CASE), -1);
    // Only the texts of pattern and replacement are used.
    EXPECT_EQ(s.ReplaceAll(UniversalString(u"TR\u00C8S"), Styled(u"x", StringStyle()), WHOLE_WORDS),
              2u);
    EXPECT_EQ(Show(s), Show(Styled(u"x x", kArial)));
    // The full count: 70,000 cut to 16 bits would read as 4,464.
    UniversalString many(std::u16string(70000, u'a'));
    EXPECT_EQ(many.ReplaceAll(UniversalString(u"a"), UniversalString(u"b"), 0), 70000u);
    EXPECT_EQ(many.text(), std::u16string(70000, u'b'));
}

}  // namespace
}  // namespace tavrel
