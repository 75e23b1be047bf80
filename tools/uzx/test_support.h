#pragma once
// Runs the real uzx program of this build for the tests.
#include <string>
#include <vector>

#include "testing/run_program.h"

namespace uzx::testing {

using RunResult = test_support::ProgramRun;

// A non-empty `inputFile` is what the program reads on its standard input.
inline RunResult RunUzx(const std::vector<std::string>& args, const std::string& inputFile = {}) {
    return test_support::RunProgram(UZX_PROGRAM, args, {{}, inputFile});
}

}  // namespace uzx::testing
