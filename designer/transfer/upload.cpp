#include "designer/transfer/upload.h"

#include <optional>
#include <string>

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

// A record and its line end, so a failed write never leaves half a line.
bool WriteRecord(common::FileReplacement& file, std::string_view data) {
    std::string line(data);
    line += "\r\n";
    return file.Append(line);
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
    // them: the target can be replaced and the file beside it, which
    // replaces it only once they are all on the disk, exists.
    common::FileReplacement file(*target);
    if (!common::CheckReplaceable(*target).ok || !file.Good()) {
        Tell(context, id::kErrorCaption, id::kFileCreateFailed, MessageIcon::Warning);
        return {-2, false};
    }
    Connection connection(context.link, termlink::ReplyRule{});
    connection.progress = context.link.ui.OpenProgress(
        ProgressLookOf(context, StatusText(context, withCradle ? id::kStatusCradle : id::kStatusOpening)));
    const PortSetup setup = termlink::PreparePort(context.link, kUploadOutputQueue, withCradle, &connection.stop);
    if (setup != PortSetup::Ready) {
        ReportPortSetup(context, connection, setup);
        return {-3, false};
    }

    const RecordsReceived received =
        ReceiveRecords(context, connection, [&](std::string_view data) { return WriteRecord(file, data); });
    connection.progress.reset();
    context.link.port.Close();

    if (received.stored == 0) {
        if (received.end == UploadEnd::Completed || received.end == UploadEnd::NotConnected) {
            TellUpload(context, context.strings.Lookup(id::kNoDataReceived), MessageIcon::None);
            return {0, received.end == UploadEnd::Completed};
        }
        return {received.end == UploadEnd::Stopped ? 0 : -1, false};
    }

    // Every acknowledged record is kept: the terminal may already have erased
    // it. When the target cannot be replaced (or a record could not be
    // written, which the upload has told), the old file stays as it was and
    // the records stay in the file beside it, which the user is shown.
    if (received.end == UploadEnd::StoreFailed || !file.Commit().ok) {
        const std::string kept = file.KeepTemporary();
        context.link.ui.ShowMessage(
            context.strings.Lookup(id::kErrorCaption, text::LookupKind::Caption),
            context.strings.Lookup(id::kRecordsKeptAt) + "\r\n" + common::NativePathToCp1251(kept),
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
