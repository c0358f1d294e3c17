// Style-only requests and the records that carry their own style: repeat
// texts, two- and three-style records and articulation slots.
#include "search/Engine.h"

#include <string>

#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "host/RecordLayout.h"
#include "tests/text/StyleBuilder.h"

namespace tavrel {
namespace {

using testing_support::EngineTest;
using testing_support::Key;
using testing_support::TextOf;
using testing_support::TripletOf;

namespace ar = layout::articulation;
namespace rs = layout::repeatstyle;
namespace two = layout::twostyle;
namespace three = layout::threestyle;

constexpr std::uint16_t kBold = 0x01, kItalic = 0x02, kUnderline = 0x04;

StyleTriplet SlotOf(std::int16_t doc, std::uint16_t record, int slot) {
    const sim::Bytes r = testing_support::RecordOf(doc, ar::kTag, Key(record));
    if (r.size() != ar::kSize) {
        return StyleTriplet{0xDEAD, 0xDEAD, 0xDEAD};
    }
    const ar::Slot& at = ar::kSlots[slot - 1];
    return ReadTriplet(r.data(), at.font, at.size, at.bits);
}

std::uint32_t CharOf(std::int16_t doc, std::uint16_t record, int slot) {
    const sim::Bytes r = testing_support::RecordOf(doc, ar::kTag, Key(record));
    return r.size() == ar::kSize ? layout::ReadU32(r.data(), ar::kSlots[slot - 1].character)
                                 : 0xDEADu;
}

class EngineStylesTest : public EngineTest {
  protected:
    // Search and replacement with styles; the use-style bits follow from
    // whether a style is given.
    std::uint32_t Run(const std::string& search, const StringStyle* filter,
                      const std::string& replace, const StringStyle* change,
                      std::uint32_t options) {
        UniversalString s(search);
        UniversalString r(replace);
        if (filter != nullptr) {
            s.setStyle(*filter);
            options |= SR_USE_SEARCH_STYLE;
        }
        if (change != nullptr) {
            r.setStyle(*change);
            options |= SR_USE_REPLACE_STYLE;
        }
        return ReplaceInCurrentDocument(s, r, options);
    }
};

TEST_F(EngineStylesTest, StylePairsOnlyUnderEverywhereWithBothTextsEmpty) {
    const std::int16_t doc = Open(R"("twoStyleRecords": {
        "1": {"styles": [{"size": 12, "bits": 1}, {"size": 12}]},
        "2": {"styles": [{"size": 12}, {"size": 12}]}})");
    const StringStyle bold = Sty().Fx(kBold, kBold);
    const StringStyle italic = Sty().Fx(kItalic, kItalic);

    EXPECT_EQ(Run("", &bold, "", &italic, SR_TEXT_EXPRESSIONS | SR_ARTICULATIONS), 0u);
    EXPECT_EQ(Run("x", &bold, "y", &italic, SR_EVERYWHERE), 0u);
    EXPECT_EQ(TripletOf(doc, two::kTag, Key(1), two::kStyles[0]), (StyleTriplet{0, 12, kBold}));

    // Only the bold triplet of record 1 matches: one record restyled.
    EXPECT_EQ(Run("", &bold, "", &italic, SR_EVERYWHERE), 1u);
    EXPECT_EQ(TripletOf(doc, two::kTag, Key(1), two::kStyles[0]),
              (StyleTriplet{0, 12, kBold | kItalic}));
    EXPECT_EQ(TripletOf(doc, two::kTag, Key(1), two::kStyles[1]), (StyleTriplet{0, 12, 0}));
    EXPECT_EQ(TripletOf(doc, two::kTag, Key(2), two::kStyles[0]), (StyleTriplet{0, 12, 0}));
}

TEST_F(EngineStylesTest, ThreeStyleRecordsWithTextExpressions) {
    const std::int16_t doc = Open(R"("threeStyleRecords": {
        "1": {"styles": [{"size": 24}, {"size": 18}, {"size": 24, "bits": 2}]}})");
    const StringStyle size24 = Sty().Size(24), setSize30AndUnbold = Sty().Fx(0, kItalic).Size(30);
    EXPECT_EQ(Run("", &size24, "", &setSize30AndUnbold, SR_TEXT_EXPRESSIONS), 1u);
    EXPECT_EQ(TripletOf(doc, three::kTag, Key(1), three::kStyles[0]), (StyleTriplet{0, 30, 0}));
    EXPECT_EQ(TripletOf(doc, three::kTag, Key(1), three::kStyles[1]), (StyleTriplet{0, 18, 0}));
    EXPECT_EQ(TripletOf(doc, three::kTag, Key(1), three::kStyles[2]), (StyleTriplet{0, 30, 0}));
    // A replacement style that changes nothing restyles nothing.
    const StringStyle size18 = Sty().Size(18);
    EXPECT_EQ(Run("", &size18, "", nullptr, SR_TEXT_EXPRESSIONS), 0u);
    EXPECT_EQ(TripletOf(doc, three::kTag, Key(1), three::kStyles[1]), (StyleTriplet{0, 18, 0}));
}

TEST_F(EngineStylesTest, RecordFiltersByTheDocumentsFontNumber) {
    const std::int16_t doc = Open(R"(
        "fonts": {"0": {"name": "Times New Roman", "arg": 4096}, "3": {"name": "Arial", "arg": 7}},
        "threeStyleRecords": {
            "1": {"styles": [{"font": 3, "size": 12}, {"size": 12}, {"font": 3, "size": 12}]}})");
    const StringStyle arial = Sty().Font("arial").Id(3),
                      times = Sty().Font("Times New Roman").Id(0);
    EXPECT_EQ(Run("", &arial, "", &times, SR_TEXT_EXPRESSIONS), 1u);
    EXPECT_EQ(TripletOf(doc, three::kTag, Key(1), three::kStyles[0]), (StyleTriplet{0, 12, 0}));
    EXPECT_EQ(TripletOf(doc, three::kTag, Key(1), three::kStyles[2]), (StyleTriplet{0, 12, 0}));

    // A font the document does not have: nothing matches, rather than all.
    const StringStyle missing = Sty().Font("Nonexistent"), big = Sty().Size(40);
    EXPECT_EQ(Run("", &missing, "", &big, SR_TEXT_EXPRESSIONS), 0u);
    EXPECT_EQ(TripletOf(doc, three::kTag, Key(1), three::kStyles[1]), (StyleTriplet{0, 12, 0}));
}

TEST_F(EngineStylesTest, RepeatTextStyleRules) {
    const std::int16_t doc = Open(R"("repeatTexts": {
        "1": {"text": "D.S. al Coda", "style": {"size": 12, "bits": 1}},
        "2": {"text": "D.S. al Fine", "style": {"size": 12}},
        "3": {"text": "To Coda", "style": {"size": 12, "bits": 1}}})");
    const StringStyle bold = Sty().Fx(kBold, kBold);
    const StringStyle italic = Sty().Fx(kItalic, kItalic);

    // With a search text: only bold repeats that hold it; the count is the
    // number of occurrences, the style goes with them.
    EXPECT_EQ(Run("D.S.", &bold, "Dal Segno", &italic, SR_REPEAT_TEXTS), 1u);
    EXPECT_EQ(TextOf(doc, layout::kRepeatText, Key(1)), "Dal Segno al Coda");
    EXPECT_EQ(TripletOf(doc, rs::kTag, Key(1), rs::kFont), (StyleTriplet{0, 12, kBold | kItalic}));
    EXPECT_EQ(TextOf(doc, layout::kRepeatText, Key(2)), "D.S. al Fine");  // not bold
    EXPECT_EQ(TripletOf(doc, rs::kTag, Key(2), rs::kFont), (StyleTriplet{0, 12, 0}));
    EXPECT_EQ(TripletOf(doc, rs::kTag, Key(3), rs::kFont), (StyleTriplet{0, 12, kBold}));

    // Style only: every matching repeat counts 1, its words stay.
    const StringStyle size9 = Sty().Size(9);
    EXPECT_EQ(Run("", &bold, "", &size9, SR_REPEAT_TEXTS), 2u);
    EXPECT_EQ(TripletOf(doc, rs::kTag, Key(3), rs::kFont), (StyleTriplet{0, 9, kBold}));
    EXPECT_EQ(TextOf(doc, layout::kRepeatText, Key(3)), "To Coda");
}

TEST_F(EngineStylesTest, RepeatWordsAreMatchedCaseSensitively) {
    const std::int16_t doc =
        Open(R"("repeatTexts": {"1": {"text": "to coda", "style": {"size": 12}}},
        "endingTexts": {"1": "1. To"})");
    EXPECT_EQ(Run("To", nullptr, "Al", nullptr, SR_REPEAT_TEXTS), 1u);
    EXPECT_EQ(TextOf(doc, layout::kRepeatText, Key(1)), "to coda");
    EXPECT_EQ(TextOf(doc, layout::kEndingText, Key(1)), "1. Al");
}

TEST_F(EngineStylesTest, ArticulationCharactersAndStyles) {
    // '>' is 62, '.' 46, 'a' 97 and 65601 is 0x10041, 'A' in the low 16 bits.
    // Flags 4: slot 2 is no character; flags 2: slot 1 is none.
    const std::int16_t doc = Open(R"("articulations": {
        "1": {"slots": [{"char": 62, "font": 3, "size": 24}, {"char": 46, "font": 3, "size": 24}]},
        "2": {"flags": 4,
              "slots": [{"char": 46, "font": 3, "size": 24}, {"char": 62, "font": 3, "size": 24}]},
        "3": {"slots": [{"char": 97, "font": 3, "size": 24},
                        {"char": 65601, "font": 3, "size": 24}]},
        "4": {"flags": 2, "slots": [{"char": 62, "font": 3, "size": 24, "bits": 5},
                                    {"char": 46, "font": 3, "size": 24, "bits": 4}]}})");
    const StringStyle bold = Sty().Fx(kBold, kBold);

    EXPECT_EQ(Run(">", nullptr, "^", &bold, SR_ARTICULATIONS), 1u);
    EXPECT_EQ(CharOf(doc, 1, 1), std::uint32_t('^'));
    EXPECT_EQ(SlotOf(doc, 1, 1), (StyleTriplet{3, 24, kBold}));
    EXPECT_EQ(CharOf(doc, 1, 2), std::uint32_t('.'));  // the other slot keeps its style
    EXPECT_EQ(SlotOf(doc, 1, 2), (StyleTriplet{3, 24, 0}));
    EXPECT_EQ(CharOf(doc, 2, 2), std::uint32_t('>'));  // slot 2 of record 2 is no character

    // Compared case-sensitively even without Match Case; a wide character
    // is read by its low 16 bits and stored zero-extended.
    EXPECT_EQ(Run("A", nullptr, "V", nullptr, SR_ARTICULATIONS), 1u);
    EXPECT_EQ(CharOf(doc, 3, 1), std::uint32_t('a'));
    EXPECT_EQ(CharOf(doc, 3, 2), std::uint32_t('V'));

    // Two characters leave articulations alone.
    EXPECT_EQ(Run(".^", nullptr, "xy", nullptr, SR_ARTICULATIONS), 0u);

    // Style only: of record 4, slot 1 is no character and slot 2 is not bold;
    // record 1's slot 1 became bold above.
    const StringStyle italic = Sty().Fx(kItalic, kItalic);
    EXPECT_EQ(Run("", &bold, "", &italic, SR_ARTICULATIONS), 1u);
    EXPECT_EQ(SlotOf(doc, 4, 1), (StyleTriplet{3, 24, kBold | kUnderline}));
    EXPECT_EQ(SlotOf(doc, 4, 2), (StyleTriplet{3, 24, kUnderline}));
    EXPECT_EQ(SlotOf(doc, 1, 1), (StyleTriplet{3, 24, kItalic}));  // replaced, not ORed
}

}  // namespace
}  // namespace tavrel
