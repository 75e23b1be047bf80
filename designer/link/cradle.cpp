#include "designer/link/cradle.h"

namespace termlink {
namespace {

void Settle(LinkState& state, common::Clock& clock) {
    if (state.settleDelayMs > 0) clock.SleepMs(static_cast<std::uint32_t>(state.settleDelayMs));
}

void ApplyRts(SerialLink& port, LinkState& state, bool on) {
    state.line.rtsOn = on;
    port.Apply(state.line);
}

bool WriteByte(SerialLink& port, std::uint8_t b) { return port.Write(&b, 1); }

// The first byte within the cradle's answer time, if any.
bool EchoArrives(SerialLink& port, common::Clock& clock) {
    const std::uint64_t deadline = clock.NowMs() + kCradleAnswerMs;
    for (std::uint64_t now = clock.NowMs(); now < deadline; now = clock.NowMs()) {
        std::uint8_t b = 0;
        const int n = port.Read(&b, 1, static_cast<std::uint32_t>(deadline - now));
        if (n < 0) return false;
        if (n > 0) return b == wire::kCradleProbe;
    }
    return false;
}

}  // namespace

std::uint8_t CradleSpeedCode(int speedIndex) {
    if (speedIndex < 0 || speedIndex >= kSpeedCount) return 0;
    return static_cast<std::uint8_t>(wire::kCradleFastestSpeedCode - speedIndex);
}

bool ProbeIrCradle(SerialLink& port, LinkState& state, common::Clock& clock, std::uint32_t rate) {
    state.line.rate = rate;
    ApplyRts(port, state, false);
    Settle(state, clock);
    if (state.probePurges) {
        port.Purge(true, true);
        Settle(state, clock);
    }
    const bool sent = WriteByte(port, wire::kCradleProbe);
    Settle(state, clock);
    const bool answered = sent && EchoArrives(port, clock);
    ApplyRts(port, state, true);
    Settle(state, clock);
    state.settleDelayMs = 100;
    return answered;
}

bool ConfigureIrCradle(SerialLink& port, LinkState& state, common::Clock& clock, int speedIndex) {
    const std::uint8_t speedCode = CradleSpeedCode(speedIndex);
    if (speedCode == 0) return false;

    LineSettings& line = state.line;
    line.rate = 38400;
    line.byteSize = 8;
    line.parity = 0;
    line.stopBits = 0;
    // Reads never wait past the caller's own wait here, so the port's read
    // time-outs need no change before probing.
    line.rtsOn = true;
    line.dtrOn = true;
    port.Apply(line);
    state.settleDelayMs = 200;
    Settle(state, clock);

    bool found = ProbeIrCradle(port, state, clock, 9600);
    if (found) {
        state.settleDelayMs = 200;
    } else {
        for (std::uint32_t rate : {115200u, 57600u, 38400u, 19200u}) {
            if ((found = ProbeIrCradle(port, state, clock, rate))) break;
        }
    }
    if (!found) return false;

    // The rate change is spoken at the detected rate, with RTS off.
    ApplyRts(port, state, false);
    Settle(state, clock);
    if (!WriteByte(port, wire::kCradleSetRate)) return false;
    Settle(state, clock);
    line.rate = RateOfSpeedIndex(speedIndex);  // applied with RTS below
    if (!WriteByte(port, speedCode)) return false;
    Settle(state, clock);
    if (!WriteByte(port, wire::kCradleCommit)) return false;
    Settle(state, clock);
    ApplyRts(port, state, true);
    Settle(state, clock);

    line.parity = 0;
    line.byteSize = 8;
    line.ctsOutputFlow = false;
    line.xonXoffOutput = false;
    return true;
}

}  // namespace termlink
