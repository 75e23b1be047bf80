// Whatever a user gives vterm on its command line, it says what is wrong and
// exits with the status its help names (1 a bad command line, 2 a file it
// cannot use), never by a signal and never after registering a port.
#include <filesystem>

#include <gtest/gtest.h>

#include "testing/run_program.h"
#include "testing/temp_folder.h"
#include "testing/vterm_process.h"

namespace vterm {
namespace {

TEST(VtermBadInput, EveryRefusalIsToldWithItsStatus) {
    test_support::TempFolder folder;
    std::filesystem::create_directory(folder.File("folder.txt"));
    folder.Write("huge.txt", "");
    std::filesystem::resize_file(folder.File("huge.txt"), 3ull << 30);
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"--records", folder.File("folder.txt")}, 2},
        {{"--records", folder.File("missing.txt")}, 2},
        {{"--records", folder.File("huge.txt")}, 2},
        {{"--records", "/dev/zero"}, 2},
        {{"--records", folder.File("odd\nname \xFF*.txt")}, 2},
        {{"--records"}, 1},
        {{"--com", "COM0"}, 1},
        {{"--com", "../COM1"}, 1},
        {{"--firmware", "8300RU004-TOO-LONG"}, 1},
        {{"--firmware", ""}, 1},
        {{"--nak", "-1"}, 1},
        {{"--nak", "99999999999999999999"}, 1},
        {{"--cradle-rate", "300"}, 1},
        {{"--what"}, 1},
        {{"\xFF"}, 1},
    };
    for (const auto& [args, status] : cases) {
        std::string line = "vterm";
        for (const std::string& arg : args) line += " " + arg;
        const test_support::ProgramRun run = test_support::RunProgram(
            test_support::VtermPath(), args, {{{"MOSTREL_PORT_MAP", folder.File("ports")}}, "", 20000});
        EXPECT_TRUE(run.exited && run.status == status) << line << ": " << test_support::Describe(run);
        EXPECT_FALSE(run.err.empty()) << line << ": no message";
        EXPECT_FALSE(std::filesystem::exists(folder.File("ports")) && !std::filesystem::is_empty(folder.File("ports")))
            << line << ": a port was registered";
    }
}

}  // namespace
}  // namespace vterm
