// The tree browser under a real tree view: rows on request, notices to the
// owner, the header, and drag and drop with the x = 8 / x = 9 rule.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "ToolkitFixture.h"
#include "ui/win32/WinToolkit.h"

namespace tavrel::wintest {
namespace {

class ToolkitTreeTest : public ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        tree = Item(IDC_TREE);
        toolkit.setupBrowser(IDC_TREE, {{UniversalString("Font"), 100}}, 0);
        // 1 { 11, 12 }, 2, 3
        for (std::uint32_t id : {1u, 2u, 3u}) {
            toolkit.requestItem(IDC_TREE, 0, id);
        }
        toolkit.requestItem(IDC_TREE, 1, 11);
        toolkit.requestItem(IDC_TREE, 1, 12);
        Seen().clear();
    }
    std::vector<SeenEvent> Notices() const {
        std::vector<SeenEvent> out;
        for (const SeenEvent& e : Seen()) {
            if (e.hasNotice) {
                out.push_back(e);
            }
        }
        return out;
    }
    // An item's row centre at x, in the dialog's client coordinates.
    POINT At(std::uint32_t id, int x) const {
        RECT r{};
        const HTREEITEM item = findItem(tree, id);
        std::memcpy(&r, &item, sizeof item);
        SendMessageW(tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&r));
        POINT p{x, (r.top + r.bottom) / 2};
        MapWindowPoints(tree, dialog, &p, 1);
        return p;
    }
    void StartDrag(std::uint32_t id) {
        NMTREEVIEWW drag{};
        drag.hdr.hwndFrom = tree;
        drag.hdr.idFrom = IDC_TREE;
        drag.hdr.code = TVN_BEGINDRAGW;
        drag.itemNew.hItem = findItem(tree, id);
        drag.itemNew.lParam = static_cast<LPARAM>(id);
        drag.ptDrag = {20, 5};
        SendMessageW(dialog, WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&drag));
    }
    void MoveAndDrop(POINT p) {
        SendMessageW(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    HWND tree = nullptr;
};

TEST_F(ToolkitTreeTest, RowsComeOnRequestAndTheHeaderSitsAbove) {
    EXPECT_EQ(TreeView_GetCount(tree), 5u);
    std::vector<std::uint32_t> order;
    for (HTREEITEM i = nextItem(tree, TVI_ROOT, true); i; i = nextItem(tree, i, true)) {
        order.push_back(itemId(tree, i));
    }
    EXPECT_EQ(order, (std::vector<std::uint32_t>{1, 11, 12, 2, 3}));
    toolkit.requestItem(IDC_TREE, 0, 0);  // item 0 is never requested
    EXPECT_TRUE(Seen().empty());
    EXPECT_FALSE(toolkit.insertItem(IDC_TREE, 99, 5, UniversalString("Lost"), 0));
    EXPECT_NE(TreeView_GetImageList(tree, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(TreeView_GetBkColor(tree), static_cast<COLORREF>(0xFDFFF0));

    const Ucontrol* browser = toolkit.controlById(IDC_TREE);
    ASSERT_EQ(browser->flags & kBrowserHasHeader, kBrowserHasHeader);
    ASSERT_EQ(browser->parts.size(), 3u);
    HWND header = static_cast<HWND>(browser->parts[2].window);
    EXPECT_EQ(ClassNameOf(header, 31), "SysHeader32");
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 1);
    // While the tree's scroll bar is dragged, the header follows it.
    toolkit.insertItem(IDC_TREE, 0, 4, UniversalString(std::string(120, 'W')), 0);
    SendMessageW(tree, WM_HSCROLL, SB_LINERIGHT, 0);
    SendMessageW(tree, WM_HSCROLL, SB_LINERIGHT, 0);
    const int scrolled = GetScrollPos(tree, SB_HORZ);
    ASSERT_GT(scrolled, 0);
    MSG track{};
    track.hwnd = tree;
    track.message = WM_MOUSEMOVE;
    EXPECT_FALSE(FilterMessage(MSGF_SCROLLBAR, track));
    RECT r{};
    GetWindowRect(header, &r);
    MapWindowPoints(nullptr, GetParent(header), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, -scrolled);
}

TEST_F(ToolkitTreeTest, SelectionExpansionAndDoubleClickNotices) {
    toolkit.selectItem(IDC_TREE, 2);
    EXPECT_EQ(toolkit.selectedItem(IDC_TREE), 2u);
    toolkit.selectItem(IDC_TREE, 1);
    SendMessageW(tree, WM_KEYDOWN, VK_RIGHT, 0);  // opens the selected container
    SendMessageW(tree, WM_KEYDOWN, VK_LEFT, 0);   // and closes it
    const POINT p = At(3, 30);
    POINT inTree = p;
    MapWindowPoints(dialog, tree, &inTree, 1);
    SendMessageW(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(inTree.x, inTree.y));
    struct Expect {
        std::uint32_t message, item, extra;
    } expected[] = {{14, 0, 2}, {14, 2, 1}, {8, 1, 1}, {10, 1, 1}, {7, 1, 1}};
    std::vector<SeenEvent> notices = Notices();
    // A double-click may select the row first; its own notice names no item.
    notices.erase(std::remove_if(notices.begin(), notices.end(),
                                 [](const SeenEvent& e) {
                                     return e.notice.message == 14 && e.notice.extra == 3;
                                 }),
                  notices.end());
    ASSERT_EQ(notices.size(), std::size(expected));
    for (std::size_t i = 0; i < notices.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(notices[i].id, static_cast<std::uint32_t>(IDC_TREE));
        EXPECT_EQ(notices[i].notice.noticeKind, kNoticeItem);
        EXPECT_EQ(notices[i].notice.message, expected[i].message);
        if (expected[i].message != 7) {
            EXPECT_EQ(notices[i].notice.item, expected[i].item);
            EXPECT_EQ(notices[i].notice.extra, expected[i].extra);
        }
    }
    toolkit.selectItem(IDC_TREE, 99);  // no such item: nothing selected
    EXPECT_EQ(toolkit.selectedItem(IDC_TREE), 0u);
}

TEST_F(ToolkitTreeTest, DropsCountOnlyInsideTheRows) {
    struct Row {
        int line;
        std::uint32_t dragged;
        std::uint32_t over;  // 0: below the last row
        int x;
        bool valid;
        std::uint32_t item;
    } rows[] = {
        {__LINE__, 2, 3, 8, false, 0},
        {__LINE__, 2, 3, 9, true, 3},
        {__LINE__, 3, 0, 40, true, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        Seen().clear();
        StartDrag(r.dragged);
        ASSERT_EQ(Notices().size(), 1u);
        EXPECT_EQ(Notices()[0].notice.noticeKind, kNoticeDragStarted);
        EXPECT_EQ(Notices()[0].notice.item, r.dragged);
        EXPECT_EQ(WordToHandle(Notices()[0].notice.control), tree);  // a handle in 32 bits
        EXPECT_EQ(toolkit.flags & kWindowDragging, kWindowDragging);
        POINT p = r.over ? At(r.over, r.x) : At(3, r.x);
        if (r.over == 0) {
            p.y += 40;
        }
        MoveAndDrop(p);
        EXPECT_EQ(toolkit.flags & kWindowDragging, 0u);
        EXPECT_EQ(GetCapture(), nullptr);
        const std::vector<SeenEvent> notices = Notices();
        ASSERT_EQ(notices.size(), r.valid ? 2u : 1u);
        if (r.valid) {
            EXPECT_EQ(notices[1].notice.noticeKind, kNoticeDrop);
            EXPECT_EQ(notices[1].notice.item, r.item);
            EXPECT_EQ(notices[1].notice.extra, r.dragged);
        }
    }
}

TEST_F(ToolkitTreeTest, DraggingOntoItselfShowsNoTargetAndEscapeCancels) {
    StartDrag(2);
    auto highlighted = [&](std::uint32_t id) {
        return TreeView_GetItemState(tree, findItem(tree, id), TVIS_DROPHILITED) != 0;
    };
    SendMessageW(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(At(3, 40).x, At(3, 40).y));
    EXPECT_TRUE(highlighted(3));
    SendMessageW(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(At(2, 40).x, At(2, 40).y));
    EXPECT_FALSE(highlighted(3));
    EXPECT_FALSE(highlighted(2));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_NO));
    SetFocus(tree);
    PostKey(tree, VK_ESCAPE);
    EXPECT_EQ(toolkit.flags & kWindowDragging, 0u);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace
}  // namespace tavrel::wintest
