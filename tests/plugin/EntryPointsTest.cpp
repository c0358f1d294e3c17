// The six entry points called as the host calls them, the menu item record
// they fill, and the boundary that keeps exceptions away from the host.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "plugin/EntryPoints.h"
#include "plugin/Library.h"
#include "plugin/model/Model.h"
#include "tests/plugin/ShellFixture.h"

namespace {

using lexora_test::Bytes;
using lexora_test::DescribedRecord;
using lexora_test::Field;
using lexora_test::Filled;
using lexora_test::ShellTest;
using lexora_test::StringsFrom;
using tavrel::Model;

// Distinct stand-ins for host windows; only their identity matters.
int g_windowA = 0;
int g_windowB = 0;

class EntryPointsTest : public ShellTest {};

TEST_F(EntryPointsTest, VersionCreatesOneModelAndAnswersTheInterfaceVersion) {
    EXPECT_EQ(0x11000000u, NotavoExtensionVersion(0));
    Model* first = tavrel::EntryPointModel();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, Model::ExistingInstance());
    EXPECT_EQ(0u, first->HostValue());
    NotavoExtensionVersion(0xFFFFFFFF);
    EXPECT_EQ(first, tavrel::EntryPointModel());
    EXPECT_EQ(0xFFFFFFFFu, first->HostValue());
}

// The texts come from the library's strings: the version call keeps the
// model that loading the library created.
TEST_F(EntryPointsTest, EnumerateDescribesTheOneMenuItemByteForByte) {
    ASSERT_TRUE(tavrel::OnLibraryLoad(nullptr));
    ASSERT_EQ(0x11000000u, NotavoExtensionVersion(0));
    lexora_test::RecordBuffer item = Filled();
    EXPECT_EQ(1, NotavoExtensionEnumerate(&g_windowA, 0, item.data()));
    EXPECT_EQ(&g_windowA, tavrel::HostWindow());
    EXPECT_EQ(DescribedRecord(Field("Lexora ..."), Field("Lexora")), Bytes(item));

    // Beyond the one item nothing is written, but the window is kept.
    for (std::int16_t index : {std::int16_t(1), std::int16_t(-1)}) {
        SCOPED_TRACE(index);
        tavrel::SetHostWindow(&g_windowA);
        item = Filled();
        EXPECT_EQ(0, NotavoExtensionEnumerate(&g_windowB, index, item.data()));
        EXPECT_EQ(Filled(), item);
        EXPECT_EQ(&g_windowB, tavrel::HostWindow());
    }
    // No record at all: nothing is described, the window is still kept.
    EXPECT_EQ(0, NotavoExtensionEnumerate(&g_windowA, 0, nullptr));
    EXPECT_EQ(&g_windowA, tavrel::HostWindow());
}

// Texts are cut to their fields by the menu item's own rules (see its tests);
// without the texts the fields are empty, and the item is still described.
TEST_F(EntryPointsTest, EnumerateWithoutTheTextsWritesEmptyFields) {
    for (const bool withModel : {true, false}) {  // false: the host skipped the version call
        SCOPED_TRACE(withModel);
        Model model;
        if (withModel) {
            model.AdoptStrings(
                StringsFrom(R"(<dictionaries><dictionary name="lexo-messages"/></dictionaries>)"));
            tavrel::SetEntryPointModel(&model);
        }
        lexora_test::RecordBuffer item = Filled();
        EXPECT_EQ(1, NotavoExtensionEnumerate(nullptr, 0, item.data()));
        EXPECT_EQ(DescribedRecord(Field(""), Field("")), Bytes(item));
        tavrel::SetEntryPointModel(nullptr);
    }
}

std::vector<void*> g_openedFor;
void RecordOpen(void* owner) {
    g_openedFor.push_back(owner);
}

TEST_F(EntryPointsTest, InvokeOpensTheMainDialogForIndicesBelowOne) {
    struct Row {
        int line;
        std::int16_t index;
        bool opens;
    };
    const Row rows[] = {
        {__LINE__, 0, true},
        {__LINE__, -32768, true},
        {__LINE__, 1, false},
    };
    ASSERT_EQ(0x11000000u, NotavoExtensionVersion(0));
    tavrel::SetMainDialogOpener(&RecordOpen);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        g_openedFor.clear();
        EXPECT_EQ(0, NotavoExtensionInvoke(&g_windowB, row.index, 1, 2));
        EXPECT_EQ(row.opens ? std::vector<void*>{&g_windowB} : std::vector<void*>{}, g_openedFor);
    }
    // Without an opener there is nothing to open; the answer stays 0.
    tavrel::SetMainDialogOpener(nullptr);
    EXPECT_EQ(0, NotavoExtensionInvoke(&g_windowB, 0, 0, 0));
}

// A model whose every operation the entry points call fails by throwing.
class ThrowingModel : public Model {
  public:
    tavrel::UniversalString& GetString(tavrel::UniversalString&, const char*, const char*,
                                       const char*) const override {
        throw std::runtime_error("no strings");
    }
    std::uint32_t GetMenuStatus(std::int16_t) override { throw std::bad_alloc(); }
    void Terminate(std::uint32_t) override { throw 42; }
};

void ThrowingOpen(void*) {
    throw std::runtime_error("no dialog");
}

TEST_F(EntryPointsTest, NothingThrownReachesTheHost) {
    ThrowingModel model;
    tavrel::SetEntryPointModel(&model);
    lexora_test::RecordBuffer item = Filled();
    std::int16_t described = -1;
    EXPECT_NO_THROW(described = NotavoExtensionEnumerate(&g_windowA, 0, item.data()));
    EXPECT_EQ(0, described);
    EXPECT_EQ(Filled(), item);  // the record is left as it was
    EXPECT_EQ(&g_windowA, tavrel::HostWindow());

    std::uint32_t status = 1;
    EXPECT_NO_THROW(status = NotavoExtensionGetMenuStatus(0));
    EXPECT_EQ(0u, status);
    EXPECT_NO_THROW(NotavoExtensionTerminate(0));

    tavrel::SetMainDialogOpener(&ThrowingOpen);
    std::int16_t invoked = -1;
    EXPECT_NO_THROW(invoked = NotavoExtensionInvoke(&g_windowA, 0, 0, 0));
    EXPECT_EQ(0, invoked);
}

}  // namespace
