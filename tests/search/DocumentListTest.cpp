// The document list: the current document alone, or every open document
// with its window, path and the mark of the one that was current.
#include "search/DocumentList.h"

#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "host/RecordLayout.h"

namespace tavrel {
namespace {

using testing_support::EngineTest;

class DocumentListTest : public EngineTest {};

// Stands in for a host with no current document, or no windows.
std::int16_t Zero(std::uint32_t) {
    return 0;
}

TEST_F(DocumentListTest, CurrentDocumentAloneOrEveryDocumentInHostOrder) {
    const std::int16_t one = Open("");
    const std::int16_t two = Open("");
    const std::int16_t three = Open("");
    Sim().FindDocument(one)->SetPath("a.json");
    Sim().FindDocument(two)->SetPath("b.json");
    Sim().FindDocument(three)->SetPath("c.json");
    Sim().SetCurrentKorvidDocument(two, kInterfaceVersion);
    struct Row {
        std::int16_t document;
        std::uint16_t flags;
        const char16_t* path;
    };
    const Row all[] = {
        {one, 0, u"a.json"}, {two, kDocumentWasCurrent, u"b.json"}, {three, 0, u"c.json"}};
    DocumentStack stack;
    for (const std::uint32_t mode : {kListCurrentDocument, kListAllDocuments}) {
        SCOPED_TRACE(mode);
        const Row* expected = mode == kListCurrentDocument ? all + 1 : all;
        const std::size_t count = mode == kListCurrentDocument ? 1 : 3;
        ASSERT_EQ(BuildDocumentList(mode, stack), int(count));
        ASSERT_EQ(stack.Count(), count);
        for (std::size_t i = 0; i < count; ++i) {
            EXPECT_EQ(stack.At(i).document, expected[i].document);
            EXPECT_EQ(stack.At(i).window, sim::Simulator::WindowOf(expected[i].document));
            EXPECT_EQ(stack.At(i).flags, expected[i].flags);
            EXPECT_EQ(stack.At(i).PathText(), expected[i].path);
        }
    }
}

TEST_F(DocumentListTest, NothingWithoutACurrentDocument) {
    DocumentStack stack;
    stack.Add(DocumentInfo(9, 9, 0));  // rebuilt from empty every time
    EXPECT_EQ(BuildDocumentList(kListCurrentDocument, stack), 0);
    EXPECT_TRUE(stack.Empty());
    EXPECT_EQ(BuildDocumentList(kListAllDocuments, stack), 0);

    // Documents are open, but an unknown mode lists nothing. (A host with
    // none current: see the Replace All tests.)
    Open("");
    EXPECT_EQ(BuildDocumentList(0, stack), 0);
    EXPECT_TRUE(stack.Empty());
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
    const std::int16_t one = Open("");
    const std::int16_t two = Open("");
    ASSERT_EQ(one, 1);
    EXPECT_EQ(WindowOfDocument(one), sim::Simulator::WindowOf(one));
    EXPECT_EQ(WindowOfDocument(42), 0u);  // a document without a window
    OverrideExport("HX_GetWindowInfoList", reinterpret_cast<void*>(&TwoWindowsOfDocumentOne));
    DocumentStack stack;
    ASSERT_EQ(BuildDocumentList(kListAllDocuments, stack), 2);
    EXPECT_EQ(stack.At(0).window, 77u);
    EXPECT_EQ(stack.At(1).document, two);
    EXPECT_EQ(stack.At(1).window, 0u);  // listed nowhere

    // A host that counts no windows gives every entry window 0.
    OverrideExport("HX_GetWindowCount", reinterpret_cast<void*>(&Zero));
    ASSERT_EQ(BuildDocumentList(kListAllDocuments, stack), 2);
    EXPECT_EQ(stack.At(0).window, 0u);
    EXPECT_EQ(stack.At(1).window, 0u);
}

}  // namespace
}  // namespace tavrel
