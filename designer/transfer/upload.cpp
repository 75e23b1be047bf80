#include "designer/transfer/upload.h"

#include <optional>
#include <string>

#include "common/file_replace.h"
#include "common/native_path.h"
#include "designer/link/frames.h"
#include "designer/link/port_setup.h"
#include "designer/link/protocol.h"
#include "designer/link/reply.h"
#include "designer/strings/string_ids.h"

namespace transfer {
namespace {

namespace id = strings::id;

using common::MessageIcon;
using termlink::ByteReader;
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

void TellError(TransferContext& context, int textId, MessageIcon icon = MessageIcon::None) {
    Tell(context, id::kErrorCaption, textId, icon);
}

// Asks for the data until the terminal answers "ACK\r". Silence and wrong
// answers count alike; silence after the third request ends the asking.
bool RequestData(TransferContext& context, ByteReader& reader) {
    for (int request = 1; request <= kRequests; ++request) {
        Send(context, wire::kRead);
        const termlink::ReceivedFrame answer = termlink::ReadFrame(reader, kAnswerTimeoutMs, kAnswerKept);
        if (!answer.ended && request > kRequestsRepeatedAfterSilence) {
            TellError(context, id::kTimeOut);
            return false;
        }
        if (answer.ended && answer.bytes == wire::kAck) return true;
    }
    TellError(context, id::kFailedToConnect);
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
    chooser.filters = {{"Data files {*.TXT}", "*.TXT"}, {"All files (*.*)", "*.*"}};
    chooser.defaultExtension = "TXT";
    return context.link.ui.ChooseSaveFile(chooser);
}

void ReportPortSetup(TransferContext& context, PortSetup setup) {
    if (setup == PortSetup::CannotOpen) Tell(context, id::kErrorCaption, id::kCannotOpenPort, MessageIcon::None);
    if (setup == PortSetup::CradleFailed) {
        Tell(context, id::kErrorCaption, id::kCannotConfigureIrUpload, MessageIcon::Warning);
    }
    // Refused line settings end the upload silently.
}

}  // namespace

RecordsReceived ReceiveRecords(TransferContext& context, ByteReader& reader, const RecordStore& store) {
    RecordsReceived result;
    if (!RequestData(context, reader)) return result;

    auto counter = context.link.ui.OpenUploadCounter();
    int expected = 0;
    int retries = 0;
    int refusals = 0;
    const auto finish = [&](UploadEnd end, int textId) {
        counter.reset();
        if (textId != 0) TellError(context, textId);
        result.end = end;
        return result;
    };
    for (;;) {
        const termlink::ReceivedFrame frame = termlink::ReadFrame(reader, kRecordTimeoutMs, kRecordKept);
        if (!frame.ended) {
            if (retries++ < kRetriesPerRecord) {
                Send(context, wire::kNak);
                continue;
            }
            return finish(UploadEnd::TimedOut, id::kTimeOut);
        }
        retries = 0;
        if (frame.bytes == wire::kOver) return finish(UploadEnd::Completed, 0);

        const auto record = termlink::ParseRecordFrame(frame.bytes);
        switch (Judge(record, expected)) {
            case Verdict::Store: {
                if (!store(record->data)) return finish(UploadEnd::StoreFailed, id::kFileCreateFailed);
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
                if (++refusals == kRefusalsPerRecord) return finish(UploadEnd::RefusedTooOften, id::kRecordRefusedTooOften);
                break;
        }
    }
}

UploadResult ReceiveData(TransferContext& context, bool withCradle) {
    const auto target = ChooseDataFile(context);
    if (!target) return {0, false};

    // The records go into a file beside the target, which is replaced only
    // once they are all on the disk.
    common::FileReplacement file(*target);
    if (!file.Good()) {
        Tell(context, id::kErrorCaption, id::kFileCreateFailed, MessageIcon::None);
        return {-2, false};
    }
    const PortSetup setup = termlink::PreparePort(context.link, kUploadOutputQueue, withCradle);
    if (setup != PortSetup::Ready) {
        ReportPortSetup(context, setup);
        return {-3, false};
    }

    ByteReader reader(context.link.port, context.link.clock);
    const RecordsReceived received =
        ReceiveRecords(context, reader, [&](std::string_view data) { return WriteRecord(file, data); });
    context.link.port.Close();

    if (received.stored == 0) {
        if (received.end == UploadEnd::Completed || received.end == UploadEnd::NotConnected) {
            context.link.ui.ShowMessage(kUploadCaption, context.strings.Lookup(id::kNoDataReceived), MessageIcon::None);
            return {0, received.end == UploadEnd::Completed};
        }
        return {-1, false};
    }

    // Every acknowledged record is kept: the terminal may already have erased
    // it. When the target cannot be replaced (or a record could not be
    // written, which the upload has told), the old file stays as it was and
    // the records stay in the temporary file, which the user is shown.
    if (received.end == UploadEnd::StoreFailed || !file.Commit().ok) {
        if (received.end != UploadEnd::StoreFailed) TellError(context, id::kFileCreateFailed);
        const std::string kept = file.KeepTemporary();
        context.link.ui.ShowMessage(
            context.strings.Lookup(id::kErrorCaption, text::LookupKind::Caption),
            WithNumber(context.strings.Lookup(id::kRecordsKeptBeside), received.stored) + "\r\n" +
                common::NativePathToCp1251(kept),
            MessageIcon::Warning);
        return {-1, false};
    }
    if (received.end != UploadEnd::Completed) {
        context.link.ui.ShowMessage(kUploadCaption,
                               WithNumber(context.strings.Lookup(id::kRecordsSavedBeforeFailure), received.stored),
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
