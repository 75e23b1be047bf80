// What uzx says and returns for help, bad arguments and files that are not
// what they should be: a script relies on the status, a person on the words.
#include <gtest/gtest.h>

#include <filesystem>

#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"
#include "tools/uzx/run_uzx.h"

namespace {

using uzx::testing::RunResult;

class CommandLineTest : public ::testing::Test {
protected:
    RunResult Uzx(const std::vector<std::string>& args) { return uzx::testing::RunUzx(args, folder.File("stderr")); }

    test_support::TempFolder folder;
};

TEST_F(CommandLineTest, HelpGoesToStandardOutput) {
    for (const std::string asked : {"--help", "-h", "help"}) {
        const RunResult help = Uzx({asked});
        EXPECT_EQ(help.status, 0) << asked;
        EXPECT_TRUE(help.err.empty());
        EXPECT_EQ(help.out.rfind("usage: uzx COMMAND ...\n", 0), 0u);
        EXPECT_NE(help.out.find("  uzx receive OUT --port NAME"), std::string::npos);
    }
    const RunResult command = Uzx({"send-lookup", "--help"});
    EXPECT_EQ(command.status, 0);
    EXPECT_EQ(command.out.rfind("usage: uzx send-lookup TXT --port NAME", 0), 0u);

    // Without a command, or with an unknown one, the usage is a refusal.
    EXPECT_EQ(Uzx({}).status, 2);
    const RunResult unknown = Uzx({"frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_EQ(unknown.err.rfind("uzx: unknown command frobnicate\n", 0), 0u);
}

TEST_F(CommandLineTest, ABadTransferArgumentIsNamed) {
    const auto firstLine = [](const RunResult& run) { return run.err.substr(0, run.err.find('\n')); };
    RunResult run = Uzx({"download", "task.UZX", "--port", "COM1", "--speed", "9"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(firstLine(run), "uzx download: --speed wants 0 to 4 (115200 to 9600 bit/s), not \"9\"");
    run = Uzx({"receive", "out.txt", "--link", "3", "--port", "COM1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(firstLine(run), "uzx receive: --link wants 0 (RS-232), 1 (Cradle-IR) or 2 (IrDA), not \"3\"");
    run = Uzx({"send-lookup", "items.txt", "--port", "COM1", "--baud", "9600"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(firstLine(run), "uzx send-lookup: unknown option --baud");
    run = Uzx({"send-lookup", "items.txt", "--port"});
    EXPECT_EQ(firstLine(run), "uzx send-lookup: --port wants a value");
    run = Uzx({"send-lookup", "items.txt"});
    EXPECT_EQ(firstLine(run), "uzx send-lookup: no --port named");
    run = Uzx({"simulate", "task.UZX", "--keys", "1", "--zooom", "2"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(firstLine(run), "uzx simulate: unknown option or missing value: --zooom");
}

// No input ends the program in an abort: what cannot be used is refused
// with the designer's message, before the port is even opened.
TEST_F(CommandLineTest, FoldersAndForeignFilesAreRefusedInWords) {
    RunResult run = Uzx({"send-lookup", folder.Path(), "--port", "/dev/null"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error: Cannot open the file!\n");

    run = Uzx({"receive", folder.Path(), "--port", "/dev/null"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error: File open/create failed!\n");

    // One wording for a file that is not a task file, whatever the command.
    folder.Write("notes.txt", std::string(19000, 'Z'));
    const std::string notes = folder.File("notes.txt");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"show", notes}, {"upgrade", notes, folder.File("x.UZX")},
          {"image", notes, folder.File("x.bin")}, {"simulate", notes, "--keys", "1"},
          {"download", notes, "--port", "/dev/null"}}) {
        run = Uzx(args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_EQ(run.err, "Error: Format mismatch !!!\n") << args[0];
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("x.bin")));
}

TEST_F(CommandLineTest, SimulateFailsWhenTheTaskShowedAnErrorBox) {
    const std::string path = folder.File("empty.UZX");
    ASSERT_TRUE(task::WriteTaskFile(path, task::testing::FreshTask()).ok);
    // Collect data on a task without a form or a menu: "Please define your program!"
    const RunResult run = Uzx({"simulate", path, "--keys", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Please define your program!"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("highlight="), std::string::npos);  // the screen is printed all the same
    EXPECT_EQ(Uzx({"simulate", path, "--keys", "22"}).status, 0);
}

}  // namespace
