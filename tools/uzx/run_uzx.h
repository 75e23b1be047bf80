#pragma once
// Runs the real uzx program for the tests: its exit status, its standard
// output and its standard error.
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace uzx::testing {

struct RunResult {
    int status = -1;  // the exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// `errorFile` is a path the program's standard error may be written to; a
// non-empty `inputFile` is what it reads on its standard input.
inline RunResult RunUzx(const std::vector<std::string>& args, const std::string& errorFile,
                        const std::string& inputFile = {}) {
    std::string command = UZX_PROGRAM;
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " 2>'" + errorFile + "'";
    if (!inputFile.empty()) command += " <'" + inputFile + "'";
    RunResult run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errorFile, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    return run;
}

}  // namespace uzx::testing
