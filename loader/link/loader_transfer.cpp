#include "loader/link/loader_transfer.h"

#include <algorithm>

#include "designer/link/acknowledged_send.h"
#include "designer/link/attempts.h"
#include "designer/link/connection.h"
#include "designer/link/frames.h"
#include "designer/link/port_setup.h"
#include "designer/link/protocol.h"
#include "loader/link/loader_handshake.h"
#include "loader/link/loader_image.h"
#include "loader/link/loader_notices.h"
#include "loader/link/thread_priority.h"
#include "loader/loader_string_ids.h"
#include "loader/loader_strings.h"

namespace loader {
namespace {

constexpr std::size_t kOutputQueue = 1200;
constexpr int kCradleLink = 1;

constexpr std::uint32_t kReplyTimeoutMs = 2000;
constexpr std::size_t kFirstReplyLimit = 16;
constexpr std::size_t kBatchReplyLimit = 10;

// The window the loader's transfers have always shown.
constexpr int kProgressBarId = 1009;
constexpr int kFirstRangeEnd = 100;
constexpr int kBlockRangeEnd = 200;
constexpr int kProgressBeforeFirstBlock = 5;

std::unique_ptr<common::ProgressWindow> OpenProgress(common::UiPort& ui) {
    auto progress = ui.OpenProgress(common::ProgressLook{LoaderText(ids::kTransferCaption),
                                                         LoaderText(ids::kTransferLabel), "PROGRESSDLG", 0,
                                                         kProgressBarId});
    progress->SetRange(0, kFirstRangeEnd);
    progress->SetPosition(0);
    return progress;
}

class Attempt {
public:
    Attempt(termlink::LinkContext& context, LoaderSession& session, const LoadedTask& task, bool commandLineMode,
            TransferOutcome& outcome)
        : context_(context), session_(session), task_(task), commandLineMode_(commandLineMode), outcome_(outcome) {}

    termlink::AttemptEnd Run() {
        session_.port.SetTransferTimeouts();
        termlink::Connection connection(context_, session_.reply);
        const std::optional<FirmwareId> terminal = LoaderHandshake(connection, SignatureOf(task_));
        if (!terminal) return termlink::AttemptEnd::Failed;
        outcome_.terminalId = std::string(TerminalIdText(*terminal));

        const std::optional<LoaderImage> image = BuildLoaderImage(task_, *terminal);
        if (!image) {
            termlink::Show(session_.ui, FirmwareMismatch());
            return termlink::AttemptEnd::Failed;
        }
        // The limit stays for the rest of the session, later handshakes included.
        session_.reply.limit = image->mode == LoaderMode::Radio ? kFirstReplyLimit : kBatchReplyLimit;
        connection.reply = session_.reply;

        connection.progress = OpenProgress(session_.ui);
        connection.progress->SetRange(0, kBlockRangeEnd);  // one step a block
        if (!SendBlocks(connection, *image)) {
            // The user's Cancel ends the load without asking to try again.
            return connection.Stopped() ? termlink::AttemptEnd::Stopped : termlink::AttemptEnd::Failed;
        }
        connection.progress.reset();
        if (!commandLineMode_) termlink::Show(session_.ui, LoadComplete());
        return termlink::AttemptEnd::Delivered;
    }

private:
    bool SendBlocks(termlink::Connection& connection, const LoaderImage& image) {
        const termlink::SendFailureNotices notices = BlockSendNotices();
        for (int n = 0; n < image.blocks; ++n) {
            constexpr std::size_t kSize = termlink::wire::kBlockDataSize;
            const termlink::BlockData data(&image.bytes[static_cast<std::size_t>(n) * kSize], kSize);
            const termlink::TaskBlockFrame frame = termlink::MakeTaskBlockFrame(data, n);
            {
                RaisedPriority raised;
                if (!termlink::SendWithAck(connection, frame, notices)) return false;
            }
            connection.progress->SetPosition(std::min(kProgressBeforeFirstBlock + n + 1, kBlockRangeEnd));
        }
        return true;
    }

    termlink::LinkContext& context_;
    LoaderSession& session_;
    const LoadedTask& task_;
    bool commandLineMode_;
    TransferOutcome& outcome_;
};

}  // namespace

LoaderSession::LoaderSession(common::UiPort& u, common::Clock& c, termlink::SerialLink& p)
    : ui(u), clock(c), port(p), reply{kReplyTimeoutMs, kFirstReplyLimit} {
    state.probePurges = false;
}

std::string LoaderPortDevice(int portNumber) { return "\\\\.\\COM" + std::to_string(portNumber); }

TransferOutcome RunLoaderTransfer(LoaderSession& session, const LoadedTask& task, const LoadTarget& target,
                                  bool commandLineMode) {
    termlink::LinkContext context{session.ui, session.clock, session.port, session.state,
                                  LoaderPortDevice(target.portNumber), target.speedIndex};
    TransferOutcome outcome;
    switch (termlink::PreparePort(context, kOutputQueue, target.linkType == kCradleLink)) {
        case termlink::PortSetup::Ready: break;
        case termlink::PortSetup::CannotOpen:
            termlink::Show(session.ui, LoaderError(ids::kPortOpenFailed));
            return outcome;
        case termlink::PortSetup::CradleFailed:
            termlink::Show(session.ui, LoaderError(ids::kCradleSetupFailed));
            return outcome;
        case termlink::PortSetup::SettingsRefused:
            termlink::Show(session.ui, LoaderError(ids::kLineSettingsRefused));
            outcome.code = 0;
            return outcome;
        // Only a stop request ends the setup so, and the loader gives none: the port is closed, nothing to tell.
        case termlink::PortSetup::Stopped: return outcome;
    }
    Attempt attempt(context, session, task, commandLineMode, outcome);
    const termlink::AttemptEnd end =
        termlink::RepeatWhileAsked(session.ui, RetryQuestion(), [&] { return attempt.Run(); });
    session.port.Purge(true, true);
    session.port.Close();
    outcome.code = 1;
    outcome.delivered = end == termlink::AttemptEnd::Delivered;
    return outcome;
}

}  // namespace loader
