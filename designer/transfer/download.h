#pragma once
// Putting a task or a lookup file on the terminal: handshake, then frames
// sent one at a time, each until the terminal acknowledges it.
#include <string_view>

#include "designer/link/connection.h"
#include "designer/transfer/transfer_context.h"

namespace transfer {

// The designer reads at most 10 reply bytes within 3000 ms.
constexpr termlink::ReplyRule kDesignerReplies{3000, 10};

// Three tries of "CIPHER\r". In task mode the terminal must answer with the
// task's firmware identifier, in lookup mode with "ACK". The progress window
// tells each try.
bool Handshake(TransferContext& context, termlink::Connection& connection, bool lookupMode);

// Builds the task's image (normalising the task) and sends its 200 blocks.
bool SendTaskImage(TransferContext& context, termlink::Connection& connection);

// Sends every line of `content` (lookup_lines.h), then "OVER\r". No line may
// be longer than termlink::kMaxLookupLineLength (FindOverlongLookupLine).
bool SendLookupFile(TransferContext& context, termlink::Connection& connection, std::string_view content);

struct DownloadResult {
    int code = -1;           // -1 not started, 0 a setting refused or the file choice cancelled, 1 finished
    bool delivered = false;  // every frame was acknowledged
};

// The designer's "Download Application" (lookupMode 0) and "Download Lookup
// File" (lookupMode 1), retried from the start as long as the user asks to.
// Cancel on the progress window ends it at once, with the port closed and
// no message.
DownloadResult DownloadToTerminal(TransferContext& context, int lookupMode, bool withCradle);

}  // namespace transfer
