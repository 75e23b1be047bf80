#include "designer/transfer/upload.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "common/file_replace.h"
#include "common/native_path.h"
#include "designer/link/connection.h"
#include "designer/link/frames.h"
#include "designer/link/port_setup.h"
#include "designer/link/protocol.h"
#include "designer/link/reply.h"
#include "designer/strings/string_ids.h"

namespace transfer {
namespace {

namespace id = strings::id;

using common::MessageIcon;
using termlink::Connection;
using termlink::PortSetup;
namespace wire = termlink::wire;

constexpr int kRequestsRepeatedAfterSilence = 3;
constexpr int kRequests = 6;
constexpr std::uint32_t kAnswerTimeoutMs = 3000;
constexpr std::size_t kAnswerKept = 10;
constexpr std::uint32_t kRecordTimeoutMs = 500;
constexpr std::size_t kRecordKept = 255;
constexpr int kRetriesPerRecord = 10;
constexpr int kRefusalsPerRecord = 10;
constexpr std::size_t kUploadOutputQueue = 256;
constexpr char kUploadCaption[] = "Upload Data";

void Send(TransferContext& context, std::string_view text) {
    context.link.port.Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

// A failure on the link, naming the port; the progress window closes first.
void TellError(TransferContext& context, Connection& connection, int textId, MessageIcon icon = MessageIcon::None) {
    connection.Tell(PortNoticeOf(context, id::kErrorCaption, textId, icon));
}

// Asks for the data until the terminal answers "ACK\r". Silence and wrong
// answers count alike; silence after the third request ends the asking.
bool RequestData(TransferContext& context, Connection& connection) {
    for (int request = 1; request <= kRequests; ++request) {
        connection.SetStatus(StatusText(context, id::kStatusRequest, request));
        if (connection.Stopped()) return false;
        Send(context, wire::kRead);
        const termlink::ReceivedFrame answer = termlink::ReadFrame(connection.reader, kAnswerTimeoutMs, kAnswerKept);
        if (connection.Stopped()) return false;
        if (!answer.ended && request > kRequestsRepeatedAfterSilence) {
            TellError(context, connection, id::kTimeOut);
            return false;
        }
        if (answer.ended && answer.bytes == wire::kAck) return true;
    }
    TellError(context, connection, id::kFailedToConnect);
    return false;
}

enum class Verdict { Store, Repeat, Refuse };

Verdict Judge(const std::optional<termlink::ReceivedRecord>& record, int expected) {
    if (!record) return Verdict::Refuse;
    // A repeat of the stored record is acknowledged whatever it holds: the terminal only needs to move on.
    if (record->sequence != expected) {
        const int previous = (expected + wire::kRecordSequenceModulo - 1) % wire::kRecordSequenceModulo;
        return record->sequence == previous ? Verdict::Repeat : Verdict::Refuse;
    }
    return record->intact ? Verdict::Store : Verdict::Refuse;
}

std::string CounterText(TransferContext& context, int count) {
    return context.strings.Direct(id::kCounterLabel) + " " + std::to_string(count);
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// A new file beside `target`, so that the target is replaced only by a finished upload.
std::optional<std::string> CreateTemporaryBeside(const std::string& target, File& file) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = target + ".part" + (attempt == 0 ? std::string() : std::to_string(attempt));
        if (std::FILE* f = std::fopen(path.c_str(), "wbx")) {
            file.reset(f);
            return path;
        }
        std::error_code error;
        if (!std::filesystem::exists(path, error)) return std::nullopt;  // the folder itself refuses
    }
    return std::nullopt;
}

bool WriteRecord(std::FILE* file, std::string_view data) {
    return std::fwrite(data.data(), 1, data.size(), file) == data.size() && std::fputs("\r\n", file) >= 0 &&
           std::fflush(file) == 0;
}

std::optional<std::string> ChooseDataFile(TransferContext& context) {
    common::FileChooser chooser;
    chooser.filters = {{context.strings.Direct(id::kDataFilesFilter), "*.TXT"},
                       {context.strings.Direct(id::kAllFilesFilter), "*.*"}};
    chooser.defaultExtension = "TXT";
    return context.link.ui.ChooseSaveFile(chooser);
}

void ReportPortSetup(TransferContext& context, Connection& connection, PortSetup setup) {
    switch (setup) {
        case PortSetup::CannotOpen: TellError(context, connection, id::kCannotOpenPort); break;
        case PortSetup::CradleFailed: TellError(context, connection, id::kCannotConfigureIrUpload, MessageIcon::Warning); break;
        // Refused line settings end the upload silently, as does the user's Cancel.
        case PortSetup::SettingsRefused:
        case PortSetup::Stopped:
        case PortSetup::Ready: break;
    }
}

void TellUpload(TransferContext& context, const std::string& text, MessageIcon icon) {
    context.link.ui.ShowMessage(kUploadCaption, text, icon);
}

}  // namespace

RecordsReceived ReceiveRecords(TransferContext& context, Connection& connection, const RecordStore& store) {
    RecordsReceived result;
    if (!RequestData(context, connection)) {
        if (connection.Stopped()) result.end = UploadEnd::Stopped;
        return result;
    }
    connection.SetStatus(StatusText(context, id::kStatusReceiving));

    auto counter = context.link.ui.OpenUploadCounter();
    int expected = 0;
    int retries = 0;
    int refusals = 0;
    const auto finish = [&](UploadEnd end, const std::optional<termlink::Notice>& notice) {
        counter.reset();
        if (notice) connection.Tell(*notice);
        result.end = end;
        return result;
    };
    const auto linkError = [&](int textId) { return PortNoticeOf(context, id::kErrorCaption, textId, MessageIcon::None); };
    for (;;) {
        const termlink::ReceivedFrame frame = termlink::ReadFrame(connection.reader, kRecordTimeoutMs, kRecordKept);
        if (!frame.ended) {
            if (connection.Stopped()) return finish(UploadEnd::Stopped, std::nullopt);
            if (retries++ < kRetriesPerRecord) {
                Send(context, wire::kNak);
                continue;
            }
            return finish(UploadEnd::TimedOut, linkError(id::kTimeOut));
        }
        retries = 0;
        if (frame.bytes == wire::kOver) return finish(UploadEnd::Completed, std::nullopt);

        const auto record = termlink::ParseRecordFrame(frame.bytes);
        switch (Judge(record, expected)) {
            case Verdict::Store: {
                if (!store(record->data)) {
                    return finish(UploadEnd::StoreFailed,
                                  NoticeOf(context, id::kErrorCaption, id::kFileCreateFailed, MessageIcon::Warning));
                }
                ++result.stored;
                expected = (expected + 1) % wire::kRecordSequenceModulo;
                counter->Show(CounterText(context, result.stored));
                refusals = 0;
                Send(context, wire::kAck);
                break;
            }
            case Verdict::Repeat:
                refusals = 0;
                Send(context, wire::kAck);
                break;
            case Verdict::Refuse:
                Send(context, wire::kNak);
                if (++refusals == kRefusalsPerRecord) {
                    return finish(UploadEnd::RefusedTooOften, linkError(id::kRecordRefusedTooOften));
                }
                break;
        }
    }
}

UploadResult ReceiveData(TransferContext& context, bool withCradle) {
    const auto target = ChooseDataFile(context);
    if (!target) return {0, false};

    // The records leave the terminal only once there is a place to keep
    // them: the target can be replaced and the temporary file exists.
    File file(nullptr, &std::fclose);
    const auto temporary =
        common::CheckReplaceable(*target).ok ? CreateTemporaryBeside(*target, file) : std::nullopt;
    if (!temporary) {
        Tell(context, id::kErrorCaption, id::kFileCreateFailed, MessageIcon::Warning);
        return {-2, false};
    }
    std::error_code ignored;
    Connection connection(context.link, termlink::ReplyRule{});
    connection.progress = context.link.ui.OpenProgress(
        ProgressLookOf(context, StatusText(context, withCradle ? id::kStatusCradle : id::kStatusOpening)));
    const PortSetup setup = termlink::PreparePort(context.link, kUploadOutputQueue, withCradle, &connection.stop);
    if (setup != PortSetup::Ready) {
        ReportPortSetup(context, connection, setup);
        file.reset();
        std::filesystem::remove(*temporary, ignored);
        return {-3, false};
    }

    const RecordsReceived received =
        ReceiveRecords(context, connection, [&](std::string_view data) { return WriteRecord(file.get(), data); });
    connection.progress.reset();
    context.link.port.Close();
    const bool closed = std::fclose(file.release()) == 0;

    if (received.stored == 0) {
        std::filesystem::remove(*temporary, ignored);
        if (received.end == UploadEnd::Completed || received.end == UploadEnd::NotConnected) {
            TellUpload(context, context.strings.Lookup(id::kNoDataReceived), MessageIcon::None);
            return {0, received.end == UploadEnd::Completed};
        }
        return {received.end == UploadEnd::Stopped ? 0 : -1, false};
    }

    // Every acknowledged record is kept: the terminal may already have
    // erased it. When it cannot be put in place, the user learns where it is.
    std::error_code renameError;
    if (closed) std::filesystem::rename(*temporary, *target, renameError);
    if (!closed || renameError) {
        context.link.ui.ShowMessage(
            context.strings.Lookup(id::kErrorCaption, text::LookupKind::Caption),
            context.strings.Lookup(id::kRecordsKeptAt) + "\r\n" + common::NativePathToCp1251(*temporary),
            MessageIcon::Warning);
        return {-1, false};
    }
    if (received.end == UploadEnd::Stopped) {
        TellUpload(context, WithNumber(context.strings.Lookup(id::kRecordsSavedAfterStop), received.stored),
                   MessageIcon::Information);
        return {-1, false};
    }
    if (received.end != UploadEnd::Completed) {
        TellUpload(context, WithNumber(context.strings.Lookup(id::kRecordsSavedBeforeFailure), received.stored),
                   MessageIcon::Warning);
        return {-1, false};
    }
    const std::string done = context.strings.Direct(id::kUploadDoneBefore) +
                             std::to_string(received.stored) +
                             context.strings.Direct(id::kUploadDoneAfter);
    if (context.link.ui.AskYesNo(kUploadCaption, done, MessageIcon::None) == common::Answer::Yes &&
        !context.link.ui.OpenInTextEditor(*target)) {
        context.link.ui.ShowMessage(
            kUploadCaption,
            context.strings.Lookup(id::kReceivedDataAt) + "\r\n" + common::NativePathToCp1251(*target),
            MessageIcon::Information);
    }
    return {received.stored, true};
}

}  // namespace transfer
