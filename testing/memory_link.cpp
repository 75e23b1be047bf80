#include "testing/memory_link.h"

#include <algorithm>

namespace test_support {

MemoryLinkPair::MemoryLinkPair(common::TestClock& clock) : host_(clock), far_(clock) {
    host_.peer_ = &far_;
    far_.peer_ = &host_;
}

bool MemoryLink::Open(const std::string& device) {
    if (openFails) return false;
    ops.push_back(Op::Open);
    openedDevice = device;
    open_ = true;
    return true;
}

void MemoryLink::Close() {
    if (!open_) return;
    ops.push_back(Op::Close);
    open_ = false;
    inbox_.clear();
}

bool MemoryLink::SetQueues(std::size_t inputBytes, std::size_t outputBytes) {
    ops.push_back(Op::SetQueues);
    queues.push_back({inputBytes, outputBytes});
    return true;
}

bool MemoryLink::Apply(const termlink::LineSettings& settings) {
    ops.push_back(Op::Apply);
    applied.push_back(settings);
    return !applyFails;
}

bool MemoryLink::SetTransferTimeouts() {
    ops.push_back(Op::SetTransferTimeouts);
    return true;
}

void MemoryLink::Purge(bool transmit, bool receive) {
    ops.push_back(Op::Purge);
    purges.push_back({transmit, receive});
    // Bytes still on their way count as received: a purge drops them too.
    if (receive) inbox_.clear();
}

bool MemoryLink::Write(const std::uint8_t* bytes, std::size_t count) {
    if (writeFails) return false;
    ops.push_back(Op::Write);
    std::vector<std::uint8_t> written(bytes, bytes + count);
    writes.push_back(written);
    const std::uint64_t readyAt = clock_.NowMs() + answerDelayMs;
    for (std::uint8_t b : written) peer_->inbox_.push_back({b, readyAt});
    if (onWrite) onWrite(written);
    return true;
}

bool MemoryLink::Write(const std::string& bytes) {
    return Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

int MemoryLink::Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) {
    if (readFails) return -1;
    waitMs = std::min(waitMs, termlink::kTransferDeadlineMs);
    const std::uint64_t deadline = clock_.NowMs() + waitMs;
    if (inbox_.empty() || inbox_.front().readyAtMs > deadline) {
        clock_.Advance(waitMs);
        return 0;
    }
    // Wait for the first byte, as a real port would, then take all that is there.
    if (inbox_.front().readyAtMs > clock_.NowMs()) clock_.Advance(inbox_.front().readyAtMs - clock_.NowMs());
    std::size_t n = 0;
    while (n < capacity && !inbox_.empty() && inbox_.front().readyAtMs <= clock_.NowMs()) {
        buffer[n++] = inbox_.front().byte;
        inbox_.pop_front();
    }
    return static_cast<int>(n);
}

std::string MemoryLink::Written() const {
    std::string all;
    for (const auto& w : writes) all.append(w.begin(), w.end());
    return all;
}

}  // namespace test_support
