// Typed shorthands in the plain-text records: repeat and ending texts get the
// command a shorthand stands for, staff-style names and articulation symbols
// refuse a replacement that would store a placeholder, and no record of any
// kind is ever left holding one.
#include "search/Engine.h"

#include <string>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "EngineFixture.h"
#include "host/RecordLayout.h"
#include "sim/host/Simulator.h"
#include "text/Inserts.h"

namespace tavrel {
namespace {

using testing_support::EngineTest;
using testing_support::Key;

namespace ar = layout::articulation;

enum Kind { kRepeat, kEnding, kStyleName, kArticulation };

// Score sections holding one record of the kind.
std::string OneRecord(Kind kind, const std::string& text) {
    const std::string quoted = nlohmann::json(text).dump();
    switch (kind) {
        case kRepeat:
            return R"("repeatTexts": {"1": {"text": )" + quoted + R"(, "style": {"size": 12}}})";
        case kEnding:
            return R"("endingTexts": {"1": )" + quoted + "}";
        case kStyleName:
            return R"("staffStyles": {"1": {"name": )" + quoted + "}}";
        case kArticulation:
            return R"("articulations": {"1": {"flags": 4, "slots": [{"char": )" +
                   std::to_string(static_cast<unsigned char>(text.at(0))) +
                   R"(, "size": 12}, {"size": 12}]}})";
    }
    return "";
}

std::string ReadBack(std::int16_t doc, Kind kind) {
    switch (kind) {
        case kRepeat:
            return testing_support::TextOf(doc, layout::kRepeatText, Key(1));
        case kEnding:
            return testing_support::TextOf(doc, layout::kEndingText, Key(1));
        case kStyleName:
            return testing_support::StaffStyleNameOf(doc, 1);
        case kArticulation: {
            const sim::Bytes r = testing_support::RecordOf(doc, ar::kTag, Key(1));
            return std::string(
                1, static_cast<char>(layout::ReadU32(r.data(), ar::kSlots[0].character)));
        }
    }
    return "";
}

constexpr std::uint32_t kOptions[] = {SR_REPEAT_TEXTS, SR_REPEAT_TEXTS, SR_STAFF_STYLE_NAMES,
                                      SR_ARTICULATIONS};

using EnginePlaceholdersTest = EngineTest;

TEST_F(EnginePlaceholdersTest, ShorthandsInPlainTextRecords) {
    struct Row {
        int line;
        Kind kind;
        std::string text, search, replace;
        std::uint32_t count;
        std::string after;
    };
    const Row rows[] = {
        // Repeat and ending texts get the command, as styled texts do.
        {__LINE__, kRepeat, "To Coda", "Coda", "Coda^#", 1, "To Coda^sharp()"},
        {__LINE__, kRepeat, "Coda", "Coda", "^c^C^\xC2\xA9^T^d^S^B", 1,
         "^copyright()^composer()^cprsym()^title()^description()^dbsharp()^dbflat()"},
        {__LINE__, kEnding, "Coda", "Coda", "Coda^#", 1, "Coda^sharp()"},
        {__LINE__, kEnding, "2.", "2", "^n^s", 1, "^natural()^sharp()."},
        // A shorthand in the search finds its insert, and letters inside an
        // insert are not text.
        {__LINE__, kRepeat, "F^sharp() Coda", "^#", "^b", 1, "F^flat() Coda"},
        {__LINE__, kEnding, "F^sharp() Coda", "sharp", "x", 0, "F^sharp() Coda"},
        // A staff-style name or an articulation symbol cannot hold an insert:
        // such a replacement is not made and not counted.
        {__LINE__, kStyleName, "Coda", "Coda", "Coda^#", 0, "Coda"},
        {__LINE__, kStyleName, "Coda", "Coda", "Coda^t", 1, "Coda\t"},
        {__LINE__, kArticulation, "p", "p", "^b", 0, "p"},
        {__LINE__, kArticulation, "p", "p", "f", 1, "f"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        Sim().Reset();
        const std::int16_t doc = Open(OneRecord(row.kind, row.text));
        EXPECT_EQ(Run(row.search, row.replace, kOptions[row.kind]), row.count);
        EXPECT_EQ(ReadBack(doc, row.kind), row.after);
    }
}

TEST_F(EnginePlaceholdersTest, NoRecordEverReceivesAPlaceholder) {
    const std::int16_t doc = OpenEveryKind();
    // Every text but the staff-style name takes the sharp.
    EXPECT_EQ(Run("Allegro", "Allegro^#", SR_EVERYWHERE), 14u);
    EXPECT_EQ(testing_support::StaffStyleNameOf(doc, 1), "Name Allegro");
    EXPECT_EQ(testing_support::TextOf(doc, layout::kRepeatText, Key(1)), "repeat Allegro^sharp()");
    const sim::Document* document = Sim().FindDocument(doc);
    ASSERT_NE(document, nullptr);
    for (RecordTag tag : document->Tags()) {
        for (RecordKey key : document->Keys(tag)) {
            SCOPED_TRACE(testing::Message() << std::hex << tag << " " << key.first);
            if (const std::u16string* text = document->FindText(tag, key)) {
                EXPECT_FALSE(HoldsPlaceholder(*text));
            }
        }
    }
}

}  // namespace
}  // namespace tavrel
