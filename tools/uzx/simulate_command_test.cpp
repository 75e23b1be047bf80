// uzx simulate on real task files: the printed screen is what the checks compare.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"
#include "tools/uzx/test_support.h"

namespace {

using namespace task::form;

class SimulateCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        model = task::testing::FreshTask();
        path = folder.File("task.uzx");
    }

    void SetField(int line, int type, const std::string& prompt) {
        task::FormRecord& form = model.forms[0];
        form[kFieldType + static_cast<std::size_t>(line)] = static_cast<task::Byte>(type);
        std::memcpy(form.data() + kPrompt + static_cast<std::size_t>(line) * kPromptWidth, prompt.data(), prompt.size());
    }

    // Saves the model and runs uzx simulate with `args`: the exit status, with stdout in `output`.
    int Run(std::vector<std::string> args) {
        EXPECT_TRUE(task::WriteTaskFile(path, model).ok);
        args.insert(args.begin(), "simulate");
        const uzx::testing::RunResult run = uzx::testing::RunUzx(args);
        output = run.out;
        return run.status;
    }

    test_support::TempFolder folder;
    task::TaskModel model;
    std::string path;
    std::string output;
};

TEST_F(SimulateCommandTest, PrintsThePaddedLinesThenHighlightCursorAndRecords) {
    const std::string blank15(15, ' ');
    EXPECT_EQ(Run({path, "--keys", "22,t3", "--time", "2024-01-07T09:05:00"}), 0);
    EXPECT_EQ(output, "1.Collect data \n2.Upload data  \n3.Utilities    \n" + blank15 + "\n" + blank15 + "\n" +
                          blank15 + "\n" + blank15 + "\n" + blank15 + "\nhighlight=1 cursor=none records=0\n");

    SetField(0, kInteger, "\xCA\xEE\xEB:");  // Windows-1251 "Кол:"
    EXPECT_EQ(Run({path, "--keys", "1,4,2,16,7"}), 0);
    std::istringstream lines(output);
    std::string first;
    std::getline(lines, first);
    EXPECT_EQ(first, "Кол:7" + std::string(15, ' '));
    EXPECT_NE(output.find("\nhighlight=0 cursor=0,5 records=1\n"), std::string::npos);
}

TEST_F(SimulateCommandTest, TicksRunTheTimer) {
    SetField(0, kText, "T:");
    EXPECT_EQ(Run({path, "--keys", "1,13,2,2"}), 0);
    EXPECT_EQ(output.substr(0, 21), "T:B                 \n");  // pending at the cursor
    EXPECT_EQ(Run({path, "--keys", "1,13,2,2,t7"}), 0);
    EXPECT_NE(output.find("cursor=0,3 "), std::string::npos);
}

TEST_F(SimulateCommandTest, RefusesBadArguments) {
    EXPECT_EQ(Run({path, "--keys", "1,x"}), 2);
    EXPECT_EQ(Run({path, "--keys", "24"}), 2);
    EXPECT_EQ(Run({path, "--keys", "1", "--time", "2024-13-01T00:00:00"}), 2);
    EXPECT_EQ(Run({path}), 2);
    EXPECT_EQ(Run({folder.File("missing.uzx"), "--keys", "1"}), 1);
    EXPECT_EQ(Run({path, "--keys", ""}), 0);  // no keys: the main menu as the engine starts
    EXPECT_NE(output.find("highlight=0 cursor=none records=0"), std::string::npos);
}

}  // namespace
