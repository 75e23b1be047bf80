#include "designer/transfer/download.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "designer/strings/english_table.h"
#include "designer/task/test_support.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"
#include "testing/test_terminal.h"

namespace transfer {
namespace {

using common::MessageIcon;
using test_support::MemoryLink;
using test_support::ShownEvent;

constexpr char kReady[] = "8300RU004\r";

class DownloadTest : public ::testing::Test {
protected:
    DownloadTest() { task.model = task::testing::FreshTask(); }

    std::string WriteFile(const std::string& name, const std::string& content) {
        folder.Write(name, content);
        return folder.File(name);
    }

    // A terminal that answers the handshake with `hello` and every frame with "ACK".
    void AnswerEverything(std::string hello = kReady) {
        terminal.answer = [hello](const std::string& w) { return w == "CIPHER\r" ? hello : std::string("ACK\r"); };
    }

    // The message boxes and questions the user saw, in order.
    std::vector<ShownEvent> Boxes() const {
        std::vector<ShownEvent> boxes;
        for (const ShownEvent& e : ui.events) {
            if (e.kind == ShownEvent::Kind::Message || e.kind == ShownEvent::Kind::Question) boxes.push_back(e);
        }
        return boxes;
    }

    // The frames written after the handshake, in order.
    std::vector<std::string> Frames() const {
        std::vector<std::string> frames;
        for (const auto& w : terminal.Writes()) {
            if (w != "CIPHER\r" && w != "NAK\r") frames.push_back(w);
        }
        return frames;
    }

    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    MemoryLink& port = pair.host();
    test_support::TestTerminal terminal{pair};
    test_support::ScriptedUi ui;
    text::StringTable strings = strings::MakeStringTable();
    task::Task task;
    termlink::LinkState state;
    TransferContext context{{ui, clock, port, state, "/dev/ttyFAKE", 0, "COM7"}, task, strings, {}};
    test_support::TempFolder folder;
};

// A message about the link, with the line that names the port.
std::string OnPort(const std::string& text) { return text + "\r\nPort: COM7"; }

TEST_F(DownloadTest, TaskGoesOutAsTwoHundredAcknowledgedBlocks) {
    AnswerEverything();
    const DownloadResult result = DownloadToTerminal(context, 0, false);
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.delivered);

    const auto frames = Frames();
    ASSERT_EQ(frames.size(), 200u);
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(frames[i].size(), 103u);
        ASSERT_EQ(static_cast<std::uint8_t>(frames[i][102]), i);
    }
    // Block 1 lies inside menu 1, whose empty items were padded with spaces:
    // the end of item 3, items 4 to 7 and the start of item 8. 95 spaces sum to 0x0BE0.
    std::string items = std::string(8, ' ') + '\0';
    for (int item = 4; item <= 7; ++item) items += std::string(20, ' ') + '\0';
    items += std::string(7, ' ');
    EXPECT_EQ(frames[1], items + "\x0B\xE0\x01");
    // Block 188: the end of the last start-up text "3. Warning Beep", the
    // weight-code defaults (43994, no flags, "23", 7, 2, 4), then zeros.
    const std::string weightCode("\xDA\xAB\x00\x00" "23" "\x07\x00\x02\x00\x04\x00", 12);
    EXPECT_EQ(frames[188], "arning Beep     " + std::string(14, '\0') + weightCode + std::string(58, '\0') +
                               "\x06\xB2\xBC");
    EXPECT_EQ(frames[199], std::string(100, '\0') + std::string("\0\0\xC7", 3));
    // The normalisation stays in the task: its menus are padded and counted.
    EXPECT_EQ(task.model.menus[9][task::menu::kItems + 19], ' ');
    EXPECT_EQ(task.model.menus[9][task::menu::kItems + 20], 0);
    EXPECT_EQ(port.queues.back().output, 1200u);
    EXPECT_EQ(port.applied.back().rate, 115200u);
    EXPECT_FALSE(port.applied.back().rtsOn);
    ASSERT_EQ(port.purges.size(), 1u);  // the receive buffer, before closing
    EXPECT_TRUE(port.purges[0].receive && !port.purges[0].transmit);
    EXPECT_FALSE(port.IsOpen());

    ASSERT_EQ(ui.progressPositions.size(), 202u);
    EXPECT_EQ(ui.progressPositions[1], 5);      // after block 0
    EXPECT_EQ(ui.progressPositions[2], 6);      // after block 1
    EXPECT_EQ(ui.progressPositions[190], 100);  // after block 189, and there it stays
    EXPECT_EQ(ui.progressPositions[201], 100);
    EXPECT_EQ(ui.openProgressWindows, 0);
    const ShownEvent& last = ui.events.back();
    EXPECT_EQ(last.caption, "Download");
    EXPECT_EQ(last.text, "Downloaded completely!");
    EXPECT_EQ(last.icon, MessageIcon::Information);
}

TEST_F(DownloadTest, HandshakeInTaskMode) {
    // NAK answers are skipped without a word: three tries, then "not ready" and the retry question.
    terminal.answer = [](const std::string&) { return std::string("NAK\r"); };
    const DownloadResult result = DownloadToTerminal(context, 0, false);
    EXPECT_EQ(result.code, 1);
    EXPECT_FALSE(result.delivered);
    EXPECT_EQ(terminal.Writes(), std::vector<std::string>(3, "CIPHER\r"));
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{OnPort("Terminal is not ready!")});
    auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].kind, ShownEvent::Kind::Question);
    EXPECT_EQ(boxes[1].caption, "Error");
    EXPECT_EQ(boxes[1].text, "Failed to download, would you like to retry?");
    EXPECT_EQ(boxes[1].icon, MessageIcon::Question);
    // Each try is told while the user waits, on the progress window that
    // opened before the port did.
    EXPECT_EQ(ui.events.front().kind, ShownEvent::Kind::Progress);
    EXPECT_EQ(ui.events.front().text, "Opening COM7...");
    EXPECT_EQ(ui.progressTexts, (std::vector<std::string>{"Waiting for the terminal on COM7 (attempt 1 of 3)...",
                                                          "Waiting for the terminal on COM7 (attempt 2 of 3)...",
                                                          "Waiting for the terminal on COM7 (attempt 3 of 3)..."}));
    EXPECT_EQ(ui.openProgressWindows, 0);

    // Another model's identifier is refused at once.
    terminal.ClearWrites();
    ui.events.clear();
    AnswerEverything("8500RU004\r");
    DownloadToTerminal(context, 0, false);
    EXPECT_EQ(terminal.Writes(), (std::vector<std::string>{"CIPHER\r", "NAK\r"}));
    boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Warning");
    EXPECT_EQ(boxes[0].text, OnPort("Program version is incompatible to UZ!"));
    EXPECT_EQ(boxes[0].icon, MessageIcon::Warning);

    // Silence and a single character are no answer; time-outs cost no wall time.
    terminal.ClearWrites();
    ui.events.clear();
    int calls = 0;
    terminal.answer = [&](const std::string&) { return ++calls == 2 ? std::string("?\r") : std::string(); };
    const std::uint64_t start = clock.NowMs();
    DownloadToTerminal(context, 0, false);
    EXPECT_EQ(terminal.Writes(), std::vector<std::string>(3, "CIPHER\r"));
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{OnPort("Terminal is not ready!")});
    EXPECT_EQ(clock.NowMs() - start, 2u * 3000u);
}

TEST_F(DownloadTest, RepliesAreReadTenBytesAtMostWithinThreeSeconds) {
    // The identifier arrives whole, but cut to ten bytes it is not the designer's.
    AnswerEverything("XY8300RU004\r");
    EXPECT_FALSE(DownloadToTerminal(context, 0, false).delivered);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{OnPort("Program version is incompatible to UZ!")});

    // A terminal that takes the whole three seconds for every reply still gets its task.
    ui.events.clear();
    AnswerEverything();
    pair.far().answerDelayMs = 3000;
    EXPECT_TRUE(DownloadToTerminal(context, 0, false).delivered);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Downloaded completely!"});
}

TEST_F(DownloadTest, BlockIsResentUntilTheSeventhSend) {
    int naks = 0;
    terminal.answer = [&](const std::string& w) {
        if (w == "CIPHER\r") return std::string(kReady);
        if (w.size() == 103 && static_cast<std::uint8_t>(w.back()) == 4 && naks < 6) {
            ++naks;
            return std::string("NAK\r");
        }
        return std::string("ACK\r");
    };
    EXPECT_TRUE(DownloadToTerminal(context, 0, false).delivered);
    EXPECT_EQ(Frames().size(), 206u);

    terminal.ClearWrites();
    ui.events.clear();
    terminal.answer = [&](const std::string& w) {
        if (w == "CIPHER\r") return std::string(kReady);
        return std::string(static_cast<std::uint8_t>(w.back()) == 4 ? "NAK\r" : "ACK\r");
    };
    EXPECT_FALSE(DownloadToTerminal(context, 0, false).delivered);
    EXPECT_EQ(Frames().size(), 4u + 7u);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{OnPort("Error on downloading!")});
    EXPECT_EQ(ui.openProgressWindows, 0);
}

TEST_F(DownloadTest, FullEndsTheDownloadAtOnce) {
    terminal.answer = [](const std::string& w) {
        if (w == "CIPHER\r") return std::string(kReady);
        return std::string(static_cast<std::uint8_t>(w.back()) == 3 ? "FULL\r" : "ACK\r");
    };
    EXPECT_FALSE(DownloadToTerminal(context, 0, false).delivered);
    EXPECT_EQ(Frames().size(), 4u);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{OnPort("Memory full for Terminal!")});
    EXPECT_EQ(ui.progressPositions.back(), 6);
}

TEST_F(DownloadTest, RetryStartsAgainFromTheHandshake) {
    terminal.answer = [&](const std::string& w) {
        if (terminal.Count(MemoryLink::Op::Open) == 1) return std::string();  // the first attempt meets silence
        return std::string(w == "CIPHER\r" ? kReady : "ACK\r");
    };
    ui.answers = {common::Answer::Yes};
    const DownloadResult result = DownloadToTerminal(context, 0, false);
    EXPECT_TRUE(result.delivered);
    EXPECT_EQ(terminal.Count(MemoryLink::Op::Open), 2);
    EXPECT_EQ(terminal.Count(MemoryLink::Op::Close), 2);
    EXPECT_EQ(Frames().size(), 200u);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{OnPort("Terminal is not ready!"), "Downloaded completely!"}));
}

TEST_F(DownloadTest, PortFailuresEndTheCommand) {
    port.openFails = true;
    EXPECT_EQ(DownloadToTerminal(context, 0, false).code, -1);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{OnPort("Cannot open the COM port!")});

    port.openFails = false;
    port.applyFails = true;
    ui.events.clear();
    EXPECT_EQ(DownloadToTerminal(context, 0, false).code, 0);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{OnPort("Error on setting communication state")});
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(terminal.Writes().empty());
}

TEST_F(DownloadTest, CradleIsConfiguredFirstAndKeepsTheModemLinesOn) {
    terminal.answer = [](const std::string& w) {
        if (w == "\x0F") return w;  // the cradle echoes its probe
        return std::string(w == "CIPHER\r" ? kReady : w.size() == 1 ? "" : "ACK\r");
    };
    EXPECT_TRUE(DownloadToTerminal(context, 0, true).delivered);
    EXPECT_TRUE(port.applied.back().rtsOn);
    EXPECT_TRUE(port.applied.back().dtrOn);
    EXPECT_EQ(port.applied.back().rate, 115200u);

    // A later direct download in the same run keeps them on.
    EXPECT_TRUE(DownloadToTerminal(context, 0, false).delivered);
    EXPECT_TRUE(port.applied.back().rtsOn);
    EXPECT_TRUE(port.applied.back().dtrOn);

    terminal.answer = nullptr;  // a cradle that never answers
    ui.events.clear();
    EXPECT_EQ(DownloadToTerminal(context, 0, true).code, -1);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{OnPort("Failed to configure IR device!")});
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(DownloadTest, LookupLinesGoOutOneFrameEachThenOver) {
    AnswerEverything("ACK\r");
    ui.chosenPaths = {WriteFile("items.txt", "AB\r\n\r\nCD\r\n")};
    EXPECT_TRUE(DownloadToTerminal(context, 1, false).delivered);
    EXPECT_EQ(Frames(), (std::vector<std::string>{std::string("AB\x00\x83\r", 5), std::string("\x00\x00\r", 3),
                                                  std::string("CD\x00\x87\r", 5), "OVER\r"}));
    EXPECT_EQ(context.lookupPath, folder.File("items.txt"));

    // The last line needs no line end; an empty file sends only the end.
    terminal.ClearWrites();
    ui.chosenPaths = {WriteFile("tail.txt", "XYZ")};
    EXPECT_TRUE(DownloadToTerminal(context, 1, false).delivered);
    EXPECT_EQ(Frames(), (std::vector<std::string>{std::string("XYZ\x01\x0B\r", 6), "OVER\r"}));
    terminal.ClearWrites();
    ui.chosenPaths = {WriteFile("empty.txt", "")};
    EXPECT_TRUE(DownloadToTerminal(context, 1, false).delivered);
    EXPECT_EQ(Frames(), std::vector<std::string>{"OVER\r"});

    // Progress follows the 128-byte chunks read.
    ui.progressPositions.clear();
    terminal.ClearWrites();
    std::string content;
    for (int i = 0; i < 30; ++i) content += "0123456789\r\n";  // 360 bytes: chunks end at 128, 256, 360
    ui.chosenPaths = {WriteFile("many.txt", content)};
    EXPECT_TRUE(DownloadToTerminal(context, 1, false).delivered);
    EXPECT_EQ(ui.progressPositions, (std::vector<int>{0, 35, 71, 100, 100}));
    EXPECT_EQ(Frames().size(), 31u);
}

TEST_F(DownloadTest, LookupLinesEndAtCrLfCrOrLfAlike) {
    AnswerEverything("ACK\r");
    const std::vector<std::string> expected{std::string("AB\x00\x83\r", 5), std::string("\x00\x00\r", 3),
                                            std::string("CD\x00\x87\r", 5), "OVER\r"};
    // Windows, Unix and old Mac files, and files that mix them.
    for (const std::string content : {"AB\n\nCD\n", "AB\r\rCD\r", "AB\n\r\nCD", "AB\r\n\nCD\r"}) {
        terminal.ClearWrites();
        ui.chosenPaths = {WriteFile("items.txt", content)};
        EXPECT_TRUE(DownloadToTerminal(context, 1, false).delivered) << ::testing::PrintToString(content);
        EXPECT_EQ(Frames(), expected) << ::testing::PrintToString(content);
    }

    // A Unix file longer than a frame is many short lines, not one line too long.
    terminal.ClearWrites();
    ui.events.clear();
    std::string unixFile;
    for (int i = 0; i < 40; ++i) unixFile += "4711;Apples\n";
    ui.chosenPaths = {WriteFile("unix.txt", unixFile)};
    EXPECT_TRUE(DownloadToTerminal(context, 1, false).delivered);
    const auto frames = Frames();
    ASSERT_EQ(frames.size(), 41u);
    EXPECT_EQ(frames[39], std::string("4711;Apples\x03\x6D\r", 14));  // the line sums to 0x036D
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Downloaded completely!"});
}

TEST_F(DownloadTest, LookupModeRefusesAnUnexpectedAnswerAndAsksOnce) {
    AnswerEverything("NAK\r");
    ui.chosenPaths = {WriteFile("items.txt", "AB\r\n")};
    EXPECT_FALSE(DownloadToTerminal(context, 1, false).delivered);
    EXPECT_EQ(terminal.Writes(), (std::vector<std::string>{"CIPHER\r", "NAK\r"}));
    // What went wrong, then the one question with its answers.
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].kind, ShownEvent::Kind::Message);
    EXPECT_EQ(boxes[0].caption, "Warning");
    EXPECT_EQ(boxes[0].text, OnPort("The terminal is not waiting for a lookup file!"));
    EXPECT_EQ(boxes[1].kind, ShownEvent::Kind::Question);
    EXPECT_EQ(boxes[1].text, "Failed to download, would you like to retry?");
}

TEST_F(DownloadTest, LookupFileWithAnOverlongLineIsRefusedBeforeAnythingIsSent) {
    AnswerEverything("ACK\r");
    ui.chosenPaths = {WriteFile("long.txt", "A\r\nB\r\n" + std::string(254, 'x') + "\r\n")};
    EXPECT_EQ(DownloadToTerminal(context, 1, false).code, -1);
    EXPECT_EQ(terminal.Count(MemoryLink::Op::Open), 0);
    EXPECT_TRUE(terminal.Writes().empty());
    EXPECT_EQ(ui.MessageTexts(),
              std::vector<std::string>{"Line 3 of the lookup file is too long to send (at most 253 characters)!"});

    // Lines are numbered as they are sent, whatever ends them.
    ui.events.clear();
    ui.chosenPaths = {WriteFile("long.txt", "A\rB\n\n" + std::string(253, 'x') + "\n" + std::string(254, 'y'))};
    EXPECT_EQ(DownloadToTerminal(context, 1, false).code, -1);
    EXPECT_EQ(ui.MessageTexts(),
              std::vector<std::string>{"Line 5 of the lookup file is too long to send (at most 253 characters)!"});
    EXPECT_TRUE(terminal.Writes().empty());
}

TEST_F(DownloadTest, LookupFileChoiceCancelledOrUnreadable) {
    ui.chosenPaths = {""};
    EXPECT_EQ(DownloadToTerminal(context, 1, false).code, 0);
    EXPECT_TRUE(ui.MessageTexts().empty());

    // A file that vanished after the choice, and a folder, get the same message.
    ui.chosenPaths = {folder.File("missing.txt"), folder.Path()};
    EXPECT_EQ(DownloadToTerminal(context, 1, false).code, -1);
    EXPECT_EQ(DownloadToTerminal(context, 1, false).code, -1);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>(2, "Cannot open the file!"));

    // A file larger than any terminal holds is refused without being read whole.
    ui.events.clear();
    const std::string huge = WriteFile("huge.txt", "");
    std::filesystem::resize_file(huge, (16 << 20) + 1);
    ui.chosenPaths = {huge};
    EXPECT_EQ(DownloadToTerminal(context, 1, false).code, -1);
    EXPECT_EQ(ui.MessageTexts(),
              std::vector<std::string>{"The file is too large to be a lookup file (more than 16 MB)!"});
    EXPECT_EQ(terminal.Count(MemoryLink::Op::Open), 0);
}

// Cancel on the progress window: the transfer ends within a second of it,
// with the port closed and not another word.
class DownloadCancelTest : public DownloadTest {
protected:
    // The user presses Cancel once the clock passes `ms`; when they did, in `requestedAt`.
    void CancelAt(std::uint64_t ms) {
        ui.cancelWhen = [this, ms] {
            if (clock.NowMs() < ms) return false;
            if (requestedAt == 0) requestedAt = clock.NowMs();
            return true;
        };
    }
    void ExpectStoppedQuietly(const DownloadResult& result) {
        EXPECT_FALSE(result.delivered);
        EXPECT_TRUE(Boxes().empty()) << ::testing::PrintToString(ui.MessageTexts());
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(ui.openProgressWindows, 0);
        EXPECT_GT(requestedAt, 0u);
        EXPECT_LT(clock.NowMs() - requestedAt, 1000u);
    }
    std::uint64_t requestedAt = 0;
};

TEST_F(DownloadCancelTest, WhileWaitingForTheTerminal) {
    // A silent terminal: each handshake waits three seconds.
    CancelAt(4000);
    ExpectStoppedQuietly(DownloadToTerminal(context, 0, false));
    EXPECT_EQ(terminal.Writes(), std::vector<std::string>(2, "CIPHER\r"));  // the third try never went out
}

TEST_F(DownloadCancelTest, BetweenBlocks) {
    AnswerEverything();
    pair.far().answerDelayMs = 50;  // each block takes 50 ms on the test clock
    CancelAt(1000);
    ExpectStoppedQuietly(DownloadToTerminal(context, 0, false));
    const std::size_t sent = Frames().size();
    EXPECT_GE(sent, 15u);
    EXPECT_LE(sent, 21u);
    ASSERT_FALSE(ui.progressPositions.empty());
    EXPECT_LT(ui.progressPositions.back(), 20);
    EXPECT_TRUE(port.purges.back().receive);
}

TEST_F(DownloadCancelTest, WhileLookingForTheCradle) {
    // No cradle answers: without Cancel the five probes take seconds.
    CancelAt(700);
    ExpectStoppedQuietly(DownloadToTerminal(context, 0, true));
    EXPECT_EQ(ui.events.front().text, "Setting up the infrared cradle on COM7...");
    EXPECT_TRUE(terminal.Writes().size() <= 2u);  // a probe or two, no handshake
}

}  // namespace
}  // namespace transfer
