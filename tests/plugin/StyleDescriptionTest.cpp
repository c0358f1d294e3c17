// The model's one-line description of a style, in the words of the
// library's own "font-styles" dictionary.
#include <gtest/gtest.h>

#include <string>

#include "plugin/model/Model.h"
#include "tests/plugin/ShellFixture.h"
#include "tests/text/StyleBuilder.h"

namespace tavrel {
namespace {

using lexora_test::ShellTest;

constexpr std::uint16_t kAllShown =
    EFFECT_FIXED_SIZE | EFFECT_BOLD | EFFECT_ITALIC | EFFECT_UNDERLINE | EFFECT_HIDDEN;

TEST_F(ShellTest, StyleDescriptionNamesFontSizeAndEachConstrainedEffect) {
    Model model;
    int moduleStandIn = 0;
    model.Attach(&moduleStandIn);
    struct Row {
        int line;
        StringStyle style;
        const char* expected;
    };
    const Row rows[] = {
        {__LINE__, Sty().Font("Arial").Size(12).Fx(EFFECT_BOLD, EFFECT_BOLD | EFFECT_ITALIC),
         "Arial, Size 12, Bold, non Italic."},
        {__LINE__, StringStyle(), "(no style)"},
        {__LINE__, Sty().Fx(EFFECT_BOLD, 0), "(no style)"},  // an effect outside the mask
        {__LINE__, Sty().Size(300), "(no style)"},
        {__LINE__, Sty().Size(254), "Size 254."},
        // The fixed-size word comes from the key the resource has.
        {__LINE__, Sty().Fx(EFFECT_FIXED_SIZE, EFFECT_FIXED_SIZE), "Fixed Size."},
        {__LINE__, Sty().Fx(EFFECT_ITALIC | EFFECT_HIDDEN, kAllShown),
         "non Fixed Size, non Bold, Italic, non Underline, Hidden."},
        // Outline and shadow are never described.
        {__LINE__, Sty().Fx(EFFECT_OUTLINE, EFFECT_OUTLINE | EFFECT_SHADOW), "(no style)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        UniversalString text("ignored");
        text.setStyle(row.style);
        EXPECT_EQ(row.expected, model.StyleDescription(text).toUtf8());
    }
}

TEST_F(ShellTest, StyleDescriptionPrefersAFixedWordUnderTheShortKey) {
    Model model;
    model.AdoptStrings(lexora_test::StringsFrom(
        "<dictionaries><dictionary name=\"font-styles\">"
        "<entry key=\"fixed\"><string content=\"Fixed\"/></entry>"
        "<entry key=\"fixed-size\"><string content=\"Fixed Size\"/></entry>"
        "</dictionary></dictionaries>"));
    UniversalString text;
    text.setStyle(Sty().Fx(EFFECT_FIXED_SIZE, EFFECT_FIXED_SIZE));
    EXPECT_EQ("Fixed.", model.StyleDescription(text).toUtf8());
    // Without a dictionary every word is empty, and so is "(no style)".
    model.AdoptStrings(nullptr);
    EXPECT_EQ("", model.StyleDescription(UniversalString()).toUtf8());
}

}  // namespace
}  // namespace tavrel
