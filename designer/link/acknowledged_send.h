#pragma once
// Stop-and-wait: one frame in flight, sent again until the terminal
// acknowledges it, at most seven times.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "designer/link/connection.h"
#include "designer/link/notice.h"

namespace termlink {

constexpr int kSendsPerFrame = 7;

// Writes the bytes and reads the reply by the connection's rule. A write
// that did not finish in time may still go out, so its reply is awaited all
// the same. Once the transfer was stopped nothing more is sent and the reply
// is empty.
std::string SendAndRead(Connection& connection, std::span<const std::uint8_t> bytes);
std::string SendAndRead(Connection& connection, std::string_view text);

// What to show when a frame is not taken. The progress window closes first.
struct SendFailureNotices {
    Notice full;            // the terminal answered "FULL": nothing more is sent
    Notice unacknowledged;  // kSendsPerFrame sends without "ACK"
};

// Sends the frame until the terminal answers "ACK"; false, with the
// matching notice shown, when it answers "FULL" or never acknowledges, and
// false without a word when the transfer was stopped.
bool SendWithAck(Connection& connection, std::span<const std::uint8_t> frame, const SendFailureNotices& notices);

}  // namespace termlink
