#pragma once
// Runs a program of the build the way a user's shell would, for the tests
// of the programs and their command lines: no shell in between, each argument
// passed whole, a file or nothing on standard input, both outputs kept apart
// and read as text (on Windows a CR LF comes back as a line feed). A program
// still running at the time limit is killed and reported as running.
#include <string>
#include <utility>
#include <vector>

namespace test_support {

struct ProgramRun {
    bool exited = false;   // it called exit (or returned from main)
    int status = -1;       // its exit status when it exited; -1 otherwise
    int signal = 0;        // POSIX: the signal that ended it, when it did not exit
    bool running = false;  // still running at the time limit, then killed
    unsigned long startError = 0;  // Windows: why it did not start (GetLastError)
    std::string out;
    std::string err;
};

struct ProgramOptions {
    using Environment = std::vector<std::pair<std::string, std::string>>;

    ProgramOptions() = default;
    ProgramOptions(Environment variables, std::string inputFile = {}, int limitMs = 60000)
        : environment(std::move(variables)), input(std::move(inputFile)), timeLimitMs(limitMs) {}

    Environment environment;  // set on top of ours
    std::string input;        // the file on standard input; empty: none
    int timeLimitMs = 60000;
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const ProgramOptions& options = {});

// "exited 1", "signal 6", "still running", "did not start (error 2)": for
// test failure messages.
std::string Describe(const ProgramRun& run);

}  // namespace test_support
