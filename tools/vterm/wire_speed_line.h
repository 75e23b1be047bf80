#pragma once
// A line that takes as long as a real wire: every byte costs ten bit times
// at the line's rate (start bit, eight data bits, stop bit), both for what
// is sent and for what is received, so a transfer through it lasts what it
// would last between a computer and a terminal.
#include <chrono>
#include <functional>

#include "designer/link/forwarding_link.h"

namespace vterm {

class WireSpeedLine final : public termlink::ForwardingLink {
public:
    WireSpeedLine(termlink::SerialLink& inner, std::function<std::uint32_t()> rate)
        : ForwardingLink(inner), rate_(std::move(rate)) {}

    // Sends the bytes when their last one would have left the wire.
    bool Write(const std::uint8_t* bytes, std::size_t count) override;
    // Hands bytes over when their last one would have arrived.
    int Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) override;

private:
    using Time = std::chrono::steady_clock::time_point;
    // Ten bit times a byte at the line's rate; nothing when it is unknown.
    Time::duration WireTime(std::size_t count) const;
    // When `count` bytes starting no earlier than `busyUntil` are through.
    Time Through(Time& busyUntil, std::size_t count);
    // Sleeps until `when`, less what earlier sleeps overslept: the system
    // wakes a sleeper late, and thousands of short frames would add that up.
    void SleepUntil(Time when, Time::duration wire);

    std::function<std::uint32_t()> rate_;
    Time sendBusyUntil_{};
    Time receiveBusyUntil_{};
    Time::duration overslept_{};
};

}  // namespace vterm
