#include "designer/link/upload.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "common/native_path.h"
#include "designer/link/frames.h"
#include "designer/link/port_setup.h"
#include "designer/strings/string_ids.h"

namespace termlink {
namespace {

namespace id = strings::id;

using common::MessageIcon;

constexpr int kRequestsRepeatedAfterSilence = 3;
constexpr int kRequests = 6;
constexpr std::uint32_t kAnswerTimeoutMs = 3000;
constexpr std::size_t kAnswerKept = 10;
constexpr std::uint32_t kRecordTimeoutMs = 500;
constexpr std::size_t kRecordKept = 255;
constexpr int kRetriesPerRecord = 10;
constexpr int kRefusalsPerRecord = 10;
constexpr int kSequenceModulo = 10;
constexpr std::size_t kUploadOutputQueue = 256;
constexpr char kUploadCaption[] = "Upload Data";

constexpr std::string_view kRequest = "READ\r";
constexpr std::string_view kAck = "ACK\r";
constexpr std::string_view kNak = "NAK\r";
constexpr std::string_view kOver = "OVER\r";

struct Frame {
    std::string bytes;  // the first bytes of the frame, its CR included when there was room
    bool ended = false;  // a CR came in time
};

// Reads up to a CR within `timeoutMs`; bytes beyond `kept` are dropped.
Frame ReadFrame(ByteReader& reader, std::uint32_t timeoutMs, std::size_t kept) {
    Frame frame;
    const std::uint64_t deadline = reader.DeadlineIn(timeoutMs);
    while (const auto byte = reader.Next(deadline)) {
        if (frame.bytes.size() < kept) frame.bytes.push_back(static_cast<char>(*byte));
        if (*byte == kCr) {
            frame.ended = true;
            break;
        }
    }
    return frame;
}

void Send(Connection& connection, std::string_view text) {
    connection.context.port.Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void TellError(Connection& connection, int textId, MessageIcon icon = MessageIcon::None) {
    Tell(connection.context, id::kErrorCaption, textId, icon);
}

// Asks for the data until the terminal answers "ACK\r". Silence and wrong
// answers count alike; silence after the third request ends the asking.
bool RequestData(Connection& connection) {
    for (int request = 1; request <= kRequests; ++request) {
        Send(connection, kRequest);
        const Frame answer = ReadFrame(connection.reader, kAnswerTimeoutMs, kAnswerKept);
        if (!answer.ended && request > kRequestsRepeatedAfterSilence) {
            TellError(connection, id::kTimeOut);
            return false;
        }
        if (answer.ended && answer.bytes == kAck) return true;
    }
    TellError(connection, id::kFailedToConnect);
    return false;
}

enum class Verdict { Store, Repeat, Refuse };

// A record frame: sequence byte, data, checksum low and high byte, CR.
Verdict Judge(const std::string& bytes, int expected) {
    if (bytes.empty()) return Verdict::Refuse;
    // A repeat of the stored record is acknowledged whatever it holds: the terminal only needs to move on.
    const auto sequence = static_cast<std::uint8_t>(bytes[0]);
    if (sequence != expected) {
        return sequence == (expected + kSequenceModulo - 1) % kSequenceModulo ? Verdict::Repeat : Verdict::Refuse;
    }
    // Bytes beyond the frame's room were dropped, so the record would be cut.
    if (static_cast<std::uint8_t>(bytes.back()) != kCr || bytes.size() < 4) return Verdict::Refuse;
    const std::string_view data(bytes.data() + 1, bytes.size() - 4);
    const auto checksum = RecordChecksum(sequence, data);
    const bool matches = static_cast<std::uint8_t>(bytes[bytes.size() - 3]) == checksum[0] &&
                         static_cast<std::uint8_t>(bytes[bytes.size() - 2]) == checksum[1];
    return matches ? Verdict::Store : Verdict::Refuse;
}

std::string CounterText(LinkContext& context, int count) {
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

std::optional<std::string> ChooseDataFile(LinkContext& context) {
    common::FileChooser chooser;
    chooser.filters = {{"Data files {*.TXT}", "*.TXT"}, {"All files (*.*)", "*.*"}};
    chooser.defaultExtension = "TXT";
    return context.ui.ChooseSaveFile(chooser);
}

void ReportPortSetup(LinkContext& context, PortSetup setup) {
    if (setup == PortSetup::CannotOpen) Tell(context, id::kErrorCaption, id::kCannotOpenPort, MessageIcon::None);
    if (setup == PortSetup::CradleFailed) {
        Tell(context, id::kErrorCaption, id::kCannotConfigureIrUpload, MessageIcon::Warning);
    }
    // Refused line settings end the upload silently.
}

}  // namespace

RecordsReceived ReceiveRecords(Connection& connection, const RecordStore& store) {
    RecordsReceived result;
    if (!RequestData(connection)) return result;

    LinkContext& context = connection.context;
    auto counter = context.ui.OpenUploadCounter();
    int expected = 0;
    int retries = 0;
    int refusals = 0;
    const auto finish = [&](UploadEnd end, int textId) {
        counter.reset();
        if (textId != 0) TellError(connection, textId);
        result.end = end;
        return result;
    };
    for (;;) {
        const Frame frame = ReadFrame(connection.reader, kRecordTimeoutMs, kRecordKept);
        if (!frame.ended) {
            if (retries++ < kRetriesPerRecord) {
                Send(connection, kNak);
                continue;
            }
            return finish(UploadEnd::TimedOut, id::kTimeOut);
        }
        retries = 0;
        if (frame.bytes == kOver) return finish(UploadEnd::Completed, 0);

        switch (Judge(frame.bytes, expected)) {
            case Verdict::Store: {
                const std::string_view data(frame.bytes.data() + 1, frame.bytes.size() - 4);
                if (!store(data)) return finish(UploadEnd::StoreFailed, id::kFileCreateFailed);
                ++result.stored;
                expected = (expected + 1) % kSequenceModulo;
                counter->Show(CounterText(context, result.stored));
                refusals = 0;
                Send(connection, kAck);
                break;
            }
            case Verdict::Repeat:
                refusals = 0;
                Send(connection, kAck);
                break;
            case Verdict::Refuse:
                Send(connection, kNak);
                if (++refusals == kRefusalsPerRecord) return finish(UploadEnd::RefusedTooOften, id::kRecordRefusedTooOften);
                break;
        }
    }
}

UploadResult ReceiveData(LinkContext& context, bool withCradle) {
    const auto target = ChooseDataFile(context);
    if (!target) return {0, false};

    File file(nullptr, &std::fclose);
    const auto temporary = CreateTemporaryBeside(*target, file);
    if (!temporary) {
        Tell(context, id::kErrorCaption, id::kFileCreateFailed, MessageIcon::None);
        return {-2, false};
    }
    std::error_code ignored;
    const PortSetup setup = PreparePort(context, kUploadOutputQueue, withCradle);
    if (setup != PortSetup::Ready) {
        ReportPortSetup(context, setup);
        file.reset();
        std::filesystem::remove(*temporary, ignored);
        return {-3, false};
    }

    Connection connection(context);
    const RecordsReceived received =
        ReceiveRecords(connection, [&](std::string_view data) { return WriteRecord(file.get(), data); });
    context.port.Close();
    const bool closed = std::fclose(file.release()) == 0;

    if (received.stored == 0) {
        std::filesystem::remove(*temporary, ignored);
        if (received.end == UploadEnd::Completed || received.end == UploadEnd::NotConnected) {
            context.ui.ShowMessage(kUploadCaption, context.strings.Lookup(id::kNoDataReceived), MessageIcon::None);
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
        context.ui.ShowMessage(kUploadCaption,
                               WithNumber(context.strings.Lookup(id::kRecordsSavedBeforeFailure), received.stored),
                               MessageIcon::Warning);
        return {-1, false};
    }
    const std::string done = context.strings.Direct(id::kUploadDoneBefore) + std::to_string(received.stored) +
                             context.strings.Direct(id::kUploadDoneAfter);
    if (context.ui.AskYesNo(kUploadCaption, done, MessageIcon::None) == common::Answer::Yes &&
        !context.ui.OpenInTextEditor(*target)) {
        context.ui.ShowMessage(kUploadCaption,
                               context.strings.Lookup(id::kReceivedDataAt) + "\r\n" + common::NativePathToCp1251(*target),
                               MessageIcon::Information);
    }
    return {received.stored, true};
}

}  // namespace termlink
