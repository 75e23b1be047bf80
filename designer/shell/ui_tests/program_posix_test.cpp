// The designer run as a program: a command line it cannot follow ends it
// with the reason, the help and a status of its own, before any window or
// file is made; never by a signal.
#include <filesystem>

#include <gtest/gtest.h>

#include "testing/run_program.h"
#include "testing/temp_folder.h"

namespace shell {
namespace {

class ProgramTest : public ::testing::Test {
protected:
    test_support::ProgramRun Run(const std::vector<std::string>& args) {
        return test_support::RunProgram(MOSTREL_PROGRAM, args,
                                        {{{"QT_QPA_PLATFORM", "offscreen"}, {"APPDATA", folder.File("appdata")}}});
    }

    test_support::TempFolder folder;
};

TEST_F(ProgramTest, ACommandLineItCannotFollowEndsItWithTheReason) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--bogus"}, {"a.UZX", "b.UZX"}, {"-odd\xFF\n*.UZX"}, {"a.UZX", "--", "b.UZX"}, {"-", "--x", "-"}}) {
        const test_support::ProgramRun run = Run(args);
        EXPECT_TRUE(run.exited && run.status == 2) << args[0] << ": " << test_support::Describe(run);
        EXPECT_NE(run.err.find("--help"), std::string::npos) << args[0] << ": " << run.err;
    }
    // Refusing wrote nothing, not even the settings.
    EXPECT_FALSE(std::filesystem::exists(folder.File("appdata")));
}

TEST_F(ProgramTest, HelpAndVersionNeedNoDesktop) {
    for (const char* option : {"--help", "--version"}) {
        const test_support::ProgramRun run =
            test_support::RunProgram(MOSTREL_PROGRAM, {option}, {{{"QT_QPA_PLATFORM", "no-such-platform"}}});
        EXPECT_TRUE(run.exited && run.status == 0) << option << ": " << test_support::Describe(run);
        EXPECT_FALSE(run.out.empty()) << option;
    }
}

}  // namespace
}  // namespace shell
