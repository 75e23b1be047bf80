#pragma once
// Hands out received bytes one at a time, as the protocols read them, while
// fetching from the port in larger pieces: a byte that arrives early waits
// here exactly as it would wait in the port's queue.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "common/clock.h"
#include "designer/link/serial_link.h"
#include "designer/link/stop_request.h"

namespace termlink {

class ByteReader {
public:
    // With a stop request, waits are cut into slices and end once it is given.
    ByteReader(SerialLink& port, common::Clock& clock, StopRequest* stop = nullptr)
        : port_(port), clock_(clock), stop_(stop) {}

    // The next byte, waiting in the port until the clock reaches `deadlineMs`;
    // nothing when no byte came by then, the port failed or the transfer was stopped.
    std::optional<std::uint8_t> Next(std::uint64_t deadlineMs);

    // Milliseconds from now, as a deadline for Next.
    std::uint64_t DeadlineIn(std::uint32_t ms) { return clock_.NowMs() + ms; }

private:
    SerialLink& port_;
    common::Clock& clock_;
    StopRequest* stop_;
    std::array<std::uint8_t, 256> buffer_{};
    std::size_t head_ = 0;
    std::size_t tail_ = 0;
};

}  // namespace termlink
