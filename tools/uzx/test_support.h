#pragma once
// Runs the real uzx program of this build for the tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/run_program.h"

namespace uzx::testing {

using RunResult = test_support::ProgramRun;

// A non-empty `inputFile` is what the program reads on its standard input.
// A run that ends without an exit status fails the test with what happened,
// so its status is never mistaken for the program's own.
inline RunResult RunUzx(const std::vector<std::string>& args, const std::string& inputFile = {}) {
    RunResult run = test_support::RunProgram(UZX_PROGRAM, args, {{}, inputFile});
    std::string line = "uzx";
    for (const std::string& arg : args) line += " " + arg;
    EXPECT_TRUE(run.exited) << line << ": " << test_support::Describe(run) << '\n' << run.err;
    return run;
}

}  // namespace uzx::testing
