// Control access under real user32: values by kind, texts in both widths
// (plain fields, rich edits, Shift-JIS), enabling, the toolbar and its
// tooltips.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "ToolkitFixture.h"
#include "ui/win32/WinToolkit.h"

namespace tavrel::wintest {
namespace {

TEST_F(ToolkitTest, ValuesByKindBothWays) {
    SendMessageA(Item(IDC_COMBO), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Serif"));
    SendMessageA(Item(IDC_COMBO), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("More..."));
    SendMessageA(Item(IDC_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("One"));
    struct Row {
        int line;
        int id;
        float set;
        double got;
        UINT read;  // the control's own answer, 0 for none
        LRESULT raw;
    } rows[] = {
        {__LINE__, IDC_CHECK, 2, 2, BM_GETCHECK, BST_INDETERMINATE},
        {__LINE__, IDC_COMBO, 0, 0, CB_GETCURSEL, CB_ERR},  // nothing selected
        {__LINE__, IDC_COMBO, 2, 2, CB_GETCURSEL, 1},
        {__LINE__, IDC_LIST, 1, 1, LB_GETCURSEL, 0},
        {__LINE__, IDC_SLIDER, 40, 40, TBM_GETPOS, 40},
        {__LINE__, IDC_EDIT, -3, 3, 0, 0},  // shows "-3"; the sign is not read
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        toolkit.setValue(r.id, r.set);
        EXPECT_DOUBLE_EQ(toolkit.getValue(r.id), r.got);
        if (r.read != 0) {
            EXPECT_EQ(SendMessageW(Item(r.id), r.read, 0, 0), r.raw);
        }
    }
    // The other way: states the controls were given directly.
    SendMessageW(Item(IDC_CHECK), BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(toolkit.getValue(IDC_CHECK), 2);
    SendMessageW(Item(IDC_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(toolkit.getValue(IDC_CHECK), 0);
    Ucontrol combo;
    buildControl(Item(IDC_COMBO), combo);
    ASSERT_EQ(combo.parts.size(), 3u);
    EXPECT_EQ(combo.parts[2].title, "More...");
    EXPECT_EQ(combo.parts[2].flags & kPartEllipsis, kPartEllipsis);
}

TEST_F(ToolkitTest, TextsInBothWidths) {
    toolkit.setText(IDC_EDIT, "Allegro");
    DWORD from = 9;
    DWORD to = 9;
    SendMessageW(Item(IDC_EDIT), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);  // setText selects all
    EXPECT_EQ(to, 7u);
    struct Row {
        int line;
        int id;
        const char16_t* text;
    } rows[] = {
        {__LINE__, IDC_EDIT, u"Allegro \u00e0 tempo"},
        {__LINE__, IDC_RICH, u"Tr\u00e8s vif \u266f"},
        {__LINE__, IDOK, u"&Replace All"},  // a button's title is its window text
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        toolkit.setText(r.id, UniversalString(r.text));
        EXPECT_EQ(toolkit.getText(r.id).text(), std::u16string(r.text));
    }
    // 8-bit text that looks like Shift-JIS goes into a rich edit as such.
    const char* japanese = "\x82\xa0\x82\xa2\x82\xa4";  // three hiragana
    setControlText8(Item(IDC_RICH), DynString(japanese));
    EXPECT_EQ(toolkit.getText(IDC_RICH).text(), u"\u3042\u3044\u3046");
    EXPECT_EQ(getControlText8(Item(IDC_RICH), true), japanese);
    toolkit.setText(IDC_RICH, "caf\xe9");
    EXPECT_EQ(getControlText8(Item(IDC_RICH), true), "caf\xe9");
    EXPECT_EQ(toolkit.getText(4242).text(), u"");
}

TEST_F(ToolkitTest, EnablingControlsToolbarButtonsAndTheWindow) {
    HWND toolbar = Item(IDC_TOOLBAR);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 3);
    auto enabled = [&](int command) {
        return SendMessageW(toolbar, TB_ISBUTTONENABLED, command, 0) != 0;
    };
    toolkit.enableControl(IDC_CHECK, false);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CHECK)));
    toolkit.enableControl(IDC_TOOL_SAVE, false);
    EXPECT_FALSE(enabled(IDC_TOOL_SAVE));
    toolkit.enableControl(4242, false);  // neither item nor button: nothing
    toolkit.enable(false);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_FALSE(enabled(IDC_TOOL_OPEN));
    toolkit.enable(true);
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_TRUE(enabled(IDC_TOOL_OPEN));
    EXPECT_FALSE(enabled(IDC_TOOL_SAVE));  // disabled on its own, it stays so
    EXPECT_TRUE(enableWindow(Item(IDC_CHECK), true));
    EXPECT_FALSE(enableWindow(Item(IDC_CHECK), true));
    EXPECT_EQ(GetFocus(), Item(IDC_CHECK));
    toolkit.setButtonImage(IDOK, 1019);  // no such image: the text stays
    EXPECT_EQ(toolkit.getText(IDOK), "OK");
}

TEST_F(ToolkitTest, TooltipsComeFromTheStringResourceCutToTheirBuffer) {
    struct Block {
        NMTTDISPINFOW info;
        wchar_t guard[8];
    };
    struct Row {
        int line;
        UINT_PTR command;
        const wchar_t* expected;
    } rows[] = {
        {__LINE__, IDC_TOOL_OPEN, L"Open a score"},
        {__LINE__, IDC_TOOL_SAVE,
         L"Save the score with a tooltip far longer than any tooltip buffer holds, so it m"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        Block block{};
        std::wmemset(block.guard, L'#', 8);
        block.info.hdr.hwndFrom = Item(IDC_TOOLBAR);
        block.info.hdr.idFrom = r.command;
        block.info.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(dialog, WM_NOTIFY, r.command, reinterpret_cast<LPARAM>(&block));
        EXPECT_STREQ(block.info.szText, r.expected);
        EXPECT_EQ(block.info.uFlags & TTF_DI_SETITEM, static_cast<UINT>(TTF_DI_SETITEM));
        EXPECT_EQ(block.guard[0], L'#');
    }
}

}  // namespace
}  // namespace tavrel::wintest
