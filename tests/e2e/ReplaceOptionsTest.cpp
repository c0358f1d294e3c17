// The replace command line becomes the request the dialog would build.
#include "sim/cli/ReplaceOptions.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tavrel::sim {
namespace {

using Args = std::vector<std::string>;

constexpr std::uint32_t kInitial = 0x0070FF00;  // Search Everywhere and every box

TEST(ReplaceOptionsTest, BuildsTheDialogsOptionWord) {
    struct Row {
        int line;
        Args args;
        std::uint32_t options;
    };
    const Row rows[] = {
        {__LINE__, {"--search", "a", "s.json"}, kInitial},
        {__LINE__, {"--search=a", "--in", "lyrics", "s.json"}, SR_LYRICS},
        {__LINE__,
         {"--search=a", "--in=text-expressions", "--in=articulations", "--in=smart-shapes",
          "--in=staff-names", "--in=staff-style-names", "--in=text-blocks", "--in=group-names",
          "--in=repeat-texts", "s.json"},
         SR_TEXT_EXPRESSIONS | SR_ARTICULATIONS | SR_SMART_SHAPES | SR_STAFF_NAMES |
             SR_STAFF_STYLE_NAMES | SR_TEXT_BLOCKS | SR_GROUP_NAMES | SR_REPEAT_TEXTS},
        {__LINE__,
         {"--match-case", "--whole-words", "--all-documents", "--search", "a", "s.json"},
         kInitial | SR_MATCH_CASE | SR_WHOLE_WORDS | SR_ALL_DOCUMENTS},
        {__LINE__,
         {"--search-style=+bold", "--search", "a", "s.json"},
         kInitial | SR_USE_SEARCH_STYLE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        ReplaceCommandLine cl;
        std::string error;
        ASSERT_TRUE(ParseReplaceCommandLine(row.args, cl, error)) << error;
        EXPECT_EQ(cl.request.options, row.options);
        EXPECT_EQ(cl.scores, Args{"s.json"});
    }
}

TEST(ReplaceOptionsTest, TextsScoresAndRunOptions) {
    ReplaceCommandLine cl;
    std::string error;
    ASSERT_TRUE(ParseReplaceCommandLine({"a.json", "--search", "-x", "--replace=y=z", "--current",
                                         "2", "--dry-run", "--output", "out", "--", "--b.json"},
                                        cl, error))
        << error;
    EXPECT_EQ(cl.request.searchText.text(), u"-x");  // the next argument, even with a '-'
    EXPECT_EQ(cl.request.replaceText.text(), u"y=z");
    EXPECT_EQ(cl.scores, (Args{"a.json", "--b.json"}));
    EXPECT_EQ(cl.current, 2u);
    EXPECT_TRUE(cl.dryRun);
    ASSERT_TRUE(cl.outputDir.has_value());
    EXPECT_EQ(*cl.outputDir, "out");
    EXPECT_FALSE(cl.help);
    ReplaceCommandLine help;
    ASSERT_TRUE(ParseReplaceCommandLine({"--help"}, help, error));
    EXPECT_TRUE(help.help);
}

TEST(ReplaceOptionsTest, BadCommandLines) {
    struct Row {
        int line;
        Args args;
        const char* messagePart;
    };
    const Row rows[] = {
        {__LINE__, {"--search", "a"}, "at least one score"},
        {__LINE__, {"--serch", "a", "s.json"}, "unknown option \"--serch\""},
        {__LINE__, {"s.json", "--search"}, "--search needs a value"},
        {__LINE__, {"--in", "chords", "s.json"}, "unknown category \"chords\""},
        {__LINE__, {"--current", "0", "s.json"}, "--current"},
        {__LINE__, {"--current", "3", "a.json", "b.json"}, "only 2 score(s)"},
        {__LINE__, {"--search-style", "+heavy", "s.json"}, "unknown style item \"+heavy\""},
        {__LINE__, {"--search-style", "size=0", "s.json"}, "size="},
        {__LINE__, {"--search-style", "+bold,-bold", "s.json"}, "given twice"},
        {__LINE__, {"--search-style", "font=", "s.json"}, "font= needs"},
        {__LINE__, {"--search", "\xC3", "s.json"}, "not valid UTF-8"},
        // One setting given twice would silently lose the first.
        {__LINE__, {"--search", "A", "--search", "B", "s.json"}, "--search given twice"},
        {__LINE__, {"--in", "lyrics", "--in=lyrics", "s.json"}, "--in lyrics given twice"},
        {__LINE__,
         {"--in", "everywhere", "--in", "lyrics", "s.json"},
         "--in everywhere cannot be combined with other categories"},
        {__LINE__,
         {"--in", "lyrics", "--in", "everywhere", "s.json"},
         "--in everywhere cannot be combined with other categories"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        ReplaceCommandLine cl;
        std::string error;
        EXPECT_FALSE(ParseReplaceCommandLine(row.args, cl, error));
        EXPECT_NE(error.find(row.messagePart), std::string::npos) << error;
    }
}

TEST(ReplaceOptionsTest, StyleOptions) {
    struct Row {
        int line;
        const char* text;
        const char* font;
        std::uint16_t size;
        std::uint16_t effects;
        std::uint16_t mask;
    };
    const Row rows[] = {
        {__LINE__, "font=Arial,size=12,+bold,-italic", "Arial", 12, 0x01, 0x03},
        {__LINE__, "+underline,+fixed,-hidden", "", 0xFFFF, 0x44, 0xC4},
        {__LINE__, "font=Times New Roman", "Times New Roman", 0xFFFF, 0, 0},
        {__LINE__, "size=32767", "", 32767, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        StringStyle style;
        style.size = 5;  // parsing starts from a reset style
        std::string error;
        ASSERT_TRUE(ParseStyleOption(row.text, style, error)) << error;
        EXPECT_EQ(style.fontName, row.font);
        EXPECT_EQ(style.size, row.size);
        EXPECT_EQ(style.effects, row.effects);
        EXPECT_EQ(style.effectsMask, row.mask);
    }
}

TEST(ReplaceOptionsTest, RefusesWhatTheDialogWouldNotRun) {
    struct Row {
        int line;
        Args args;
        const char* refusal;  // "" when the request runs
    };
    const Row rows[] = {
        {__LINE__, {"--search", "a", "s.json"}, ""},
        {__LINE__, {"--replace", "b", "s.json"}, "search text is empty"},
        {__LINE__, {"s.json"}, "both texts are empty"},
        {__LINE__, {"--replace-style", "", "s.json"}, "both texts are empty"},
        {__LINE__, {"--search-style", "+bold", "s.json"}, "both texts are empty"},
        {__LINE__, {"--replace-style", "font=Arial", "--in", "articulations", "s.json"}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        ReplaceCommandLine cl;
        std::string error;
        ASSERT_TRUE(ParseReplaceCommandLine(row.args, cl, error)) << error;
        const std::string reason = RefusalReason(cl.request);
        if (*row.refusal == '\0') {
            EXPECT_EQ(reason, "");
        } else {
            EXPECT_NE(reason.find(row.refusal), std::string::npos) << reason;
        }
    }
    // A word with no category at all (the command line cannot make one).
    SearchRequest bare;
    bare.searchText = UniversalString("a");
    bare.options = SR_MATCH_CASE;
    EXPECT_NE(RefusalReason(bare).find("no category"), std::string::npos);
}

}  // namespace
}  // namespace tavrel::sim
