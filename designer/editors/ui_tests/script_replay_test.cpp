// The shared edit scripts replayed against the real widgets: they must hold
// there as they hold on the page models, and leave the task in the same state.
#include "designer/editors/ui_tests/script_replay.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <QApplication>

#include <gtest/gtest.h>

#include "designer/editors/script_runner.h"
#include "designer/editors/qt/property_sheet_dialog.h"
#include "designer/editors/qt/sheet_launcher.h"
#include "designer/editors/test_support.h"

namespace editors {
namespace {

struct Outcome {
    std::optional<ScriptError> failure;
    task::Task task;
    std::vector<std::string> printed;
};

std::vector<ScriptAction> Actions(const std::string& text) {
    const ParsedScript script = ParseScript(text);
    EXPECT_FALSE(script.error);
    return script.actions;
}

Outcome OnWidgets(const std::vector<ScriptAction>& actions) {
    testing::SheetBench bench;
    Outcome outcome;
    ScriptUi ui([&outcome](const std::string& line) { outcome.printed.push_back(line); });
    outcome.failure = testing::ReplayScript(actions, ui, [&bench, &ui] {
        RunPropertySheet(bench.task, bench.strings, ui, bench.defaults, nullptr);
    });
    outcome.task = bench.task;
    return outcome;
}

Outcome OnModels(const std::vector<ScriptAction>& actions) {
    testing::SheetBench bench;
    Outcome outcome;
    ScriptUi ui([&outcome](const std::string& line) { outcome.printed.push_back(line); });
    PropertySheet sheet(bench.task, bench.strings, ui, bench.defaults);
    outcome.failure = RunScript(sheet, actions, ui);
    CloseSheet(sheet);
    outcome.task = bench.task;
    return outcome;
}

TEST(ScriptReplay, TheSharedCasesHoldOnTheWidgets) {
    int cases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(EDIT_SCRIPTS_DIR)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<ScriptAction> actions =
            Actions({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
        const Outcome widgets = OnWidgets(actions);
        EXPECT_FALSE(widgets.failure) << entry.path() << ':' << widgets.failure->line << ": "
                                      << widgets.failure->message;
        const Outcome models = OnModels(actions);
        EXPECT_EQ(widgets.task.model, models.task.model) << entry.path();
        EXPECT_EQ(widgets.task.modified, models.task.modified) << entry.path();
        EXPECT_EQ(widgets.printed, models.printed) << entry.path();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the sheet is closed after " << entry.path();
        ++cases;
    }
    EXPECT_GE(cases, 3);
}

TEST(ScriptReplay, SubDialogsRunModallyOverTheSheet) {
    testing::SheetBench bench;
    std::vector<std::string> printed;
    ScriptUi ui([&printed](const std::string& line) { printed.push_back(line); });
    const auto failure = testing::ReplayScript(Actions(testing::kSubDialogScript), ui, [&bench, &ui] {
        PropertySheet sheet(bench.task, bench.strings, ui, bench.defaults, testing::kSamplePages);
        PropertySheetDialog window(sheet);
        window.exec();
    });
    EXPECT_FALSE(failure) << failure->line << ": " << failure->message;
    EXPECT_EQ(printed, (std::vector<std::string>{"message Warning|Format mismatch !!!"})) << "the refused OK";
    EXPECT_EQ(bench.task.model.terminal[0], 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ScriptReplay, FailuresNameTheLineAsTheModelsDo) {
    const char* scripts[] = {
        "choose 401 1\nset 999 x\n",
        "set 311 5\n",
        "choose 401 19\n",
        "click 401\n",
        "expect 201 enabled\n",
        "expect 401 text text\n",
        "expect 401 item 3\n",
        "page MENUDLG\npage GridDlg\n",
        "ok\nchoose 401 1\n",
        "grid 65\n",
        "choose 401 1\nclick 201\nclick 303\n",
        "choose 401 1\nclick 201\nclick 103\nset 303 ESC\n",
        "choose 401 1\nclick 201\nclick 103\nclick 303\ngrid 0x41\ngrid 256\n",
        "choose 401 1\nclick 201\nclick 106\nclick 1044\nok\nexpect 1013 disabled\n",
    };
    for (const char* script : scripts) {
        const std::vector<ScriptAction> actions = Actions(script);
        const Outcome widgets = OnWidgets(actions);
        const Outcome models = OnModels(actions);
        ASSERT_TRUE(widgets.failure) << script;
        ASSERT_TRUE(models.failure) << script;
        EXPECT_EQ(widgets.failure->line, models.failure->line) << script;
        EXPECT_EQ(widgets.failure->message, models.failure->message) << script;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << script;
    }
}

}  // namespace
}  // namespace editors
