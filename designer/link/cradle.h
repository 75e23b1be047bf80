#pragma once
// The infrared cradle: it sits between the port and the terminal and must be
// switched to the transfer speed before a transfer. While RTS is off it
// echoes a probe byte sent at its current rate, and a rate command (see
// protocol.h) sets its new rate, in force once RTS is on again.
#include <cstdint>

#include "common/clock.h"
#include "designer/link/protocol.h"
#include "designer/link/serial_link.h"
#include "designer/link/stop_request.h"

namespace termlink {

// What the link keeps for the whole program run: the line settings are
// never read back from the port, so once a cradle configuration has turned
// DTR and RTS on they stay on for later direct transfers too.
struct LinkState {
    LineSettings line;
    int settleDelayMs = 200;  // the pause between cradle steps
    bool probePurges = true;  // the loader's probe leaves the port's buffers alone
};

// How long an echo of the probe may take.
constexpr std::uint32_t kCradleAnswerMs = 100;

// The byte that asks the cradle for a speed index's rate: '6' for 115200
// down to '2' for 9600; 0 for an index out of range.
std::uint8_t CradleSpeedCode(int speedIndex);

// Whether the cradle echoes the probe at `rate`. Leaves RTS on and the
// settle delay at 100 ms. Its pauses end early once `stop` is given.
bool ProbeIrCradle(SerialLink& port, LinkState& state, common::Clock& clock, std::uint32_t rate,
                   StopRequest* stop = nullptr);

// Finds the rate the cradle listens at and moves it, and the port, to the
// rate of `speedIndex`. False when the cradle answers at none of the five
// rates or the index is out of range (nothing is sent then), and as soon as
// `stop` is given.
bool ConfigureIrCradle(SerialLink& port, LinkState& state, common::Clock& clock, int speedIndex,
                       StopRequest* stop = nullptr);

}  // namespace termlink
