// The plug-in's dialogs as a user meets them in the host: lexora.dll loaded,
// its menu item chosen, the main dialog made from its template and driven
// through real window messages (typing, boxes, the options area, Use Style
// with the modal Font & Style dialog, Replace All) over two open documents.
// Pictures of the dialogs are saved beside NOTAVO.EXE.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
// The system headers' name for its find dialog would rename the document's
// own FindText below.
#undef FindText

#include <cstdint>
#include <string>

#include "ToolkitFixture.h"
#include "WinDialogs.h"
#include "host/RecordLayout.h"
#include "sim/codec/Document.h"
#include "sim/codec/ScoreFile.h"
#include "sim/host/Simulator.h"

namespace {

using tavrel::wintest::PumpFor;
using wintest::Children;
using wintest::Entry;
using wintest::FindDialog;
using wintest::Plugin;
using wintest::SaveScreenshot;
using wintest::TemplateItem;
using wintest::Text;

// Long enough for the dialog's 300 ms refresh to have run.
constexpr DWORD kRefresh = 450;

tavrel::sim::Document Score(const std::string& lyrics) {
    const std::string json =
        R"({"format": "notavo-score", "version": 1,
            "fonts": {"0": {"name": "Times New Roman", "arg": 4096},
                      "3": {"name": "Notaglyph", "arg": 0}},
            "texts": {"txve": {"1": ")" +
        lyrics + R"("}}})";
    tavrel::sim::Document document;
    tavrel::sim::FileProblem problem;
    EXPECT_TRUE(tavrel::sim::ParseScore("score.json", json, document, problem)) << problem.message;
    return document;
}

// Every control of the window sits where its template row puts it.
void ExpectTemplateLayout(HWND dialog, const std::vector<TemplateItem>& items) {
    const std::vector<HWND> children = Children(dialog);
    ASSERT_EQ(items.size(), children.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TemplateItem& item = items[i];
        SCOPED_TRACE(std::to_string(item.id) + " " + item.text);
        // Position and size are converted apart, as the dialog manager does.
        RECT units = {item.x, item.y, item.width, item.height};
        MapDialogRect(dialog, &units);
        const RECT expected = {units.left, units.top, units.left + units.right,
                               units.top + units.bottom};
        RECT actual;
        GetWindowRect(children[i], &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(expected.left, actual.left);
        EXPECT_EQ(expected.top, actual.top);
        EXPECT_EQ(expected.right, actual.right);
        EXPECT_EQ(expected.bottom, actual.bottom);
        EXPECT_EQ(item.id, GetDlgCtrlID(children[i]));
        char className[32] = {};
        GetClassNameA(children[i], className, 32);
        EXPECT_EQ(0, lstrcmpiA(item.className, className));
        EXPECT_EQ(item.style & 0xFFFF, GetWindowLongW(children[i], GWL_STYLE) & 0xFFFF);
    }
}

HWND g_host = nullptr;
bool g_answered = false;

// Runs inside the Font & Style dialog's modal loop: the user picks the
// document's default font (the first row), ticks Italic and confirms.
void CALLBACK AnswerStyleDialog(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND dialog = FindDialog(L"Font & Style");
    if (dialog == nullptr) {
        return;  // the test sees no answer and fails
    }
    g_answered = true;
    ExpectTemplateLayout(dialog, wintest::kStyleItems);
    HWND tree = GetDlgItem(dialog, IDC_FS_FONT_LIST);
    // Selecting the first row names its font: the document's default.
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(TreeView_GetRoot(tree)));
    EXPECT_EQ(L"Times New Roman", Text(GetDlgItem(dialog, IDC_FS_FONT_NAME)));
    HWND italic = GetDlgItem(dialog, IDC_FS_ITALIC);
    EXPECT_EQ(BST_INDETERMINATE, SendMessageW(italic, BM_GETCHECK, 0, 0));  // any
    SendMessageW(italic, BM_CLICK, 0, 0);                                   // off
    SendMessageW(italic, BM_CLICK, 0, 0);                                   // on
    EXPECT_EQ(BST_CHECKED, SendMessageW(italic, BM_GETCHECK, 0, 0));
    EXPECT_TRUE(SaveScreenshot(dialog, L"dialog-font-style.bmp"));
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

TEST(DialogSessionTest, AUserRestylesAWordInEveryOpenDocument) {
    auto& host = tavrel::sim::Simulator::Instance();
    host.Reset();
    host.Open(Score("Wake, the morn-ing light is call-ing"));
    host.Open(Score("light of home"));
    g_host = CreateWindowExW(0, L"STATIC", L"Notavo", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, Plugin());
    ASSERT_EQ(0x11000000u, Entry<std::uint32_t (*)(std::uint32_t)>("NotavoExtensionVersion")(0));
    unsigned char item[0xCE] = {};
    ASSERT_EQ(1, (Entry<std::int16_t (*)(void*, std::int16_t, void*)>("NotavoExtensionEnumerate")(
                     g_host, 0, item)));
    auto invoke = Entry<std::int16_t (*)(void*, std::int16_t, std::uint32_t, std::uint32_t)>(
        "NotavoExtensionInvoke");
    EXPECT_EQ(0, invoke(g_host, 0, 0, 0));
    PumpFor(kRefresh);

    HWND dialog = FindDialog(L"Lexora");
    ASSERT_NE(nullptr, dialog) << "the main dialog did not open";
    auto control = [dialog](int id) { return GetDlgItem(dialog, id); };
    ExpectTemplateLayout(dialog, wintest::kMainItems);
    // First opening: short, the options hidden and their boxes disabled.
    RECT collapsed;
    GetWindowRect(dialog, &collapsed);
    EXPECT_FALSE(IsWindowEnabled(control(IDC_EVERYWHERE)));
    EXPECT_FALSE(IsWindowEnabled(control(IDC_LYRICS)));
    EXPECT_TRUE(SaveScreenshot(dialog, L"dialog-main-collapsed.bmp"));

    wintest::Type(control(IDC_SEARCH_TEXT), L"light");
    wintest::Type(control(IDC_REPLACE_TEXT), L"light");
    SendMessageW(control(IDC_EXPANDER), BM_CLICK, 0, 0);
    PumpFor(kRefresh);
    RECT expanded;
    GetWindowRect(dialog, &expanded);
    EXPECT_GT(expanded.bottom - expanded.top, collapsed.bottom - collapsed.top);
    ASSERT_TRUE(IsWindowEnabled(control(IDC_ALL_DOCUMENTS))) << "two documents are open";
    SendMessageW(control(IDC_ALL_DOCUMENTS), BM_CLICK, 0, 0);
    EXPECT_EQ(BST_CHECKED, SendMessageW(control(IDC_ALL_DOCUMENTS), BM_GETCHECK, 0, 0));
    EXPECT_TRUE(SaveScreenshot(dialog, L"dialog-main-expanded.bmp"));

    g_answered = false;
    SetTimer(nullptr, 0, 100, AnswerStyleDialog);
    SendMessageW(control(IDC_REPLACE_STYLE_BUTTON), BM_CLICK, 0, 0);
    EXPECT_TRUE(g_answered) << "the Font & Style dialog did not open";
    EXPECT_EQ(nullptr, FindDialog(L"Font & Style"));
    EXPECT_EQ(L"Times New Roman, Italic.", Text(control(IDC_REPLACE_STYLE_TEXT)));
    EXPECT_EQ(BST_CHECKED, SendMessageW(control(IDC_USE_REPLACE_STYLE), BM_GETCHECK, 0, 0));

    PumpFor(kRefresh);
    ASSERT_TRUE(IsWindowEnabled(control(IDC_REPLACE_ALL)));
    SendMessageW(control(IDC_REPLACE_ALL), BM_CLICK, 0, 0);
    ASSERT_EQ(1u, host.GetJournal().Alerts().size());
    EXPECT_EQ("2 occurrences were found and replaced.", host.GetJournal().Alerts()[0]);
    EXPECT_TRUE(IsWindowEnabled(dialog)) << "enabled again after the alert";
    const std::u16string* lyrics =
        host.FindDocument(2)->FindText(tavrel::layout::kLyricsVerse, {1, 0});
    ASSERT_NE(nullptr, lyrics);
    EXPECT_NE(u"light of home", *lyrics);
    EXPECT_NE(std::u16string::npos, lyrics->find(u"^nfx(2)light"));

    // The close box hides the dialog; choosing the menu item shows it again
    // as it was left.
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    PumpFor(100);  // the close box's cancel command comes posted
    EXPECT_FALSE(IsWindowVisible(dialog));
    invoke(g_host, 0, 0, 0);
    EXPECT_EQ(dialog, FindDialog(L"Lexora"));
    EXPECT_EQ(L"light", Text(control(IDC_SEARCH_TEXT)));
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    DestroyWindow(g_host);
    host.Reset();
}

}  // namespace
