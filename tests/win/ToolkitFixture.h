// The dialog toolkit's Wine tests share this: the test dialog of every
// control kind opened over a host window, a handler that records events,
// a plain host message loop, and key input as posted keyboard messages.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "ToolkitIds.h"
#include "ui/UdatabrowserControl.h"
#include "ui/Uwindow.h"

namespace tavrel::wintest {

struct SeenEvent {
    FourCharCode eventClass = 0;
    std::uint32_t kind = 0;
    std::uint32_t id = 0;
    FourCharCode command = 0;
    WPARAM wParam = 0;
    DataBrowserNotice notice;
    bool hasNotice = false;
};

// What the recording handler does besides recording and turning add-item
// requests into rows "Item n".
struct HandlerScript {
    bool closeOnOkCancel = true;
    bool closeOnTimer = false;
    UINT throwOnCommand = 0;  // this command id makes the handler throw
};

std::vector<SeenEvent>& Seen();
HandlerScript& Script();
std::uint32_t RecordingHandler(Uevent* event);
std::vector<SeenEvent> SeenOf(FourCharCode eventClass);

// The process's host window, owner of the test dialogs.
HWND HostWindow();
HINSTANCE TestModule();
// The layout table of the test dialog (toolbar, header row, every control).
const ControlLayoutEntry* TestLayout();

// A plain host loop: GetMessage, TranslateMessage, DispatchMessage, nothing
// else, until done() or the time limit. True when done() came true.
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 2000);
void PumpFor(DWORD ms);

// Posts a key press (down and up) to a window, with the modifiers held in
// the thread's key state for the time of the press.
void PostKey(HWND window, UINT key, bool shift = false, bool ctrl = false);

class ToolkitTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    Uwindow toolkit;
    HWND dialog = nullptr;
};

}  // namespace tavrel::wintest
