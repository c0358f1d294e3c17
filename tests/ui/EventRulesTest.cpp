// Message translation, notification rules and the control id of an event.
#include "ui/EventRules.h"

#include <gtest/gtest.h>

#include "ui/MessageCodes.h"
#include "ui/UdatabrowserControl.h"
#include "ui/Uwindow.h"

namespace tavrel {
namespace {

using A = MessageAction;

TEST(EventRulesTest, MessagesTranslateToClassKindAndWork) {
    struct Row {
        int line;
        std::uint32_t message;
        std::uintptr_t wParam;
        std::uint32_t flags;
        FourCharCode eventClass;
        std::uint32_t kind;
        FourCharCode command;
        bool consumed;
        MessageAction action;
    } rows[] = {
        {__LINE__, msg::kInitDialog, 0, 0, kEventWind, 1004, 0, false, A::None},
        {__LINE__, msg::kNcDestroy, 0, 0, 0, 0, 0, false, A::Forget},
        {__LINE__, msg::kPaint, 0, kWindowSuspendPaint, 0, 0, 0, true, A::None},
        {__LINE__, msg::kCommand, 1030, 0, kEventCntl, 1, 0, false, A::CommandControl},
        {__LINE__, msg::kCommand, 0x01000000 | 7, 0, kEventCntl, 0, 0, false, A::CommandControl},
        {__LINE__, msg::kClear, 1, 0, kEventCmds, 1, kCommandClear, false, A::None},
        {__LINE__, msg::kContextMenu, 0, 0, kEventCntl, 12, 0, false, A::ContextControl},
        {__LINE__, msg::kNotify, 1047, 0, 0, 0, 0, false, A::Notify},
        {__LINE__, msg::kMouseMove, 0, 0, 0, 0, 0, true, A::None},
        {__LINE__, msg::kMouseMove, 0, kWindowDragging, 0, 0, 0, false, A::DragMove},
        {__LINE__, msg::kLButtonUp, 0, 0, 0, 0, 0, true, A::None},
        {__LINE__, msg::kLButtonUp, 0, kWindowDragging, 0, 0, 0, true, A::Drop},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        const Translation t = TranslateMessage(r.message, r.wParam, r.flags);
        EXPECT_EQ(t.eventClass, r.eventClass);
        EXPECT_EQ(t.kind, r.kind);
        EXPECT_EQ(t.command, r.command);
        EXPECT_EQ(t.consumed, r.consumed);
        EXPECT_EQ(t.action, r.action);
    }
}

TEST(EventRulesTest, NotificationCodesChooseTheirWork) {
    using N = NotifyAction;
    struct Row {
        int line;
        std::uint32_t code;
        NotifyAction action;
        std::uint32_t itemMessage;
    } rows[] = {
        {__LINE__, msg::kNmDblClk, N::ItemNotice, kItemDoubleClicked},
        {__LINE__, msg::kTvnItemExpandedW, N::ItemNotice, kItemOpened},
        {__LINE__, msg::kTvnKeyDown, N::TreeKey, 0},
        {__LINE__, 0u - 5u, N::None, 0},  // NM_RCLICK
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(RuleForNotification(r.code).action, r.action);
        EXPECT_EQ(RuleForNotification(r.code).itemMessage, r.itemMessage);
    }
    EXPECT_EQ(ExpandedItemMessage(msg::kTveCollapse), kItemClosed);
    EXPECT_EQ(ExpandedItemMessage(msg::kTveExpand), kItemOpened);
}

TEST(EventRulesTest, ControlIdOfAnEvent) {
    auto* const someWindow = reinterpret_cast<WindowHandle>(0x40);
    struct Row {
        int line;
        WindowHandle controlWindow;
        std::uint32_t controlId;
        std::uintptr_t wParam;
        std::uint32_t expected;
    } rows[] = {
        {__LINE__, nullptr, 1047, 0x03000000 | 5, 1047},  // id-only record first
        {__LINE__, nullptr, 0, 1030, 1030},               // plain command
        {__LINE__, someWindow, 9, 1030, 1030},
        {__LINE__, someWindow, 9, 0x03000000 | 1049, 9},  // notification: the window's id
        {__LINE__, nullptr, 0, 0x03000000 | 1049, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        Uevent event;
        event.control.window = r.controlWindow;
        event.control.id = r.controlId;
        event.message.wParam = r.wParam;
        EXPECT_EQ(EventControlId(event), r.expected);
    }
}

}  // namespace
}  // namespace tavrel
