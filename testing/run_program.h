#pragma once
// Runs a program of the build the way a user's shell would, for the tests
// of the command-line tools: no shell in between, a file or nothing on its
// standard input, and both of its outputs kept apart and read as text (on
// Windows a CR LF comes back as a line feed).
#include <string>
#include <vector>

namespace test_support {

struct ProgramRun {
    int status = -1;  // the exit status; -1 when it did not start or did not exit by itself
    std::string out;
    std::string err;
};

// Runs `program` with `args`, each passed as one argument whatever it holds,
// and waits for it to end. A non-empty `inputFile` is what it reads on its
// standard input.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& inputFile = {});

}  // namespace test_support
