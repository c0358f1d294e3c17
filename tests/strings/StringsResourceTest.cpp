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

// The texts no other test reads through a feature, one of each dictionary
// and the one that is not ASCII.
void ExpectFeatureTexts(const ResourceStrings& strings) {
    const struct {
        int line;
        const char *dictionary, *key, *text;
    } rows[] = {
        {__LINE__, "lexo-messages", "font-name-title", "Font Name"},
        {__LINE__, "font-styles", "no-style", "(no style)"},
        {__LINE__, "modifier-keys", "ctrl", "Ctrl"},
        {__LINE__, "modifier-keys", "command", "\xE2\x8C\x98"},  // U+2318 in UTF-8
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(row.text, strings.GetString(row.dictionary, row.key, "en"));
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

    // Exactly the dictionaries the features need, every text in English.
    std::set<std::string> names;
    for (const auto& [name, dictionary] : builtIn.Dictionaries()) {
        names.insert(name);
        for (const auto& [key, entry] : dictionary.Entries()) {
            SCOPED_TRACE(name + "/" + key);
            ASSERT_EQ(1u, entry.Contents().size());
            EXPECT_NE(nullptr, entry.FindContent("en"));
        }
    }
    EXPECT_EQ((std::set<std::string>{"font-styles", "lexo-messages", "modifier-keys"}), names);
    // The style-name lookup of "fixed" finds nothing.
    EXPECT_EQ(nullptr, builtIn.GetContent("font-styles", "fixed"));
}

}  // namespace
