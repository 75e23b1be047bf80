// The loader's download on the in-memory link and the test clock: what goes
// on the wire, what the user sees, and that every way out leaves the port
// and the progress window closed.
#include "loader/link/loader_transfer.h"

#include <gtest/gtest.h>

#include "loader/batch_file.h"
#include "loader/test_support.h"
#include "testing/scripted_ui.h"
#include "testing/test_terminal.h"

namespace loader {
namespace {

using common::Answer;
using common::MessageIcon;
using test_support::MemoryLink;
using test_support::ShownEvent;
using testing::Cp;
using testing::PatternAt;
using testing::PatternFile;
using testing::Put;

constexpr char kHandshake[] = "CIPHER\r";

LoadedTask BatchTask8000() {
    testing::Bytes file = PatternFile("8000RU004", 18954);
    Put(file, 18574 + 27, std::string(1, '\0'));  // download via the 8000's "1. IR-подставку"
    DecodeResult read = DecodeBatchFile(file);
    EXPECT_EQ(read.status, DecodeStatus::Ok);
    return read.task;
}

LoadedTask RadioTask(std::string_view id) {
    loader::RadioTask task;
    std::copy(id.begin(), id.end(), task.firmwareId.begin());
    task.headerB[0] = 1;
    return task;
}

class LoaderTransferTest : public ::testing::Test {
protected:
    // A terminal that answers the handshake with `hello` and every block with "ACK".
    void AnswerEverything(std::string hello) {
        terminal.answer = [hello](const std::string& w) { return w == kHandshake ? hello : std::string("ACK\r"); };
    }

    TransferOutcome Load(const LoadedTask& task, int linkType = 0, bool commandLine = false) {
        return RunLoaderTransfer(session, task, LoadTarget{0, 7, linkType}, commandLine);
    }

    // The block frames written, in order.
    std::vector<std::string> Blocks() const {
        std::vector<std::string> blocks;
        for (const auto& w : terminal.Writes()) {
            if (w.size() == 103) blocks.push_back(w);
        }
        return blocks;
    }

    std::vector<ShownEvent> Messages() const {
        std::vector<ShownEvent> messages;
        for (const auto& e : ui.events) {
            if (e.kind == ShownEvent::Kind::Message || e.kind == ShownEvent::Kind::Question) messages.push_back(e);
        }
        return messages;
    }

    void ExpectRetryQuestionLast() const {
        ASSERT_FALSE(ui.events.empty());
        const ShownEvent& last = ui.events.back();
        EXPECT_EQ(last.kind, ShownEvent::Kind::Question);
        EXPECT_EQ(last.caption, Cp("Ошибка"));
        EXPECT_EQ(last.text, Cp("Ошибка загрузки, хотите попробывать снова?"));
        EXPECT_EQ(last.icon, MessageIcon::Question);
    }

    void ExpectEverythingClosed() const {
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(ui.openProgressWindows, 0);
    }

    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    MemoryLink& port = pair.host();
    test_support::TestTerminal terminal{pair};
    test_support::ScriptedUi ui;
    LoaderSession session{ui, clock, port};
};

TEST_F(LoaderTransferTest, AMixedLayoutTerminalTakesTwoHundredBlocks) {
    AnswerEverything("8300RU004\r");
    const TransferOutcome outcome = Load(BatchTask8000());
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(outcome.delivered);
    EXPECT_EQ(outcome.terminalId, "8300RU004");

    EXPECT_EQ(port.openedDevice, "\\\\.\\COM7");
    EXPECT_EQ(port.queues.back().input, 256u);
    EXPECT_EQ(port.queues.back().output, 1200u);
    EXPECT_EQ(port.applied.back().rate, 115200u);
    EXPECT_EQ(terminal.CountWrites(kHandshake), 1);

    const auto blocks = Blocks();
    ASSERT_EQ(blocks.size(), 200u);
    for (int n = 0; n < 200; ++n) ASSERT_EQ(static_cast<Byte>(blocks[n][102]), n);
    // Block 0 starts with the barcode settings, file bytes 12 on.
    EXPECT_EQ(static_cast<Byte>(blocks[0][0]), PatternAt(12));
    // Block 160 holds the first text entries from its byte 39: 15 characters and a NUL each.
    EXPECT_EQ(blocks[160][54], '\0');
    EXPECT_EQ(static_cast<Byte>(blocks[160][55]), PatternAt(16051 + 16));
    // Block 185 holds the start-up settings from its byte 62: the 8000's cradle item
    // is the 8300's second, sent as 2.
    EXPECT_EQ(blocks[185][62 + 27], 2);
    EXPECT_EQ(blocks[199], std::string(100, '\0') + std::string("\0\0\xC7", 3));

    // "PROGRESSDLG": 0..100 at first, 0..200 for the blocks, 5 + (n + 1) after block n.
    ASSERT_EQ(ui.progressLooks.size(), 1u);
    EXPECT_EQ(ui.progressLooks[0].templateName, "PROGRESSDLG");
    EXPECT_EQ(ui.progressLooks[0].caption, Cp("Передача данных..."));
    EXPECT_EQ(ui.progressLooks[0].label, Cp("Загрузка..."));
    EXPECT_EQ(ui.progressLooks[0].barId, 1009);
    EXPECT_EQ(ui.progressRanges, (std::vector<std::pair<int, int>>{{0, 100}, {0, 200}}));
    ASSERT_EQ(ui.progressPositions.size(), 201u);
    EXPECT_EQ(ui.progressPositions[0], 0);
    EXPECT_EQ(ui.progressPositions[1], 6) << "after block 0";
    EXPECT_EQ(ui.progressPositions[194], 199);
    EXPECT_EQ(ui.progressPositions[195], 200) << "the bar's end, where it stays";
    EXPECT_EQ(ui.progressPositions[200], 200);

    const ShownEvent& last = ui.events.back();
    EXPECT_EQ(last.kind, ShownEvent::Kind::Message);
    EXPECT_EQ(last.caption, Cp("Загрузка"));
    EXPECT_EQ(last.text, Cp("Загрузка завершена!"));
    EXPECT_EQ(last.icon, MessageIcon::Information);
    ASSERT_EQ(port.purges.size(), 1u);
    EXPECT_TRUE(port.purges[0].transmit && port.purges[0].receive) << "both buffers, before closing";
    ExpectEverythingClosed();
    EXPECT_EQ(session.reply.limit, 10u) << "a batch terminal's replies are read 10 bytes at most from now on";
}

TEST_F(LoaderTransferTest, AWideLayoutTerminalTakesTwentyOneByteEntries) {
    AnswerEverything("8600RU004\r");
    EXPECT_TRUE(Load(BatchTask8000()).delivered);
    const auto blocks = Blocks();
    ASSERT_EQ(blocks.size(), 200u);
    // The 8000's first entry of 15 characters, padded to 20 and ended at byte 59 of block 160.
    EXPECT_EQ(static_cast<Byte>(blocks[160][53]), PatternAt(16051 + 14));
    EXPECT_EQ(blocks[160].substr(54, 6), std::string("     \0", 6));
    EXPECT_EQ(blocks[199], std::string(100, '\0') + std::string("\0\0\xC7", 3));
}

TEST_F(LoaderTransferTest, RadioTerminalsTakeTheVariantsBlocksWithoutTheCompletionMessageFromTheCommandLine) {
    AnswerEverything("80xxRU102-EXTRA\r");  // 15 characters and the CR: read whole
    const TransferOutcome outcome = Load(RadioTask("80xxRU102"), 0, true);
    EXPECT_TRUE(outcome.delivered);
    EXPECT_EQ(outcome.terminalId, "80xxRU102");
    const auto blocks = Blocks();
    ASSERT_EQ(blocks.size(), 50u);
    EXPECT_EQ(static_cast<Byte>(blocks[0][0]), 102);
    EXPECT_EQ(static_cast<Byte>(blocks[0][1]), 6);
    EXPECT_EQ(ui.progressPositions.back(), 55);
    EXPECT_TRUE(Messages().empty()) << "an unattended load ends without a word";
    EXPECT_EQ(session.reply.limit, 16u);

    // A terminal that answers "ACK" takes a radio task whose identifier has no "RU".
    terminal.ClearWrites();
    AnswerEverything("ACK\r");
    const TransferOutcome large = Load(RadioTask("84xxAT103"), 0, true);
    EXPECT_TRUE(large.delivered);
    EXPECT_EQ(large.terminalId, "ACK");
    EXPECT_EQ(Blocks().size(), 182u);
    ExpectEverythingClosed();
}

TEST_F(LoaderTransferTest, ATaskIsSentOnlyToATerminalOfItsKind) {
    const auto expectRefusedUnsent = [&](const LoadedTask& task, std::string hello) {
        terminal.ClearWrites();
        ui.events.clear();
        AnswerEverything(hello);
        const TransferOutcome outcome = Load(task);
        EXPECT_FALSE(outcome.delivered) << hello;
        EXPECT_EQ(terminal.Writes(), std::vector<std::string>{kHandshake}) << hello << ": nothing but the handshake";
        const auto messages = Messages();
        ASSERT_EQ(messages.size(), 2u) << hello;
        EXPECT_EQ(messages[0].caption, Cp("Не известный формат"));
        EXPECT_EQ(messages[0].text, Cp("Версия прошивки не совпадает с версией Quarrow"));
        EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
        ExpectRetryQuestionLast();
        ExpectEverythingClosed();
    };
    expectRefusedUnsent(BatchTask8000(), "80xxRU102\r");  // a radio terminal
    expectRefusedUnsent(BatchTask8000(), "ACK\r");
    expectRefusedUnsent(RadioTask("80xxRU102"), "8300RU004\r");  // a batch terminal
    expectRefusedUnsent(RadioTask("80xxRU102"), "ACK\r");         // "ACK" takes no task with "RU"
}

TEST_F(LoaderTransferTest, AHandshakeWithoutAReplyEndsTheAttemptSilently) {
    const TransferOutcome outcome = Load(BatchTask8000());
    EXPECT_EQ(outcome.code, 1);
    EXPECT_FALSE(outcome.delivered);
    EXPECT_EQ(terminal.Writes(), std::vector<std::string>{kHandshake}) << "no second try";
    EXPECT_EQ(clock.NowMs(), 2100u) << "100 ms before the handshake, 2000 ms for its reply";
    ASSERT_EQ(ui.events.size(), 1u);
    ExpectRetryQuestionLast();
    EXPECT_EQ(ui.progressLooks.size(), 0u);
    ExpectEverythingClosed();
}

TEST_F(LoaderTransferTest, ThreeRefusedHandshakesMeanTheTerminalIsNotReady) {
    terminal.answer = [](const std::string&) { return std::string("NAK\r"); };
    EXPECT_FALSE(Load(BatchTask8000()).delivered);
    EXPECT_EQ(terminal.Writes(), std::vector<std::string>(3, kHandshake)) << "and never a NAK of the host's";
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].caption, Cp("Ошибка"));
    EXPECT_EQ(messages[0].text, Cp("Терминал не готов"));
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    ExpectRetryQuestionLast();
}

TEST_F(LoaderTransferTest, AFullTerminalEndsTheAttemptAndYesTriesAgainOnTheOpenPortWithTheSameBytes) {
    int blocksHeard = 0;
    terminal.answer = [&](const std::string& w) {
        if (w == kHandshake) return std::string("8300RU004\r");
        return std::string(++blocksHeard == 191 ? "FULL\r" : "ACK\r");
    };
    ui.answers = {Answer::Yes};
    const TransferOutcome outcome = Load(BatchTask8000());
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(outcome.delivered);

    EXPECT_EQ(terminal.Count(MemoryLink::Op::Open), 1) << "the port stays open between attempts";
    EXPECT_EQ(terminal.Count(MemoryLink::Op::Close), 1);
    EXPECT_EQ(terminal.CountWrites(kHandshake), 2);
    const auto blocks = Blocks();
    ASSERT_EQ(blocks.size(), 191u + 200u);
    for (int n = 0; n < 191; ++n) {
        ASSERT_EQ(blocks[n], blocks[191 + n]) << "block " << n << " of the retry differs from the first try";
    }
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, Cp("Переполнение памяти"));
    EXPECT_EQ(messages[0].caption, Cp("Ошибка"));
    EXPECT_EQ(messages[1].text, Cp("Ошибка загрузки, хотите попробывать снова?"));
    EXPECT_EQ(messages[2].text, Cp("Загрузка завершена!"));
    EXPECT_EQ(ui.progressLooks.size(), 2u) << "one window each attempt";
    ExpectEverythingClosed();
}

TEST_F(LoaderTransferTest, SevenUnacknowledgedSendsOfABlockEndTheAttempt) {
    terminal.answer = [](const std::string& w) { return std::string(w == kHandshake ? "8300RU004\r" : "NAK\r"); };
    EXPECT_FALSE(Load(BatchTask8000()).delivered);
    const auto blocks = Blocks();
    ASSERT_EQ(blocks.size(), 7u);
    EXPECT_EQ(std::count(blocks.begin(), blocks.end(), blocks[0]), 7) << "block 0, seven times";
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, Cp("Ошибка загрузки!"));
    ExpectRetryQuestionLast();
    ExpectEverythingClosed();
}

TEST_F(LoaderTransferTest, CancelStopsBetweenBlocksWithoutAQuestion) {
    AnswerEverything("8300RU004\r");
    ui.cancelWhen = [this] { return Blocks().size() >= 3; };
    const TransferOutcome outcome = Load(BatchTask8000());
    EXPECT_FALSE(outcome.delivered);
    EXPECT_EQ(Blocks().size(), 3u) << "no block after the Cancel";
    EXPECT_TRUE(Messages().empty()) << "neither an error nor the retry question";
    ExpectEverythingClosed();
}

TEST_F(LoaderTransferTest, AnAnswerLeftFromBeforeIsNoReplyToTheHandshake) {
    AnswerEverything("8300RU004\r");
    pair.far().Write("ACK\r");  // a late acknowledgement, still in the port
    EXPECT_TRUE(Load(BatchTask8000()).delivered);
    EXPECT_TRUE(std::none_of(ui.events.begin(), ui.events.end(),
                             [](const ShownEvent& e) { return e.kind == ShownEvent::Kind::Question; }));
}

TEST_F(LoaderTransferTest, PortFailuresAreToldAndNothingIsLeftOpen) {
    port.openFails = true;
    TransferOutcome outcome = Load(BatchTask8000());
    EXPECT_EQ(outcome.code, -1);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, Cp("Невозможно открыть СОМ порт!"));
    EXPECT_EQ(Messages()[0].caption, Cp("Ошибка"));

    ui.events.clear();
    port.openFails = false;
    port.applyFails = true;
    outcome = Load(BatchTask8000());
    EXPECT_EQ(outcome.code, 0);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, Cp("Ошибка установки соединения"));
    EXPECT_FALSE(port.IsOpen());

    // Through a cradle that never answers its probe.
    ui.events.clear();
    port.applyFails = false;
    outcome = Load(BatchTask8000(), 1);
    EXPECT_EQ(outcome.code, -1);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, Cp("Ошибка конфигурации IR устройства!"));
    EXPECT_TRUE(port.purges.empty()) << "the loader's probe leaves the buffers alone";
    ExpectEverythingClosed();
}

}  // namespace
}  // namespace loader
