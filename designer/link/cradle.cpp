#include "designer/link/cradle.h"

#include <algorithm>

namespace termlink {
namespace {

// False when the transfer was stopped during the pause.
bool Settle(LinkState& state, common::Clock& clock, StopRequest* stop) {
    return PauseUnlessStopped(clock, static_cast<std::uint32_t>(std::max(state.settleDelayMs, 0)), stop);
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

bool ProbeIrCradle(SerialLink& port, LinkState& state, common::Clock& clock, std::uint32_t rate,
                   StopRequest* stop) {
    state.line.rate = rate;
    ApplyRts(port, state, false);
    bool going = Settle(state, clock, stop);
    if (going && state.probePurges) {
        port.Purge(true, true);
        going = Settle(state, clock, stop);
    }
    const bool sent = going && WriteByte(port, wire::kCradleProbe);
    const bool answered = sent && Settle(state, clock, stop) && EchoArrives(port, clock);
    // RTS goes back on even when stopped: the cradle then stays as it was.
    ApplyRts(port, state, true);
    Settle(state, clock, stop);
    state.settleDelayMs = 100;
    return answered;
}

bool ConfigureIrCradle(SerialLink& port, LinkState& state, common::Clock& clock, int speedIndex,
                       StopRequest* stop) {
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
    if (!Settle(state, clock, stop)) return false;

    bool found = ProbeIrCradle(port, state, clock, 9600, stop);
    if (found) {
        state.settleDelayMs = 200;
    } else {
        for (std::uint32_t rate : {115200u, 57600u, 38400u, 19200u}) {
            if (Stopped(stop)) return false;
            if ((found = ProbeIrCradle(port, state, clock, rate, stop))) break;
        }
    }
    if (!found || Stopped(stop)) return false;

    // The rate change is spoken at the detected rate, with RTS off. A stop
    // half way leaves the cradle at one of its rates, where the next
    // configuration finds it again.
    ApplyRts(port, state, false);
    if (!Settle(state, clock, stop) || !WriteByte(port, wire::kCradleSetRate) || !Settle(state, clock, stop)) {
        return false;
    }
    line.rate = RateOfSpeedIndex(speedIndex);  // applied with RTS below
    if (!WriteByte(port, speedCode) || !Settle(state, clock, stop)) return false;
    if (!WriteByte(port, wire::kCradleCommit) || !Settle(state, clock, stop)) return false;
    ApplyRts(port, state, true);
    if (!Settle(state, clock, stop)) return false;

    line.parity = 0;
    line.byteSize = 8;
    line.ctsOutputFlow = false;
    line.xonXoffOutput = false;
    return true;
}

}  // namespace termlink
