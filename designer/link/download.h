#pragma once
// Putting a task or a lookup file on the terminal: handshake, then frames
// sent one at a time, each until the terminal acknowledges it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "designer/link/connection.h"
#include "designer/link/link_context.h"

namespace termlink {

constexpr std::uint32_t kReplyTimeoutMs = 3000;
constexpr std::size_t kReplyLimit = 10;

// One reply: bytes up to a CR, at most kReplyLimit of them, within
// kReplyTimeoutMs; the CR is dropped. Empty when nothing came.
std::string ReadReply(Connection& connection);
std::string SendAndRead(Connection& connection, const std::uint8_t* bytes, std::size_t count);

// Three tries of "CIPHER\r". In task mode the terminal must answer with the
// task's firmware identifier, in lookup mode with "ACK".
bool Handshake(Connection& connection, bool lookupMode);

// Sends the frame up to seven times until the terminal answers "ACK".
bool SendWithAck(Connection& connection, const std::uint8_t* frame, std::size_t count);

// Builds the task's image (normalising the task) and sends its 200 blocks.
bool SendTaskImage(Connection& connection);

// Sends every line of `content`, then "OVER\r". No line may be longer than
// kMaxLookupLineLength (FindOverlongLookupLine).
bool SendLookupFile(Connection& connection, std::string_view content);

struct DownloadResult {
    int code = -1;           // -1 not started, 0 a setting refused or the file choice cancelled, 1 finished
    bool delivered = false;  // every frame was acknowledged
};

// The designer's "Download Application" (lookupMode 0) and "Download Lookup
// File" (lookupMode 1), retried from the start as long as the user asks to.
DownloadResult DownloadToTerminal(LinkContext& context, int lookupMode, bool withCradle);

}  // namespace termlink
