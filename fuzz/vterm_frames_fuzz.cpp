// The virtual terminal fed host bytes of the fuzzer's choosing: handshakes,
// task blocks, lookup lines, upload requests, cradle commands and noise, in
// pieces with silences between them. It keeps only blocks and lines the
// host sent intact, and it ends when the line does, never before.
#include <algorithm>

#include "designer/link/frames.h"
#include "designer/link/protocol.h"
#include "fuzz/fuzz_input.h"
#include "tools/vterm/virtual_terminal.h"

namespace {

// A line whose bytes are the host's pieces: each arrives whole, a silence of
// a full wait follows it, and after the last the line is closed.
class HostPiecesLine final : public termlink::SerialLink {
public:
    HostPiecesLine(fuzz::Input& input, common::TestClock& clock) : input_(input), clock_(clock) {}

    bool Open(const std::string&) override { return open_ = true; }
    bool IsOpen() const override { return open_; }
    void Close() override { open_ = false; }
    bool SetQueues(std::size_t, std::size_t) override { return true; }
    bool Apply(const termlink::LineSettings&) override { return true; }
    bool SetTransferTimeouts() override { return true; }
    void Purge(bool, bool) override { piece_.clear(); }
    bool Write(const std::uint8_t* bytes, std::size_t count) override {
        written.append(reinterpret_cast<const char*>(bytes), count);
        return open_;
    }
    int Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) override {
        if (!open_) return -1;
        if (piece_.empty()) {
            if (input_.Empty()) {
                open_ = false;
                return -1;
            }
            piece_ = input_.Piece();
            clock_.Advance(std::min(waitMs, termlink::kTransferDeadlineMs));
            sent += piece_;
            return 0;
        }
        const std::size_t n = std::min(capacity, piece_.size());
        std::copy_n(piece_.begin(), n, buffer);
        piece_.erase(0, n);
        return static_cast<int>(n);
    }

    std::string sent;     // every host byte delivered so far
    std::string written;  // every byte the terminal wrote

private:
    fuzz::Input& input_;
    common::TestClock& clock_;
    std::string piece_;
    bool open_ = true;
};

constexpr std::uint32_t kRates[] = {115200, 57600, 38400, 19200, 9600};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    namespace wire = termlink::wire;
    fuzz::Input input(data, size);
    vterm::TerminalOptions options;
    const std::uint8_t setup = input.Byte();
    options.lookupMode = setup & 1;
    options.cradle = setup & 2;
    options.cradleRate = kRates[(setup >> 2) % 5];
    const std::uint32_t lineRate = kRates[(setup >> 5) % 5];
    const std::uint8_t faults = input.Byte();
    options.nakFirst = faults & 3;
    options.fullAt = (faults >> 2) & 3;
    options.dropAt = (faults >> 4) & 3;
    options.cutAfter = (faults >> 6) * 5;
    options.records = {"AB", std::string(251, 'r'), ""};

    common::TestClock clock;
    HostPiecesLine line(input, clock);
    std::vector<std::vector<std::uint8_t>> tasks;
    std::vector<std::vector<std::string>> lookups;
    vterm::TerminalSinks sinks;
    sinks.taskReceived = [&](const std::vector<std::uint8_t>& blocks) { tasks.push_back(blocks); };
    sinks.lookupReceived = [&](const std::vector<std::string>& lines) { lookups.push_back(lines); };
    vterm::VirtualTerminal terminal(line, clock, [&] { return lineRate; }, options, sinks);

    for (int transfers = 0;; ++transfers) {
        Require(transfers < 10000, "the terminal serves transfers the host never began");
        const vterm::TransferEnd end = terminal.ServeOne();
        if (end == vterm::TransferEnd::LineFailed || end == vterm::TransferEnd::Cut) break;
    }
    Require(!line.IsOpen(), "the terminal stopped before the line did");

    // Every stored block and line came whole from the host.
    constexpr std::size_t kBlockSize = wire::kBlockDataSize;
    for (const std::vector<std::uint8_t>& blocks : tasks) {
        Require(blocks.size() % kBlockSize == 0, "a task stored with part of a block");
        for (std::size_t block = 0; block < blocks.size() / kBlockSize; ++block) {
            const termlink::BlockData data(&blocks[block * kBlockSize], kBlockSize);
            const termlink::TaskBlockFrame frame = termlink::MakeTaskBlockFrame(data, static_cast<int>(block));
            Require(line.sent.find(std::string(frame.begin(), frame.end())) != std::string::npos,
                    "a task block stored that the host never sent intact");
        }
    }
    for (const std::vector<std::string>& lines : lookups) {
        for (const std::string& stored : lines) {
            const std::vector<std::uint8_t> frame = termlink::MakeLookupLineFrame(stored);
            Require(line.sent.find(std::string(frame.begin(), frame.end())) != std::string::npos,
                    "a lookup line stored that the host never sent intact");
        }
    }
    return 0;
}
