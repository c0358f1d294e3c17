// Keys under a host's plain message loop (GetMessage, TranslateMessage,
// DispatchMessage, never IsDialogMessage): the modeless toolkit dialog
// still gets Tab, Shift+Tab, Enter, Delete in its tree and the edit
// field's Ctrl shortcuts, each handled once.
#include <gtest/gtest.h>
#include <windows.h>

#include <richedit.h>

#include "ToolkitFixture.h"
#include "ui/win32/WinToolkit.h"

namespace tavrel::wintest {
namespace {

std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD from = 0;
    DWORD to = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    return {from, to};
}

TEST_F(ToolkitTest, TabAndShiftTabMoveTheFocus) {
    SetFocus(Item(IDC_EDIT));
    PostKey(Item(IDC_EDIT), VK_TAB);
    EXPECT_EQ(GetFocus(), Item(IDC_RICH));
    PostKey(Item(IDC_RICH), VK_TAB);  // a rich edit keeps its keys
    EXPECT_EQ(GetFocus(), Item(IDC_RICH));
    SetFocus(Item(IDC_CHECK));
    PostKey(Item(IDC_CHECK), VK_TAB);
    EXPECT_EQ(GetFocus(), Item(IDC_LIST));
    PostKey(Item(IDC_LIST), VK_TAB, true);
    EXPECT_EQ(GetFocus(), Item(IDC_CHECK));
}

TEST_F(ToolkitTest, EnterPressesOkAndDeleteInTheTreeClears) {
    Script().closeOnOkCancel = false;
    SetFocus(Item(IDC_EDIT));
    Seen().clear();
    PostKey(Item(IDC_EDIT), VK_RETURN);
    std::vector<SeenEvent> events = SeenOf(kEventCntl);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, static_cast<std::uint32_t>(IDOK));
    EXPECT_EQ(events[0].kind, 1u);

    SetFocus(Item(IDC_TREE));
    Seen().clear();
    PostKey(Item(IDC_TREE), VK_DELETE);
    events = SeenOf(kEventCmds);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].command, kCommandClear);
    Seen().clear();
    SetFocus(Item(IDC_EDIT));
    PostKey(Item(IDC_EDIT), VK_DELETE);  // an edit field keeps its Delete
    EXPECT_TRUE(SeenOf(kEventCmds).empty());
}

TEST_F(ToolkitTest, CtrlAInAnEditSelectsAllAndCtrlShiftADoesNothing) {
    HWND edit = Item(IDC_EDIT);
    SetWindowTextW(edit, L"Allegro");
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 7, 7);
    PostKey(edit, 'A', true, true);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{7}, DWORD{7}));
    PostKey(edit, 'A', false, true);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{7}));
}

TEST_F(ToolkitTest, TreeAndRichEditKeysBecomeCommandsOrEdits) {
    SendMessageW(Item(IDC_TREE), WM_KEYDOWN, VK_SPACE, 0);
    HWND rich = Item(IDC_RICH);
    toolkit.setText(IDC_RICH, "Allegro");
    SendMessageW(rich, EM_SETSEL, 7, 7);
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE held[256];
    CopyMemory(held, saved, sizeof held);
    held[VK_CONTROL] = 0x80;
    SetKeyboardState(held);
    for (WPARAM key : {WPARAM{'A'}, WPARAM{'Z'}}) {
        MSGFILTER filter{};
        filter.nmhdr = {rich, IDC_RICH, EN_MSGFILTER};
        filter.msg = WM_KEYUP;
        filter.wParam = key;
        SendMessageW(dialog, WM_NOTIFY, IDC_RICH, reinterpret_cast<LPARAM>(&filter));
    }
    SetKeyboardState(saved);
    // Ctrl+A selected all (a rich edit's all takes in its closing paragraph mark).
    EXPECT_EQ(Selection(rich).first, 0u);
    EXPECT_GE(Selection(rich).second, 7u);
    std::vector<FourCharCode> commands;
    for (const SeenEvent& e : SeenOf(kEventCmds)) {
        commands.push_back(e.command);
    }
    EXPECT_EQ(commands, (std::vector<FourCharCode>{kCommandSpace, kCommandUndo}));
}

TEST_F(ToolkitTest, TheSameMessageRecordIsHandledOnce) {
    Script().closeOnOkCancel = false;
    Seen().clear();
    MSG enter{};
    enter.hwnd = Item(IDC_EDIT);
    enter.message = WM_KEYDOWN;
    enter.wParam = VK_RETURN;
    enter.time = 4711;
    EXPECT_TRUE(FilterMessage(MSGF_DIALOGBOX, enter));
    EXPECT_TRUE(FilterMessage(MSGF_DIALOGBOX, enter));  // swallowed, not pressed again
    EXPECT_EQ(SeenOf(kEventCntl).size(), 1u);
}

}  // namespace
}  // namespace tavrel::wintest
