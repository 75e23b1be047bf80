#include "designer/link/byte_reader.h"

#include <algorithm>

namespace termlink {

std::optional<std::uint8_t> ByteReader::Next(std::uint64_t deadlineMs) {
    if (head_ < tail_) return buffer_[head_++];
    const bool sliced = stop_ != nullptr && stop_->CanBeGiven();
    const std::uint64_t longestWait = sliced ? kStopPollMs : kTransferDeadlineMs;
    for (;;) {
        if (Stopped(stop_)) return std::nullopt;
        const std::uint64_t now = clock_.NowMs();
        // The last round, at the deadline itself, only collects what is already there.
        const auto waitMs =
            static_cast<std::uint32_t>(now < deadlineMs ? std::min<std::uint64_t>(deadlineMs - now, longestWait) : 0);
        const int received = port_.Read(buffer_.data(), buffer_.size(), waitMs);
        if (received > 0) {
            head_ = 1;
            tail_ = static_cast<std::size_t>(received);
            return buffer_[0];
        }
        if (received < 0 || waitMs == 0) return std::nullopt;
    }
}

}  // namespace termlink
