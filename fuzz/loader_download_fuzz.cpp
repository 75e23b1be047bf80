// The loader's download of a batch task, a small and a large radio task
// against a terminal (and cradle) that answers each write with bytes of the
// fuzzer's choosing: identifiers, "ACK", "NAK", "FULL" and noise, with the
// user asking for a few more tries. Success is told exactly when the task
// was delivered, and only after an "ACK" for every block of a mode that
// fits the task; a failure is always told; the port and the progress window
// are closed on every way out.
#include <algorithm>
#include <array>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "loader/batch_file.h"
#include "loader/link/loader_image.h"
#include "loader/link/loader_transfer.h"
#include "loader/loader_string_ids.h"
#include "loader/loader_strings.h"
#include "loader/radio_file.h"
#include "loader/test_support.h"
#include "testing/scripted_ui.h"
#include "testing/test_terminal.h"

namespace {

using test_support::ShownEvent;

const std::array<loader::LoadedTask, 3>& Tasks() {
    static const std::array<loader::LoadedTask, 3> tasks = [] {
        using loader::testing::PatternFile;
        return std::array<loader::LoadedTask, 3>{
            loader::DecodeBatchFile(PatternFile("8000RU004", 18954)).task,
            loader::DecodeRadioFile(PatternFile("80xxRU102", loader::kSmallRadioFileSize)).task,
            loader::DecodeRadioFile(PatternFile("80xxRU103", loader::kLargeRadioFileSize)).task};
    }();
    return tasks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    fuzz::Input input(data, size);
    const std::uint8_t setup = input.Byte();
    const loader::LoadedTask& task = Tasks()[setup % 3];
    const loader::LoadTarget target{(setup >> 2) % 5, 1 + (setup >> 5), (setup >> 7) & 1};

    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    test_support::TestTerminal terminal{pair};
    std::string answered;
    terminal.answer = [&input, &answered](const std::string&) {
        std::string reply = input.Piece();
        answered += reply;
        answered += '\n';  // "AC" and "K\r" of two replies are no "ACK"
        return reply;
    };
    test_support::ScriptedUi ui;
    // Up to three more tries, as the next byte says.
    for (int tries = input.Below(4); tries > 0; --tries) ui.answers.push_back(common::Answer::Yes);
    loader::LoaderSession session{ui, clock, pair.host()};

    const loader::TransferOutcome outcome = loader::RunLoaderTransfer(session, task, target, false);
    Require(!pair.host().IsOpen(), "the port was left open");
    Require(ui.openProgressWindows == 0, "a progress window was left open");
    const std::string done = loader::LoaderText(loader::ids::kLoadComplete);
    const auto& texts = ui.MessageTexts();
    const bool toldSuccess = std::find(texts.begin(), texts.end(), done) != texts.end();
    Require(toldSuccess == outcome.delivered, "success told without a delivery, or a delivery not told");

    if (outcome.delivered) {
        Require(outcome.code == 1, "a delivery reported with a failed port");
        loader::FirmwareId terminalId{};
        std::copy_n(outcome.terminalId.begin(), std::min(outcome.terminalId.size(), terminalId.size()),
                    terminalId.begin());
        const auto image = loader::BuildLoaderImage(task, terminalId);
        Require(image.has_value(), "a task delivered to a terminal that cannot take it");
        Require(fuzz::CountOf(answered, "ACK") >= static_cast<std::size_t>(image->blocks),
                "delivered without an ACK for every block");
    } else {
        Require(std::any_of(ui.events.begin(), ui.events.end(),
                            [](const ShownEvent& e) {
                                return e.kind == ShownEvent::Kind::Message || e.kind == ShownEvent::Kind::Question;
                            }),
                "a failed download told the user nothing");
    }
    return 0;
}
