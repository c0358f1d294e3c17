// The toolkit's dialogs under real user32: opening, events from real
// messages, the timer, modal loops, position and size, the frame layout,
// and the registry's hold on windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "ToolkitFixture.h"
#include "ui/ControlKinds.h"
#include "ui/MessageCodes.h"
#include "ui/win32/WinToolkit.h"

namespace tavrel::wintest {
namespace {

TEST_F(ToolkitTest, OpeningRegistersAndClassifiesEveryControl) {
    toolkit.show();
    ASSERT_FALSE(Seen().empty());
    EXPECT_EQ(Seen()[0].eventClass, kEventWind);
    EXPECT_EQ(Seen()[0].kind, kKindInitialised);
    EXPECT_EQ(findWindow(dialog), &toolkit);
    EXPECT_EQ(toolkit.flags & (kWindowKeyboardFilter | kWindowExists | kWindowShown),
              kWindowKeyboardFilter | kWindowExists | kWindowShown);
    EXPECT_TRUE(KeyboardFilterInstalled());
    EXPECT_TRUE(MessageHookInstalled());
    toolkit.setOpacity(0.75f);
    BYTE alpha = 0;
    DWORD how = 0;
    GetLayeredWindowAttributes(dialog, nullptr, &alpha, &how);
    EXPECT_EQ(alpha, 191);  // 0.75 x 255, truncated
    SetForegroundWindow(dialog);
    EXPECT_TRUE(toolkit.isActive());
    EnableWindow(HostWindow(), FALSE);  // a disabled owner: a modal dialog is up
    EXPECT_FALSE(toolkit.isActive());
    EnableWindow(HostWindow(), TRUE);
    struct Row {
        int line;
        int id;
        FourCharCode kind, built;
    } rows[] = {
        // The class names and styles of real controls; the tables themselves
        // are the control-kind tests' concern.
        {__LINE__, IDC_RICH, kKindEtxt, kKindEtxt},
        {__LINE__, IDC_CHECK, kKindCbox, kKindCbox},
        {__LINE__, IDC_LISTVIEW, kKindLbox, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        ASSERT_NE(Item(r.id), nullptr);
        EXPECT_EQ(controlKind(Item(r.id)), r.kind);
        Ucontrol built;
        EXPECT_EQ(buildControl(Item(r.id), built), r.built != 0);
        EXPECT_EQ(built.kind, r.built);
        EXPECT_EQ(built.id, static_cast<std::uint32_t>(r.id));
    }
    Ucontrol check;
    buildControl(Item(IDC_CHECK), check);
    EXPECT_EQ(check.flags & kControlThreeState, kControlThreeState);
    EXPECT_EQ(check.parts[0].title, "Three states");
}

TEST_F(ToolkitTest, MessagesReachTheHandlerWithClassKindAndId) {
    struct Row {
        int line;
        UINT message;
        WPARAM wParam;
        int lParamItem;  // the control window in lParam, 0 for none
        FourCharCode eventClass;
        std::uint32_t kind, id;
        FourCharCode command;
    } rows[] = {
        {__LINE__, WM_COMMAND, MAKEWPARAM(IDC_CHECK, BN_CLICKED), IDC_CHECK, kEventCntl, 1,
         IDC_CHECK, 0},
        {__LINE__, WM_CLEAR, 1, 0, kEventCmds, 1, 1, kCommandClear},
        {__LINE__, WM_CONTEXTMENU, 0, -1, kEventCntl, kKindContextMenu, IDC_EDIT, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        Seen().clear();
        SetFocus(Item(IDC_EDIT));
        Seen().clear();
        const LPARAM lParam = r.lParamItem > 0   ? reinterpret_cast<LPARAM>(Item(r.lParamItem))
                              : r.lParamItem < 0 ? MAKELPARAM(-1, -1)
                                                 : 0;
        SendMessageW(dialog, r.message, r.wParam, lParam);
        ASSERT_EQ(Seen().size(), 1u);
        EXPECT_EQ(Seen()[0].eventClass, r.eventClass);
        EXPECT_EQ(Seen()[0].kind, r.kind);
        EXPECT_EQ(Seen()[0].id, r.id);
        EXPECT_EQ(Seen()[0].command, r.command);
    }
    // Real notifications: setting an edit field's text and focusing it.
    Seen().clear();
    toolkit.setText(IDC_EDIT, "Allegro");
    SetFocus(Item(IDC_CHECK));
    SetFocus(Item(IDC_EDIT));
    int changes = 0;
    int focuses = 0;
    for (const SeenEvent& e : SeenOf(kEventCntl)) {
        if (e.id == IDC_EDIT && HIWORD(e.wParam) == EN_CHANGE) {
            changes += e.kind == 1 ? 1 : 100;
        } else if (e.id == IDC_EDIT && HIWORD(e.wParam) == EN_SETFOCUS) {
            focuses += e.kind == 0 ? 1 : 100;
        }
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(focuses, 1);
}

TEST_F(ToolkitTest, TimerTicksUntilStopped) {
    toolkit.startTimer(20);
    EXPECT_NE(toolkit.timerId, 0u);
    EXPECT_TRUE(PumpUntil([] { return SeenOf(kEventTmer).size() >= 3; }));
    toolkit.stopTimer();
    EXPECT_EQ(toolkit.timerId, 0u);
    const std::size_t ticks = SeenOf(kEventTmer).size();
    PumpFor(120);
    EXPECT_EQ(SeenOf(kEventTmer).size(), ticks);
    // A handler that throws stops at the toolkit's edge, in both callbacks.
    Script().throwOnCommand = 77;
    EXPECT_EQ(SendMessageW(dialog, WM_COMMAND, 77, 0), 0);
    toolkit.close(false);
    toolkit.startTimer(20);  // no window, no timer
    EXPECT_EQ(toolkit.timerId, 0u);
}

bool modalKeyTaken = true;

std::uint32_t ModalHandler(Uevent* e) {
    if (e->eventClass == kEventWind && e->kind == kKindInitialised) {
        e->window->setWindow(e->message.window);
        e->window->startTimer(30);
        // Keys of a modal dialog are the system's: the filter keeps off.
        MSG tab{};
        tab.hwnd = GetDlgItem(static_cast<HWND>(e->message.window), IDC_EDIT);
        tab.message = WM_KEYDOWN;
        tab.wParam = VK_TAB;
        modalKeyTaken = FilterMessage(MSGF_DIALOGBOX, tab);
    }
    return RecordingHandler(e);
}

TEST_F(ToolkitTest, ModalDialogsRunTheirLoopUntilClosed) {
    Uwindow modal;
    Script().closeOnTimer = true;
    modal.openModal(IDD_TOOLKIT_MODAL, ModalHandler, TestModule(), dialog);
    EXPECT_FALSE(modal.isOpen());  // close(false) on the first tick ended the loop
    EXPECT_FALSE(modalKeyTaken);
    EXPECT_EQ(SeenOf(kEventTmer).size(), 1u);
    EXPECT_EQ(modal.flags, 0u);
    EnableWindow(dialog, TRUE);
}

TEST_F(ToolkitTest, MovesResizesAndDraggedFramesWithAnchoredControls) {
    toolkit.moveResize(40, 30, 0, 0);
    const URect moved = toolkit.getBounds();
    EXPECT_EQ(moved.left, 40);
    EXPECT_EQ(moved.top, 30);
    toolkit.moveResize(0, 0, 500, 420);
    EXPECT_EQ(toolkit.getBounds(), (URect{40, 30, 540, 450}));

    RECT before{};
    GetWindowRect(dialog, &before);
    // The frame's right edge dragged to a width: the width the toolkit allows.
    const auto dragTo = [&](int width) {
        RECT proposed = before;
        proposed.right = before.left + width;
        EXPECT_EQ(SendMessageW(dialog, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&proposed)),
                  TRUE);
        return proposed.right - proposed.left;
    };
    EXPECT_EQ(dragTo(1200), 900);
    toolkit.minSize = {300, 0};
    EXPECT_EQ(dragTo(50), 300);
    RECT okBefore{};
    GetWindowRect(Item(IDOK), &okBefore);
    RECT editBefore{};
    GetWindowRect(Item(IDC_EDIT), &editBefore);
    RECT proposed = before;
    proposed.right += 100;
    proposed.bottom += 40;
    SendMessageW(dialog, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
    RECT okAfter{};
    GetWindowRect(Item(IDOK), &okAfter);
    EXPECT_EQ(okAfter.left - okBefore.left, 100);
    EXPECT_EQ(okAfter.top - okBefore.top, 40);
    RECT editAfter{};
    GetWindowRect(Item(IDC_EDIT), &editAfter);
    EXPECT_EQ(editAfter.left, editBefore.left);  // no anchoring flags: stays
}

TEST_F(ToolkitTest, TheRegistryNeverHoldsAGoneWindow) {
    DestroyWindow(dialog);  // destroyed by the system, as with its owner
    EXPECT_EQ(findWindow(dialog), nullptr);
    EXPECT_FALSE(toolkit.isOpen());
    EXPECT_EQ(toolkit.timerId, 0u);

    auto owned = std::make_unique<Uwindow>();
    HWND window = static_cast<HWND>(
        owned->openModeless(IDD_TOOLKIT, RecordingHandler, TestModule(), HostWindow(), 0));
    ASSERT_NE(window, nullptr);
    owned->flags |= kWindowKeepOnClose;
    owned.reset();  // its object gone, the window goes too
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(findWindow(window), nullptr);
    EXPECT_FALSE(KeyboardFilterInstalled());  // a final close removes the hooks

    Uwindow missing;
    EXPECT_EQ(missing.openModeless(4242, RecordingHandler, TestModule(), HostWindow(), 0), nullptr);
    EXPECT_EQ(missing.handler, nullptr);
    // The failed open's creation hook is gone: the next window is nobody's.
    HWND stray = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    EXPECT_EQ(findWindow(stray), nullptr);
    DestroyWindow(stray);
    missing.openModal(4242, RecordingHandler, TestModule(), HostWindow());
    EXPECT_FALSE(missing.isOpen());
    stray = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                            nullptr);
    EXPECT_EQ(findWindow(stray), nullptr);
    DestroyWindow(stray);
}

}  // namespace
}  // namespace tavrel::wintest
