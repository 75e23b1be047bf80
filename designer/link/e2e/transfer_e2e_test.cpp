// Transfers over the real termios link against the virtual terminal on a
// pseudo-terminal: what the terminal stored must be what was sent.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "common/clock.h"
#include "common/scripted_ui.h"
#include "designer/link/download.h"
#include "designer/link/e2e/vterm_process.h"
#include "designer/link/port_list.h"
#include "designer/link/system_serial_link.h"
#include "designer/link/terminal_image.h"
#include "designer/link/test_folder.h"
#include "designer/link/upload.h"
#include "designer/strings/english_table.h"
#include "designer/task/task_file.h"
#include "designer/task/test_support.h"

namespace termlink {
namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class TransferE2e : public ::testing::Test {
protected:
    TransferE2e() {
        ::setenv("MOSTREL_PORT_MAP", (folder / "ports").c_str(), 1);
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
        vterm = VtermProcess::Start(flags, error);
        if (!vterm) {
            ADD_FAILURE() << error;
            return false;
        }
        context.device = vterm->device();
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
        return folder / "records.txt";
    }
    static std::string AsReceived(const std::vector<std::string>& records) {
        std::string text;
        for (const auto& r : records) text += r + "\r\n";
        return text;
    }

    testing::TestFolder folder;
    common::SteadyClock clock;
    std::unique_ptr<SerialLink> port = MakeSystemSerialLink();
    common::ScriptedUi ui;
    text::StringTable strings = strings::MakeStringTable();
    task::Task task;
    LinkState state;
    LinkContext context{task, strings, ui, clock, *port, state, "", 0, {}};
    std::unique_ptr<VtermProcess> vterm;
};

TEST_F(TransferE2e, TaskArrivesByteForByte) {
    ASSERT_TRUE(StartTerminal({"--image-out", folder / "image.bin"}));
    const TerminalImage expected = ExpectedImage();
    EXPECT_TRUE(DownloadToTerminal(context, 0, false).delivered);
    StopTerminal();
    EXPECT_EQ(Contents(folder / "image.bin"), std::string(expected.begin(), expected.end()));
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Downloaded completely!"});
}

TEST_F(TransferE2e, CradleIsSwitchedToTheTransferSpeedFirst) {
    ASSERT_TRUE(StartTerminal({"--image-out", folder / "image.bin"}));
    context.speedIndex = 1;
    const TerminalImage expected = ExpectedImage();
    EXPECT_TRUE(DownloadToTerminal(context, 0, true).delivered);
    StopTerminal();
    EXPECT_EQ(Contents(folder / "image.bin"), std::string(expected.begin(), expected.end()));
    EXPECT_TRUE(state.line.rtsOn);
    EXPECT_EQ(state.line.rate, 57600u);
}

TEST_F(TransferE2e, RefusedBlocksAreResent) {
    ASSERT_TRUE(StartTerminal({"--nak", "6", "--image-out", folder / "image.bin"}));
    const TerminalImage expected = ExpectedImage();
    EXPECT_TRUE(DownloadToTerminal(context, 0, false).delivered);
    StopTerminal();
    EXPECT_EQ(Contents(folder / "image.bin"), std::string(expected.begin(), expected.end()));
}

TEST_F(TransferE2e, FullTerminalEndsTheDownload) {
    ASSERT_TRUE(StartTerminal({"--full-at", "5"}));
    EXPECT_FALSE(DownloadToTerminal(context, 0, false).delivered);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Memory full for Terminal!"});
    EXPECT_EQ(ui.progressPositions.back(), 7);  // blocks 0 to 3 were acknowledged
}

TEST_F(TransferE2e, SilentTerminalIsNotReady) {
    ASSERT_TRUE(StartTerminal({"--silent"}));
    EXPECT_FALSE(DownloadToTerminal(context, 0, false).delivered);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Terminal is not ready!"});
}

TEST_F(TransferE2e, LookupFileArrivesLineByLine) {
    ASSERT_TRUE(StartTerminal({"--lookup", "--lookup-out", folder / "lookup.txt"}));
    folder.Write("items.txt", "4711;Apples\r\n4712;Pears\r\n\r\n4713;Plums");
    ui.chosenPaths = {folder / "items.txt"};
    EXPECT_TRUE(DownloadToTerminal(context, 1, false).delivered);
    StopTerminal();
    std::string arrived = Contents(folder / "lookup.txt");
    std::erase(arrived, '\n');
    EXPECT_EQ(arrived, "4711;Apples\r4712;Pears\r\r4713;Plums\r");
}

TEST_F(TransferE2e, RecordsArriveOncePerLineDespiteCorruptFrames) {
    const auto records = Records(25);
    ASSERT_TRUE(StartTerminal({"--records", WriteRecords(records), "--bad-checksum", "3", "--drop", "7"}));
    ui.chosenPaths = {folder / "DATA.TXT"};
    const UploadResult result = ReceiveData(context, false);
    EXPECT_EQ(result.code, 25) << ::testing::PrintToString(ui.MessageTexts());
    EXPECT_TRUE(result.completed);
    StopTerminal();
    EXPECT_EQ(Contents(folder / "DATA.TXT"), AsReceived(records));
}

TEST_F(TransferE2e, CutLineKeepsTheRecordsStoredBeforeIt) {
    const auto records = Records(20);
    ASSERT_TRUE(StartTerminal({"--records", WriteRecords(records), "--cut-after", "8"}));
    folder.Write("DATA.TXT", "older data\r\n");
    ui.chosenPaths = {folder / "DATA.TXT"};
    const UploadResult result = ReceiveData(context, false);
    EXPECT_EQ(result.code, -1);
    const std::string kept = Contents(folder / "DATA.TXT");
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(AsReceived(records).rfind(kept, 0), 0u) << kept;  // a whole-record prefix of what was sent
    const auto messages = ui.MessageTexts();
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.back().find("records received before the failure were saved"), std::string::npos);
}

// The command-line tool, with the port named by the COM name the terminal registered.
TEST_F(TransferE2e, CommandLineDownloadAndReceive) {
    const char* bin = std::getenv("MOSTREL_BIN");
    ASSERT_NE(bin, nullptr);
    const std::string uzx = std::string(bin) + "/uzx";
    ASSERT_TRUE(task::WriteTaskFile(folder / "TASK.UZX", task.model).ok);

    ASSERT_TRUE(StartTerminal({"--image-out", folder / "image.bin"}));
    EXPECT_EQ(std::system((uzx + " download '" + (folder / "TASK.UZX") + "' --port COM7 2>/dev/null").c_str()), 0);
    StopTerminal();
    const TerminalImage expected = ExpectedImage();
    EXPECT_EQ(Contents(folder / "image.bin"), std::string(expected.begin(), expected.end()));

    EXPECT_EQ(std::system((uzx + " image '" + (folder / "TASK.UZX") + "' '" + (folder / "local.bin") + "'").c_str()), 0);
    EXPECT_EQ(Contents(folder / "local.bin"), std::string(expected.begin(), expected.end()));

    const auto records = Records(12);
    ASSERT_TRUE(StartTerminal({"--records", WriteRecords(records)}));
    EXPECT_EQ(std::system((uzx + " receive '" + (folder / "OUT.TXT") + "' --port COM7 2>/dev/null").c_str()), 0);
    StopTerminal();
    EXPECT_EQ(Contents(folder / "OUT.TXT"), AsReceived(records));
    EXPECT_NE(std::system((uzx + " download '" + (folder / "TASK.UZX") + "' --port COM8 2>/dev/null").c_str()), 0);
}

}  // namespace
}  // namespace termlink
