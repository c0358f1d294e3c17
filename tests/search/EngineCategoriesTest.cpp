// Each category of the engine reaches exactly its own kinds of text: a score
// with the word once in every kind of text, searched one category at a time
// and everywhere.
#include "search/Engine.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "host/RecordLayout.h"

namespace tavrel {
namespace {

using testing_support::EngineTest;
using testing_support::Key;
using testing_support::StaffStyleNameOf;
using testing_support::TextOf;

// Where the every-kind score puts the word, and the text's lead before it.
// clang-format off
enum Place { kStaff, kStyleBlock, kGroup, kPageBlock, kMeasureBlock, kStyleName, kVerse, kChorus,
             kSection, kShape, kTitle, kInfo7, kTempo, kRepeat, kEnding, kPlaceCount };
// clang-format on
struct PlaceInfo {
    RecordTag kind;  // 0: the staff-style name
    std::uint16_t number;
    const char* lead;
};
const PlaceInfo kPlaces[kPlaceCount] = {
    {layout::kTextBlockText, 1, "Violin "},  {layout::kTextBlockText, 2, "Style "},
    {layout::kTextBlockText, 3, "Group "},   {layout::kTextBlockText, 4, "Page "},
    {layout::kTextBlockText, 5, "Measure "}, {0, 1, "Name "},
    {layout::kLyricsVerse, 1, "verse "},     {layout::kLyricsChorus, 1, "chorus "},
    {layout::kLyricsSection, 1, "section "}, {layout::kSmartShapeText, 1, "shape "},
    {layout::kFileInfoText, 1, "title "},    {layout::kFileInfoText, 7, "info7 "},
    {layout::kExpressionText, 1, "tempo "},  {layout::kRepeatText, 1, "repeat "},
    {layout::kEndingText, 1, "ending "}};

std::string PlaceText(std::int16_t doc, int place) {
    const PlaceInfo& p = kPlaces[place];
    return p.kind == 0 ? StaffStyleNameOf(doc, p.number) : TextOf(doc, p.kind, Key(p.number));
}
std::string Expected(int place, const std::string& word) {
    return kPlaces[place].lead + word;
}

using EngineCategoriesTest = EngineTest;

TEST_F(EngineCategoriesTest, EachCategoryReachesItsOwnTexts) {
    struct Row {
        int line;
        std::uint32_t options;
        std::vector<int> changed;
    };
    const std::vector<int> all = {kStaff,     kStyleBlock, kGroup,  kPageBlock, kMeasureBlock,
                                  kStyleName, kVerse,      kChorus, kSection,   kShape,
                                  kTitle,     kInfo7,      kTempo,  kRepeat,    kEnding};
    const Row rows[] = {
        {__LINE__, SR_STAFF_NAMES, {kStaff, kStyleBlock}},
        {__LINE__, SR_STAFF_STYLE_NAMES, {kStyleName}},
        {__LINE__, SR_GROUP_NAMES, {kGroup}},
        {__LINE__, SR_TEXT_BLOCKS, {kPageBlock, kMeasureBlock}},
        {__LINE__, SR_LYRICS, {kVerse, kChorus, kSection}},
        {__LINE__, SR_SMART_SHAPES, {kShape}},
        {__LINE__, SR_FILE_INFO, {kTitle, kInfo7}},
        {__LINE__, SR_FILE_INFO_7, {kInfo7}},
        {__LINE__, SR_REPEAT_TEXTS, {kRepeat, kEnding}},
        {__LINE__, SR_TEXT_EXPRESSIONS, {kTempo}},
        {__LINE__, SR_ARTICULATIONS, {}},  // a word is not a symbol
        {__LINE__, SR_EVERYWHERE, all},
        {__LINE__, SR_INITIAL_OPTIONS, all},
        {__LINE__, SR_MATCH_CASE | SR_WHOLE_WORDS, {}},  // no category
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        Sim().Reset();
        const std::int16_t doc = OpenEveryKind();
        EXPECT_EQ(Run("Allegro", "Presto", row.options), row.changed.size());
        for (int place = 0; place < kPlaceCount; ++place) {
            SCOPED_TRACE(place);
            bool expectChange = false;
            for (int p : row.changed) {
                expectChange = expectChange || p == place;
            }
            EXPECT_EQ(PlaceText(doc, place), Expected(place, expectChange ? "Presto" : "Allegro"));
        }
    }
}

// Either option lost would change a second occurrence.
TEST_F(EngineCategoriesTest, MatchCaseAndWholeWords) {
    const std::int16_t doc = Open(R"("texts": {"txxp": {"1": "Cat cat, tomcat"}})");
    EXPECT_EQ(Run("cat", "dog", SR_TEXT_EXPRESSIONS | SR_MATCH_CASE | SR_WHOLE_WORDS), 1u);
    EXPECT_EQ(TextOf(doc, layout::kExpressionText, Key(1)), "Cat dog, tomcat");
}

TEST_F(EngineCategoriesTest, StaffStyleNamesIgnoreCaseAndWordOptions) {
    const std::int16_t doc = Open(R"("staffStyles": {"1": {"name": "slash Slashes"}})");
    // Without Match Case the text search would take both; the name is
    // compared exactly and inside words.
    EXPECT_EQ(Run("Slash", "Cut", SR_STAFF_STYLE_NAMES | SR_WHOLE_WORDS), 1u);
    EXPECT_EQ(StaffStyleNameOf(doc, 1), "slash Cutes");
}

TEST_F(EngineCategoriesTest, StaffStyleNameIsCutToItsFieldAndZeroFilled) {
    namespace ss = layout::staffstyle;
    // 47 bytes, a full field, and "é" (0xE9 in Windows-1252).
    const std::int16_t doc = Open(R"("staffStyles": {"1": {"name": ")" + std::string(46, 'n') +
                                  R"(x"}, "2": {"name": "x é"}})");
    EXPECT_EQ(Run("x", "yz", SR_STAFF_STYLE_NAMES), 2u);
    EXPECT_EQ(StaffStyleNameOf(doc, 1), std::string(46, 'n') + "y");
    EXPECT_EQ(StaffStyleNameOf(doc, 2), "yz \xE9");
    const sim::Bytes record = testing_support::RecordOf(doc, ss::kTag, Key(1));
    ASSERT_EQ(record.size(), ss::kSize);
    for (std::size_t i = ss::kName + 47; i < ss::kSize; ++i) {
        EXPECT_EQ(record[i], 0) << "byte " << i;
    }
}

TEST_F(EngineCategoriesTest, TextBlocksOnEveryPageAndMeasure) {
    // Page 0 (the score's own), pages 1 and 2, two per page where listed;
    // page 3 lies beyond the page count and is not searched.
    const std::int16_t doc = Open(R"("pages": 2,
        "texts": {"txbl": {"1": "ax", "2": "ax", "3": "ax", "4": "ax", "5": "ax", "6": "ax"}},
        "textBlocks": {"1": {"text": 1}, "2": {"text": 2}, "3": {"text": 3}, "4": {"text": 4},
                       "5": {"text": 5}, "6": {"text": 6}},
        "pageTextBlocks": {"0,0": {"block": 1}, "1,0": {"block": 2}, "1,1": {"block": 3},
                           "2,0": {"block": 4}, "3,0": {"block": 5}},
        "measureTextBlocks": {"7": {"block": 6}})");
    EXPECT_EQ(Run("x", "y", SR_TEXT_BLOCKS), 5u);
    for (std::uint16_t t = 1; t <= 6; ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(TextOf(doc, layout::kTextBlockText, Key(t)), t == 5 ? "ax" : "ay");
    }
}

TEST_F(EngineCategoriesTest, ASharedTextIsSearchedOnceAndTextZeroNever) {
    // A staff and a staff style show the same text block, and a second
    // staff another block of the same text: "Vln" becomes "Vln." once.
    // A third staff shows text number 0, which is neither written nor counted.
    const std::int16_t doc = Open(R"("texts": {"txbl": {"0": "Vln", "1": "1 Vln"}},
        "textBlocks": {"1": {"text": 1}, "2": {"text": 1}, "3": {"text": 0}},
        "staves": {"1": {"blocks": [1, 0]}, "2": {"blocks": [2, 1]}, "3": {"blocks": [3, 0]}},
        "staffStyles": {"1": {"blocks": [1, 0], "name": "Vln"}})");
    EXPECT_EQ(Run("Vln", "Vln.", SR_STAFF_NAMES | SR_STAFF_STYLE_NAMES), 2u);
    EXPECT_EQ(TextOf(doc, layout::kTextBlockText, Key(1)), "1 Vln.");
    EXPECT_EQ(StaffStyleNameOf(doc, 1), "Vln.");
    EXPECT_EQ(TextOf(doc, layout::kTextBlockText, Key(0)), "Vln");
}

TEST_F(EngineCategoriesTest, FileInfoLosesItsStyleCommands) {
    const std::int16_t doc = Open(R"("texts": {"txfi": {
        "1": "^font(Arial,0)^size(14)Sonata ^^ in ^flat()A", "3": "^size(9)no match here"}})");
    EXPECT_EQ(Run("Sonata", "Suite", SR_FILE_INFO), 1u);
    EXPECT_EQ(TextOf(doc, layout::kFileInfoText, Key(1)), "Suite ^ in ^flat()A");
    // Unchanged texts are not written back, so they keep their commands.
    EXPECT_EQ(TextOf(doc, layout::kFileInfoText, Key(3)), "^size(9)no match here");
}

TEST_F(EngineCategoriesTest, AnEmptySearchSkipsFileInfoAndTheWordsOfRepeatsAndEndings) {
    const std::int16_t doc = OpenEveryKind();
    UniversalString s;
    UniversalString r;
    r.style().size = 20;
    r.style().fontName.clear();
    ReplaceInCurrentDocument(s, r, SR_FILE_INFO | SR_REPEAT_TEXTS | SR_USE_REPLACE_STYLE);
    EXPECT_EQ(PlaceText(doc, kTitle), Expected(kTitle, "Allegro"));
    EXPECT_EQ(PlaceText(doc, kRepeat), Expected(kRepeat, "Allegro"));
    EXPECT_EQ(PlaceText(doc, kEnding), Expected(kEnding, "Allegro"));
    // The repeat text's style took the size.
    EXPECT_EQ(testing_support::TripletOf(doc, layout::repeatstyle::kTag, Key(1), 4),
              (StyleTriplet{0, 20, 0}));
}

}  // namespace
}  // namespace tavrel
