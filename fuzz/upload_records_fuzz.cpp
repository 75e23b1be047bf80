// The designer's upload against a terminal that answers each request and
// acknowledgement with bytes of the fuzzer's choosing. Only records the
// terminal sent intact, in their turn, are stored; the end is "OVER" or a
// failure the user is told about.
#include "designer/link/connection.h"
#include "designer/transfer/upload.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/link_bench.h"

namespace {

// Sequence byte, data, the sum's low and high byte (a CR among them sent as 0x0E), CR.
std::string Framed(int sequence, const std::string& data) {
    unsigned sum = static_cast<unsigned>(sequence);
    for (unsigned char c : data) sum += c;
    const auto clear = [](unsigned b) { return static_cast<char>(b == 0x0D ? 0x0E : b); };
    return static_cast<char>(sequence) + data + clear(sum & 0xFF) + clear((sum >> 8) & 0xFF) + '\r';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    fuzz::Input input(data, size);
    fuzz::LinkBench bench([&input](const std::string&) { return input.Piece(); });
    termlink::Connection connection(bench.context.link, termlink::ReplyRule{});
    std::vector<std::string> stored;
    const transfer::RecordsReceived received = transfer::ReceiveRecords(bench.context, connection, [&](std::string_view record) {
        stored.emplace_back(record);
        return true;
    });

    Require(received.stored == static_cast<int>(stored.size()), "the count differs from the records stored");
    for (std::size_t i = 0; i < stored.size(); ++i) {
        Require(stored[i].size() <= 251, "a record longer than its frame holds");
        Require(bench.answered.find(Framed(static_cast<int>(i % 10), stored[i])) != std::string::npos,
                "a record stored that the terminal never sent intact in its turn");
    }
    Require(bench.ui.openCounters == 0, "the counter was left on the screen");
    if (received.end == transfer::UploadEnd::Completed) {
        Require(bench.answered.find("OVER\r") != std::string::npos, "completed without OVER");
    } else {
        Require(!bench.ui.MessageTexts().empty(), "a failed upload told the user nothing");
    }
    return 0;
}
