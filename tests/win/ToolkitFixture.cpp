// The shared pieces of the toolkit's Wine tests.
#include "ToolkitFixture.h"

#include <stdexcept>
#include <string>

#include "ui/EventRules.h"

namespace tavrel::wintest {

std::vector<SeenEvent>& Seen() {
    static std::vector<SeenEvent> seen;
    return seen;
}

HandlerScript& Script() {
    static HandlerScript script;
    return script;
}

std::vector<SeenEvent> SeenOf(FourCharCode eventClass) {
    std::vector<SeenEvent> out;
    for (const SeenEvent& e : Seen()) {
        if (e.eventClass == eventClass) {
            out.push_back(e);
        }
    }
    return out;
}

std::uint32_t RecordingHandler(Uevent* event) {
    Uwindow& window = *event->window;
    SeenEvent seen;
    seen.eventClass = event->eventClass;
    seen.kind = event->kind;
    seen.id = EventControlId(*event);
    seen.command = event->command;
    seen.wParam = event->message.wParam;
    if (event->param != nullptr) {
        seen.notice = *static_cast<const DataBrowserNotice*>(event->param);
        seen.hasNotice = true;
    }
    if (event->eventClass != 0) {
        Seen().push_back(seen);
    }
    if (event->eventClass == kEventWind && event->kind == kKindInitialised) {
        window.setWindow(event->message.window);
        window.bindControls(TestLayout());
    } else if (event->eventClass == kEventWind && event->kind == kKindDestroyed) {
        window.reset();
    } else if (event->eventClass == kEventTmer && Script().closeOnTimer) {
        window.close(false);
    } else if (seen.hasNotice && seen.notice.noticeKind == kNoticeAddItem) {
        const std::string text = "Item " + std::to_string(seen.notice.item);
        window.insertItem(seen.id, seen.notice.container, seen.notice.item, UniversalString(text),
                          kImageItem);
    } else if (event->message.message == WM_COMMAND) {
        if (Script().throwOnCommand != 0 && seen.id == Script().throwOnCommand) {
            throw std::runtime_error("handler failure");
        }
        if (Script().closeOnOkCancel && (seen.id == IDOK || seen.id == IDCANCEL)) {
            window.close(false);
        }
    }
    return event->eventClass != 0 ? 1 : 0;
}

HWND HostWindow() {
    static HWND host = CreateWindowExW(0, L"Static", L"Notavo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                       0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    return host;
}

HINSTANCE TestModule() {
    return GetModuleHandleW(nullptr);
}

const ControlLayoutEntry* TestLayout() {
    constexpr std::uint32_t kItem = kLayoutToolbarItem;
    constexpr std::uint32_t kMove = kLayoutMoveRightAndDown;
    static const ControlLayoutEntry table[] = {
        {IDC_TOOLBAR, 0, kKindTbar, 0, 0, IDS_TOOLTIPS},
        {IDC_TOOL_OPEN, 0, kKindPush, kItem, 0, 0},
        {1123, 0, kKindSepa, kItem, 0, 0},
        {IDC_TOOL_SAVE, 0, kKindPush, kItem, 0, 0},
        {IDC_EDIT, 0, kKindEtxt, 0, 0, 0},
        {IDC_RICH, 0, kKindEtxt, 0, 0, 0},
        {IDC_CHECK, 0, kKindCbox, 0, 0, 0},
        {IDC_RADIO, 0, kKindRdio, 0, 0, 0},
        {IDC_GROUP, 0, kKindGrpb, 0, 0, 0},
        {IDC_LIST, 0, kKindLbox, 0, 0, 0},
        {IDC_COMBO, 0, kKindPopb, 0, 0, 0},
        {IDC_LABEL, 0, kKindStxt, 0, 0, 0},
        {IDC_TABS, 0, kKindTabs, 0, 0, 0},
        {IDC_SLIDER, 0, kKindSldr, 0, 0, 0},
        {IDC_LISTVIEW, 0, kKindLbox, 0, 0, 0},
        {IDC_PICTURE, 1, kKindPict, 0, 0, 0},
        {IDC_HEADER, 0, kKindHead, 0, 0, 0},
        {IDC_TREE, 0, kKindDatb, 0, 0, 0},
        {IDOK, 0, kKindPush, kMove, 0, 0},
        {IDCANCEL, 0, kKindPush, kMove, 0, 0},
        {0, 0, 0, 0, 0, 0},
    };
    return table;
}

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs) {
    // A thread timer wakes the loop so the limit is kept.
    const UINT_PTR tick = SetTimer(nullptr, 0, 10, nullptr);
    const DWORD start = GetTickCount();
    MSG message;
    while (!done() && GetTickCount() - start < limitMs) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    KillTimer(nullptr, tick);
    return done();
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

void PostKey(HWND window, UINT key, bool shift, bool ctrl) {
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE held[256];
    CopyMemory(held, saved, sizeof held);
    held[VK_SHIFT] = held[VK_LSHIFT] = shift ? 0x80 : 0;
    held[VK_CONTROL] = held[VK_LCONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(held);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(window, WM_KEYDOWN, key, scan | 1);
    PostMessageW(window, WM_KEYUP, key, scan | 1 | static_cast<LPARAM>(0xC0000000u));
    PumpFor(60);
    SetKeyboardState(saved);
}

void ToolkitTest::SetUp() {
    Seen().clear();
    Script() = HandlerScript();
    dialog = static_cast<HWND>(
        toolkit.openModeless(IDD_TOOLKIT, RecordingHandler, TestModule(), HostWindow(), 0));
    ASSERT_NE(dialog, nullptr);
    // Shown only where a case needs it: hiding or destroying a shown window
    // costs seconds on a display without a window manager.
    PumpFor(20);
}

void ToolkitTest::TearDown() {
    toolkit.close(false);
}

}  // namespace tavrel::wintest
