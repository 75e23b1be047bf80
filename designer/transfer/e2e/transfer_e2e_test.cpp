// Transfers over the real termios link against the virtual terminal on a
// pseudo-terminal: what the terminal stored must be what was sent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/clock.h"
#include "designer/link/system_serial_link.h"
#include "designer/strings/english_table.h"
#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "designer/transfer/download.h"
#include "designer/transfer/terminal_image.h"
#include "designer/transfer/upload.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"
#include "testing/vterm_process.h"

namespace transfer {
namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class TransferE2e : public ::testing::Test {
protected:
    TransferE2e() {
        ::setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
        task.model = task::testing::FreshTask();
        // Bytes the image pads, clamps and renumbers, so a misplaced one shows.
        auto& form = task.model.forms[0];
        form[task::form::kFieldType] = task::form::kText;
        form[task::form::kMaxLength] = 90;
        std::memcpy(&form[task::form::kPrompt], "Item", 4);
        std::memcpy(&task.model.menus[1][task::menu::kItems], "Count", 5);
        task.model.startup[30] = 3;
        task.model.terminal[0] = 7;
    }

    // Starts the terminal for one transfer; its port becomes the context's device.
    bool StartTerminal(std::vector<std::string> flags) {
        // Not --once: a terminal that exits at once takes its last answer with it, as a
        // closed pseudo-terminal drops what the other side has not read yet.
        flags.insert(flags.end(), {"--com", "COM7"});
        std::string error;
        vterm = test_support::VtermProcess::Start(flags, error);
        if (!vterm) {
            ADD_FAILURE() << error;
            return false;
        }
        context.link.device = vterm->Device();
        context.link.portName = vterm->ComName();
        return true;
    }

    // Stops the terminal; it finishes what it was storing first.
    void StopTerminal() { vterm.reset(); }

    TerminalImage ExpectedImage() const {
        task::TaskModel copy = task.model;
        return BuildTerminalImage(copy);
    }

    std::vector<std::string> Records(int count) const {
        std::vector<std::string> records;
        for (int i = 0; i < count; ++i) records.push_back("ITEM" + std::to_string(i) + ";" + std::to_string(i * 7));
        return records;
    }
    std::string WriteRecords(const std::vector<std::string>& records) {
        std::string text;
        for (const auto& r : records) text += r + "\r\n";
        folder.Write("records.txt", text);
        return folder.File("records.txt");
    }
    static std::string AsReceived(const std::vector<std::string>& records) {
        std::string text;
        for (const auto& r : records) text += r + "\r\n";
        return text;
    }

    test_support::TempFolder folder;
    common::SteadyClock clock;
    std::unique_ptr<termlink::SerialLink> port = termlink::MakeSystemSerialLink();
    test_support::ScriptedUi ui;
    text::StringTable strings = strings::MakeStringTable();
    task::Task task;
    termlink::LinkState state;
    TransferContext context{{ui, clock, *port, state, "", 0}, task, strings, {}};
    std::unique_ptr<test_support::VtermProcess> vterm;
};

TEST_F(TransferE2e, TaskArrivesByteForByte) {
    ASSERT_TRUE(StartTerminal({"--image-out", folder.File("image.bin")}));
    const TerminalImage expected = ExpectedImage();
    EXPECT_TRUE(DownloadToTerminal(context, 0, false).delivered);
    StopTerminal();
    const std::string arrived = Contents(folder.File("image.bin"));
    EXPECT_EQ(arrived, std::string(expected.begin(), expected.end()));
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Downloaded completely!"});

    // The changed bytes where the terminal expects them: form 1 (at 3523) with
    // a text line of "Item" clamped to 80, menu 2's first item (at 396)
    // padded and counted, the backlight idle time as a digit, the keyboard type from 1.
    ASSERT_EQ(arrived.size(), 20000u);
    EXPECT_EQ(arrived[3523 + 29], 1);
    EXPECT_EQ(arrived.substr(3523 + 37, 5), std::string("Item\0", 5));
    EXPECT_EQ(arrived[3523 + 221], 80);
    EXPECT_EQ(arrived.substr(396, 21), "Count" + std::string(15, ' ') + '\0');
    EXPECT_EQ(arrived[373 + 247], 1);
    EXPECT_EQ(arrived[18562 + 30], '3');
    EXPECT_EQ(arrived[18507], 8);
}

TEST_F(TransferE2e, CradleIsSwitchedToTheTransferSpeedFirst) {
    ASSERT_TRUE(StartTerminal({"--image-out", folder.File("image.bin")}));
    context.link.speedIndex = 1;
    const TerminalImage expected = ExpectedImage();
    EXPECT_TRUE(DownloadToTerminal(context, 0, true).delivered);
    StopTerminal();
    EXPECT_EQ(Contents(folder.File("image.bin")), std::string(expected.begin(), expected.end()));
    EXPECT_TRUE(state.line.rtsOn);
    EXPECT_EQ(state.line.rate, 57600u);
}

TEST_F(TransferE2e, RefusedBlocksAreResent) {
    ASSERT_TRUE(StartTerminal({"--nak", "6", "--image-out", folder.File("image.bin")}));
    const TerminalImage expected = ExpectedImage();
    EXPECT_TRUE(DownloadToTerminal(context, 0, false).delivered);
    StopTerminal();
    EXPECT_EQ(Contents(folder.File("image.bin")), std::string(expected.begin(), expected.end()));
}

TEST_F(TransferE2e, FullTerminalEndsTheDownload) {
    ASSERT_TRUE(StartTerminal({"--full-at", "5"}));
    EXPECT_FALSE(DownloadToTerminal(context, 0, false).delivered);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Memory full for Terminal!\r\nPort: COM7"});
    EXPECT_EQ(ui.progressPositions.back(), 7);  // blocks 0 to 3 were acknowledged
}

TEST_F(TransferE2e, SilentTerminalIsNotReady) {
    ASSERT_TRUE(StartTerminal({"--silent"}));
    EXPECT_FALSE(DownloadToTerminal(context, 0, false).delivered);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Terminal is not ready!\r\nPort: COM7"});
}

TEST_F(TransferE2e, LookupFileArrivesLineByLine) {
    folder.Write("items.txt", "4711;Apples\r\n4712;Pears\r\n\r\n4713;Plums");
    // The same lines from a Unix program.
    folder.Write("unix.txt", "4711;Apples\n4712;Pears\n\n4713;Plums\n");
    for (const char* file : {"items.txt", "unix.txt"}) {
        ASSERT_TRUE(StartTerminal({"--lookup", "--lookup-out", folder.File("lookup.txt")}));
        ui.chosenPaths = {folder.File(file)};
        EXPECT_TRUE(DownloadToTerminal(context, 1, false).delivered);
        StopTerminal();
        std::string arrived = Contents(folder.File("lookup.txt"));
        std::erase(arrived, '\n');
        EXPECT_EQ(arrived, "4711;Apples\r4712;Pears\r\r4713;Plums\r") << file;
    }
}

// Cancel on the progress window, over the real link at the speed of a real
// wire: the transfer ends with the port closed and nothing more to say.
TEST_F(TransferE2e, CancelledDownloadEndsQuietly) {
    ASSERT_TRUE(StartTerminal({"--wire-speed", "--image-out", folder.File("image.bin")}));
    context.link.speedIndex = 4;  // 9600 bit/s: about a tenth of a second a block
    ui.cancelWhen = [this] { return !ui.progressPositions.empty() && ui.progressPositions.back() >= 10; };
    const DownloadResult result = DownloadToTerminal(context, 0, false);
    EXPECT_FALSE(result.delivered);
    EXPECT_TRUE(ui.MessageTexts().empty()) << ::testing::PrintToString(ui.MessageTexts());
    EXPECT_LT(ui.progressPositions.back(), 15);
    EXPECT_FALSE(port->IsOpen());
    EXPECT_EQ(ui.openProgressWindows, 0);
    StopTerminal();
    EXPECT_FALSE(std::filesystem::exists(folder.File("image.bin")));  // the terminal got no whole task
}

TEST_F(TransferE2e, CancelledUploadKeepsTheRecordsReceived) {
    const auto records = Records(200);
    ASSERT_TRUE(StartTerminal({"--wire-speed", "--records", WriteRecords(records)}));
    context.link.speedIndex = 4;
    ui.chosenPaths = {folder.File("DATA.TXT")};
    ui.cancelWhen = [this] { return ui.counterTexts.size() >= 5; };
    const UploadResult result = ReceiveData(context, false);
    EXPECT_FALSE(result.completed);
    EXPECT_FALSE(port->IsOpen());
    StopTerminal();
    const std::string kept = Contents(folder.File("DATA.TXT"));
    const auto stored = std::count(kept.begin(), kept.end(), '\n');
    EXPECT_GE(stored, 5);
    EXPECT_LT(stored, 200);
    EXPECT_EQ(kept, AsReceived(std::vector<std::string>(records.begin(), records.begin() + stored)));
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"The upload was cancelled. The " + std::to_string(stored) +
                                                          " records received until then were saved."});
}

TEST_F(TransferE2e, RecordsArriveOncePerLineDespiteCorruptFrames) {
    const auto records = Records(25);
    ASSERT_TRUE(StartTerminal({"--records", WriteRecords(records), "--bad-checksum", "3", "--drop", "7"}));
    ui.chosenPaths = {folder.File("DATA.TXT")};
    const UploadResult result = ReceiveData(context, false);
    EXPECT_EQ(result.code, 25) << ::testing::PrintToString(ui.MessageTexts());
    EXPECT_TRUE(result.completed);
    StopTerminal();
    EXPECT_EQ(Contents(folder.File("DATA.TXT")), AsReceived(records));
}

TEST_F(TransferE2e, CutLineKeepsTheRecordsStoredBeforeIt) {
    const auto records = Records(20);
    ASSERT_TRUE(StartTerminal({"--records", WriteRecords(records), "--cut-after", "8"}));
    folder.Write("DATA.TXT", "older data\r\n");
    ui.chosenPaths = {folder.File("DATA.TXT")};
    const UploadResult result = ReceiveData(context, false);
    EXPECT_EQ(result.code, -1);
    // Record 8 goes out once record 7 is acknowledged, and then the line is
    // cut, which may drop record 8 unread: 7 or 8 whole records are kept.
    const std::string kept = Contents(folder.File("DATA.TXT"));
    const auto stored = std::count(kept.begin(), kept.end(), '\n');
    ASSERT_GE(stored, 7);
    ASSERT_LE(stored, 8);
    EXPECT_EQ(kept, AsReceived(std::vector<std::string>(records.begin(), records.begin() + stored)));
    const auto messages = ui.MessageTexts();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(),
              "The upload failed. " + std::to_string(stored) + " records received before the failure were saved.");
}

// The command-line tool, with the port named by the COM name the terminal registered.
TEST_F(TransferE2e, CommandLineDownloadAndReceive) {
    const char* bin = std::getenv("MOSTREL_BIN");
    ASSERT_NE(bin, nullptr);
    const std::string uzx = std::string(bin) + "/uzx";
    ASSERT_TRUE(task::WriteTaskFile(folder.File("TASK.UZX"), task.model).ok);

    ASSERT_TRUE(StartTerminal({"--image-out", folder.File("image.bin")}));
    EXPECT_EQ(std::system((uzx + " download '" + folder.File("TASK.UZX") + "' --port COM7 2>/dev/null").c_str()), 0);
    StopTerminal();
    const TerminalImage expected = ExpectedImage();
    EXPECT_EQ(Contents(folder.File("image.bin")), std::string(expected.begin(), expected.end()));

    EXPECT_EQ(std::system((uzx + " image '" + folder.File("TASK.UZX") + "' '" + folder.File("local.bin") + "'").c_str()), 0);
    EXPECT_EQ(Contents(folder.File("local.bin")), std::string(expected.begin(), expected.end()));

    const auto records = Records(12);
    ASSERT_TRUE(StartTerminal({"--records", WriteRecords(records)}));
    EXPECT_EQ(std::system((uzx + " receive '" + folder.File("OUT.TXT") + "' --port COM7 2>/dev/null").c_str()), 0);
    StopTerminal();
    EXPECT_EQ(Contents(folder.File("OUT.TXT")), AsReceived(records));
    EXPECT_NE(std::system((uzx + " download '" + folder.File("TASK.UZX") + "' --port COM8 2>/dev/null").c_str()), 0);

    // A terminal with nothing to send: no record came, and a script must know.
    folder.Write("none.txt", "");
    ASSERT_TRUE(StartTerminal({"--records", folder.File("none.txt")}));
    EXPECT_NE(std::system((uzx + " receive '" + folder.File("NONE.TXT") + "' --port COM7 2>/dev/null").c_str()), 0);
    StopTerminal();
    EXPECT_FALSE(std::filesystem::exists(folder.File("NONE.TXT")));
}

}  // namespace
}  // namespace transfer
