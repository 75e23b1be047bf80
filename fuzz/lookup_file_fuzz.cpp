// Lookup files sent to a terminal that takes every frame. A file is refused
// exactly when a line is longer than a frame holds; any other file arrives
// as its lines (ended by CR LF, CR or LF), each framed with its sum, then
// "OVER".
#include <optional>
#include <vector>

#include "designer/link/frames.h"
#include "designer/transfer/download.h"
#include "designer/transfer/lookup_lines.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/link_bench.h"

namespace {

// A line ends at CR LF, CR or LF; a last line without an end counts only
// with text.
std::vector<std::string> LinesOf(const std::string& content) {
    std::vector<std::string> lines;
    std::string line;
    bool afterCr = false;
    for (char c : content) {
        if (c == '\n' && afterCr) {
            afterCr = false;
            continue;
        }
        afterCr = c == '\r';
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// The line, the high and low byte of its sum (a CR among them sent as 0x0E), CR.
std::string Framed(const std::string& line) {
    unsigned sum = 0;
    for (unsigned char c : line) sum += c;
    const auto clear = [](unsigned b) { return static_cast<char>(b == 0x0D ? 0x0E : b); };
    return line + clear((sum >> 8) & 0xFF) + clear(sum & 0xFF) + '\r';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = LinesOf(content);
    std::optional<int> overlong;
    for (std::size_t i = 0; i < lines.size() && !overlong; ++i) {
        if (lines[i].size() > termlink::kMaxLookupLineLength) overlong = static_cast<int>(i) + 1;
    }
    Require(transfer::FindOverlongLookupLine(content) == overlong, "the overlong line found is not the first too long");
    if (overlong) return 0;

    fuzz::LinkBench bench([](const std::string&) { return std::string("ACK\r"); });
    termlink::Connection connection(bench.context.link, transfer::kDesignerReplies);
    Require(transfer::SendLookupFile(bench.context, connection, content),
            "a lookup file was not sent to a terminal that takes every frame");
    const std::vector<std::string> sent = bench.terminal.Writes();
    Require(sent.size() == lines.size() + 1, "not one frame a line and OVER");
    for (std::size_t i = 0; i < lines.size(); ++i) Require(sent[i] == Framed(lines[i]), "a line framed wrongly");
    Require(sent.back() == "OVER\r", "the file does not end with OVER");
    return 0;
}
