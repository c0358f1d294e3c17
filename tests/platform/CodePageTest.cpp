// Conversions between 8-bit text and UTF-16, including the input the strict
// decoders must refuse without reading past its end.
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrel::platform {
namespace {

struct DecodeRow {
    int line;
    std::string input;
    bool ok;
    std::u16string expected;
};

TEST(CodePageTest, Utf8DecodingIsStrict) {
    const DecodeRow rows[] = {
        {__LINE__, "", true, u""},
        {__LINE__, "tr\xC3\xA8s", true, u"tr\u00E8s"},
        {__LINE__, "\xE2\x82\xAC", true, u"\u20AC"},
        {__LINE__, "\xF0\x9D\x84\x9E", true, u"\U0001D11E"},  // G clef: a surrogate pair
        {__LINE__, "ab\0cd", true, u"ab"},                    // stops at the first zero
        {__LINE__, "\x80", false, u""},                       // stray continuation
        {__LINE__, "a\xE2\x82", false, u""},                  // truncated mid-text
        {__LINE__, "\xC0\xAF", false, u""},                   // overlong '/'
        {__LINE__, "\xED\xA0\x80", false, u""},               // encoded surrogate
        {__LINE__, "\xF4\x90\x80\x80", false, u""},           // above U+10FFFF
        {__LINE__, "\xFF", false, u""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        std::u16string out = u"old";
        EXPECT_EQ(row.ok, Utf8ToUtf16(row.input, out));
        EXPECT_EQ(row.expected, out);
    }
}

TEST(CodePageTest, AnsiIsWindows1252BothWays) {
    std::u16string out;
    ASSERT_TRUE(AnsiToUtf16(std::string("\x80 caf\xE9 \x85 \x81", 10), out));
    EXPECT_EQ(u"\u20AC caf\u00E9 \u2026 \u0081", out);

    bool lossless = false;
    EXPECT_EQ(std::string("\x80 caf\xE9 \x85 \x81"), Utf16ToAnsi(out, &lossless));
    EXPECT_TRUE(lossless);
    // What the code page cannot hold is reported.
    EXPECT_EQ("a?b", Utf16ToAnsi(u"a\u0100b", &lossless));
    EXPECT_FALSE(lossless);
    EXPECT_EQ("a?b", Utf16ToAnsi(u"a\u0100b"));  // the flag is optional
}

TEST(CodePageTest, Utf8EncodingRoundTripsAndReplacesLoneSurrogates) {
    const std::u16string text = u"\u00A9 2026 \U0001D11E \u266F";
    std::u16string back;
    ASSERT_TRUE(Utf8ToUtf16(Utf16ToUtf8(text), back));
    EXPECT_EQ(text, back);
    EXPECT_EQ(
        "a\xEF\xBF\xBD"
        "b",
        Utf16ToUtf8(u"a\xD800"
                    u"b"));
    EXPECT_EQ("x", Utf16ToUtf8(std::u16string(u"x\0y", 3)));
}

}  // namespace
}  // namespace tavrel::platform
