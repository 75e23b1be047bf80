#pragma once
// A terminal of any model and its infrared cradle as the far end of a serial
// line: it answers the handshake with its firmware identifier, checks and
// acknowledges task blocks and lookup lines, keeps what it received, sends
// its records when asked, and injects the faults it is told to.
//
// Frames are counted from 1 in each transfer: task block n - 1, lookup line
// n ("OVER" being the last frame), upload record n.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "designer/link/byte_reader.h"
#include "designer/link/serial_link.h"

namespace vterm {

struct TerminalOptions {
    std::string firmware = "8300RU004";  // or what a radio terminal answers: "80xxRU102", "ACK"
    int blocks = 200;  // blocks of a task: 200 for batch terminals, 50 or 182 for radio ones
    bool lookupMode = false;       // handshakes are answered "ACK": lookup files follow
    bool cradle = true;            // an infrared cradle sits on the line
    std::uint32_t cradleRate = 9600;
    std::vector<std::string> records;  // served on upload, in order

    // Faults.
    bool silent = false;  // never answers anything
    // Fault counts run over the whole run, so a retried transfer meets them no more.
    int nakFirst = 0;     // NAK the first n frame arrivals (READ requests in an upload)
    int fullAt = 0;       // answer frame n with FULL
    int badChecksumAt = 0;  // send upload record n with a wrong checksum
    int dropAt = 0;       // lose the middle third of frame n's bytes
    int faultTimes = 1;   // how many times frame n suffers its fault; 0 = every time
    int cutAfter = 0;     // close the line once n frames have been handled
};

enum class TransferEnd { Completed, Refused, Abandoned, Cut, LineFailed };

// What the terminal received, as it arrives.
struct TerminalSinks {
    std::function<void(const std::vector<std::uint8_t>& blocks)> taskReceived;  // 100 bytes a block, as they came
    std::function<void(const std::vector<std::string>& lines)> lookupReceived;
    std::function<void(const std::string& event)> log;  // one line a event, for --verbose
};

class VirtualTerminal {
public:
    // The host stops sending for this long inside a transfer: it has given up.
    static constexpr std::uint32_t kAbandonMs = 5000;
    // Silence inside a frame: the rest of it is not coming.
    static constexpr std::uint32_t kFrameGapMs = 100;
    static constexpr std::uint32_t kReplyWaitMs = 3000;

    VirtualTerminal(termlink::SerialLink& line, common::Clock& clock, std::function<std::uint32_t()> lineRate,
                    TerminalOptions options, TerminalSinks sinks);

    // Serves until one transfer has ended (or the line fails) and says how
    // it ended; cradle commands between transfers are served on the way.
    TransferEnd ServeOne();

private:
    enum class Command { Handshake, Read, LineFailed };

    // Waits for a handshake or an upload request, serving the cradle's
    // probes and rate changes meanwhile.
    Command WaitForCommand();
    // Each ends Abandoned with `pending_` set when the host starts over.
    TransferEnd ReceiveTask();
    TransferEnd ReceiveLookup();
    TransferEnd SendRecords();

    // The host starting over, when that is what `heard` is.
    static std::optional<Command> HostCommand(const std::string& heard);
    // A fault of frame `frame` that is still due; counts its use.
    bool FaultDue(int at, int frame, int& used);
    // One of the first refusals the options ask for is still due; counts it.
    bool RefusalDue();
    // Closes the line once the options' count of handled frames is reached.
    bool CutDue();
    bool Send(std::string_view bytes);
    void Log(const std::string& event);

    termlink::SerialLink& line_;
    common::Clock& clock_;
    termlink::ByteReader reader_;
    std::function<std::uint32_t()> lineRate_;
    TerminalOptions options_;
    TerminalSinks sinks_;
    std::uint32_t cradleRate_;
    std::optional<Command> pending_;  // a handshake or request heard inside another transfer

    int handled_ = 0;   // frames handled, for the cut
    int nakUsed_ = 0;
    int fullUsed_ = 0;
    int dropUsed_ = 0;
    int badChecksumUsed_ = 0;
};

}  // namespace vterm
