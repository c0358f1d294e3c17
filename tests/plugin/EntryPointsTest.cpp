// The six entry points called as the host calls them, the menu item record
// they fill, and the boundary that keeps exceptions away from the host.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "plugin/EntryPoints.h"
#include "plugin/Library.h"
#include "plugin/Model.h"
#include "tests/plugin/ShellFixture.h"

namespace {

using lexora_test::MenuDocument;
using lexora_test::ShellTest;
using lexora_test::StringsFrom;
using tavrel::Model;

constexpr std::size_t kRecordSize = 0xCE;
using Record = std::array<unsigned char, kRecordSize + 8>;

Record Filled(unsigned char value) {
    Record bytes;
    bytes.fill(value);
    return bytes;
}

std::string BytesAt(const Record& bytes, std::size_t offset, std::size_t count) {
    return std::string(reinterpret_cast<const char*>(bytes.data()) + offset, count);
}

std::string Field(const std::string& text) {
    return text + std::string(64 - text.size(), '\0');
}

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

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
    EXPECT_EQ(0x11000000u, NotavoExtensionVersion(0xFFFFFFFF));
    EXPECT_EQ(first, tavrel::EntryPointModel());
    EXPECT_EQ(first, Model::ExistingInstance());
    EXPECT_EQ(0xFFFFFFFFu, first->HostValue());
}

TEST_F(EntryPointsTest, VersionUsesTheModelTheLibraryLoadCreated) {
    ASSERT_TRUE(tavrel::OnLibraryLoad(nullptr));
    Model* loaded = Model::ExistingInstance();
    EXPECT_EQ(0x11000000u, NotavoExtensionVersion(42));
    EXPECT_EQ(loaded, tavrel::EntryPointModel());
}

TEST_F(EntryPointsTest, InitWritesZeroAndAnswersOne) {
    std::uint32_t out = 0xDEADBEEF;
    EXPECT_EQ(1u, NotavoExtensionInit(77, &out));
    EXPECT_EQ(0u, out);
    EXPECT_EQ(1u, NotavoExtensionInit(0, nullptr));
}

TEST_F(EntryPointsTest, EnumerateDescribesTheOneMenuItemByteForByte) {
    ASSERT_TRUE(tavrel::OnLibraryLoad(nullptr));
    ASSERT_EQ(0x11000000u, NotavoExtensionVersion(0));
    Record item = Filled(0xAB);
    EXPECT_EQ(1, NotavoExtensionEnumerate(&g_windowA, 0, item.data()));
    EXPECT_EQ(&g_windowA, tavrel::HostWindow());
    EXPECT_EQ(Field("Lexora ..."), BytesAt(item, 0x00, 64));
    EXPECT_EQ(Field("Lexora ..."), BytesAt(item, 0x40, 64));
    EXPECT_EQ(Field("Lexora"), BytesAt(item, 0x80, 64));
    EXPECT_EQ(std::string(2, '\0'), BytesAt(item, 0xC0, 2));
    EXPECT_EQ(std::string(2, '\0'), BytesAt(item, 0xC2, 2));
    EXPECT_EQ(std::string(6, '\xAB'), BytesAt(item, 0xC4, 6));
    EXPECT_EQ(std::string(4, '\0'), BytesAt(item, 0xCA, 4));
    EXPECT_EQ(std::string(8, '\xAB'), BytesAt(item, 0xCE, 8));
}

TEST_F(EntryPointsTest, EnumerateBeyondTheOneItemWritesNothingButKeepsTheWindow) {
    ASSERT_TRUE(tavrel::OnLibraryLoad(nullptr));
    ASSERT_EQ(0x11000000u, NotavoExtensionVersion(0));
    for (std::int16_t index : {std::int16_t(1), std::int16_t(2), std::int16_t(-1),
                               std::int16_t(32767), std::int16_t(-32768)}) {
        SCOPED_TRACE(index);
        tavrel::SetHostWindow(&g_windowA);
        Record item = Filled(0x5A);
        EXPECT_EQ(0, NotavoExtensionEnumerate(&g_windowB, index, item.data()));
        EXPECT_EQ(Filled(0x5A), item);
        EXPECT_EQ(&g_windowB, tavrel::HostWindow());
    }
    // No record at all: nothing is described, the window is still kept.
    EXPECT_EQ(0, NotavoExtensionEnumerate(&g_windowA, 0, nullptr));
    EXPECT_EQ(&g_windowA, tavrel::HostWindow());
}

TEST_F(EntryPointsTest, EnumerateCutsLongMenuTextsToSixtyThreeBytes) {
    struct Row {
        int line;
        std::string menuText;  // UTF-8 in the dictionary
        std::string expectedMenuField;
    };
    const std::string x63(63, 'x');
    const Row rows[] = {
        {__LINE__, std::string(62, 'x'), Field(std::string(62, 'x'))},
        {__LINE__, x63, x63 + '\0'},
        {__LINE__, x63 + "y", x63 + '\0'},
        {__LINE__, std::string(500, 'x'), x63 + '\0'},
        {__LINE__, "", std::string(64, '\0')},
#if !defined(_WIN32)
        // UTF-8 in the resource, Windows-1252 in the record: one byte each.
        {__LINE__, "\xC3\xA9t\xC3\xA9", Field("\xE9t\xE9")},
        // 70 euro signs: 210 bytes of UTF-8, 70 bytes of ANSI, cut to 63.
        {__LINE__, Repeat("\xE2\x82\xAC", 70), std::string(63, '\x80') + '\0'},
#endif
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row at line " << row.line);
        Model model;
        model.AdoptStrings(StringsFrom(MenuDocument(row.menuText, "Undo")));
        tavrel::SetEntryPointModel(&model);
        Record item = Filled(0xAB);
        EXPECT_EQ(1, NotavoExtensionEnumerate(nullptr, 0, item.data()));
        EXPECT_EQ(row.expectedMenuField, BytesAt(item, 0x00, 64));
        EXPECT_EQ(row.expectedMenuField, BytesAt(item, 0x40, 64));
        EXPECT_EQ(Field("Undo"), BytesAt(item, 0x80, 64));
        tavrel::SetEntryPointModel(nullptr);
    }
}

TEST_F(EntryPointsTest, MissingStringsGiveEmptyFields) {
    struct Row {
        int line;
        bool withModel;
        std::string document;
    };
    const Row rows[] = {
        {__LINE__, true, "<dictionaries/>"},
        {__LINE__, true, R"(<dictionaries><dictionary name="lexo-messages"/></dictionaries>)"},
        {__LINE__, false, ""},  // the host skipped the version entry point
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row at line " << row.line);
        Model model;
        if (row.withModel) {
            model.AdoptStrings(StringsFrom(row.document));
            tavrel::SetEntryPointModel(&model);
        }
        Record item = Filled(0xAB);
        EXPECT_EQ(1, NotavoExtensionEnumerate(nullptr, 0, item.data()));
        EXPECT_EQ(std::string(0xC4, '\0'), BytesAt(item, 0, 0xC4));
        EXPECT_EQ(std::string(6, '\xAB'), BytesAt(item, 0xC4, 6));
        EXPECT_EQ(std::string(4, '\0'), BytesAt(item, 0xCA, 4));
        tavrel::SetEntryPointModel(nullptr);
    }
}

TEST_F(EntryPointsTest, GetMenuStatusIsAlwaysOne) {
    EXPECT_EQ(1u, NotavoExtensionGetMenuStatus(0));  // even before the version call
    ASSERT_EQ(0x11000000u, NotavoExtensionVersion(0));
    for (std::int16_t index : {std::int16_t(-32768), std::int16_t(-1), std::int16_t(0),
                               std::int16_t(1), std::int16_t(99), std::int16_t(32767)}) {
        EXPECT_EQ(1u, NotavoExtensionGetMenuStatus(index)) << index;
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
        {__LINE__, 0, true},  {__LINE__, -1, true}, {__LINE__, -32768, true},
        {__LINE__, 1, false}, {__LINE__, 2, false}, {__LINE__, 32767, false},
    };
    ASSERT_EQ(0x11000000u, NotavoExtensionVersion(0));
    tavrel::SetMainDialogOpener(&RecordOpen);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row at line " << row.line);
        g_openedFor.clear();
        EXPECT_EQ(0, NotavoExtensionInvoke(&g_windowB, row.index, 1, 2));
        EXPECT_EQ(row.opens ? std::vector<void*>{&g_windowB} : std::vector<void*>{}, g_openedFor);
    }
    // Without an opener there is nothing to open; the answer stays 0.
    tavrel::SetMainDialogOpener(nullptr);
    EXPECT_EQ(0, NotavoExtensionInvoke(&g_windowB, 0, 0, 0));
}

TEST_F(EntryPointsTest, TerminateLeavesTheModelInPlace) {
    ASSERT_EQ(0x11000000u, NotavoExtensionVersion(0));
    Model* model = tavrel::EntryPointModel();
    NotavoExtensionTerminate(0);
    NotavoExtensionTerminate(0xFFFFFFFF);
    EXPECT_EQ(model, tavrel::EntryPointModel());
    EXPECT_EQ(model, Model::ExistingInstance());
    tavrel::SetEntryPointModel(nullptr);
    NotavoExtensionTerminate(0);  // before the version call: nothing to do
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
    Record item = Filled(0xAB);
    std::int16_t described = -1;
    EXPECT_NO_THROW(described = NotavoExtensionEnumerate(&g_windowA, 0, item.data()));
    EXPECT_EQ(0, described);
    EXPECT_EQ(Filled(0xAB), item);  // the record is left as it was
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
