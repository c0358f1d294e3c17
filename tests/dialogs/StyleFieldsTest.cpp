// The Font & Style dialog's decisions that need no window: the size field,
// the effect boxes, the font list's order and its rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/dialogs/StyleFields.h"
#include "tests/text/StyleBuilder.h"

namespace tavrel {
namespace {

TEST(StyleFieldsTest, TheSizeFieldReadsOneBoundedNumber) {
    const std::u16string longRun = std::u16string(62, u'0') + u"7";
    struct Row {
        int line;
        std::u16string text;
        int expected;
    };
    const Row rows[] = {
        {__LINE__, u"12pt", 12},        {__LINE__, u"1-2", 1},
        {__LINE__, u"abc", 0},          {__LINE__, u"0", 0},
        {__LINE__, u"-5", 0},           {__LINE__, u"32767", 32767},
        {__LINE__, u"32768", 0},        {__LINE__, longRun, 7},
        {__LINE__, u"0" + longRun, 0},   // 64 characters
        {__LINE__, u"\u0661\u0662", 0},  // other scripts' digits are not read
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(row.expected, ReadSizeField(row.text));
    }
}

TEST(StyleFieldsTest, EffectBoxesShowAndRecordThreeStates) {
    const StringStyle boldNotItalic = Sty().Fx(EFFECT_BOLD, EFFECT_BOLD | EFFECT_ITALIC);
    EXPECT_EQ(kBoxOn, EffectBoxState(boldNotItalic, EFFECT_BOLD));
    EXPECT_EQ(kBoxOff, EffectBoxState(boldNotItalic, EFFECT_ITALIC));
    EXPECT_EQ(kBoxAny, EffectBoxState(boldNotItalic, EFFECT_HIDDEN));
    StringStyle back;
    for (std::uint16_t bit :
         {EFFECT_ITALIC, EFFECT_BOLD, EFFECT_UNDERLINE, EFFECT_HIDDEN, EFFECT_FIXED_SIZE}) {
        ApplyEffectBox(back, bit, EffectBoxState(boldNotItalic, bit));
    }
    EXPECT_EQ(boldNotItalic.effects, back.effects);
    EXPECT_EQ(boldNotItalic.effectsMask, back.effectsMask);
    ApplyEffectBox(back, EFFECT_BOLD, kBoxAny);
    EXPECT_EQ(0, back.effects);
    EXPECT_EQ(EFFECT_ITALIC, back.effectsMask);
}

std::vector<std::string> Names(const std::vector<UniversalString>& list) {
    std::vector<std::string> names;
    for (const UniversalString& entry : list) {
        names.push_back(entry.toUtf8());
    }
    return names;
}

std::vector<UniversalString> Fonts(const std::vector<std::string>& names) {
    std::vector<UniversalString> fonts;
    for (const std::string& name : names) {
        fonts.emplace_back(name);
    }
    return fonts;
}

TEST(StyleFieldsTest, TheFontListIsSortedWithoutRepeatsAndTheDefaultFontFirst) {
    using NameList = std::vector<std::string>;
    struct Row {
        int line;
        std::vector<std::u16string> system;
        NameList document;  // by host font number
        bool searchStyle;
        NameList expected;
    };
    const Row rows[] = {
        {__LINE__, {u"Verdana", u"arial", u"Arial"}, {}, true, {"arial", "Arial", "Verdana"}},
        {__LINE__, {u"Tahoma", u"Arial", u"Tahoma", u"Arial"}, {}, true, {"Arial", "Tahoma"}},
        {__LINE__, {u"Arial", u"ARIAL", u"Arial"}, {}, true, {"Arial", "ARIAL"}},
        {__LINE__,
         {u"Arial", u"Times New Roman"},
         {"Times New Roman", "", "Notaglyph"},
         true,
         {"Times New Roman", "Arial", "Notaglyph*", "Times New Roman"}},
        {__LINE__,
         {u"Arial", u"Times New Roman"},
         {"Times New Roman", "", "Notaglyph"},
         false,
         {"Times New Roman", "Arial", "Times New Roman"}},
        {__LINE__,
         {u"Arial"},
         {"Notaglyph", "Notaglyph"},
         true,
         {"Notaglyph", "Arial", "Notaglyph*"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(row.expected,
                  Names(OrderFontList(row.system, Fonts(row.document), row.searchStyle)));
    }
}

TEST(StyleFieldsTest, RowsAndEntriesCorrespondBothWays) {
    const std::vector<UniversalString> list =
        Fonts({"Times New Roman", "Arial", "Times New Roman"});
    EXPECT_EQ(0, FindFontEntry(list, UniversalString("Times New Roman")));
    EXPECT_EQ(-1, FindFontEntry(list, UniversalString("times new roman")));
    for (std::size_t k = 0; k < list.size(); ++k) {
        EXPECT_EQ(static_cast<int>(k), FontEntryOfRow(FontRowId(k), list.size()));
    }
    EXPECT_EQ(-1, FontEntryOfRow(0, list.size()));
    EXPECT_EQ(-1, FontEntryOfRow(FontRowId(list.size()), list.size()));
}

}  // namespace
}  // namespace tavrel
