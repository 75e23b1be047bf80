#include "designer/link/reply.h"

#include <algorithm>

#include "designer/link/protocol.h"

namespace termlink {

std::string ReadReply(ByteReader& reader, const ReplyRule& rule) {
    std::string reply;
    const std::uint64_t deadline = reader.DeadlineIn(rule.timeoutMs);
    while (reply.size() < rule.limit && (reply.empty() || reply.back() != wire::kCr)) {
        const auto byte = reader.Next(deadline);
        if (!byte) break;
        reply.push_back(static_cast<char>(*byte));
    }
    if (!reply.empty() && reply.back() == wire::kCr) reply.pop_back();
    reply.erase(std::find(reply.begin(), reply.end(), '\0'), reply.end());
    return reply;
}

ReceivedFrame ReadFrame(ByteReader& reader, std::uint32_t timeoutMs, std::size_t kept) {
    ReceivedFrame frame;
    const std::uint64_t deadline = reader.DeadlineIn(timeoutMs);
    while (const auto byte = reader.Next(deadline)) {
        if (frame.bytes.size() < kept) frame.bytes.push_back(static_cast<char>(*byte));
        if (*byte == wire::kCr) {
            frame.ended = true;
            break;
        }
    }
    return frame;
}

}  // namespace termlink
