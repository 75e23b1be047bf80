#include "designer/transfer/download.h"

#include <algorithm>
#include <optional>

#include "common/whole_file.h"
#include "designer/link/acknowledged_send.h"
#include "designer/link/attempts.h"
#include "designer/link/frames.h"
#include "designer/link/port_setup.h"
#include "designer/link/protocol.h"
#include "designer/strings/string_ids.h"
#include "designer/task/slot_text.h"
#include "designer/transfer/lookup_lines.h"
#include "designer/transfer/terminal_image.h"

namespace transfer {
namespace {

namespace id = strings::id;

using common::MessageIcon;
using termlink::AttemptEnd;
using termlink::Connection;
using termlink::PortSetup;
namespace wire = termlink::wire;

constexpr int kHandshakeAttempts = 3;
constexpr std::size_t kLookupChunk = 128;
constexpr std::size_t kDownloadOutputQueue = 1200;
// Far more than a terminal holds: a larger file is not a lookup file.
constexpr std::size_t kMaxLookupFileSize = 16 << 20;

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

void SetProgress(Connection& connection, int percent) {
    if (connection.progress) connection.progress->SetPosition(std::min(percent, 100));
}

// The identifier the terminal must name; a task without one expects the designer's own.
std::string FirmwareIdOf(const task::TaskModel& model) {
    const std::string text = task::TextBeforeZero(model.firmwareId);
    return text.empty() ? std::string(task::kFirmwareId) : text;
}

termlink::SendFailureNotices SendNotices(TransferContext& context) {
    return {PortNoticeOf(context, id::kErrorCaption, id::kMemoryFull),
            PortNoticeOf(context, id::kErrorCaption, id::kErrorOnDownloading)};
}

// Asks for the lookup file and reads it whole; checks every line before anything is sent.
// Nothing when the user cancelled (code 0) or the file is refused (code -1).
std::optional<std::string> ChooseLookupFile(TransferContext& context, int& code) {
    common::FileChooser chooser;
    chooser.filters = {{context.strings.Direct(id::kLookupFilesFilter), "*.TXT"},
                       {context.strings.Direct(id::kAllFilesFilter), "*.*"}};
    chooser.defaultExtension = "TXT";
    chooser.initialPath = context.lookupPath;
    const auto path = context.link.ui.ChooseOpenFile(chooser);
    if (!path) {
        code = 0;
        return std::nullopt;
    }
    context.lookupPath = *path;
    code = -1;
    common::WholeFile file = common::ReadWholeFile(*path, kMaxLookupFileSize);
    if (file.status != common::WholeFileStatus::Ok) {
        Tell(context, id::kErrorCaption,
             file.status == common::WholeFileStatus::TooLarge ? id::kLookupFileTooLarge : id::kCannotOpenFile,
             MessageIcon::Warning);
        return std::nullopt;
    }
    std::string& content = file.bytes;
    if (const auto line = FindOverlongLookupLine(content)) {
        context.link.ui.ShowMessage(
            context.strings.Lookup(id::kErrorCaption, text::LookupKind::Caption),
            WithNumber(context.strings.Lookup(id::kLookupLineTooLong, text::LookupKind::Message), *line),
            MessageIcon::Warning);
        return std::nullopt;
    }
    return std::move(content);
}

bool Transfer(TransferContext& context, Connection& connection, bool lookupMode, std::string_view lookupContent) {
    if (!Handshake(context, connection, lookupMode)) return false;
    connection.SetStatus(context.strings.Direct(id::kProgressLabel));
    SetProgress(connection, 0);
    return lookupMode ? SendLookupFile(context, connection, lookupContent) : SendTaskImage(context, connection);
}

// Opens and prepares the port with the progress window up, so the user sees
// which port is being set up and may stop it. A failure is told and stops
// the command; `code` says why.
bool Connect(TransferContext& context, Connection& connection, bool withCradle, int& code) {
    const PortSetup setup =
        termlink::PreparePort(context.link, kDownloadOutputQueue, withCradle, &connection.stop);
    const auto fail = [&](int textId, int result) {
        connection.Tell(PortNoticeOf(context, id::kErrorCaption, textId));
        code = result;
        return false;
    };
    switch (setup) {
        case PortSetup::Ready: return true;
        case PortSetup::CannotOpen: return fail(id::kCannotOpenPort, -1);
        case PortSetup::CradleFailed: return fail(id::kFailedToConfigureIr, -1);
        case PortSetup::SettingsRefused: return fail(id::kErrorOnCommState, 0);
        case PortSetup::Stopped: break;
    }
    code = 1;
    return false;
}

// One attempt, from the file choice to the last frame. The port is left
// open for the retry question; `code` says why a stopped attempt stopped.
AttemptEnd Attempt(TransferContext& context, bool lookupMode, bool withCradle, int& code) {
    std::string content;
    if (lookupMode) {
        auto chosen = ChooseLookupFile(context, code);
        if (!chosen) return AttemptEnd::Stopped;
        content = std::move(*chosen);
    }
    Connection connection(context.link, kDesignerReplies);
    connection.progress = context.link.ui.OpenProgress(
        ProgressLookOf(context, StatusText(context, withCradle ? id::kStatusCradle : id::kStatusOpening)));
    if (!Connect(context, connection, withCradle, code)) return AttemptEnd::Stopped;

    const bool delivered = Transfer(context, connection, lookupMode, content);
    connection.progress.reset();
    if (delivered) {
        Tell(context, id::kDownloadCaption, id::kDownloadedCompletely, MessageIcon::Information);
        return AttemptEnd::Delivered;
    }
    // The user's Cancel ends the command without a question.
    if (connection.Stopped()) {
        code = 1;
        return AttemptEnd::Stopped;
    }
    return AttemptEnd::Failed;
}

}  // namespace

bool Handshake(TransferContext& context, Connection& connection, bool lookupMode) {
    const std::string firmwareId = FirmwareIdOf(context.task.model);
    for (int attempt = 0; attempt < kHandshakeAttempts; ++attempt) {
        connection.SetStatus(StatusText(context, id::kStatusHandshake, attempt + 1));
        const std::string reply = SendAndRead(connection, wire::kHandshake);
        if (connection.Stopped()) return false;
        if (lookupMode) {
            if (Contains(reply, wire::Word(wire::kAck))) return true;
        } else {
            if (Contains(reply, wire::Word(wire::kNak))) continue;
            if (Contains(reply, firmwareId)) return true;
        }
        if (reply.size() > 1) {
            SendAndRead(connection, wire::kNak);
            if (connection.Stopped()) return false;
            // In lookup mode this says what went wrong; the retry question follows.
            connection.Tell(PortNoticeOf(context, id::kWarningCaption,
                                         lookupMode ? id::kLookupNotAwaited : id::kVersionIncompatible));
            return false;
        }
    }
    connection.Tell(PortNoticeOf(context, id::kErrorCaption, id::kTerminalNotReady));
    return false;
}

bool SendTaskImage(TransferContext& context, Connection& connection) {
    const termlink::SendFailureNotices notices = SendNotices(context);
    // Rebuilt for every attempt: the task may have changed in between.
    const TerminalImage image = BuildTerminalImage(context.task.model);
    for (int block = 0; block < static_cast<int>(kImageBlockCount); ++block) {
        const termlink::TaskBlockFrame frame = termlink::MakeTaskBlockFrame(ImageBlock(image, block), block);
        if (!SendWithAck(connection, frame, notices)) return false;
        SetProgress(connection, 5 + (block + 1) / 2);
    }
    SetProgress(connection, 100);
    return true;
}

bool SendLookupFile(TransferContext& context, Connection& connection, std::string_view content) {
    const termlink::SendFailureNotices notices = SendNotices(context);
    const LookupLineSplitter::LineSink sendLine = [&](std::string_view line) {
        const std::vector<std::uint8_t> frame = termlink::MakeLookupLineFrame(line);
        return SendWithAck(connection, frame, notices);
    };
    LookupLineSplitter splitter;
    for (std::size_t start = 0; start < content.size(); start += kLookupChunk) {
        const std::size_t end = std::min(start + kLookupChunk, content.size());
        if (!splitter.Feed(content.substr(start, end - start), sendLine)) return false;
        SetProgress(connection, static_cast<int>(end * 100 / content.size()));
    }
    if (!splitter.Finish(sendLine)) return false;
    SetProgress(connection, 100);
    const auto over = reinterpret_cast<const std::uint8_t*>(wire::kOver.data());
    return SendWithAck(connection, {over, wire::kOver.size()}, notices);
}

DownloadResult DownloadToTerminal(TransferContext& context, int lookupMode, bool withCradle) {
    termlink::SerialLink& port = context.link.port;
    // What the terminal still sends after the end is dropped with the port.
    const auto closePort = [&port] {
        port.Purge(false, true);
        port.Close();
    };
    int code = 1;
    const AttemptEnd end = termlink::RepeatWhileAsked(
        context.link.ui, NoticeOf(context, id::kErrorCaption, id::kRetryQuestion, MessageIcon::Question),
        [&] { return Attempt(context, lookupMode != 0, withCradle, code); }, closePort);
    // A port that failed to be prepared is closed already; a stopped or finished transfer's is not.
    if (port.IsOpen()) closePort();
    if (end == AttemptEnd::Stopped) return {code, false};
    return {1, end == AttemptEnd::Delivered};
}

}  // namespace transfer
