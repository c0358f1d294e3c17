// The headless stand-in: dialogs from registered templates driven as a user
// would, with the events, values and states the dialog code relies on.
#include "ui/headless/Automation.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "ui/DialogTemplate.h"
#include "ui/EventRules.h"
#include "ui/MessageCodes.h"
#include "ui/TextRules.h"
#include "ui/WindowRegistry.h"

namespace tavrel::headless {
namespace {

const DialogItemTemplate kItems[] = {
    {1, "Button", "OK", 10, 100, 40, 14, msg::kBsDefPushButton},
    {2, "Button", "Cancel", 60, 100, 40, 14, 0},
    {1049, "Edit", "", 10, 10, 100, 12, 0},
    {1050, "RICHEDIT", "", 10, 26, 100, 12, 0},
    {1048, "Button", "Case", 10, 42, 60, 10, msg::kBsAuto3State},
    {1052, "Button", "Words", 10, 54, 60, 10, msg::kBsAutoCheckBox | msg::kWsChild},
    {1060, "ComboBox", "", 120, 10, 60, 40, 0},
    {1047, "SysTreeView32", "", 120, 30, 70, 60, 0},
    {1051, "Static", "Found:", 10, 70, 60, 8, 0},
    {1070, "msctls_trackbar32", "", 10, 82, 100, 12, msg::kWsChild | msg::kWsVisible},
    {-1, "Static", "frame", 0, 0, 10, 10, 0},
};
const DialogTemplate kDialog{
    4000, "Toolkit", 200, 120, msg::kWsVisible, kItems, sizeof kItems / sizeof kItems[0]};
const ControlLayoutEntry kTable[] = {
    {1049, 0, kKindEtxt, kLayoutMoveRightAndDown, 0, 0},
    {1050, 0, kKindEtxt, 0, 0, 0},
    {1048, 0, kKindCbox, 0, 0, 0},
    {1060, 0, kKindPopb, 0, 0, 0},
    {1047, 0, kKindDatb, 0, 0, 0},
    {1051, 0, kKindStxt, 0, 0, 0},
    {0, 0, 0, 0, 0, 0},
};

struct Seen {
    FourCharCode eventClass;
    std::uint32_t kind;
    std::uint32_t id;
    FourCharCode command;
    DataBrowserNotice notice;
};
std::vector<Seen> seen;
bool closeOnButtons = true;

std::uint32_t Record(Uevent* e) {
    Seen s{e->eventClass, e->kind, EventControlId(*e), e->command, {}};
    if (e->param != nullptr) {
        s.notice = *static_cast<DataBrowserNotice*>(e->param);
    }
    if (e->eventClass == kEventWind && e->kind == kKindInitialised) {
        e->window->setWindow(e->message.window);
        e->window->bindControls(kTable);
    }
    if (e->eventClass == kEventWind && e->kind == kKindDestroyed) {
        e->window->reset();
    }
    if (e->eventClass != 0) {
        seen.push_back(s);
    }
    if (closeOnButtons && e->eventClass == kEventCntl && (s.id == 1 || s.id == 2) &&
        e->message.message == msg::kCommand) {
        e->window->close(false);
    }
    return e->eventClass != 0 ? 1 : 0;
}

class HeadlessDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterDialogTemplate(&kDialog);
        seen.clear();
        closeOnButtons = true;
        SetModalDriver(nullptr);
        dialog = std::make_unique<Uwindow>();
    }
    void TearDown() override { dialog.reset(); }
    void Open() {
        ASSERT_NE(dialog->openModeless(kDialog.id, Record, nullptr, nullptr, 7), nullptr);
        seen.clear();
    }
    std::unique_ptr<Uwindow> dialog;
};

TEST_F(HeadlessDialogTest, OpensFromItsTemplateOnly) {
    EXPECT_EQ(dialog->openModeless(9999, Record, nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(dialog->flags, 0u);
    EXPECT_EQ(dialog->handler, nullptr);
    dialog->openModal(9999, Record, nullptr, nullptr);
    EXPECT_FALSE(dialog->isOpen());

    const WindowHandle handle = dialog->openModeless(kDialog.id, Record, nullptr, nullptr, 7);
    ASSERT_NE(handle, nullptr);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0].kind, kKindInitialised);
    EXPECT_EQ(dialog->flags, kWindowKeyboardFilter | kWindowExists);
    EXPECT_EQ(findWindow(handle), dialog.get());
    EXPECT_EQ(dialog->getBounds(), (URect{0, 0, 300, 195}));
    EXPECT_EQ(TopDialog(), dialog.get());
    Ucontrol built;
    EXPECT_TRUE(buildControl(dialog->controlById(1051)->window, built));
    EXPECT_EQ(built.parts[0].rect, (URect{15, 113, 105, 126}));

    dialog->moveResize(0, 0, 400, 300);
    EXPECT_EQ(dialog->getBounds(), (URect{0, 0, 400, 300}));
    dialog->moveResize(20, 30, 0, 0);
    EXPECT_EQ(dialog->getBounds(), (URect{20, 30, 420, 330}));

    dialog->close(false);
    EXPECT_EQ(findWindow(handle), nullptr);
    EXPECT_TRUE(OpenDialogs().empty());
}

TEST_F(HeadlessDialogTest, UserActionsReachTheHandlerAsEvents) {
    struct Row {
        int line;
        void (*act)(Uwindow&);
        FourCharCode eventClass;
        std::uint32_t kind, id;
        FourCharCode command;
    } rows[] = {
        {__LINE__, [](Uwindow& d) { TypeText(d, 1049, UniversalString("12")); }, kEventCntl,
         kKindControlUsed, 1049, 0},
        {__LINE__, [](Uwindow& d) { Click(d, 1048); }, kEventCntl, kKindControlUsed, 1048, 0},
        {__LINE__,
         [](Uwindow& d) {
             TypeText(d, 1049, UniversalString("x"));
             seen.clear();
             PressKey(d, Key::Enter);
         },
         kEventCntl, kKindControlUsed, 1, 0},
        {__LINE__,
         [](Uwindow& d) {
             d.insertItem(1047, 0, 5, UniversalString("Arial"), 0);
             SelectRow(d, 1047, UniversalString("Arial"));
             seen.clear();
             PressKey(d, Key::Delete);
         },
         kEventCmds, kKindCommand, 1, kCommandClear},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        dialog = std::make_unique<Uwindow>();
        Open();
        r.act(*dialog);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].eventClass, r.eventClass);
        EXPECT_EQ(seen[0].kind, r.kind);
        EXPECT_EQ(seen[0].id, r.id);
        EXPECT_EQ(seen[0].command, r.command);
    }
    // Typing into a rich edit tells nobody; a missing or wrong control fails.
    dialog = std::make_unique<Uwindow>();
    Open();
    EXPECT_TRUE(TypeText(*dialog, 1050, UniversalString("quiet")));
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(TypeText(*dialog, 1048, UniversalString("x")));
    EXPECT_FALSE(Click(*dialog, 4242));
    EXPECT_FALSE(SetBox(*dialog, 1052, 2));  // two states only
    // Tab takes the focus off the tree: Delete then clears nothing.
    dialog->insertItem(1047, 0, 5, UniversalString("Arial"), 0);
    SelectRow(*dialog, 1047, UniversalString("Arial"));
    PressKey(*dialog, Key::Tab);
    seen.clear();
    PressKey(*dialog, Key::Delete);
    EXPECT_TRUE(seen.empty());
}

TEST_F(HeadlessDialogTest, ValuesByKind) {
    Open();
    struct Row {
        int line;
        std::uint32_t id;
        float set;
        double got;
    } rows[] = {
        {__LINE__, 1048, 2, 2},   {__LINE__, 1060, 3, 0},  // no entries: nothing selected
        {__LINE__, 1070, 40, 40}, {__LINE__, 1049, 2.5f, 2.5},
        {__LINE__, 1051, 5, 0},   {__LINE__, 4242, 5, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        dialog->setValue(r.id, r.set);
        EXPECT_DOUBLE_EQ(dialog->getValue(r.id), r.got);
    }
    EXPECT_FALSE(dialog->setValue(1051, 1));
    EXPECT_TRUE(dialog->setValue(1048, std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ(dialog->getValue(1048), 0);
    EXPECT_TRUE(SetBox(*dialog, 1048, 2));
    Click(*dialog, 1048);  // an automatic three-state box wraps round
    EXPECT_EQ(dialog->getValue(1048), 0);
    dialog->enableControl(1048, false);
    EXPECT_FALSE(Describe(*dialog).controls[2].enabled);
    seen.clear();
    EXPECT_TRUE(Click(*dialog, 1048));  // a disabled box ignores the click
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(dialog->getValue(1048), 0);
}

TEST_F(HeadlessDialogTest, TimerTicksOnlyWhileStarted) {
    Open();
    FireTimer(*dialog);
    EXPECT_TRUE(seen.empty());
    dialog->startTimer(300);
    FireTimer(*dialog);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].eventClass, kEventTmer);
    dialog->stopTimer();
    FireTimer(*dialog);
    EXPECT_EQ(seen.size(), 1u);

    dialog->close(false);
    dialog->startTimer(300);  // no window, no timer
    EXPECT_EQ(dialog->timerId, 0u);
}

TEST_F(HeadlessDialogTest, ModalDialogsAreDrivenAndAlwaysEnd) {
    Open();
    Uwindow modal;
    struct Row {
        int line;
        ModalDriver driver;
        bool closeOnButtons;
        std::uint32_t lastId;
    } rows[] = {
        {__LINE__, [](Uwindow& m) { Click(m, 1); }, true, 1},
        {__LINE__, nullptr, true, 2},                           // cancelled as by Escape
        {__LINE__, [](Uwindow& m) { Click(m, 1); }, false, 2},  // ignores all: taken down
    };
    for (Row& r : rows) {
        SCOPED_TRACE(r.line);
        seen.clear();
        closeOnButtons = r.closeOnButtons;
        bool onTop = false;
        bool ownerDisabled = false;
        const WindowHandle owner = dialog->window;
        SetModalDriver([&](Uwindow& m) {
            onTop = TopDialog() == &m;
            ownerDisabled = !enableWindow(owner, false);  // no change: it was disabled
            if (r.driver) {
                r.driver(m);
            }
        });
        modal.openModal(kDialog.id, Record, nullptr, owner);
        EXPECT_TRUE(onTop);
        EXPECT_TRUE(ownerDisabled);
        EXPECT_FALSE(enableWindow(owner, true));  // enabled again
        EXPECT_FALSE(modal.isOpen());
        EXPECT_EQ(OpenDialogs(), std::vector<Uwindow*>{dialog.get()});
        std::uint32_t lastId = 0;
        for (const Seen& e : seen) {
            lastId = e.eventClass == kEventCntl ? e.id : lastId;
        }
        EXPECT_EQ(lastId, r.lastId);
    }
}

TEST_F(HeadlessDialogTest, TreeRowsRequestsAndNotices) {
    Open();
    dialog->setupBrowser(1047, {}, kBrowserOptionHomogeneousDrag);
    EXPECT_EQ(dialog->controlById(1047)->flags & kBrowserHomogeneousDrag, kBrowserHomogeneousDrag);
    dialog->requestItem(1047, 0, 0);  // item 0 is never requested
    EXPECT_TRUE(seen.empty());
    dialog->requestItem(1047, 3, 1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].id, 1047u);
    EXPECT_EQ(seen[0].notice.noticeKind, kNoticeAddItem);
    EXPECT_EQ(seen[0].notice.container, 3u);
    EXPECT_EQ(seen[0].notice.item, 1u);

    EXPECT_TRUE(dialog->insertItem(1047, 0, 10, UniversalString("Serif"), 0));
    EXPECT_TRUE(dialog->insertItem(1047, 0, 20, UniversalString("Sans"), 0));
    EXPECT_TRUE(dialog->insertItem(1047, 10, 11, UniversalString("Serif Bold"), 3));
    EXPECT_FALSE(dialog->insertItem(1047, 99, 12, UniversalString("Lost"), 3));
    EXPECT_FALSE(dialog->insertItem(1049, 0, 12, UniversalString("Not a tree"), 3));
    EXPECT_EQ(Describe(*dialog).controls[4].rowItems, (std::vector<std::uint32_t>{10, 11, 20}));

    seen.clear();
    dialog->selectItem(1047, 20);
    DoubleClickRow(*dialog, 1047, UniversalString("Serif"));
    DoubleClickRow(*dialog, 1047, UniversalString("Serif"));
    struct Expect {
        std::uint32_t message, item, extra;
    } expected[] = {{14, 0, 20}, {14, 20, 10}, {7, 20, 10}, {8, 10, 10}, {7, 10, 10}, {10, 10, 10}};
    ASSERT_EQ(seen.size(), std::size(expected));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].id, 1047u);
        EXPECT_EQ(seen[i].notice.noticeKind, kNoticeItem);
        EXPECT_EQ(seen[i].notice.message, expected[i].message);
        EXPECT_EQ(seen[i].notice.item, expected[i].item);
        EXPECT_EQ(seen[i].notice.extra, expected[i].extra);
    }
    EXPECT_EQ(Describe(*dialog).controls[4].selectedRow, "Serif");
    dialog->removeItem(1047, 10);
    EXPECT_EQ(dialog->selectedItem(1047), 0u);
    EXPECT_EQ(Describe(*dialog).controls[4].rows.size(), 1u);
    dialog->removeAllItems(1047);
    EXPECT_TRUE(Describe(*dialog).controls[4].rows.empty());
}

TEST_F(HeadlessDialogTest, AnObjectThatGoesAwayTakesItsWindow) {
    Open();
    const WindowHandle handle = dialog->window;
    dialog->flags |= kWindowKeepOnClose;
    dialog.reset();
    EXPECT_EQ(findWindow(handle), nullptr);
    EXPECT_TRUE(OpenDialogs().empty());
}

}  // namespace
}  // namespace tavrel::headless
