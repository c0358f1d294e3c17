// The shipped string resource: every text the plug-in's features show, read
// both from the file in the source tree and from the copy built into the
// library.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "strings/Dictionary.h"
#include "strings/ResourceStrings.h"

namespace {

using resource_string::ResourceStrings;

class StringsResourceTest : public ::testing::Test {
  protected:
    void SetUp() override { resource_string::SetDefaultLanguage("en"); }
    void TearDown() override { resource_string::SetDefaultLanguage("en"); }
};

struct Text {
    int line;
    const char* dictionary;
    const char* key;
    const char* text;
};

// The texts no other test reads through a feature, one of each dictionary
// and the one that is not ASCII.
const Text kFeatureTexts[] = {
    {__LINE__, "lexo-messages", "font-name-title", "Font Name"},
    {__LINE__, "font-styles", "no-style", "(no style)"},
    {__LINE__, "modifier-keys", "ctrl", "Ctrl"},
    {__LINE__, "modifier-keys", "command", "\xE2\x8C\x98"},  // U+2318 in UTF-8
};

void ExpectFeatureTexts(const ResourceStrings& strings) {
    for (const Text& row : kFeatureTexts) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(row.text, strings.GetString(row.dictionary, row.key));
        EXPECT_EQ(row.text, strings.GetString(row.dictionary, row.key, "en"));
        ASSERT_NE(nullptr, strings.GetContent(row.dictionary, row.key));
        EXPECT_EQ(1u, strings.GetContent(row.dictionary, row.key)->Count());
    }
}

TEST_F(StringsResourceTest, TheSourceFileAndTheBuiltInCopyHoldEveryFeatureText) {
    std::ifstream in(std::string(LEXORA_SOURCE_DIR) + "/resources/strings.xml", std::ios::binary);
    const std::string xml{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(xml.empty());
    EXPECT_EQ(0u, xml.rfind(R"(<?xml version="1.0" encoding="UTF-8" standalone="no"?>)", 0));
    ResourceStrings fromFile(nullptr);
    ASSERT_TRUE(fromFile.LoadFromText(xml));
    ExpectFeatureTexts(fromFile);
    ResourceStrings builtIn(nullptr);
    ASSERT_TRUE(builtIn.Load("strings"));
    ExpectFeatureTexts(builtIn);
}

TEST_F(StringsResourceTest, ExactlyTheDictionariesTheFeaturesNeedEveryTextInEnglish) {
    ResourceStrings strings(nullptr);
    ASSERT_TRUE(strings.Load("strings"));
    std::set<std::string> names;
    for (const auto& [name, dictionary] : strings.Dictionaries()) {
        names.insert(name);
        for (const auto& [key, entry] : dictionary.Entries()) {
            SCOPED_TRACE(name + "/" + key);
            ASSERT_EQ(1u, entry.Contents().size());
            EXPECT_NE(nullptr, entry.FindContent("en"));
        }
    }
    EXPECT_EQ((std::set<std::string>{"font-styles", "lexo-messages", "modifier-keys"}), names);
    EXPECT_EQ(8u, strings.FindDictionary("lexo-messages")->Entries().size());
    EXPECT_EQ(10u, strings.FindDictionary("font-styles")->Entries().size());
    EXPECT_EQ(17u, strings.FindDictionary("modifier-keys")->Entries().size());
    EXPECT_EQ("en", resource_string::DefaultLanguage());
    // The style-name lookup of "fixed" finds nothing.
    EXPECT_EQ(nullptr, strings.GetContent("font-styles", "fixed"));
}

}  // namespace
