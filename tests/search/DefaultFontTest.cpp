// The default-font mark and the preparation of a request's two texts.
#include "search/Engine.h"

#include <string>

#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "host/RecordLayout.h"
#include "tests/text/StyleBuilder.h"

namespace tavrel {
namespace {

using testing_support::EngineTest;

class DefaultFontTest : public EngineTest {};

TEST_F(DefaultFontTest, MarksTheDefaultFontAndFindsFontNumbers) {
    struct Row {
        int line;
        std::string name;
        bool marked;
        std::string nameAfter;
        std::int16_t argAfter;
    };
    const Row rows[] = {
        {__LINE__, "Times New Roman", true, "Times New Roman", 5},
        {__LINE__, "times new ROMAN", true, "times new ROMAN", 5},
        {__LINE__, "Font0", true, "Times New Roman", 4096},
        {__LINE__, "Arial", false, "Arial", 5},
    };
    Open(
        R"("fonts": {"0": {"name": "Times New Roman", "arg": 4096}, "3": {"name": "Arial", "arg": 77}})");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        StringStyle style = Sty().Font(row.name, 5);
        MarkDefaultFont(style);
        EXPECT_EQ((style.fontFlags & FONT_FLAG_DEFAULT) != 0, row.marked);
        EXPECT_EQ(style.fontName, row.nameAfter);
        EXPECT_EQ(style.fontArg, row.argAfter);
    }
    // Font numbers come from the current document.
    struct NumberRow {
        int line;
        const char* name;
        std::uint16_t id, idAfter;
        std::int16_t arg, argAfter;
    };
    const NumberRow numbers[] = {
        {__LINE__, "Arial", kUnset16, 3, 0, 77},
        {__LINE__, "", 3, kUnset16, 0, 0},  // no name: no number
        {__LINE__, "Font0", kUnset16, 0, 0, 4096},
    };
    for (const NumberRow& row : numbers) {
        SCOPED_TRACE(row.line);
        StringStyle style = Sty().Font(row.name, row.arg).Id(row.id);
        ResolveFontNumber(style);
        EXPECT_EQ(style.fontId, row.idAfter);
        EXPECT_EQ(style.fontArg, row.argAfter);
    }
}

TEST_F(DefaultFontTest, NothingIsMarkedWithoutAUsableDefaultFontRecord) {
    struct Row {
        int line;
        std::string fonts;
        std::string name;
    };
    const Row rows[] = {
        {__LINE__, R"({"3": {"name": "Arial"}})", "Font0"},  // no font 0
        {__LINE__, R"({"0": {"name": ""}})", ""},            // empty names never equal
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        Sim().Reset();
        Open("\"fonts\": " + row.fonts);
        StringStyle style = Sty().Font(row.name);
        MarkDefaultFont(style);
        EXPECT_EQ(style.fontFlags, 0);
        EXPECT_EQ(style.fontName, row.name);
    }
}

TEST_F(DefaultFontTest, PreparationResetsUnusedStylesAndConvertsTexts) {
    Open(R"("fonts": {"0": {"name": "Times New Roman", "arg": 4096}})");
    UniversalString search("a^tb<67>");
    UniversalString replace("^^");
    search.setStyle(Bold());
    replace.setStyle(Bold());
    std::uint32_t options = SR_USE_REPLACE_STYLE | SR_FILE_INFO;
    PrepareSearch(search, replace, options);
    EXPECT_EQ(search.text(), u"a\tbC");
    EXPECT_EQ(search.style().effectsMask, 0);  // its box is clear: accepts anything
    EXPECT_FALSE(search.styleSet());
    EXPECT_EQ(replace.text(), u"\u001E");
    EXPECT_EQ(replace.style().effects, 1);
    EXPECT_EQ(options, SR_USE_REPLACE_STYLE | SR_FILE_INFO | 0x008F00C0u);
}

TEST_F(DefaultFontTest, PreparationWritesADefaultFontReplacementAsFont0) {
    Open(R"("fonts": {"0": {"name": "Times New Roman", "arg": 4096}})");
    UniversalString search("x");
    UniversalString replace("y");
    replace.setStyle(Sty().Font("Times New Roman", 4096));
    std::uint32_t options = SR_USE_REPLACE_STYLE | SR_EVERYWHERE;
    PrepareSearch(search, replace, options);
    EXPECT_EQ(replace.style().fontName, "Font0");
    EXPECT_EQ(replace.style().fontArg, 0);
    EXPECT_NE(replace.style().fontFlags & FONT_FLAG_DEFAULT, 0);
    // Everywhere stands for every category and every file-info text.
    EXPECT_EQ(options & SR_ALL_CATEGORIES, SR_ALL_CATEGORIES);
}

}  // namespace
}  // namespace tavrel
