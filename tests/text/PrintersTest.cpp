// The test printers: failures must show readable text and only the style
// fields that were changed.
#include "tests/text/Printers.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(PrintersTest, UniversalString) {
    struct Row {
        int line;
        std::u16string text;
        std::string printed;
    } rows[] = {
        {__LINE__, u"", "\"\""},
        {__LINE__, u"tr\u00E8s", "\"tr\xC3\xA8s\""},
        {__LINE__, u"a\u0001b\u001E", "\"a\\u0001b\\u001E\""},
        {__LINE__, u"\xD834\xDD1E", "\"\xF0\x9D\x84\x9E\""},
        {__LINE__, u"x\xD800", "\"x\\uD800\""},
        {__LINE__, u"a\\b", "\"a\\u005Cb\""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(testing::PrintToString(UniversalString(r.text)), r.printed);
    }
}

TEST(PrintersTest, Style) {
    StringStyle s;
    EXPECT_EQ(testing::PrintToString(s), "{}");
    s.fontName = "Arial";
    s.size = 12;
    s.effects = EFFECT_BOLD;
    s.effectsMask = EFFECT_BOLD | EFFECT_ITALIC;
    s.runStart = 2;
    s.runEnd = 5;
    EXPECT_EQ(testing::PrintToString(s), "{font=Arial size=12 fx=1/3 run=2..5}");

    UniversalString styled(u"ab");
    styled.setStyle(StringStyle());
    EXPECT_EQ(testing::PrintToString(styled), "\"ab\" {}");
    styled.style().baseline = -4;
    EXPECT_EQ(testing::PrintToString(styled), "\"ab\" {base=-4}");
}

}  // namespace
}  // namespace tavrel
