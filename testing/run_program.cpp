#include "testing/run_program.h"

namespace test_support {

std::string Describe(const ProgramRun& run) {
    if (run.running) return "still running";
    if (run.exited) return "exited " + std::to_string(run.status);
    if (run.signal != 0) return "signal " + std::to_string(run.signal);
    if (run.startError != 0) return "did not start (error " + std::to_string(run.startError) + ")";
    return "did not start";
}

}  // namespace test_support
