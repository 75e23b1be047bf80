#include "designer/link/download.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>

#include "designer/link/frames.h"
#include "designer/link/port_setup.h"
#include "designer/link/terminal_image.h"
#include "designer/strings/string_ids.h"
#include "designer/task/slot_text.h"

namespace termlink {
namespace {

namespace id = strings::id;

using common::MessageIcon;

constexpr int kHandshakeAttempts = 3;
constexpr int kSendsPerFrame = 7;
constexpr std::size_t kLookupChunk = 128;
constexpr std::size_t kDownloadOutputQueue = 1200;

constexpr std::string_view kHandshake = "CIPHER\r";
constexpr std::string_view kRefusal = "NAK\r";
constexpr std::string_view kEndOfLookupFile = "OVER\r";

const std::uint8_t* Bytes(std::string_view text) { return reinterpret_cast<const std::uint8_t*>(text.data()); }

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

void SetProgress(Connection& connection, int percent) {
    if (connection.progress) connection.progress->SetPosition(std::min(percent, 100));
}

// The identifier the terminal must name; a task without one expects the designer's own.
std::string FirmwareIdOf(const task::TaskModel& model) {
    const std::string text = task::TextBeforeZero(model.firmwareId);
    return text.empty() ? std::string(task::kFirmwareId) : text;
}

void Fail(Connection& connection, int textId) {
    connection.progress.reset();
    Tell(connection.context, id::kErrorCaption, textId, MessageIcon::Warning);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return content;
}

// Asks for the lookup file and reads it whole; checks every line before anything is sent.
// Nothing when the user cancelled (code 0) or the file is refused (code -1).
std::optional<std::string> ChooseLookupFile(LinkContext& context, int& code) {
    common::FileChooser chooser;
    chooser.filters = {{"Lookup data files {*.TXT}", "*.TXT"}, {"All files (*.*)", "*.*"}};
    chooser.defaultExtension = "TXT";
    chooser.initialPath = context.lookupPath;
    const auto path = context.ui.ChooseOpenFile(chooser);
    if (!path) {
        code = 0;
        return std::nullopt;
    }
    context.lookupPath = *path;
    code = -1;
    auto content = ReadWholeFile(*path);
    if (!content) {
        Tell(context, id::kErrorCaption, id::kCannotOpenFile, MessageIcon::Warning);
        return std::nullopt;
    }
    if (const auto line = FindOverlongLookupLine(*content)) {
        context.ui.ShowMessage(
            context.strings.Lookup(id::kErrorCaption, text::LookupKind::Caption),
            WithNumber(context.strings.Lookup(id::kLookupLineTooLong, text::LookupKind::Message), *line),
            MessageIcon::Warning);
        return std::nullopt;
    }
    return content;
}

bool Transfer(Connection& connection, bool lookupMode, std::string_view lookupContent) {
    if (!Handshake(connection, lookupMode)) return false;
    LinkContext& context = connection.context;
    connection.progress = context.ui.OpenProgress(context.strings.Direct(id::kProgressCaption),
                                                  context.strings.Direct(id::kProgressLabel));
    SetProgress(connection, 0);
    return lookupMode ? SendLookupFile(connection, lookupContent) : SendTaskImage(connection);
}

}  // namespace

std::string ReadReply(Connection& connection) {
    std::string reply;
    const std::uint64_t deadline = connection.reader.DeadlineIn(kReplyTimeoutMs);
    while (reply.size() < kReplyLimit && (reply.empty() || reply.back() != '\r')) {
        const auto byte = connection.reader.Next(deadline);
        if (!byte) break;
        reply.push_back(static_cast<char>(*byte));
    }
    if (!reply.empty() && reply.back() == '\r') reply.pop_back();
    // The reply is compared as a zero-terminated text.
    reply.erase(std::find(reply.begin(), reply.end(), '\0'), reply.end());
    return reply;
}

std::string SendAndRead(Connection& connection, const std::uint8_t* bytes, std::size_t count) {
    // A write that did not finish in time may still go out; its reply is awaited all the same.
    connection.context.port.Write(bytes, count);
    return ReadReply(connection);
}

bool Handshake(Connection& connection, bool lookupMode) {
    LinkContext& context = connection.context;
    const std::string firmwareId = FirmwareIdOf(context.task.model);
    for (int attempt = 0; attempt < kHandshakeAttempts; ++attempt) {
        const std::string reply = SendAndRead(connection, Bytes(kHandshake), kHandshake.size());
        if (lookupMode) {
            if (Contains(reply, "ACK")) return true;
        } else {
            if (Contains(reply, "NAK")) continue;
            if (Contains(reply, firmwareId)) return true;
        }
        if (reply.size() > 1) {
            SendAndRead(connection, Bytes(kRefusal), kRefusal.size());
            Tell(context, id::kWarningCaption, lookupMode ? id::kRetryQuestion : id::kVersionIncompatible,
                 MessageIcon::Warning);
            return false;
        }
    }
    Tell(context, id::kErrorCaption, id::kTerminalNotReady, MessageIcon::Warning);
    return false;
}

bool SendWithAck(Connection& connection, const std::uint8_t* frame, std::size_t count) {
    for (int send = 0; send < kSendsPerFrame; ++send) {
        const std::string reply = SendAndRead(connection, frame, count);
        if (reply == "FULL") {
            Fail(connection, id::kMemoryFull);
            return false;
        }
        if (reply == "ACK") return true;
    }
    Fail(connection, id::kErrorOnDownloading);
    return false;
}

bool SendTaskImage(Connection& connection) {
    // Rebuilt for every attempt: the task may have changed in between.
    const TerminalImage image = BuildTerminalImage(connection.context.task.model);
    for (int block = 0; block < static_cast<int>(kImageBlockCount); ++block) {
        const TaskBlockFrame frame = MakeTaskBlockFrame(image, block);
        if (!SendWithAck(connection, frame.data(), frame.size())) return false;
        SetProgress(connection, 5 + (block + 1) / 2);
    }
    SetProgress(connection, 100);
    return true;
}

bool SendLookupFile(Connection& connection, std::string_view content) {
    std::string line;
    const auto sendLine = [&] {
        const std::vector<std::uint8_t> frame = MakeLookupLineFrame(line);
        line.clear();
        return SendWithAck(connection, frame.data(), frame.size());
    };
    for (std::size_t start = 0; start < content.size(); start += kLookupChunk) {
        const std::size_t end = std::min(start + kLookupChunk, content.size());
        for (std::size_t i = start; i < end; ++i) {
            const auto c = static_cast<std::uint8_t>(content[i]);
            if (c == kCr) {
                if (!sendLine()) return false;
            } else if (c != kLf) {
                line.push_back(static_cast<char>(c));
            }
        }
        SetProgress(connection, static_cast<int>(end * 100 / content.size()));
    }
    if (!line.empty() && !sendLine()) return false;
    SetProgress(connection, 100);
    return SendWithAck(connection, Bytes(kEndOfLookupFile), kEndOfLookupFile.size());
}

DownloadResult DownloadToTerminal(LinkContext& context, int lookupMode, bool withCradle) {
    const bool lookup = lookupMode != 0;
    for (;;) {
        std::string content;
        if (lookup) {
            int code = 0;
            auto chosen = ChooseLookupFile(context, code);
            if (!chosen) return {code, false};
            content = std::move(*chosen);
        }
        switch (PreparePort(context, kDownloadOutputQueue, withCradle)) {
            case PortSetup::Ready: break;
            case PortSetup::CannotOpen:
                Tell(context, id::kErrorCaption, id::kCannotOpenPort, MessageIcon::Warning);
                return {-1, false};
            case PortSetup::CradleFailed:
                Tell(context, id::kErrorCaption, id::kFailedToConfigureIr, MessageIcon::Warning);
                return {-1, false};
            case PortSetup::SettingsRefused:
                Tell(context, id::kErrorCaption, id::kErrorOnCommState, MessageIcon::Warning);
                return {0, false};
        }

        Connection connection(context);
        const bool delivered = Transfer(connection, lookup, content);
        connection.progress.reset();
        if (delivered) {
            Tell(context, id::kDownloadCaption, id::kDownloadedCompletely, MessageIcon::Information);
        } else {
            const common::Answer again =
                context.ui.AskYesNo(context.strings.Lookup(id::kErrorCaption, text::LookupKind::Caption),
                                    context.strings.Lookup(id::kRetryQuestion, text::LookupKind::Message),
                                    MessageIcon::Question);
            if (again == common::Answer::Yes) {
                context.port.Purge(false, true);
                context.port.Close();
                continue;
            }
        }
        context.port.Purge(false, true);
        context.port.Close();
        return {1, delivered};
    }
}

}  // namespace termlink
