#include "designer/transfer/upload.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "designer/link/frames.h"
#include "designer/strings/english_table.h"
#include "testing/failing_file_calls.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"
#include "testing/test_terminal.h"

namespace transfer {
namespace {

using common::MessageIcon;
using test_support::MemoryLink;
using test_support::ShownEvent;

std::string RecordFrame(int index, const std::string& data) {
    return termlink::MakeRecordFrame(static_cast<std::uint8_t>(index % 10), data);
}

// The frame with a checksum that does not match its data.
std::string WithBadChecksum(std::string frame) {
    frame[frame.size() - 3] = static_cast<char>(frame[frame.size() - 3] + 1);
    return frame;
}

// A terminal with records to give: it offers one until it is acknowledged,
// then the next, then "OVER\r".
struct RecordTerminal {
    std::vector<std::string> records;
    std::string readAnswer = "ACK\r";
    // What to send instead of record `index` on its `send`th offer (from 1); nothing: the record.
    std::function<std::optional<std::string>(std::size_t index, int send)> fault;
    int lostAckOf = -1;  // the terminal misses the host's first ACK of this record and sends it again

    std::string operator()(const std::string& written) {
        if (written == "READ\r") return readAnswer == "ACK\r" ? readAnswer + Offer() : readAnswer;
        if (written == "ACK\r") {
            if (static_cast<int>(next) == lostAckOf) {
                lostAckOf = -1;
            } else {
                ++next;
                sends = 0;
            }
        }
        return Offer();
    }

    std::string Offer() {
        if (next >= records.size()) return "OVER\r";
        ++sends;
        if (fault) {
            if (auto replaced = fault(next, sends)) return *replaced;
        }
        return RecordFrame(static_cast<int>(next), records[next]);
    }

    std::size_t next = 0;
    int sends = 0;
};

// A message about the link, with the line that names the port.
std::string OnPort(const std::string& text) { return text + "\r\nPort: COM7"; }

class UploadTest : public ::testing::Test {
protected:
    UploadTest() {
        ui.chosenPaths = {target};
        terminal.answer = [this](const std::string& w) { return dataTerminal(w); };
    }

    std::string Contents(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.Path()), {}));
    }

    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    MemoryLink& port = pair.host();
    test_support::TestTerminal terminal{pair};
    test_support::ScriptedUi ui;
    text::StringTable strings = strings::MakeStringTable();
    task::Task task;
    termlink::LinkState state;
    TransferContext context{{ui, clock, port, state, "/dev/ttyFAKE", 2, "COM7"}, task, strings, {}};
    RecordTerminal dataTerminal;
    test_support::TempFolder folder;
    std::string target = folder.File("DATA.TXT");
};

TEST_F(UploadTest, RecordsAreStoredOnePerLineAndOfferedToView) {
    for (int i = 0; i < 12; ++i) dataTerminal.records.push_back("R" + std::to_string(i));
    dataTerminal.records[0] = "AB";
    // The first record with the text AB, as a terminal sends it.
    dataTerminal.fault = [](std::size_t index, int) -> std::optional<std::string> {
        if (index == 0) return std::string("\x00\x41\x42\x83\x00\x0D", 6);
        return std::nullopt;
    };
    ui.answers = {common::Answer::Yes};

    const UploadResult result = ReceiveData(context, false);
    EXPECT_EQ(result.code, 12);
    EXPECT_TRUE(result.completed);
    std::string expected = "AB\r\n";
    for (int i = 1; i < 12; ++i) expected += "R" + std::to_string(i) + "\r\n";
    EXPECT_EQ(Contents(target), expected);
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left behind

    EXPECT_EQ(terminal.Writes().front(), "READ\r");
    EXPECT_EQ(terminal.CountWrites("ACK\r"), 12);
    EXPECT_EQ(port.queues.back().output, 256u);
    EXPECT_EQ(port.applied.back().rate, 38400u);
    EXPECT_TRUE(port.purges.empty());  // closed without a purge
    EXPECT_FALSE(port.IsOpen());

    ASSERT_EQ(ui.counterTexts.size(), 12u);
    EXPECT_EQ(ui.counterTexts.front(), "Data received : 1");
    EXPECT_EQ(ui.counterTexts.back(), "Data received : 12");
    EXPECT_EQ(ui.openCounters, 0);
    const auto& question = ui.events[ui.events.size() - 2];
    EXPECT_EQ(question.kind, ShownEvent::Kind::Question);
    EXPECT_EQ(question.caption, "Upload Data");
    EXPECT_EQ(question.text, "Done : 12 records received.\nView the received data?");
    EXPECT_EQ(ui.events.back().kind, ShownEvent::Kind::Editor);
    EXPECT_EQ(ui.events.back().text, target);

    // The data file is asked for with the designer's own filters and extension.
    ASSERT_EQ(ui.choosers.size(), 1u);
    const common::FileChooser& chooser = ui.choosers.front();
    ASSERT_EQ(chooser.filters.size(), 2u);
    EXPECT_EQ(chooser.filters[0].description, "Data files {*.TXT}");
    EXPECT_EQ(chooser.filters[0].pattern, "*.TXT");
    EXPECT_EQ(chooser.filters[1].description, "All files (*.*)");
    EXPECT_EQ(chooser.defaultExtension, "TXT");
}

TEST_F(UploadTest, WithoutAProgramToShowTheDataTheMessageNamesTheirFile) {
    dataTerminal.records = {"one", "two"};
    ui.answers = {common::Answer::Yes};
    ui.editorOpens = false;

    EXPECT_EQ(ReceiveData(context, false).code, 2);
    ASSERT_GE(ui.events.size(), 2u);
    EXPECT_EQ(ui.events[ui.events.size() - 2].kind, ShownEvent::Kind::Editor);
    const ShownEvent& told = ui.events.back();
    EXPECT_EQ(told.kind, ShownEvent::Kind::Message);
    EXPECT_EQ(told.caption, "Upload Data");
    EXPECT_EQ(told.text, "No program was found to show the received data. They are in this file:\r\n" + target);
    EXPECT_EQ(told.icon, MessageIcon::Information);
}

TEST_F(UploadTest, RepeatsAreAcknowledgedOnceAndBadFramesRefused) {
    dataTerminal.records = {"one", "\x0C", "three", "four", "five"};  // record 1 sums to 0x0D: sent as 0x0E
    dataTerminal.lostAckOf = 2;
    dataTerminal.fault = [](std::size_t index, int send) -> std::optional<std::string> {
        if (index == 2 && send == 2) return RecordFrame(2, std::string(300, 'y'));  // an over-long repeat
        if (index == 3 && send == 1) return WithBadChecksum(RecordFrame(3, "four"));
        if (index == 4 && send == 1) return RecordFrame(4, std::string(300, 'x'));  // too long for the frame
        if (index == 4 && send == 2) return RecordFrame(6, "five");  // out of order
        return std::nullopt;
    };
    const UploadResult result = ReceiveData(context, false);
    EXPECT_EQ(result.code, 5);
    EXPECT_EQ(Contents(target), "one\r\n\x0C\r\nthree\r\nfour\r\nfive\r\n");
    EXPECT_EQ(terminal.CountWrites("NAK\r"), 3);
    EXPECT_EQ(terminal.CountWrites("ACK\r"), 6);
}

TEST_F(UploadTest, NoRecordsLeaveAnExistingFileAlone) {
    std::ofstream(target, std::ios::binary) << "kept";
    const UploadResult result = ReceiveData(context, false);
    EXPECT_EQ(result.code, 0);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(Contents(target), "kept");
    EXPECT_EQ(FilesInFolder(), 1u);
    ASSERT_EQ(ui.MessageTexts(), std::vector<std::string>{"No data received!"});
    EXPECT_EQ(ui.events.back().caption, "Upload Data");
}

TEST_F(UploadTest, RequestIsRepeatedUntilTheTerminalAnswers) {
    dataTerminal.readAnswer = "ACK";  // without its CR the answer never counts
    EXPECT_EQ(ReceiveData(context, false).code, 0);
    EXPECT_EQ(terminal.CountWrites("READ\r"), 4);
    EXPECT_EQ(clock.NowMs(), 4u * 3000u);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{OnPort("Time out!"), "No data received!"}));
    EXPECT_EQ(ui.events[2].caption, "Error");  // after the file choice and the progress window
    EXPECT_EQ(ui.events[2].icon, MessageIcon::None);
    EXPECT_EQ(ui.progressTexts.front(), "Asking the terminal on COM7 for its data (request 1 of 6)...");
    EXPECT_EQ(ui.progressTexts.back(), "Asking the terminal on COM7 for its data (request 4 of 6)...");
    EXPECT_FALSE(std::filesystem::exists(target));

    dataTerminal.readAnswer = "NAK\r";
    terminal.ClearWrites();
    ui.events.clear();
    ui.chosenPaths = {target};
    EXPECT_EQ(ReceiveData(context, false).code, 0);
    EXPECT_EQ(terminal.CountWrites("READ\r"), 6);
    EXPECT_EQ(ui.MessageTexts().front(), OnPort("Failed to establish connection!"));
}

TEST_F(UploadTest, SilenceAfterStoredRecordsKeepsThem) {
    dataTerminal.records = {"a", "b", "c", "d"};
    dataTerminal.fault = [](std::size_t index, int) -> std::optional<std::string> {
        return index == 3 ? std::optional<std::string>("") : std::nullopt;
    };
    std::ofstream(target, std::ios::binary) << "old";
    const std::uint64_t start = clock.NowMs();
    const UploadResult result = ReceiveData(context, false);
    EXPECT_EQ(result.code, -1);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(clock.NowMs() - start, 11u * 500u);
    EXPECT_EQ(terminal.CountWrites("NAK\r"), 10);
    EXPECT_EQ(Contents(target), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{
                                     OnPort("Time out!"),
                                     "The upload failed. 3 records received before the failure were saved."}));
    EXPECT_EQ(ui.openCounters, 0);
}

TEST_F(UploadTest, RecordRefusedTenTimesInARowEndsTheUpload) {
    dataTerminal.records = {"a", "b", "c"};
    dataTerminal.fault = [](std::size_t index, int) -> std::optional<std::string> {
        if (index != 2) return std::nullopt;
        return WithBadChecksum(RecordFrame(2, "c"));  // never matches
    };
    const UploadResult result = ReceiveData(context, false);
    EXPECT_EQ(result.code, -1);
    EXPECT_EQ(terminal.CountWrites("NAK\r"), 10);
    EXPECT_EQ(Contents(target), "a\r\nb\r\n");
    EXPECT_EQ(ui.MessageTexts(),
              (std::vector<std::string>{OnPort("The terminal keeps sending a record that cannot be accepted!"),
                                        "The upload failed. 2 records received before the failure were saved."}));

    // With nothing stored before, nothing is left behind.
    dataTerminal = RecordTerminal{};
    dataTerminal.records = {"x"};
    dataTerminal.fault = [](std::size_t, int) { return std::optional<std::string>(RecordFrame(5, "x")); };
    std::filesystem::remove(target);
    ui.chosenPaths = {target};
    EXPECT_EQ(ReceiveData(context, false).code, -1);
    EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(UploadTest, FailuresBeforeTheTransfer) {
    ui.chosenPaths = {""};
    EXPECT_EQ(ReceiveData(context, false).code, 0);
    EXPECT_EQ(terminal.Count(MemoryLink::Op::Open), 0);

    port.openFails = true;
    ui.chosenPaths = {target};
    EXPECT_EQ(ReceiveData(context, false).code, -3);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{OnPort("Cannot open the COM port!")});
    EXPECT_EQ(FilesInFolder(), 0u);

    port.openFails = false;
    port.applyFails = true;
    ui.events.clear();
    ui.chosenPaths = {target};
    EXPECT_EQ(ReceiveData(context, false).code, -3);
    EXPECT_TRUE(ui.MessageTexts().empty());
    EXPECT_FALSE(port.IsOpen());

    port.applyFails = false;
    ui.events.clear();
    ui.chosenPaths = {target};
    EXPECT_EQ(ReceiveData(context, true).code, -3);  // no cradle answers
    ASSERT_EQ(ui.MessageTexts(), std::vector<std::string>{OnPort("Cannot configure IR device!")});
    EXPECT_EQ(ui.events.back().icon, MessageIcon::Warning);
    EXPECT_EQ(FilesInFolder(), 0u);

}

TEST_F(UploadTest, TheTargetIsProvedWritableBeforeTheTerminalIsAsked) {
    dataTerminal.records = {"a", "b"};
    std::filesystem::create_directory(folder.File("DATA.TXT"));  // a folder cannot be replaced by a file
    ui.chosenPaths = {target, folder.File("no such folder/DATA.TXT")};
    EXPECT_EQ(ReceiveData(context, false).code, -2);
    EXPECT_EQ(ReceiveData(context, false).code, -2);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>(2, "File open/create failed!"));
    EXPECT_EQ(ui.events.back().caption, "Error");
    EXPECT_EQ(ui.events.back().icon, MessageIcon::Warning);
    EXPECT_EQ(terminal.Count(MemoryLink::Op::Open), 0);
    EXPECT_TRUE(terminal.Writes().empty());
    EXPECT_EQ(dataTerminal.next, 0u);
    EXPECT_EQ(FilesInFolder(), 1u);  // the folder, and no temporary file
}

TEST_F(UploadTest, RecordsThatCannotBePutInPlaceAreKeptAndTheirFileNamed) {
    dataTerminal.records = {"a", "b", "c"};
    // Once the records are taken, something takes the target's place.
    dataTerminal.fault = [this](std::size_t index, int) -> std::optional<std::string> {
        if (index == 2) std::filesystem::create_directories(target + "/in the way");
        return std::nullopt;
    };
    EXPECT_EQ(ReceiveData(context, false).code, -1);
    ASSERT_EQ(ui.MessageTexts().size(), 1u);
    const std::string message = ui.MessageTexts().front();
    const std::string prefix = "The received records could not be put in place. They are kept in this file:\r\n";
    ASSERT_EQ(message.substr(0, prefix.size()), prefix);
    const std::string keptIn = message.substr(prefix.size());
    EXPECT_EQ(keptIn.substr(0, target.size() + 1), target + ".");  // beside the target
    EXPECT_EQ(Contents(keptIn), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(ui.events.back().icon, MessageIcon::Warning);
}

// Cancel on the progress window ends the upload within a second; what was
// acknowledged is kept, since the terminal may have let go of it.
TEST_F(UploadTest, CancelKeepsTheRecordsAcknowledgedSoFar) {
    for (int i = 0; i < 20; ++i) dataTerminal.records.push_back("R" + std::to_string(i));
    std::ofstream(target, std::ios::binary) << "old";
    std::uint64_t requestedAt = 0;
    ui.cancelWhen = [&] {
        if (ui.counterTexts.size() < 5) return false;
        if (requestedAt == 0) requestedAt = clock.NowMs();
        return true;
    };
    const UploadResult result = ReceiveData(context, false);
    EXPECT_FALSE(result.completed);
    EXPECT_LT(clock.NowMs() - requestedAt, 1000u);
    const std::string kept = Contents(target);
    EXPECT_EQ(kept.substr(0, 20), "R0\r\nR1\r\nR2\r\nR3\r\nR4\r\n");
    const auto stored = std::count(kept.begin(), kept.end(), '\n');
    EXPECT_EQ(terminal.CountWrites("ACK\r"), stored);  // every record kept was acknowledged, and no other
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"The upload was cancelled. The " + std::to_string(stored) +
                                                          " records received until then were saved."});
    EXPECT_EQ(ui.events.back().caption, "Upload Data");
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(ui.openProgressWindows, 0);
    EXPECT_EQ(ui.openCounters, 0);
    EXPECT_EQ(FilesInFolder(), 1u);

    // Cancelled before a record came: nothing is written and nothing said.
    std::filesystem::remove(target);
    ui.events.clear();
    terminal.ClearWrites();
    ui.chosenPaths = {target};
    dataTerminal.readAnswer = "";  // a silent terminal
    ui.cancelWhen = [&] { return clock.NowMs() > 2000; };
    EXPECT_EQ(ReceiveData(context, false).code, 0);
    EXPECT_TRUE(ui.MessageTexts().empty());
    EXPECT_EQ(terminal.CountWrites("READ\r"), 1);
    EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(UploadTest, AFailingWriteFlushOrRenameKeepsTheOldFileAndTheRecords) {
    const auto upload = [&] {
        dataTerminal = RecordTerminal{};
        dataTerminal.records = {"a", "b", "c"};
        ui.events.clear();
        ui.chosenPaths = {target};
        return ReceiveData(context, false);
    };
    const int points = test_support::CountFailurePoints(upload);
    EXPECT_EQ(points, 5);  // a write a record, the flush, the rename
    const std::string kept = "The received records could not be put in place. They are kept in this file:\r\n";
    for (int point = 1; point <= points; ++point) {
        SCOPED_TRACE(point);
        std::ofstream(target, std::ios::binary) << "old";
        test_support::FailingFileCalls failing(point);
        common::FileCallsOverride active(failing);
        EXPECT_EQ(upload().code, -1);
        EXPECT_EQ(Contents(target), "old");
        std::vector<std::string> shown = ui.MessageTexts();
        ASSERT_FALSE(shown.empty());
        // A record that could not be written is told as such; a failed flush
        // or rename by the message that names the records' file.
        const bool recordFailed = point <= 3;
        if (recordFailed) {
            EXPECT_EQ(shown.front(), "File open/create failed!");
            shown.erase(shown.begin());
        }
        // The records acknowledged before the failure are in the file the user is shown.
        const int stored = recordFailed ? point - 1 : 3;
        if (stored == 0) {
            EXPECT_TRUE(shown.empty());
            continue;
        }
        ASSERT_EQ(shown.size(), 1u);
        ASSERT_EQ(shown[0].substr(0, kept.size()), kept);
        EXPECT_EQ(Contents(shown[0].substr(kept.size())), std::string("a\r\nb\r\nc\r\n").substr(0, 3 * stored));
    }
    EXPECT_EQ(upload().code, 3);
    EXPECT_EQ(Contents(target), "a\r\nb\r\nc\r\n");
}

}  // namespace
}  // namespace transfer
