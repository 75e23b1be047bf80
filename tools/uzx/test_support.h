#pragma once
// Runs the real uzx program of this build for the tests.
#include <string>
#include <vector>

#include "testing/run_program.h"

namespace uzx::testing {

using RunResult = test_support::ProgramRun;

inline RunResult RunUzx(const std::vector<std::string>& args) { return test_support::RunProgram(UZX_PROGRAM, args); }

}  // namespace uzx::testing
