// The document list: the current document alone, or every open document
// with its window, path and the mark of the one that was current.
#include "search/DocumentList.h"

#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "host/RecordLayout.h"

namespace tavrel {
namespace {

using testing_support::EngineTest;
using testing_support::ScoreBuilder;

class DocumentListTest : public EngineTest {};

std::int16_t NoCurrentDocument(std::uint32_t) {
    return 0;
}

TEST_F(DocumentListTest, CurrentDocumentMode) {
    Open(ScoreBuilder().Path("/scores/one.json"));
    const std::int16_t two = Open(ScoreBuilder().Path("/scores/two.json"));
    Sim().SetCurrentKorvidDocument(two, kInterfaceVersion);

    DocumentStack stack;
    ASSERT_EQ(BuildDocumentList(kListCurrentDocument, stack), 1);
    ASSERT_EQ(stack.Count(), 1u);
    EXPECT_EQ(stack.At(0).document, two);
    EXPECT_EQ(stack.At(0).window, sim::Simulator::WindowOf(two));
    EXPECT_EQ(stack.At(0).flags, kDocumentWasCurrent);
    EXPECT_EQ(stack.At(0).PathText(), u"/scores/two.json");
}

TEST_F(DocumentListTest, AllDocumentsModeListsEveryDocumentInHostOrder) {
    const std::int16_t one = Open(ScoreBuilder().Path("a.json"));
    const std::int16_t two = Open(ScoreBuilder().Path("b.json"));
    const std::int16_t three = Open(ScoreBuilder().Path("c.json"));
    Sim().SetCurrentKorvidDocument(two, kInterfaceVersion);

    DocumentStack stack;
    ASSERT_EQ(BuildDocumentList(kListAllDocuments, stack), 3);
    struct Row {
        std::int16_t document;
        std::uint16_t flags;
        const char16_t* path;
    };
    const Row expected[] = {{one, 0, u"a.json"}, {two, 1, u"b.json"}, {three, 0, u"c.json"}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(stack.At(i).document, expected[i].document);
        EXPECT_EQ(stack.At(i).window, sim::Simulator::WindowOf(expected[i].document));
        EXPECT_EQ(stack.At(i).flags, expected[i].flags);
        EXPECT_EQ(stack.At(i).PathText(), expected[i].path);
    }
}

TEST_F(DocumentListTest, NothingWithoutACurrentDocument) {
    DocumentStack stack;
    stack.Add(DocumentInfo(9, 9, 0));  // rebuilt from empty every time
    EXPECT_EQ(BuildDocumentList(kListCurrentDocument, stack), 0);
    EXPECT_TRUE(stack.Empty());
    EXPECT_EQ(BuildDocumentList(kListAllDocuments, stack), 0);

    // Documents are open, but the host has none current.
    Open(ScoreBuilder());
    Open(ScoreBuilder());
    OverrideExport("HX_GetCurrentKorvidDocument", reinterpret_cast<void*>(&NoCurrentDocument));
    EXPECT_EQ(BuildDocumentList(kListAllDocuments, stack), 0);
    EXPECT_TRUE(stack.Empty());
    EXPECT_EQ(BuildDocumentList(kListCurrentDocument, stack), 0);
}

TEST_F(DocumentListTest, UnknownModeListsNothing) {
    Open(ScoreBuilder());
    DocumentStack stack;
    EXPECT_EQ(BuildDocumentList(0, stack), 0);
    EXPECT_EQ(BuildDocumentList(17, stack), 0);
    EXPECT_TRUE(stack.Empty());
}

TEST_F(DocumentListTest, WindowOfADocumentWithoutWindowIsZero) {
    const std::int16_t one = Open(ScoreBuilder());
    EXPECT_EQ(WindowOfDocument(one), sim::Simulator::WindowOf(one));
    EXPECT_EQ(WindowOfDocument(42), 0u);
}

std::int16_t NoWindows(std::uint32_t) {
    return 0;
}

// Two window-info records, both of document 1: windows 77 and then 88.
std::int16_t TwoWindowsOfDocumentOne(void* records, std::int16_t count, std::uint32_t) {
    auto* bytes = static_cast<std::uint8_t*>(records);
    const std::uint32_t windows[] = {77, 88};
    for (int i = 0; i < count && i < 2; ++i) {
        std::uint8_t* record = bytes + i * kWindowInfoSize;
        layout::WriteU32(record, kWindowInfoWindowOffset, windows[i]);
        layout::WriteU16(record, kWindowInfoDocumentOffset, 1);
    }
    return count;
}

TEST_F(DocumentListTest, WindowIsTheFirstListedForTheDocument) {
    const std::int16_t one = Open(ScoreBuilder());
    const std::int16_t two = Open(ScoreBuilder());
    ASSERT_EQ(one, 1);
    OverrideExport("HX_GetWindowInfoList", reinterpret_cast<void*>(&TwoWindowsOfDocumentOne));
    DocumentStack stack;
    ASSERT_EQ(BuildDocumentList(kListAllDocuments, stack), 2);
    EXPECT_EQ(stack.At(0).window, 77u);
    EXPECT_EQ(stack.At(1).document, two);
    EXPECT_EQ(stack.At(1).window, 0u);  // listed nowhere

    // A host that counts no windows gives every entry window 0.
    OverrideExport("HX_GetWindowCount", reinterpret_cast<void*>(&NoWindows));
    ASSERT_EQ(BuildDocumentList(kListAllDocuments, stack), 2);
    EXPECT_EQ(stack.At(0).window, 0u);
    EXPECT_EQ(stack.At(1).window, 0u);
}

}  // namespace
}  // namespace tavrel
