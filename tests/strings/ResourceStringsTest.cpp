// Loading dictionaries from XML documents in memory and looking strings up:
// skipped elements, contents versus enumerations, languages and merging; and
// the string resource the library ships.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "strings/Dictionary.h"
#include "strings/ResourceStrings.h"

namespace {

using resource_string::DefaultLanguage;
using resource_string::EmptyString;
using resource_string::ResourceStrings;
using resource_string::SetDefaultLanguage;

// The default language is process-wide: every test starts and ends with "en".
class ResourceStringsTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDefaultLanguage("en"); }
    void TearDown() override { SetDefaultLanguage("en"); }

    ResourceStrings strings_{nullptr};
};

std::string SourceFile(const std::string& path) {
    std::ifstream in(std::string(LEXORA_SOURCE_DIR) + path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A document in memory: skipped elements, languages, enumerations, repeated
// strings and escapes.
std::string TestDocument() {
    return SourceFile("/tests/data/dictionaries.xml");
}

TEST_F(ResourceStringsTest, LookupsOfTheTestDocument) {
    ASSERT_TRUE(strings_.LoadFromText(TestDocument()));
    struct Row {
        int line;
        const char* dictionary;
        const char* key;
        int index;  // -1: the lookup without an index
        const char* language;
        std::string expected;
    };
    const Row rows[] = {
        {__LINE__, "greetings", "hello", -1, "fr", "Bonjour"},
        {__LINE__, "greetings", "hello", -1, "de", "Hello"},  // falls back to "en"
        // The nameless dictionaries are skipped whole: their "hello" joins nothing.
        {__LINE__, "greetings", "hello", 1, nullptr, ""},
        {__LINE__, "greetings", "only-french", -1, nullptr, ""},
        {__LINE__, "greetings", "Hello", -1, nullptr, ""},  // keys are case-sensitive
        {__LINE__, "absent", "hello", -1, nullptr, ""},
        {__LINE__, nullptr, "hello", -1, nullptr, ""},
        {__LINE__, "greetings", "colours", 1, nullptr, "green"},  // its language is not read
        {__LINE__, "greetings", "colours", 2, nullptr, "blue"},   // an empty item adds none
        {__LINE__, "greetings", "both", -1, nullptr, "direct"},
        {__LINE__, "greetings", "both", 1, nullptr, ""},
        {__LINE__, "greetings", "twice", 1, nullptr, "second"},
        {__LINE__, "greetings", "spaces", -1, nullptr, " around & inside "},
        {__LINE__, "greetings", "utf8", -1, nullptr, "Caf\xC3\xA9 \xE2\x8C\x98 na\xC3\xAFve"},
        {__LINE__, "greetings", "", -1, nullptr, "empty key"},
        {__LINE__, "skips", "", -1, nullptr, ""},  // the keyless entry is skipped
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const std::string& actual =
            row.index < 0 ? strings_.GetString(row.dictionary, row.key, row.language)
                          : strings_.GetString(row.dictionary, row.key, row.index, row.language);
        EXPECT_EQ(row.expected, actual);
        // Every failed lookup gives the one shared empty string.
        EXPECT_EQ(row.expected.empty(), &actual == &EmptyString());
    }
}

TEST_F(ResourceStringsTest, ADocumentsDefaultLanguageFilesAndReadsTheStringsWithoutOne) {
    const char document[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<dictionaries default-language="de">
  <dictionary name="d">
    <entry key="k">
      <string content="Hallo"/>
      <string language="en" content="Hello"/>
    </entry>
    <entry key="english-only"><string language="en" content="English"/></entry>
  </dictionary>
</dictionaries>)";
    ASSERT_TRUE(strings_.LoadFromText(document));
    EXPECT_EQ("de", DefaultLanguage());
    EXPECT_EQ("Hallo", strings_.GetString("d", "k"));
    EXPECT_EQ("Hello", strings_.GetString("d", "k", "en"));
    EXPECT_EQ("Hallo", strings_.GetString("d", "k", "fr"));  // falls back to "de" now
    EXPECT_EQ("", strings_.GetString("d", "english-only"));
    EXPECT_EQ("English", strings_.GetString("d", "english-only", "en"));
    // A lookup never changes the default language.
    EXPECT_EQ("de", DefaultLanguage());
}

// The language a string without one is filed under is the default in force
// when it is read: a later document without its own default keeps the one an
// earlier document named. A language the entry holds, even with no text,
// answers for itself and does not fall back. Several loads merge.
TEST_F(ResourceStringsTest, TheDefaultLanguageInForceWhenReadFilesTheString) {
    ASSERT_TRUE(strings_.LoadFromText(R"(<dictionaries default-language="it">
  <dictionary name="d">
    <entry key="a"><string content="primo"/></entry>
    <entry key="x"><string content="one"/></entry>
  </dictionary>
</dictionaries>)"));
    ASSERT_TRUE(strings_.LoadFromText(R"(<dictionaries>
  <dictionary name="d">
    <entry key="b"><string content="secondo"/></entry>
    <entry key="c">
      <string language="fr"/>
      <string content="terzo"/>
    </entry>
    <entry key="x"><string content="again"/></entry>
  </dictionary>
  <dictionary name="e"><entry key="z"><string content="three"/></entry></dictionary>
</dictionaries>)"));
    struct Row {
        int line;
        const char* key;
        const char* language;
        std::string expected;
    };
    const Row rows[] = {
        {__LINE__, "a", nullptr, "primo"},
        {__LINE__, "b", "en", "secondo"},
        {__LINE__, "c", "de", "terzo"},
        {__LINE__, "c", "fr", ""},
    };
    EXPECT_EQ("it", DefaultLanguage());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(row.expected, strings_.GetString("d", row.key, row.language));
    }
    EXPECT_EQ(nullptr, strings_.FindDictionary("d")->FindEntry("b")->FindContent("en"));
    EXPECT_EQ("one", strings_.GetString("d", "x"));
    EXPECT_EQ("again", strings_.GetString("d", "x", 1));
    EXPECT_EQ("three", strings_.GetString("e", "z"));
}

TEST_F(ResourceStringsTest, ADocumentThatFailsChangesNothing) {
    ASSERT_TRUE(strings_.LoadFromText(
        R"(<dictionaries><dictionary name="d"><entry key="x"><string content="kept"/></entry>
           </dictionary></dictionaries>)"));
    struct Row {
        int line;
        std::string document;
    };
    const Row rows[] = {
        {__LINE__, R"(<strings default-language="fr"><dictionary name="d"/></strings>)"},
        // Cut short: the parser fails after having read a part of it.
        {__LINE__, R"(<dictionaries default-language="fr"><dictionary name="d">
                      <entry key="y"><string content="partial"/></entry><entry key="z">)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_FALSE(strings_.LoadFromText(row.document));
        EXPECT_EQ("en", DefaultLanguage());
        ASSERT_EQ(1u, strings_.Dictionaries().size());
        EXPECT_EQ(1u, strings_.FindDictionary("d")->Entries().size());
        EXPECT_EQ("kept", strings_.GetString("d", "x"));
    }
}

TEST_F(ResourceStringsTest, OnlyTheBytesGivenAreRead) {
    const std::string document =
        R"(<dictionaries><dictionary name="d"><entry key="x"><string content="v"/></entry></dictionary></dictionaries>)";
    // What follows the resource's bytes in memory is not part of it: here a
    // second root that would make the document invalid if it were read.
    const std::string memory = document + "<dictionaries><dictionary name=\"junk\"/>";
    EXPECT_TRUE(strings_.LoadFromText(std::string(memory.data(), document.size())));
    EXPECT_EQ("v", strings_.GetString("d", "x"));
    EXPECT_EQ(nullptr, strings_.FindDictionary("junk"));

    // A zero byte inside the resource ends the document for the parser.
    ResourceStrings other(nullptr);
    EXPECT_TRUE(other.LoadFromText(document + std::string(1, '\0') + "<broken"));
    EXPECT_EQ("v", other.GetString("d", "x"));
}

// The copy built into the library is the file in the source tree: exactly
// the dictionaries the features need, every text once and in English.
TEST_F(ResourceStringsTest, LoadReadsTheModulesXmlResourceByName) {
    EXPECT_FALSE(strings_.Load("no-such-resource"));
    EXPECT_FALSE(strings_.Load(nullptr));
    EXPECT_TRUE(strings_.Dictionaries().empty());
    ASSERT_TRUE(strings_.Load("strings"));
    ResourceStrings fromFile(nullptr);
    ASSERT_TRUE(fromFile.LoadFromText(SourceFile("/resources/strings.xml")));
    std::set<std::string> names;
    for (const auto& [name, dictionary] : strings_.Dictionaries()) {
        names.insert(name);
        for (const auto& [key, entry] : dictionary.Entries()) {
            SCOPED_TRACE(name + "/" + key);
            ASSERT_EQ(1u, entry.Contents().size());
            ASSERT_NE(nullptr, entry.FindContent("en"));
            EXPECT_EQ(fromFile.GetString(name.c_str(), key.c_str()),
                      entry.FindContent("en")->At(0));
        }
    }
    EXPECT_EQ((std::set<std::string>{"font-styles", "lexo-messages", "modifier-keys"}), names);
    EXPECT_EQ("\xE2\x8C\x98", strings_.GetString("modifier-keys", "command"));  // U+2318
    // The style-name lookup of "fixed" finds nothing.
    EXPECT_EQ(nullptr, strings_.GetContent("font-styles", "fixed"));
}

}  // namespace
