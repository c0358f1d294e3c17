// The real dialogs driven as a user would, over the headless stand-in:
// scripts of user actions against documents in the simulated host, checked
// by what `print` shows, the host's alerts and its journal.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "E2eFixture.h"
#include "search/dialogs/Dialogs.h"
#include "sim/cli/DialogScript.h"
#include "sim/codec/ScoreFile.h"
#include "sim/host/Simulator.h"
#include "ui/headless/Automation.h"
#include "ui/headless/FakeWindows.h"

namespace tavrel::e2e {
namespace {

// A score whose text expression 1 is text, in a document whose fonts are
// Times New Roman (0, the default) and Notaglyph (3, no system has it).
std::string Score(const std::string& text) {
    return R"({"format": "notavo-score", "version": 1,
               "fonts": {"0": {"name": "Times New Roman", "arg": 4096},
                         "3": {"name": "Notaglyph", "arg": 0}},
               "texts": {"txxp": {"1": ")" +
           text + R"("}}})";
}

class DialogSessionTest : public E2eTest {
  public:
    void TearDown() override {
        sim::StopPluginAsHost();
        E2eTest::TearDown();
    }

    // Opens `count` documents holding text, the first current, and starts
    // the plug-in as the host would (the main dialog opens).
    void Open(int count, const std::string& text = "Allegro") {
        for (int i = 0; i < count; ++i) {
            sim::Document document;
            sim::FileProblem problem;
            ASSERT_TRUE(sim::ParseScore("score.json", Score(text), document, problem))
                << problem.message;
            sim::Simulator::Instance().Open(std::move(document));
        }
        sim::StartPluginAsHost();
    }

    // Runs the script's lines and gives what they printed.
    std::string Run(const std::string& script) {
        std::vector<std::string> lines;
        std::istringstream in(script);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        std::ostringstream out;
        sim::DialogScript session("test", lines, out);
        EXPECT_TRUE(session.Run()) << session.Error();
        return out.str();
    }
};

// Each expected line appears, whole, after the one before it.
void ExpectLinesInOrder(const std::string& output, const std::vector<std::string>& expected) {
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    std::size_t next = 0;
    for (const std::string& want : expected) {
        while (next < lines.size() && lines[next] != want) {
            ++next;
        }
        if (next == lines.size()) {
            ADD_FAILURE() << "missing, or out of order: " << want << "\n" << output;
            return;
        }
        ++next;
    }
}

struct SessionRow {
    int line;
    int documents;
    std::string script;
    std::vector<std::string> expected;  // printed lines, in order
};

void RunRows(DialogSessionTest& test, const std::vector<SessionRow>& rows);

const char kUntickCategories[] =
    "set 1036 0\nset 1054 0\nset 1039 0\nset 1040 0\nset 1041 0\n"
    "set 1037 0\nset 1047 0\nset 1038 0\nset 1053 0\nset 1046 0\n";

TEST_F(DialogSessionTest, TheOptionsAreaAndItsBoxes) {
    const std::vector<SessionRow> rows = {
        {__LINE__,
         1,
         "print",
         {"dialog 106 \"Lexora\" 449x162 opacity=1", "  1071 stxt \"Show Options...\" enabled",
          "  1034 cbox value=1 disabled", "  1036 cbox value=1 disabled",
          "  1046 cbox value=1 disabled", "  1042 cbox value=0 disabled",
          "  1043 cbox value=0 disabled"}},
        {__LINE__,
         1,
         "click 1058\nprint\nclick 1034\nprint\nclick 1058\nprint",
         {"dialog 106 \"Lexora\" 449x328 opacity=1", "  1071 stxt \"Hide Options\" enabled",
          "  1034 cbox value=1 enabled", "  1036 cbox value=1 disabled",
          "  1042 cbox value=0 enabled", "  1034 cbox value=0 enabled",
          "  1036 cbox value=1 enabled", "dialog 106 \"Lexora\" 449x162 opacity=1",
          "  1071 stxt \"Show Options...\" enabled", "  1036 cbox value=1 disabled"}},
        // "All Open Documents" follows the window count within one tick.
        {__LINE__,
         1,
         "tick\nprint\nclick 1058\ntick\nprint",
         {"  1045 cbox value=0 disabled", "  1045 cbox value=0 disabled"}},
        {__LINE__,
         2,
         "click 1058\ntick\nprint\nclick 1058\ntick\nprint",
         {"  1045 cbox value=0 enabled", "  1045 cbox value=0 enabled"}},
        {__LINE__,
         1,
         "deactivate\ntick\nprint\nactivate\ntick\nprint",
         {"dialog 106 \"Lexora\" 449x162 opacity=0.75", "dialog 106 \"Lexora\" 449x162 opacity=1"}},
    };
    RunRows(*this, rows);
}

TEST_F(DialogSessionTest, WhenReplaceAllIsEnabled) {
    const std::string disabled = "  1044 push \"&Replace All\" disabled";
    const std::string enabled = "  1044 push \"&Replace All\" enabled";
    const std::vector<SessionRow> rows = {
        {__LINE__, 1, "type 1050 \"x\"\ntick\nprint", {disabled}},
        {__LINE__, 1, "tick\nprint", {disabled}},
        {__LINE__, 1, "type 1049 \"a\"\ntick\nprint", {enabled}},
        // Both texts empty: only a replacement style in use restyles.
        {__LINE__,
         1,
         "click 1033\nset 1032 1\nclick 1\ntick\nprint\nclick 1032\ntick\nprint",
         {"  1032 cbox value=1 enabled", "  1052 stxt \"Bold.\" enabled", enabled,
          "  1032 cbox value=0 enabled", "  1052 stxt \"\" enabled", disabled}},
        {__LINE__,
         1,
         "click 1033\nclick 1\ntick\nprint",
         {"  1052 stxt \"(no style)\" enabled", disabled}},
        // No category: the boxes count only once collected.
        {__LINE__,
         1,
         "type 1049 \"a\"\nclick 1058\nclick 1034\n" + std::string(kUntickCategories) +
             "tick\nprint\nclick 1034\nclick 1034\ntick\nprint",
         {enabled, "  1036 cbox value=0 enabled", disabled, "  1036 cbox value=0 enabled"}},
    };
    RunRows(*this, rows);
}

TEST_F(DialogSessionTest, TheFontAndStyleDialogGivesAStyleOrNothing) {
    const std::string chosen = "  1052 stxt \"Bold.\" enabled";
    const std::string bold = "click 1033\nset 1032 1\nclick 1\n";
    const std::vector<SessionRow> rows = {
        {__LINE__,
         1,
         "click 1033\nprint\nclick 1\nprint",
         {"dialog 111 \"Font & Style\" 469x315 opacity=1", "  1030 cbox value=2 enabled",
          "  1032 cbox value=2 enabled", "  1033 cbox value=2 enabled", "  1028 etxt \"\" enabled",
          "  1029 cbox value=2 enabled", "  1031 cbox value=0 enabled",
          "  1034 cbox value=2 enabled", "dialog 106 \"Lexora\" 449x162 opacity=1",
          "  1032 cbox value=1 enabled", "  1052 stxt \"(no style)\" enabled"}},
        {__LINE__,
         1,
         "click 1033\ntype 1028 \"Arial\"\ntype 1031 \"12\"\nset 1032 1\nset 1030 0\nclick 1\n"
         "click 1033\nprint\nclick 1\nprint",
         {"  1030 cbox value=0 enabled", "  1032 cbox value=1 enabled",
          "  1033 cbox value=2 enabled", "  1028 etxt \"Arial\" enabled",
          "  1031 cbox value=12 enabled",
          "  1052 stxt \"Arial, Size 12, Bold, non Italic.\" enabled"}},
        // Cancel, Escape and the close box keep style, description and box.
        {__LINE__,
         1,
         bold + "click 1033\nset 1032 0\nclick 2\nprint",
         {"  1032 cbox value=1 enabled", chosen}},
        {__LINE__,
         1,
         bold + "click 1033\nset 1032 0\nkey escape\nprint",
         {"  1032 cbox value=1 enabled", chosen}},
        {__LINE__,
         1,
         bold + "click 1033\nset 1032 0\nclose\nprint",
         {"  1032 cbox value=1 enabled", chosen}},
        // Fonts the system lacks are offered, marked, for the search style
        // only; the mark does not reach the name field.
        {__LINE__,
         1,
         "click 1030\nselect 1047 \"Notaglyph*\"\nprint\nclick 1\nprint",
         {"  1047 datb rows=14 selected=\"Notaglyph*\" enabled",
          "  1028 etxt \"Notaglyph\" enabled", "  1051 stxt \"Notaglyph.\" enabled"}},
        {__LINE__, 1, "click 1033\nprint", {"  1047 datb rows=13 selected=\"\" enabled"}},
        {__LINE__,
         1,
         "click 1030\ndblclick 1047 \"Arial\"\nclick 1\nprint",
         {"  1051 stxt \"Arial.\" enabled"}},
    };
    RunRows(*this, rows);
}

TEST_F(DialogSessionTest, TheDocumentsDefaultFontIsTheFirstRowAndIsSelected) {
    Open(1);
    Run("click 1030\ntype 1028 \"Times New Roman\"\nclick 1");
    headless::ControlState tree;
    headless::SetModalDriver([&tree](Uwindow& style) {
        tree = headless::Describe(style).controls[2];
        headless::Click(style, 2);
    });
    headless::Click(*headless::FindDialog(106), 1030);
    headless::SetModalDriver(nullptr);
    ASSERT_EQ(14u, tree.rows.size());
    EXPECT_EQ("Times New Roman", tree.rows[0].toUtf8());
    EXPECT_EQ("Times New Roman", tree.rows[11].toUtf8());  // and at its sorted place
    EXPECT_EQ(tree.rowItems[0], tree.selectedItem);        // the first row is selected
    EXPECT_EQ(1u, tree.selectedItem);
}

TEST_F(DialogSessionTest, ReopeningKeepsWhatTheUserLeftUnlessTheWindowWasDestroyed) {
    Open(1);
    const std::string kept =
        Run("type 1049 \"x\"\nclick 1058\nclick 1042\nclose\ninvoke\nprint\nkey enter\nprint");
    ExpectLinesInOrder(kept,
                       {"dialog 106 \"Lexora\" 449x328 opacity=1", "  1049 etxt \"x\" enabled",
                        "  1042 cbox value=1 enabled", "  1071 stxt \"Hide Options\" enabled"});
    // The OK command (Enter) does nothing: both prints are the same.
    const std::size_t half = kept.size() / 2;
    EXPECT_EQ(kept.substr(0, half), kept.substr(half));

    // About is modal over the main dialog; its OK button (Enter) closes it.
    EXPECT_EQ(0u, Run("click 1072\nprint")
                      .find("dialog 163 \"About Lexora\" 238x159 opacity=1\n"
                            "dialog 106 \"Lexora\""));
    EXPECT_EQ(0u, Run("click 1072\nkey enter\nprint").find("dialog 106 \"Lexora\""));
    // Help opens the host's topic of the dialog.
    Run("click 1035");
    const auto help = sim::Simulator::Instance().GetJournal().EventsOf(sim::EventKind::HelpOpened);
    ASSERT_EQ(1u, help.size());
    EXPECT_EQ("9967", help[0].text);

    // The system destroys the window (as with its owner): the next opening
    // starts from the first options but keeps the texts.
    headless::Destroy(Dialogs().main.window);
    ExpectLinesInOrder(Run("invoke\nprint"),
                       {"dialog 106 \"Lexora\" 449x162 opacity=1", "  1049 etxt \"x\" enabled",
                        "  1034 cbox value=1 disabled", "  1042 cbox value=0 disabled"});
}

void RunRows(DialogSessionTest& test, const std::vector<SessionRow>& rows) {
    for (const SessionRow& row : rows) {
        SCOPED_TRACE(row.line);
        test.Open(row.documents);
        ExpectLinesInOrder(test.Run(row.script), row.expected);
        sim::StopPluginAsHost();
        sim::Simulator::Instance().Reset();
    }
}

}  // namespace
}  // namespace tavrel::e2e
