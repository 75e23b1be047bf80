#pragma once
// Two connected in-memory ports for tests: what one end writes the other
// reads. Each end records what was done to it (line settings, purges, queue
// sizes) so a test can check the exact sequence, and time runs on a
// common::TestClock: a read that finds nothing moves the clock by its wait,
// so a 3000 ms time-out costs no wall time.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "designer/link/serial_link.h"

namespace test_support {

class MemoryLinkPair;

class MemoryLink final : public termlink::SerialLink {
public:
    struct Purge {
        bool transmit = false;
        bool receive = false;
    };
    struct Queues {
        std::size_t input = 0;
        std::size_t output = 0;
    };
    // One operation on this end, in the order they happened.
    enum class Op { Open, Close, SetQueues, Apply, SetTransferTimeouts, Purge, Write };

    // Runs after this end wrote `bytes` (they already wait at the far end):
    // a test plays the terminal or the cradle here, usually by writing an
    // answer on the other end.
    std::function<void(const std::vector<std::uint8_t>& bytes)> onWrite;

    // Injected failures.
    bool openFails = false;
    bool applyFails = false;
    bool writeFails = false;
    bool readFails = false;

    // What was done to this end.
    std::vector<Op> ops;
    std::vector<termlink::LineSettings> applied;
    std::vector<Purge> purges;
    std::vector<Queues> queues;
    std::vector<std::vector<std::uint8_t>> writes;
    std::string openedDevice;

    // Bytes this end writes become readable at the far end this many
    // milliseconds later (a slow terminal or cradle).
    std::uint32_t answerDelayMs = 0;

    bool Open(const std::string& device) override;
    bool IsOpen() const override { return open_; }
    void Close() override;
    bool SetQueues(std::size_t inputBytes, std::size_t outputBytes) override;
    bool Apply(const termlink::LineSettings& settings) override;
    bool SetTransferTimeouts() override;
    void Purge(bool transmit, bool receive) override;
    bool Write(const std::uint8_t* bytes, std::size_t count) override;
    int Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) override;

    // Convenience for tests.
    bool Write(const std::string& bytes);
    // The settings of the last Apply (all zero before the first).
    termlink::LineSettings Current() const { return applied.empty() ? termlink::LineSettings{} : applied.back(); }
    // Every byte this end has written, joined.
    std::string Written() const;
    // Bytes waiting to be read here, ready or not yet.
    std::size_t Pending() const { return inbox_.size(); }

private:
    friend class MemoryLinkPair;
    struct Arrival {
        std::uint8_t byte;
        std::uint64_t readyAtMs;
    };

    MemoryLink(common::TestClock& clock) : clock_(clock) {}

    common::TestClock& clock_;
    MemoryLink* peer_ = nullptr;
    std::deque<Arrival> inbox_;
    bool open_ = false;
};

class MemoryLinkPair {
public:
    explicit MemoryLinkPair(common::TestClock& clock);
    MemoryLinkPair(const MemoryLinkPair&) = delete;
    MemoryLinkPair& operator=(const MemoryLinkPair&) = delete;

    // The end the code under test uses, and the far end a test plays.
    MemoryLink& host() { return host_; }
    MemoryLink& far() { return far_; }

private:
    MemoryLink host_;
    MemoryLink far_;
};

}  // namespace test_support
