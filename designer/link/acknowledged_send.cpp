#include "designer/link/acknowledged_send.h"

#include "designer/link/protocol.h"

namespace termlink {

std::string SendAndRead(Connection& connection, std::span<const std::uint8_t> bytes) {
    if (connection.Stopped()) return {};
    connection.context.port.Write(bytes.data(), bytes.size());
    return ReadReply(connection.reader, connection.reply);
}

std::string SendAndRead(Connection& connection, std::string_view text) {
    return SendAndRead(connection, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

bool SendWithAck(Connection& connection, std::span<const std::uint8_t> frame, const SendFailureNotices& notices) {
    for (int send = 0; send < kSendsPerFrame; ++send) {
        const std::string reply = SendAndRead(connection, frame);
        if (reply == wire::Word(wire::kAck)) return true;
        if (connection.Stopped()) return false;
        if (reply == wire::Word(wire::kFull)) {
            connection.Tell(notices.full);
            return false;
        }
    }
    connection.Tell(notices.unacknowledged);
    return false;
}

}  // namespace termlink
