// The infrared cradle's configuration against answers of the fuzzer's
// choosing: it is found only when it echoed the probe, and then the line is
// left at the chosen rate with RTS on; an index out of range sends nothing.
#include "designer/link/cradle.h"
#include "designer/link/protocol.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/link_bench.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    fuzz::Input input(data, size);
    const int speedIndex = input.Below(termlink::kSpeedCount + 1);
    fuzz::LinkBench bench([&input](const std::string&) { return input.Piece(); });
    const bool found = termlink::ConfigureIrCradle(bench.pair.host(), bench.state, bench.clock, speedIndex);
    if (speedIndex == termlink::kSpeedCount) {
        Require(!found && bench.terminal.Writes().empty(), "a speed index out of range went to the cradle");
        return 0;
    }
    if (!found) return 0;
    Require(bench.answered.find(static_cast<char>(termlink::wire::kCradleProbe)) != std::string::npos,
            "a cradle found that never echoed the probe");
    const termlink::LineSettings line = bench.pair.host().Current();
    Require(line.rate == termlink::RateOfSpeedIndex(speedIndex) && line.rtsOn && line.dtrOn,
            "the line is not at the chosen rate with RTS and DTR on");
    return 0;
}
