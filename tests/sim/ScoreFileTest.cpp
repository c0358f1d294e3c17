// Tests of score files: every section becomes the records and byte offsets
// the plug-in reads, unchanged scores save byte for byte, records no
// section can hold are kept raw, and malformed files are refused with the
// place named and nothing written.
#include "sim/codec/ScoreFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <new>

#include <nlohmann/json.hpp>

#include "host/RecordLayout.h"
#include "sim/codec/RecordKinds.h"
#include "tests/sim/SimTestSupport.h"

namespace tavrel::sim {
namespace {

using testing::ReadFile;
using testing::Score;
using testing::TempFolder;
using testing::WriteFile;
namespace L = tavrel::layout;

// Every section, extra bytes (on a font, a text block, a staff style with
// bytes after its name's terminator, a repeat-text style) and raw records
// (an odd page, an unknown kind, a kind given as hex, a text that UTF-8
// cannot carry). Written by hand in canonical form.
const std::string kFullScorePath = std::string(LEXORA_SOURCE_DIR) + "/tests/data/full-score.json";

const Bytes& RecordOf(const Document& document, RecordTag tag, RecordKey key) {
    static const Bytes none;
    const Bytes* record = document.FindRecord(tag, key);
    EXPECT_NE(record, nullptr) << TagText(tag) << " " << KeyText(key, true);
    return record ? *record : none;
}

TEST(ScoreFileTest, TheFullAndTheDemoScoresRoundTripByteForByte) {
    TempFolder folder;
    for (const std::string& path :
         {kFullScorePath, std::string(LEXORA_SOURCE_DIR) + "/examples/demo.json"}) {
        SCOPED_TRACE(path);
        Document document;
        FileProblem problem;
        ASSERT_TRUE(LoadScore(path, document, problem)) << problem.message;
        EXPECT_EQ(document.Path(), path);
        EXPECT_EQ(FormatScore(document), ReadFile(path));
        ASSERT_TRUE(SaveScore(document, folder.File("saved.json"), problem)) << problem.message;
        EXPECT_EQ(ReadFile(folder.File("saved.json")), ReadFile(path));
    }
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"saved.json"}));
}

// Every object's members in alphabetical order (so sections, entries and
// text kinds out of their canonical order), four-space indentation and no
// final newline: the score is still saved in the one canonical form.
TEST(ScoreFileTest, AnyMemberOrderAndIndentationIsSavedCanonically) {
    const std::string full = ReadFile(kFullScorePath);
    const std::string scrambled = nlohmann::json::parse(full).dump(4);
    ASSERT_LT(scrambled.find("\"articulations\""), scrambled.find("\"format\""));
    EXPECT_EQ(FormatScore(testing::ScoreFrom(scrambled)), full);
}

TEST(ScoreFileTest, SectionsBecomeTheRecordsAndOffsetsThePluginReads) {
    Document d = testing::ScoreFrom(ReadFile(kFullScorePath));
    const Bytes& font = RecordOf(d, L::font::kTag, MakeKey(2));
    ASSERT_EQ(font.size(), 48u);
    EXPECT_EQ(L::ReadU16(font.data(), 0), 258);
    EXPECT_EQ(font[4], 0xAB);
    EXPECT_EQ(std::string(font.begin() + 12, font.begin() + 17), std::string("Caf\xE9\0", 5));

    EXPECT_EQ(RecordOf(d, L::page::kTag, MakeKey(2)), Bytes(22, 0));
    EXPECT_EQ(RecordOf(d, L::page::kTag, MakeKey(3))[0], 1);
    EXPECT_FALSE(d.Contains(L::page::kTag, MakeKey(4)));

    const Bytes& block = RecordOf(d, L::textblock::kTag, MakeKey(3));
    EXPECT_EQ(block, (Bytes{3, 0, 0x7F, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                            0, 0, 0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    const Bytes& staff = RecordOf(d, L::staff::kTag, MakeKey(1));
    ASSERT_EQ(staff.size(), 132u);
    EXPECT_EQ(L::ReadU16(staff.data(), 30), 1);

    const Bytes& style = RecordOf(d, L::staffstyle::kTag, MakeKey(2));
    ASSERT_EQ(style.size(), 144u);
    EXPECT_EQ(L::ReadU16(style.data(), 30), 1);
    EXPECT_EQ(std::string(style.begin() + 96, style.begin() + 103), std::string("Slash\0x", 7));

    const Bytes& group = RecordOf(d, L::group::kTag, MakeKey(1));
    ASSERT_EQ(group.size(), 36u);
    EXPECT_EQ(L::ReadU16(group.data(), 4), 3);
    EXPECT_EQ(RecordOf(d, L::pageblock::kTag, MakeKey(1, 0))[0], 2);
    EXPECT_EQ(RecordOf(d, L::measureblock::kTag, MakeKey(12, 1)),
              (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    const Bytes& repeat = RecordOf(d, L::repeatstyle::kTag, MakeKey(1));
    EXPECT_EQ(repeat, (Bytes{0x0A, 0, 0, 0, 0, 0, 12, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(d.Contains(L::repeatstyle::kTag, MakeKey(2)));  // "Fine" has no style
    EXPECT_EQ(*d.FindText(L::kRepeatText, MakeKey(2)), u"Fine");

    const Bytes& two = RecordOf(d, L::twostyle::kTag, MakeKey(1));
    ASSERT_EQ(two.size(), 350u);
    EXPECT_EQ(L::ReadU16(two.data(), 2), 12);
    EXPECT_EQ(L::ReadU16(two.data(), 72), 10);
    const Bytes& three = RecordOf(d, L::threestyle::kTag, MakeKey(1));
    ASSERT_EQ(three.size(), 296u);
    EXPECT_EQ(L::ReadU16(three.data(), 274), 20);

    const Bytes& art = RecordOf(d, L::articulation::kTag, MakeKey(1));
    ASSERT_EQ(art.size(), 60u);
    EXPECT_EQ(L::ReadU32(art.data(), 0), 62u);
    EXPECT_EQ(L::ReadU32(art.data(), 12), 70000u);
    EXPECT_EQ(L::ReadU16(art.data(), 16), 1);  // slot 2: font, size and bits
    EXPECT_EQ(L::ReadU16(art.data(), 26), 9);
    EXPECT_EQ(L::ReadU16(art.data(), 28), 3);
    EXPECT_EQ(L::ReadU16(art.data(), 24), 2);

    // Texts and raw records keep their keys and units.
    EXPECT_EQ(*d.FindText(Tag("txse"), MakeKey(2, 1)), u"sec-tion");
    EXPECT_EQ(*d.FindText(Tag("txfi"), MakeKey(7)), u"tab\there \"quoted\" back\\slash \u0001");
    EXPECT_EQ(*d.FindText(Tag("txbl"), MakeKey(9)), std::u16string(1, char16_t(0xD800)));
    EXPECT_EQ(RecordOf(d, Tag("SOSD"), MakeKey(1)), (Bytes{0x00, 0x01, 0xFF}));
    EXPECT_EQ(RecordOf(d, 0x4F025353, MakeKey(3, 4)), Bytes());
}

TEST(ScoreFileTest, RecordsNoSectionCanHoldAreSavedRaw) {
    Document document;
    document.PutRecord(L::font::kTag, MakeKey(1), Bytes(48, 0x41));  // name without terminator
    document.PutRecord(L::staff::kTag, MakeKey(2), Bytes{1, 2, 3});  // not a staff's size
    std::string hex41;
    for (int i = 0; i < 48; ++i) {
        hex41 += "41";
    }
    const std::string wanted =
        "{\n"
        "  \"format\": \"notavo-score\",\n"
        "  \"version\": 1,\n"
        "  \"records\": [\n"
        "    {\"tag\": \"SOFN\", \"key\": \"1,0\", \"hex\": \"" +
        hex41 +
        "\"},\n"
        "    {\"tag\": \"SOIS\", \"key\": \"2,0\", \"hex\": \"010203\"}\n"
        "  ]\n"
        "}\n";
    const std::string text = FormatScore(document);
    EXPECT_EQ(text, wanted);
    Document reread = testing::ScoreFrom(text);
    EXPECT_EQ(RecordOf(reread, L::font::kTag, MakeKey(1)), Bytes(48, 0x41));
    EXPECT_EQ(RecordOf(reread, L::staff::kTag, MakeKey(2)), (Bytes{1, 2, 3}));
}

TEST(ScoreFileTest, AShortenedStaffStyleNameKeepsItsOldBytesAsExtra) {
    Document document = testing::ScoreFrom(
        Score(R"("staffStyles": {"1": {"blocks": [0, 0], "name": "Slash notation"}})"));
    Bytes record = *document.FindRecord(L::staffstyle::kTag, MakeKey(1));
    record[96 + 5] = 0;  // "Slash\0notation", as a search that shortens the name leaves it
    document.PutRecord(L::staffstyle::kTag, MakeKey(1), record);
    const std::string text = FormatScore(document);
    EXPECT_NE(text.find("\"name\": \"Slash\", \"extra\": \""), std::string::npos) << text;
    Document reread = testing::ScoreFrom(text);
    EXPECT_EQ(*reread.FindRecord(L::staffstyle::kTag, MakeKey(1)), record);
    EXPECT_EQ(FormatScore(reread), text);
}

TEST(ScoreFileTest, NamesAreMeasuredInAnsiBytes) {
    // 34 letters and one "é": 36 bytes of UTF-8 but 35 in the record.
    const std::string name = std::string(34, 'a') + "\xC3\xA9";
    Document document =
        testing::ScoreFrom(Score(R"("fonts": {"0": {"name": ")" + name + R"(", "arg": 0}})"));
    const Bytes& font = RecordOf(document, L::font::kTag, MakeKey(0));
    EXPECT_EQ(font[12 + 34], 0xE9);
    EXPECT_EQ(font[47], 0);
}

struct BadScore {
    int line;
    std::string text;
    // The whole message, or (ending in ": ") its start: the file and the
    // place. A few are whole; for the rest the place is what matters.
    std::string message;
};

TEST(ScoreFileTest, MalformedScoresAreRefusedWithTheirPlace) {
    const std::string block1 = R"("texts": {"txbl": {"1": "A"}}, "textBlocks": {"1": {"text": 1}})";
    using namespace std::string_literals;
    const BadScore rows[] = {
        {__LINE__, R"({"format": "notavo-score", "version": 1,})",
         "bad.json:1:41: syntax error while parsing object key - unexpected '}'; expected "
         "string literal"},
        {__LINE__, "[]", "bad.json: /: a score file holds one JSON object"},
        {__LINE__, R"({"format": "other", "version": 1})", "bad.json: /format: "},
        {__LINE__, R"({"format": "notavo-score", "version": 2})", "bad.json: /version: "},
        {__LINE__, Score(R"("colours": {})"), "bad.json: /colours: "},
        {__LINE__, Score(block1 + R"(, "staves": {"1": {"blocks": [1, 0], "colour": 3}})"),
         "bad.json: /staves/1/colour: "},
        {__LINE__, Score(R"("texts": {"txzz": {}})"), "bad.json: /texts/txzz: "},
        {__LINE__, Score(R"("staves": {"1": {"blocks": "1,2"}})"), "bad.json: /staves/1/blocks: "},
        {__LINE__, Score(R"("texts": {"txbl": {"1": 5}})"), "bad.json: /texts/txbl/1: "},
        {__LINE__, Score(R"("fonts": {"0": {"arg": -1}})"),
         "bad.json: /fonts/0/arg: -1 is out of range (0 to 65535)"},
        {__LINE__, Score(R"("articulations": {"1": {"slots": [{"char": 4294967296}, {}]}})"),
         "bad.json: /articulations/1/slots/0/char: "},
        {__LINE__, Score(R"("pages": 1e400)"),
         "bad.json:1:51: 1e400 is out of range (numbers in a score file run from 0 to "
         "4294967295)"},
        {__LINE__, Score(R"("fonts": {"0": {"name": ")" + std::string(36, 'n') + R"("}})"),
         "bad.json: /fonts/0/name: "},
        {__LINE__, Score(R"("fonts": {"0": {"name": "Ω"}})"), "bad.json: /fonts/0/name: "},
        {__LINE__, Score(R"("texts": {"txbl": {"1": "a\u0000b"}})"), "bad.json: /texts/txbl/1: "},
        {__LINE__, Score(block1 + R"(, "staves": {"1": {"blocks": [1, 7]}})"),
         "bad.json: /staves/1/blocks/1: text block 7 does not exist (add it to \"textBlocks\", or "
         "write 0 for none)"},
        {__LINE__, Score(R"("textBlocks": {"1": {"text": 9}})"), "bad.json: /textBlocks/1/text: "},
        {__LINE__, Score(R"("staves": {"1": {}, "2": {}, "1": {"blocks": [0, 0]}})"),
         "bad.json: /staves/1: given twice in the same object"},
        {__LINE__, Score(R"("staves": {"1": {}, "1,0": {}})"), "bad.json: /staves/1,0: "},
        {__LINE__, Score(R"("fonts": {"0": {"extra": "00"}})"), "bad.json: /fonts/0/extra: "},
        {__LINE__, Score(R"("records": [{"tag": "SOSD", "key": "1", "hex": "zz"}])"),
         "bad.json: /records/0/hex: "},
        {__LINE__, Score(R"("records": [{"tag": "txbl", "key": "1", "hex": "41"}])"),
         "bad.json: /records/0/hex: "},
        {__LINE__, Score(R"("records": [{"tag": "SOS", "key": "1"}])"),
         "bad.json: /records/0/tag: "},
        {__LINE__, Score(R"("repeatTexts": {"1": {"text": "x", "extra": "00"}})"),
         "bad.json: /repeatTexts/1/extra: "},
        // Whatever follows the score must be white space; a NUL byte would
        // otherwise end the input there and the rest be lost on saving.
        {__LINE__, Score("") + " x", "bad.json:1:42: "},
        {__LINE__, Score("") + "\n\0{\"lost\": 1}"s, "bad.json: holds a NUL byte at 2:1"},
        {__LINE__, "\xFF\xFE{\0}\0"s, "bad.json: is UTF-16; save it as UTF-8"},
        {__LINE__, "\0{\0\"\0f"s, "bad.json: is UTF-16; save it as UTF-8"},
        {__LINE__, "{\0\0\0}\0\0\0"s, "bad.json: is UTF-32; save it as UTF-8"},
        // What a message quotes from the file cannot drive the terminal.
        {__LINE__, Score(R"("staves": {"\u001b[31m": {}})"),
         "bad.json: /staves/\\u001B[31m: bad record key (write \"N\" or \"N,M\" with N and M from "
         "0 to 65535)"},
        {__LINE__, "{\"a\xC3\": 1}", "bad.json:1:5: "},
        // Lines and columns: characters, not bytes ("é" is one), and a
        // byte-order mark is none.
        {__LINE__, "{\n  \"format\": \"notavo-score\",\n  \"version\": 1 x\n}", "bad.json:3:16: "},
        {__LINE__, "\xEF\xBB\xBF{\"\xC3\xA9\": tru}", "bad.json:1:10: "},
    };
    for (const BadScore& row : rows) {
        SCOPED_TRACE(row.line);
        Document document;
        document.SetPath("untouched");
        FileProblem problem;
        EXPECT_FALSE(ParseScore("bad.json", row.text, document, problem));
        const bool start =
            row.message.size() > 2 && row.message.substr(row.message.size() - 2) == ": ";
        EXPECT_EQ(start ? problem.message.substr(0, row.message.size()) : problem.message,
                  row.message)
            << problem.message;
        EXPECT_FALSE(problem.systemFault);
        EXPECT_EQ(document.Path(), "untouched");
        EXPECT_TRUE(document.Tags().empty());
    }
}

// A missing file, a folder, a file that cannot be opened, a read that fails
// and memory running out: each said as such, with the system's reason.
TEST(ScoreFileTest, EachLoadProblemHasItsOwnMessage) {
    struct Row {
        int line;
        const char* name;
        FileStep failing;
        int error;  // -1: memory runs out
        const char* message;
        bool systemFault;
    };
    const Row rows[] = {
        {__LINE__, "missing.json", FileStep::Open, 0,
         ": does not exist (No such file or directory)", false},
        {__LINE__, "folder", FileStep::Open, 0, ": is a folder, not a score file (Is a directory)",
         false},
        {__LINE__, "s.json", FileStep::Open, EACCES, ": cannot be opened (Permission denied)",
         false},
        {__LINE__, "s.json", FileStep::Read, EIO,
         ": reading it failed part way (Input/output error)", true},
        {__LINE__, "s.json", FileStep::Read, -1, ": not enough memory to load it", true},
    };
    TempFolder folder;
    WriteFile(folder.File("s.json"), Score(""));
    std::filesystem::create_directory(folder.File("folder"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        SetFileFaultHookForTesting([&row](FileStep step) {
            if (step == row.failing && row.error < 0) {
                throw std::bad_alloc();
            }
            return step == row.failing ? row.error : 0;
        });
        Document document;
        FileProblem problem;
        EXPECT_FALSE(LoadScore(folder.File(row.name), document, problem));
        SetFileFaultHookForTesting(nullptr);
        EXPECT_EQ(problem.message, folder.File(row.name) + row.message);
        EXPECT_EQ(problem.systemFault, row.systemFault);
    }
}

}  // namespace
}  // namespace tavrel::sim
