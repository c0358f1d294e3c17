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

// Windows-1252 stands in for the ANSI code page here. Its five undefined
// bytes decode to the C1 controls of the same value, as the system does, so
// no byte is rejected; the text ends at the first zero byte.
TEST(UniversalStringTest, FromAnsi) {
    struct Row {
        int line;
        std::string in;
        std::u16string expected;
    } rows[] = {
        {__LINE__, "", u""},
        {__LINE__, "\x80", u"\u20AC"},
        {__LINE__, "\x9F\xA0", u"\u0178\u00A0"},  // the last mapped byte, the first plain one
        {__LINE__, "\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"},
        {__LINE__, std::string("ab\0cd", 5), u"ab"},
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
        {__LINE__, "\xF0\x9D\x84\x9E", true, u"\xD834\xDD1E"},  // G clef: a surrogate pair
        {__LINE__, "\xC3", false, u""},                         // cut off at the end
        {__LINE__, "\xED\xA0\x80", false, u""},                 // encoded surrogate
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        // Conversion never touches the style.
        UniversalString s = Styled(u"old", kArial), p(u"old");
        EXPECT_EQ(s.fromUtf8(r.in), r.ok);
        EXPECT_EQ(p.fromUtf8(r.in.c_str()), r.ok);
        EXPECT_EQ(Show(s), Show(Styled(r.expected, kArial)));
        EXPECT_EQ(p.text(), r.expected);
        EXPECT_EQ(UniversalString(r.in).text(), r.expected);
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

TEST(UniversalStringTest, WhatKeepsAndWhatResetsTheStyle) {
    UniversalString s = Styled(u"abc", kArial);
    EXPECT_FALSE(s.assign(nullptr));
    EXPECT_FALSE(s.fromAnsi(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(s.fromUtf8(static_cast<const char*>(nullptr)));
    EXPECT_EQ(Show(s), Show(Styled(u"abc", kArial)));
    EXPECT_TRUE(s.assign(u"wide"));
    EXPECT_EQ(s.text(), u"wide");
    s.setText(UniversalString(u"other"));
    s += UniversalString(u"+");
    s += "\xC3\xA8";
    s += std::string("!");
    s += u'?';
    s.appendNumber(-12);
    EXPECT_EQ(Show(s), Show(Styled(u"other+\u00E8!?-12", kArial)));
    UniversalString copy;
    copy = s;
    EXPECT_EQ(Show(copy), Show(s));
    s.clear(false);
    EXPECT_EQ(Show(s), Show(Styled(u"", kArial)));
    s.clear(true);
    EXPECT_EQ(Show(s), kEmptyUnstyled);

    // Numbers and characters reset it.
    UniversalString n = Styled(u"x", kArial);
    n.assignNumber(-2147483647L - 1);
    EXPECT_EQ(Show(n), Show(UniversalString(u"-2147483648")));
    UniversalString c = Styled(u"x", kArial);
    c.assignChar(u'\u00E8');
    EXPECT_EQ(Show(c), Show(UniversalString(u"\u00E8")));

    // A sum keeps the left style; text that does not decode adds nothing.
    const UniversalString left = Styled(u"a", kArial);
    const UniversalString right = Styled(u"b", StringStyle());
    for (const UniversalString& r :
         {left + right, left + std::string("b"), left + "b", left + u'b'}) {
        EXPECT_EQ(Show(r), Show(Styled(u"ab", kArial)));
    }
    EXPECT_EQ(left.plusNumber(7).text(), u"a7");
    EXPECT_EQ((left + "\xFF").text(), u"a");
}

TEST(UniversalStringTest, ToUtf8AndAnsi) {
    struct Row {
        int line;
        std::u16string text;
        std::string utf8, ansi;
    } rows[] = {
        {__LINE__, u"tr\u00E8s \u20AC", "tr\xC3\xA8s \xE2\x82\xAC", "tr\xE8s \x80"},
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
    std::unique_ptr<char16_t[]> copy(UniversalString(u"ab\u00E8").copyWide());
    EXPECT_EQ(std::u16string(copy.get(), 4), std::u16string(u"ab\u00E8\0", 4));
}

// Index guards, and the parts that keep the style.
TEST(UniversalStringTest, PiecesAndGuards) {
    const UniversalString abc(u"abc");
    const auto part = [](long from, long to) {
        return Show(Styled(u"abc", kArial).substring(from, to));
    };
    const auto truncated = [](std::size_t at) {
        UniversalString s(u"abcdef");
        s.truncate(at);
        return s.toUtf8();
    };
    const auto replaced = [](std::size_t index, std::size_t count, const char16_t* with) {
        UniversalString s(u"abc");
        const bool ok = s.replaceRange(index, count, UniversalString(with));
        return Yes(ok) + s.toUtf8();
    };
    Check({
        {__LINE__, [&] { return Yes(abc.charAt(2) == u'c' && abc.charAt(3) == u'\0'); }, "1"},
        {__LINE__, [] { return Yes(UniversalString().endsWith(u'\0')); }, "0"},
        {__LINE__, [&] { return Yes(abc.endsWith(u'c')) + Yes(abc.endsWith(u'b')); }, "10"},
        {__LINE__, [&] { return part(0, -1); }, Show(Styled(u"abc", kArial))},
        {__LINE__, [&] { return part(1, 1); }, Show(Styled(u"b", kArial))},
        {__LINE__, [&] { return part(0, 2); }, Show(Styled(u"abc", kArial))},
        {__LINE__, [&] { return part(0, 3); }, Show(Styled(u"", kArial))},  // to at the length
        {__LINE__, [&] { return part(2, 1); }, Show(Styled(u"", kArial))},
        {__LINE__, [&] { return part(3, -1); }, Show(Styled(u"", kArial))},
        {__LINE__, [&] { return part(-1, 1); }, Show(Styled(u"", kArial))},
        {__LINE__, [&] { return truncated(0); }, ""},
        {__LINE__, [&] { return truncated(5); }, "abcde"},
        {__LINE__, [&] { return truncated(100); }, "abcdef"},
        {__LINE__, [&] { return replaced(1, 1, u"XY"); }, "1aXYc"},
        {__LINE__, [&] { return replaced(2, 10, u"Z"); }, "1abZ"},  // stops at the end
        {__LINE__, [&] { return replaced(1, 0, u"-"); }, "1a-bc"},
        {__LINE__, [&] { return replaced(3, 0, u"X"); }, "0abc"},  // nothing appended so
    });
    UniversalString self(u"ab");
    EXPECT_TRUE(self.replaceRange(0, 1, self));
    EXPECT_EQ(self.text(), u"abb");
}

// Equality ignores the style but not case; of a common prefix the shorter
// is less; 'Z' folds to after 'a'; a non-ASCII unit sorts by its value.
TEST(UniversalStringTest, CaseAndComparison) {
    UniversalString lowered =
        Styled(u"TR\u00C8S \u0391\u0392\u0393 \u0130 \u01C5 \u1E9E \u212A 1-2", kArial);
    lowered.toLower();
    EXPECT_EQ(Show(lowered),
              Show(Styled(u"tr\u00E8s \u03B1\u03B2\u03B3 i \u01C6 \u00DF k 1-2", kArial)));

    const UniversalString a = Styled(u"tr\u00E8s", kArial);
    const auto less = [](const char16_t* x, const char16_t* y) {
        return Yes(UniversalString(x).lessNoCase(UniversalString(y)));
    };
    Check({
        {__LINE__, [&] { return Yes(a == UniversalString(u"tr\u00E8s")); }, "1"},
        {__LINE__, [&] { return Yes(a == UniversalString(u"TR\u00C8S")); }, "0"},
        {__LINE__, [&] { return Yes(a == "tr\xC3\xA8s") + Yes(a == "tres"); }, "10"},
        {__LINE__, [&] { return Yes(a == "\xFF"); }, "0"},  // undecodable equals nothing
        {__LINE__, [] { return Yes(UniversalString() == static_cast<const char*>(nullptr)); }, "1"},
        {__LINE__, [&] { return less(u"abc", u"ABD"); }, "1"},
        {__LINE__, [&] { return less(u"ab", u"ABC") + less(u"abc", u"ABC"); }, "10"},
        {__LINE__, [&] { return less(u"", u"") + less(u"Z", u"a"); }, "00"},
        {__LINE__, [&] { return less(u"\u00C8", u"f") + less(u"\u00E8", u"\u00C9"); }, "01"},
    });
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
}

}  // namespace
}  // namespace tavrel
