// Edit scripts: reading them, and running them against the property sheet.
#include "designer/editors/edit_script.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "designer/editors/form_page.h"
#include "designer/editors/script_runner.h"
#include "designer/editors/test_support.h"

namespace editors {
namespace {

using Kind = ScriptAction::Kind;
using Check = ScriptAction::Check;

TEST(EditScript, ReadsOneActionALineAndSkipsCommentsAndBlankLines) {
    const ParsedScript script = ParseScript(
        "# the first form\r\n"
        "\n"
        "   \t\n"
        "page FORMDLG\n"
        "choose 401 1\n"
        "set 301 Qty # not a comment\n"
        "set 302\n"
        "set 303  two  blanks \n"
        "  click 210\n"
        "focusout 311\n"
        "expect 401 item 1\n"
        "expect 401 item -1\n"
        "expect 301 text Qty # not a comment\r\n"
        "expect 302 text\n"
        "expect 201 disabled\n"
        "file /tmp/a b.UZX\n"
        "cancel\n"
        "ok");
    ASSERT_FALSE(script.error) << script.error->message;
    const std::vector<ScriptAction>& a = script.actions;
    ASSERT_EQ(a.size(), 15u);
    EXPECT_EQ(a[0].line, 4);
    EXPECT_EQ(a[0].kind, Kind::Page);
    EXPECT_EQ(a[0].text, "FORMDLG");
    EXPECT_EQ(a[1].kind, Kind::Choose);
    EXPECT_EQ(a[1].id, 401);
    EXPECT_EQ(a[1].number, 1);
    EXPECT_EQ(a[2].text, "Qty # not a comment");
    EXPECT_EQ(a[3].kind, Kind::Set);
    EXPECT_EQ(a[3].text, "") << "set ID alone empties the box";
    EXPECT_EQ(a[4].text, " two  blanks ") << "everything after the one blank, literally";
    EXPECT_EQ(a[5].kind, Kind::Click);
    EXPECT_EQ(a[6].kind, Kind::FocusOut);
    EXPECT_EQ(a[7].check, Check::Item);
    EXPECT_EQ(a[8].number, -1);
    EXPECT_EQ(a[9].check, Check::Text);
    EXPECT_EQ(a[9].text, "Qty # not a comment") << "the CR of a CR LF line end is no part of the text";
    EXPECT_EQ(a[10].text, "");
    EXPECT_EQ(a[11].check, Check::Disabled);
    EXPECT_EQ(a[12].kind, Kind::File);
    EXPECT_EQ(a[12].text, "/tmp/a b.UZX");
    EXPECT_EQ(a[13].kind, Kind::Cancel);
    EXPECT_EQ(a[14].kind, Kind::Ok);
    EXPECT_EQ(a[14].line, 18);
}

TEST(EditScript, ALineThatIsNoActionIsNamed) {
    const struct {
        const char* text;
        int line;
    } bad[] = {
        {"page FORMDLG\npress 401\n", 2},  {"choose 401\n", 1},        {"choose 401 x\n", 1},
        {"choose 401 -1\n", 1},            {"click\n", 1},             {"click 12a\n", 1},
        {"ok now\n", 1},                   {"expect 401 visible\n", 1}, {"expect 401 item\n", 1},
        {"page\n", 1},                     {"\n\nset -3 x\n", 3},      {"file\n", 1},
    };
    for (const auto& [text, line] : bad) {
        const ParsedScript script = ParseScript(text);
        ASSERT_TRUE(script.error) << text;
        EXPECT_EQ(script.error->line, line) << text;
        EXPECT_TRUE(script.actions.empty());
    }
    EXPECT_EQ(ParseScript("jump 3\n").error->message, "unknown action \"jump\"");
}

TEST(EditScript, GridTakesADecimalOrHexadecimalCode) {
    const ParsedScript script = ParseScript("grid 65\ngrid 0x1b\ngrid 0X1F\ngrid 300\n");
    ASSERT_FALSE(script.error) << script.error->message;
    ASSERT_EQ(script.actions.size(), 4u);
    EXPECT_EQ(script.actions[0].kind, Kind::Grid);
    EXPECT_EQ(script.actions[0].number, 65);
    EXPECT_EQ(script.actions[1].number, 0x1B);
    EXPECT_EQ(script.actions[2].number, 0x1F);
    EXPECT_EQ(script.actions[3].number, 300) << "the grid itself says it has no such code";
    for (const char* bad : {"grid\n", "grid x\n", "grid -1\n", "grid 0x\n", "grid 0x-1\n", "grid 0xg\n",
                            "grid 1 2\n"}) {
        const ParsedScript wrong = ParseScript(bad);
        ASSERT_TRUE(wrong.error) << bad;
        EXPECT_EQ(wrong.error->message, std::string_view(bad).starts_with("grid 1 ") ? "too many words"
                                                                                   : "a key code is expected")
            << bad;
    }
}

class ScriptRunTest : public ::testing::Test {
protected:
    std::optional<ScriptError> Run(const std::string& text) {
        const ParsedScript script = ParseScript(text);
        EXPECT_FALSE(script.error);
        if (!sheet) Open();
        return RunScript(*sheet, script.actions, ui);
    }
    void Open(std::span<const PageKind> pages = DesignerPages()) {
        sheet = std::make_unique<PropertySheet>(bench.task, bench.strings, ui, bench.defaults, pages);
    }

    testing::SheetBench bench;
    std::vector<std::string> printed;
    ScriptUi ui{[this](const std::string& line) { printed.push_back(line); }};
    std::unique_ptr<PropertySheet> sheet;
};

TEST_F(ScriptRunTest, ActionsReachThePagesAndExpectationsHold) {
    const auto failure = Run(
        "choose 401 2\n"
        "set 301 Amount\n"
        "set 321 120\n"
        "expect 321 text 80\n"
        "expect 401 text integer\n"
        "expect 401 item 2\n"
        "expect 421 enabled\n"
        "page MENUDLG\n"
        "page FORMDLG\n"
        "expect 301 text Amount\n"
        "ok\n");
    ASSERT_FALSE(failure) << failure->line << ": " << failure->message;
    EXPECT_FALSE(sheet->IsOpen());
    EXPECT_TRUE(bench.task.modified);
    EXPECT_EQ(bench.task.model.forms[0][task::form::kMaxLength], 80);
    EXPECT_TRUE(printed.empty());
}

TEST_F(ScriptRunTest, TheFirstFailingActionStopsTheRunAndIsNamed) {
    const struct {
        const char* text;
        int line;
        const char* message;
    } cases[] = {
        {"expect 401 item 0\nchoose 401 1\nset 999 x\nchoose 401 2\n", 3, "there is no control 999 in FORMDLG"},
        {"set 311 5\n", 1, "control 311 is disabled in FORMDLG"},
        {"choose 401 19\n", 1, "control 401 has no such item in FORMDLG"},
        {"click 401\n", 1, "control 401 does not take that action in FORMDLG"},
        {"expect 201 enabled\n", 1, "control 201 is disabled"},
        {"expect 401 text text\n", 1, "control 401 shows \"nil\", not \"text\""},
        {"expect 401 item 3\n", 1, "control 401 has item 0 selected, not 3"},
        {"expect 9021 text #2\n", 1, "control 9021 shows \"#1\", not \"#2\""},
        {"page GridDlg\n", 1, "there is no page GridDlg"},
        {"ok\nchoose 401 1\n", 2, "the property sheet is closed"},
        {"grid 65\n", 1, "there is no grid in FORMDLG"},
        {"choose 401 1\nclick 201\nclick 103\nclick 303\ngrid 256\n", 5, "there is no key code 256 in the grid"},
        {"choose 401 1\nclick 201\nclick 103\nset 303 ESC\n", 4, "control 303 does not take that action in AdvanceDlg"},
    };
    for (const auto& c : cases) {
        sheet.reset();
        const auto failure = Run(c.text);
        ASSERT_TRUE(failure) << c.text;
        EXPECT_EQ(failure->line, c.line) << c.text;
        EXPECT_EQ(failure->message, c.message) << c.text;
    }
    // The run stopped at the failing line: what came before it happened, nothing after.
    sheet.reset();
    Run("choose 401 1\nset 999 x\nchoose 401 2\n");
    EXPECT_EQ(sheet->Active().State(FormPage::kTypeList)->selection, 1);
}

TEST_F(ScriptRunTest, SubDialogsTakeTheActionsUntilTheirOkOrCancel) {
    Open(testing::kSamplePages);
    const auto failure = Run(testing::kSubDialogScript);
    ASSERT_FALSE(failure) << failure->line << ": " << failure->message;
    EXPECT_EQ(printed, (std::vector<std::string>{"message Warning|Format mismatch !!!"})) << "the refused OK";
    EXPECT_FALSE(sheet->IsOpen());
    EXPECT_EQ(bench.task.model.terminal[0], 1);

    // A page cannot be changed while a dialog is open.
    Open(testing::kSamplePages);
    const auto blocked = Run("click 201\npage SAMPLEDLG\n");
    ASSERT_TRUE(blocked);
    EXPECT_EQ(blocked->line, 2);
    EXPECT_EQ(blocked->message, "the dialog SampleDlg is open");
}

TEST(ScriptUi, MessagesAreOneLineAndQuestionsAreAnsweredNo) {
    std::vector<std::string> printed;
    ScriptUi ui([&printed](const std::string& line) { printed.push_back(line); });
    ui.ShowMessage("Warning", "Invalid value!", common::MessageIcon::Warning);
    EXPECT_EQ(ui.AskYesNo("\xCF\xF0\xE8\xEC\xE5\xF0", "a\r\nb", common::MessageIcon::Question), common::Answer::No);
    EXPECT_EQ(ui.AskYesNoCancel("c", "d\ne", common::MessageIcon::Question), common::Answer::No);
    EXPECT_EQ(printed, (std::vector<std::string>{"message Warning|Invalid value!", "message Пример|a b",
                                                  "message c|d e"}));
    ui.AnswerNextFileChooser("/tmp/other.UZX");
    EXPECT_EQ(ui.ChooseOpenFile({}), "/tmp/other.UZX");
    EXPECT_EQ(ui.ChooseOpenFile({}), std::nullopt) << "no answer left: cancelled";
}

// The shared cases under scripts/: each holds its own expectations. The Qt
// replay runs the same files against the widgets.
TEST(EditScriptCases, EveryCaseRunsToItsEnd) {
    int cases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(EDIT_SCRIPTS_DIR)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const ParsedScript script = ParseScript(text);
        ASSERT_FALSE(script.error) << entry.path() << ':' << script.error->line << ": " << script.error->message;
        testing::SheetBench bench;
        const auto sheet = bench.Open();
        std::vector<std::string> printed;
        ScriptUi ui([&printed](const std::string& line) { printed.push_back(line); });
        const auto failure = RunScript(*sheet, script.actions, ui);
        EXPECT_FALSE(failure) << entry.path() << ':' << failure->line << ": " << failure->message;
        ++cases;
    }
    EXPECT_GE(cases, 3);
}

}  // namespace
}  // namespace editors
