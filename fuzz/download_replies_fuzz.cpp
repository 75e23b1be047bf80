// The designer's download of a task or a lookup file against a terminal
// (and cradle) that answers each frame with bytes of the fuzzer's choosing:
// handshake replies, ACK, NAK, FULL and noise. Success is told only when
// the terminal acknowledged every frame; a failure is always told; the port
// and the progress window are closed on every way out.
#include <algorithm>
#include <fstream>
#include <string_view>

#include "designer/strings/string_ids.h"
#include "designer/transfer/download.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/link_bench.h"
#include "testing/temp_folder.h"

namespace {

constexpr char kLookupContent[] = "AB\r\nCD\r\n\r\nEF";
constexpr int kLookupFrames = 5;  // four lines and OVER

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    using test_support::ShownEvent;
    static const test_support::TempFolder folder;
    static const std::string lookupPath = [] {
        std::ofstream(folder.File("items.txt"), std::ios::binary) << kLookupContent;
        return folder.File("items.txt");
    }();

    fuzz::Input input(data, size);
    const std::uint8_t setup = input.Byte();
    const bool lookupMode = setup & 1;
    const bool withCradle = setup & 2;
    fuzz::LinkBench bench([&input](const std::string&) { return input.Piece(); });
    bench.context.link.speedIndex = (setup >> 2) % 5;
    bench.ui.chosenPaths = {lookupPath};

    const transfer::DownloadResult result = transfer::DownloadToTerminal(bench.context, lookupMode ? 1 : 0, withCradle);
    Require(!bench.pair.host().IsOpen(), "the port was left open");
    Require(bench.ui.openProgressWindows == 0, "a progress window was left open");
    const bool toldSuccess = bench.Shown(strings::id::kDownloadedCompletely);
    Require(toldSuccess == result.delivered, "success told without a delivery, or a delivery not told");
    if (result.delivered) {
        // Every frame needs an "ACK" of its own; a task needs the terminal's identifier first.
        const std::size_t frames = lookupMode ? kLookupFrames + 1 : 200;
        Require(fuzz::CountOf(bench.answered, "ACK") >= frames, "delivered without an ACK for every frame");
        Require(lookupMode || bench.answered.find("8300RU004") != std::string::npos,
                "a task delivered to a terminal that never named the designer's firmware");
    } else {
        const auto& events = bench.ui.events;
        Require(std::any_of(events.begin(), events.end(),
                            [](const ShownEvent& e) {
                                return e.kind == ShownEvent::Kind::Message || e.kind == ShownEvent::Kind::Question;
                            }),
                "a failed download told the user nothing");
    }
    return 0;
}
