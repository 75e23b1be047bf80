#include "loader/link/handshake_reply.h"

#include <algorithm>

namespace loader {
namespace {

constexpr std::string_view kAck = "ACK";
constexpr std::size_t kKeptReply = 9;

// Places five and six of a terminal's identifier name its region.
bool HasRegionRu(std::string_view id) { return id.size() >= 6 && id.substr(4, 2) == "RU"; }

}  // namespace

FirmwareId TerminalIdOf(std::string_view reply) {
    FirmwareId id{};
    const std::string_view kept = reply.substr(0, std::min(reply.size(), kKeptReply));
    std::copy(kept.begin(), kept.end(), id.begin());
    return id;
}

std::string_view TerminalIdText(const FirmwareId& id) {
    const auto end = std::find(id.begin(), id.end(), Byte{0});
    return {reinterpret_cast<const char*>(id.data()), static_cast<std::size_t>(end - id.begin())};
}

std::optional<std::string> CheckTaskSignature(std::string_view reply, const FirmwareId& signature) {
    const std::string_view expected = TerminalIdText(signature);
    if (reply != kAck) return std::string(expected);
    if (HasRegionRu(expected)) return std::nullopt;
    return std::string(kAck);
}

ReplyVerdict JudgeHandshakeReply(std::string_view reply, const FirmwareId& signature) {
    if (HasRegionRu(reply)) return ReplyVerdict::Accepted;
    if (reply.size() <= 1) return ReplyVerdict::Silent;
    const std::optional<std::string> expected = CheckTaskSignature(reply, signature);
    if (!expected) return ReplyVerdict::Mismatch;
    return reply == *expected ? ReplyVerdict::Accepted : ReplyVerdict::TryAgain;
}

}  // namespace loader
