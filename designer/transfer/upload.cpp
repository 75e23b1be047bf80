#include "designer/transfer/upload.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

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

    File file(nullptr, &std::fclose);
    const auto temporary = CreateTemporaryBeside(*target, file);
    if (!temporary) {
        Tell(context, id::kErrorCaption, id::kFileCreateFailed, MessageIcon::None);
        return {-2, false};
    }
    std::error_code ignored;
    const PortSetup setup = termlink::PreparePort(context.link, kUploadOutputQueue, withCradle);
    if (setup != PortSetup::Ready) {
        ReportPortSetup(context, setup);
        file.reset();
        std::filesystem::remove(*temporary, ignored);
        return {-3, false};
    }

    ByteReader reader(context.link.port, context.link.clock);
    const RecordsReceived received =
        ReceiveRecords(context, reader, [&](std::string_view data) { return WriteRecord(file.get(), data); });
    context.link.port.Close();
    const bool closed = std::fclose(file.release()) == 0;

    if (received.stored == 0) {
        std::filesystem::remove(*temporary, ignored);
        if (received.end == UploadEnd::Completed || received.end == UploadEnd::NotConnected) {
            context.link.ui.ShowMessage(kUploadCaption, context.strings.Lookup(id::kNoDataReceived), MessageIcon::None);
            return {0, received.end == UploadEnd::Completed};
        }
        return {-1, false};
    }

    // Every acknowledged record is kept: the terminal may already have erased it.
    std::error_code renameError;
    std::filesystem::rename(*temporary, *target, renameError);
    if (!closed || renameError) {
        Tell(context, id::kErrorCaption, id::kFileCreateFailed, MessageIcon::None);
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
