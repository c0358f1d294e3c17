// The plug-in model: get-or-create, Attach with the library's strings, and
// the localized-string lookups.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "plugin/Library.h"
#include "plugin/model/Model.h"
#include "tests/plugin/ShellFixture.h"
#include "tests/text/Printers.h"
#include "text/UniversalString.h"

namespace {

using lexora_test::ShellTest;
using tavrel::Model;
using tavrel::UniversalString;

TEST_F(ShellTest, GetStringDecodesUtf8AndResetsTheOutString) {
    Model model;
    model.AdoptStrings(lexora_test::StringsFrom(R"(<dictionaries><dictionary name="d">
        <entry key="accents"><string content="Caf&#xE9; &#x2318;"/></entry>
        <entry key="french"><string language="fr" content="Taille"/></entry>
      </dictionary></dictionaries>)"));
    struct Row {
        int line;
        const char* key;
        const char* language;
        std::u16string expected;
    };
    const Row rows[] = {
        {__LINE__, "accents", nullptr, u"Caf\u00E9 \u2318"},
        {__LINE__, "french", nullptr, u""},
        {__LINE__, "french", "fr", u"Taille"},
        {__LINE__, nullptr, nullptr, u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        UniversalString out("left over");
        tavrel::StringStyle style;
        style.size = 24;
        out.setStyle(style);
        UniversalString& result = model.GetString(out, "d", row.key, row.language);
        EXPECT_EQ(&out, &result);
        EXPECT_EQ(UniversalString(row.expected), out);
        EXPECT_FALSE(out.styleSet());
        EXPECT_EQ(tavrel::kUnset16, out.style().size);
    }
}

TEST_F(ShellTest, GetOrCreateKeepsOneInstanceUntilDestroyed) {
    EXPECT_EQ(nullptr, Model::ExistingInstance());
    Model* first = Model::Instance();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, Model::Instance());
    EXPECT_EQ(first, Model::ExistingInstance());
    EXPECT_EQ(nullptr, first->Strings());  // created without strings
    Model::DestroyInstance();
    EXPECT_EQ(nullptr, Model::ExistingInstance());
    Model::DestroyInstance();  // a second time is harmless
    EXPECT_NE(nullptr, Model::Instance());
}

TEST_F(ShellTest, LoadingTheLibraryCreatesTheModelWithItsStringsAndUnloadingDestroysIt) {
    int moduleStandIn = 0;
    ASSERT_TRUE(tavrel::OnLibraryLoad(&moduleStandIn));
    Model* model = Model::ExistingInstance();
    ASSERT_NE(nullptr, model);
    EXPECT_EQ(&moduleStandIn, model->ModuleHandle());
    const auto* content = model->FindEntry("lexo-messages", "no-occurrence", nullptr);
    ASSERT_NE(nullptr, content);
    EXPECT_EQ("No occurrence found!", content->At(0));

    tavrel::SetEntryPointModel(model);
    tavrel::OnLibraryUnload();
    EXPECT_EQ(nullptr, Model::ExistingInstance());
    EXPECT_EQ(nullptr, tavrel::EntryPointModel());
}

}  // namespace
