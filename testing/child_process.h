#pragma once
// Runs a program as a child process, for the tests that feed the programs
// what a user may give them: how it ended (its exit status, or the signal
// that ended it) and what it printed. A program still running at the time
// limit is killed and reported as running.
#include <string>
#include <utility>
#include <vector>

namespace test_support {

struct ProgramRun {
    bool exited = false;   // it called exit (or returned from main)
    int status = -1;       // its exit status, when it exited
    int signal = 0;        // the signal that ended it, when it did not exit
    bool running = false;  // still running at the time limit, then killed
    std::string out;
    std::string err;
};

struct ProgramOptions {
    std::vector<std::pair<std::string, std::string>> environment;  // set on top of ours
    std::string input = "/dev/null";                               // the file on standard input
    int timeLimitMs = 60000;
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const ProgramOptions& options = {});

// "exited 1", "signal 6", "still running": for test failure messages.
std::string Describe(const ProgramRun& run);

}  // namespace test_support
