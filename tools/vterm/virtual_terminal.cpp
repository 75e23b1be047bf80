#include "tools/vterm/virtual_terminal.h"

#include <algorithm>
#include <string_view>

#include "designer/link/frames.h"
#include "designer/link/protocol.h"
#include "designer/link/reply.h"

namespace vterm {
namespace {

namespace wire = termlink::wire;
using wire::kAck;
using wire::kFull;
using wire::kHandshake;
using wire::kNak;
using wire::kOver;
using wire::kRead;

constexpr std::size_t kLongestCommand = 32;
constexpr std::size_t kLongestLineFrame = 300;

// A frame that lost the middle third of its bytes on the way.
std::string WithMiddleThirdLost(const std::string& frame) {
    std::string cut = frame;
    const std::size_t third = frame.size() / 3;
    cut.erase(third, third);
    return cut;
}

}  // namespace

VirtualTerminal::VirtualTerminal(termlink::SerialLink& line, common::Clock& clock,
                                 std::function<std::uint32_t()> lineRate, TerminalOptions options,
                                 TerminalSinks sinks)
    : line_(line),
      clock_(clock),
      reader_(line, clock),
      lineRate_(std::move(lineRate)),
      options_(std::move(options)),
      sinks_(std::move(sinks)),
      cradleRate_(options_.cradleRate) {}

void VirtualTerminal::Log(const std::string& event) {
    if (sinks_.log) sinks_.log(event);
}

bool VirtualTerminal::Send(std::string_view bytes) {
    return line_.Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

bool VirtualTerminal::FaultDue(int at, int frame, int& used) {
    if (at == 0 || at != frame) return false;
    if (options_.faultTimes != 0 && used >= options_.faultTimes) return false;
    ++used;
    return true;
}

std::optional<VirtualTerminal::Command> VirtualTerminal::HostCommand(const std::string& heard) {
    if (heard == kHandshake) return Command::Handshake;
    if (heard == kRead) return Command::Read;
    return std::nullopt;
}

bool VirtualTerminal::RefusalDue() {
    if (nakUsed_ >= options_.nakFirst) return false;
    ++nakUsed_;
    return true;
}

bool VirtualTerminal::CutDue() {
    if (options_.cutAfter == 0 || handled_ < options_.cutAfter) return false;
    Log("line cut");
    line_.Close();
    return true;
}

VirtualTerminal::Command VirtualTerminal::WaitForCommand() {
    std::string command;
    enum class CradleStep { None, WantSpeed, WantCommit } step = CradleStep::None;
    std::uint32_t newRate = 0;
    for (;;) {
        const auto b = reader_.Next(reader_.DeadlineIn(termlink::kTransferDeadlineMs));
        if (!b) {
            if (!line_.IsOpen()) return Command::LineFailed;
            command.clear();  // a second of silence ends whatever had begun
            step = CradleStep::None;
            continue;
        }
        if (options_.silent) continue;

        // The cradle sees no RTS on a pseudo-terminal, so it goes by content
        // and by the rate the host set: a probe at its own rate is echoed,
        // and 0x07, a speed code and 'Q' move it to the new rate.
        if (options_.cradle && command.empty()) {
            if (step == CradleStep::WantSpeed && *b >= '2' && *b <= '6') {
                newRate = termlink::RateOfSpeedIndex(wire::kCradleFastestSpeedCode - *b);
                step = CradleStep::WantCommit;
                continue;
            }
            if (step == CradleStep::WantCommit && *b == wire::kCradleCommit) {
                cradleRate_ = newRate;
                step = CradleStep::None;
                Log("cradle: rate " + std::to_string(cradleRate_));
                continue;
            }
            step = CradleStep::None;
            if (*b == wire::kCradleProbe) {
                const std::uint32_t rate = lineRate_();
                if (rate == cradleRate_) Send(std::string(1, static_cast<char>(wire::kCradleProbe)));
                Log("cradle: probe at " + std::to_string(rate) + (rate == cradleRate_ ? ", echoed" : ", ignored"));
                continue;
            }
            if (*b == wire::kCradleSetRate) {
                step = CradleStep::WantSpeed;
                continue;
            }
        }

        command.push_back(static_cast<char>(*b));
        if (*b != wire::kCr) {
            if (command.size() > kLongestCommand) command.clear();
            continue;
        }
        // Whatever came before a command on the same line is noise.
        const std::string_view heard(command);
        if (heard.ends_with(kHandshake)) return Command::Handshake;
        if (heard.ends_with(kRead)) return Command::Read;
        command.clear();  // a NAK after a refused handshake, or noise
    }
}

TransferEnd VirtualTerminal::ServeOne() {
    for (;;) {
        Command command = pending_.value_or(Command::LineFailed);
        if (pending_) pending_.reset();
        else command = WaitForCommand();
        handled_ = 0;

        TransferEnd end;
        switch (command) {
            case Command::LineFailed:
                return TransferEnd::LineFailed;
            case Command::Handshake:
                Log(options_.lookupMode ? "handshake: ready for a lookup file" : "handshake: " + options_.firmware);
                if (!Send(options_.lookupMode ? std::string(kAck) : options_.firmware + "\r"))
                    return TransferEnd::LineFailed;
                end = options_.lookupMode ? ReceiveLookup() : ReceiveTask();
                break;
            case Command::Read:
                if (RefusalDue()) {
                    Log("upload: request refused");
                    Send(kNak);
                    continue;
                }
                end = SendRecords();
                break;
        }
        // The host started over inside the transfer: serve its new attempt.
        if (end == TransferEnd::Abandoned && pending_) continue;
        return end;
    }
}

TransferEnd VirtualTerminal::ReceiveTask() {
    std::vector<std::uint8_t> received(static_cast<std::size_t>(options_.blocks) * wire::kBlockDataSize);
    int expected = 0;
    std::string frame;
    for (;;) {
        const auto b = reader_.Next(reader_.DeadlineIn(frame.empty() ? kAbandonMs : kFrameGapMs));
        if (!b) {
            if (!line_.IsOpen()) return TransferEnd::LineFailed;
            if (frame.empty()) {
                Log("task: the host went quiet at block " + std::to_string(expected));
                return TransferEnd::Abandoned;
            }
            // Blocks have a fixed length, so a short frame followed by
            // silence is a new command or a frame that lost bytes.
            pending_ = HostCommand(frame);
            if (pending_) return TransferEnd::Abandoned;
            frame.clear();
            Send(kNak);
            continue;
        }
        frame.push_back(static_cast<char>(*b));
        if (frame.size() < wire::kBlockFrameSize) continue;

        const int number = expected + 1;
        ++handled_;
        termlink::TaskBlockFrame bytes;
        std::copy(frame.begin(), frame.end(), bytes.begin());
        const termlink::ReceivedBlock parsed = termlink::ParseTaskBlockFrame(bytes);
        const int block = parsed.number;
        if (FaultDue(options_.dropAt, number, dropUsed_)) {
            // The terminal waits for the lost bytes, then gives up on the frame.
            clock_.SleepMs(kFrameGapMs);
            Log("task: block " + std::to_string(block) + " lost bytes");
            Send(kNak);
        } else if (RefusalDue()) {
            Send(kNak);
        } else if (!parsed.intact) {
            Log("task: block " + std::to_string(block) + " checksum wrong");
            Send(kNak);
        } else if (block == expected - 1) {
            Send(kAck);  // our acknowledgement was lost: the block is already stored
        } else if (block != expected) {
            Log("task: block " + std::to_string(block) + " out of order, waiting for " + std::to_string(expected));
            Send(kNak);
        } else if (FaultDue(options_.fullAt, number, fullUsed_)) {
            Log("task: memory full at block " + std::to_string(block));
            Send(kFull);
            return TransferEnd::Refused;
        } else {
            std::copy_n(bytes.begin(), wire::kBlockDataSize, received.begin() + expected * wire::kBlockDataSize);
            Send(kAck);
            ++expected;
        }
        frame.clear();
        if (expected == options_.blocks) {
            Log("task: all blocks received");
            if (sinks_.taskReceived) sinks_.taskReceived(received);
            return TransferEnd::Completed;
        }
        if (CutDue()) return TransferEnd::Cut;
    }
}

TransferEnd VirtualTerminal::ReceiveLookup() {
    std::vector<std::string> lines;
    std::string frame;
    for (;;) {
        const auto b = reader_.Next(reader_.DeadlineIn(frame.empty() ? kAbandonMs : kFrameGapMs));
        if (!b) {
            if (!line_.IsOpen()) return TransferEnd::LineFailed;
            if (frame.empty()) {
                Log("lookup: the host went quiet after " + std::to_string(lines.size()) + " lines");
                return TransferEnd::Abandoned;
            }
            frame.clear();
            Send(kNak);
            continue;
        }
        frame.push_back(static_cast<char>(*b));
        if (*b != wire::kCr) {
            if (frame.size() > kLongestLineFrame) {
                frame.clear();
                Send(kNak);
            }
            continue;
        }
        // A lookup line's checksum never reads "R", so this is the host starting over.
        if (frame == kHandshake) {
            pending_ = Command::Handshake;
            return TransferEnd::Abandoned;
        }

        const int number = static_cast<int>(lines.size()) + 1;
        ++handled_;
        const std::string line = frame.size() >= 3 ? frame.substr(0, frame.size() - 3) : std::string();
        const auto expectedFrame = termlink::MakeLookupLineFrame(line);
        const bool intact = std::string(expectedFrame.begin(), expectedFrame.end()) == frame;
        if (FaultDue(options_.dropAt, number, dropUsed_)) {
            Log("lookup: line " + std::to_string(number) + " lost bytes");
            Send(kNak);
        } else if (RefusalDue()) {
            Send(kNak);
        } else if (frame == kOver) {
            Log("lookup: file of " + std::to_string(lines.size()) + " lines received");
            Send(kAck);
            if (sinks_.lookupReceived) sinks_.lookupReceived(lines);
            return TransferEnd::Completed;
        } else if (!intact) {
            Log("lookup: line " + std::to_string(number) + " checksum wrong");
            Send(kNak);
        } else if (FaultDue(options_.fullAt, number, fullUsed_)) {
            Log("lookup: memory full at line " + std::to_string(number));
            Send(kFull);
            return TransferEnd::Refused;
        } else {
            lines.push_back(line);
            Send(kAck);
        }
        frame.clear();
        if (CutDue()) return TransferEnd::Cut;
    }
}

TransferEnd VirtualTerminal::SendRecords() {
    Log("upload: " + std::to_string(options_.records.size()) + " records to send");
    if (!Send(kAck)) return TransferEnd::LineFailed;
    for (std::size_t k = 0; k < options_.records.size(); ++k) {
        const std::string& data = options_.records[k];
        const int number = static_cast<int>(k) + 1;
        const auto sequence = static_cast<std::uint8_t>(k % wire::kRecordSequenceModulo);
        for (;;) {
            std::string frame = termlink::MakeRecordFrame(sequence, data);
            if (FaultDue(options_.badChecksumAt, number, badChecksumUsed_)) {
                char& low = frame[frame.size() - 3];
                low = static_cast<char>(low ^ 0x01);
                if (low == wire::kCr) low = 0x0F;  // a wrong checksum, yet never a CR inside the frame
                Log("upload: record " + std::to_string(number) + " sent with a wrong checksum");
            }
            if (FaultDue(options_.dropAt, number, dropUsed_)) {
                frame = WithMiddleThirdLost(frame);
                Log("upload: record " + std::to_string(number) + " lost bytes");
            }
            if (!Send(frame)) return TransferEnd::LineFailed;
            ++handled_;
            if (CutDue()) return TransferEnd::Cut;

            const std::string reply = termlink::ReadFrame(reader_, kReplyWaitMs, kLongestCommand).bytes;
            if (reply == kAck) break;
            if (reply == kNak) continue;
            if (!line_.IsOpen()) return TransferEnd::LineFailed;
            pending_ = HostCommand(reply);
            Log("upload: no answer to record " + std::to_string(number));
            return TransferEnd::Abandoned;
        }
    }
    Log("upload: all records sent");
    return Send(kOver) ? TransferEnd::Completed : TransferEnd::LineFailed;
}

}  // namespace vterm
