#include "loader/link/loader_handshake.h"

#include "designer/link/acknowledged_send.h"
#include "designer/link/protocol.h"
#include "loader/link/handshake_reply.h"
#include "loader/link/loader_notices.h"
#include "loader/loader_string_ids.h"

namespace loader {
namespace {

constexpr int kAttempts = 3;
constexpr std::uint32_t kPauseMs = 100;
// A line that never stops talking must not hold the handshake up for ever.
constexpr int kMostStaleBytes = 4096;

void ForgetStaleBytes(termlink::Connection& connection) {
    const std::uint64_t now = connection.context.clock.NowMs();
    for (int dropped = 0; dropped < kMostStaleBytes && connection.reader.Next(now); ++dropped) {
    }
}

}  // namespace

std::optional<FirmwareId> LoaderHandshake(termlink::Connection& connection, const FirmwareId& signature) {
    common::UiPort& ui = connection.context.ui;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        connection.context.clock.SleepMs(kPauseMs);
        ForgetStaleBytes(connection);
        const std::string reply = termlink::SendAndRead(connection, termlink::wire::kHandshake);
        switch (JudgeHandshakeReply(reply, signature)) {
            case ReplyVerdict::Accepted: return TerminalIdOf(reply);
            case ReplyVerdict::Silent: return std::nullopt;
            case ReplyVerdict::Mismatch:
                termlink::Show(ui, FirmwareMismatch());
                return std::nullopt;
            case ReplyVerdict::TryAgain: break;
        }
    }
    termlink::Show(ui, LoaderError(ids::kTerminalNotReady));
    return std::nullopt;
}

}  // namespace loader
