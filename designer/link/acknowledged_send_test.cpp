#include "designer/link/acknowledged_send.h"

#include <gtest/gtest.h>

#include "testing/scripted_ui.h"
#include "testing/test_terminal.h"

namespace termlink {
namespace {

using common::MessageIcon;

// The caller's own texts: the core shows exactly these.
const SendFailureNotices kNotices{{"Ошибка", "Переполнение памяти", MessageIcon::Warning},
                                  {"Ошибка", "Ошибка загрузки!", MessageIcon::Warning}};

class AcknowledgedSendTest : public ::testing::Test {
protected:
    AcknowledgedSendTest() { connection.progress = ui.OpenProgress({}); }

    // The terminal answers the n-th send (from 1) with `replies[n - 1]`, then with silence.
    void Answers(std::vector<std::string> replies) {
        terminal.answer = [replies = std::move(replies), n = std::size_t{0}](const std::string&) mutable {
            return n < replies.size() ? replies[n++] : std::string();
        };
    }
    bool Send() { return SendWithAck(connection, std::span<const std::uint8_t>(frame), kNotices); }

    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    test_support::TestTerminal terminal{pair};
    test_support::ScriptedUi ui;
    LinkState state;
    LinkContext context{ui, clock, pair.host(), state, "COM1", 0};
    Connection connection{context, ReplyRule{2000, 16}};
    const std::vector<std::uint8_t> frame{'L', 'I', 'N', 'E', 0x01, 0x9E, 0x0D};
};

TEST_F(AcknowledgedSendTest, FrameIsSentAgainUntilAcknowledgedAtMostSevenTimes) {
    Answers({"NAK\r", "", "?\r", "NAK\r", "ACKX\r", "NAK\r", "ACK\r"});
    EXPECT_TRUE(Send());
    EXPECT_EQ(terminal.Writes(), std::vector<std::string>(7, "LINE\x01\x9E\r"));
    EXPECT_TRUE(ui.MessageTexts().empty());
    EXPECT_EQ(ui.openProgressWindows, 1);  // the transfer goes on
    // The one silent reply waited the connection's own time.
    EXPECT_EQ(clock.NowMs(), 2000u);

    terminal.ClearWrites();
    Answers(std::vector<std::string>(7, "NAK\r"));
    EXPECT_FALSE(Send());
    EXPECT_EQ(terminal.Writes().size(), 7u);
    ASSERT_EQ(ui.MessageTexts(), std::vector<std::string>{"Ошибка загрузки!"});
    EXPECT_EQ(ui.events.back().caption, "Ошибка");
    EXPECT_EQ(ui.events.back().icon, MessageIcon::Warning);
    EXPECT_EQ(ui.openProgressWindows, 0);
}

TEST_F(AcknowledgedSendTest, FullStopsAtOnce) {
    Answers({"NAK\r", "FULL\r", "ACK\r"});
    EXPECT_FALSE(Send());
    EXPECT_EQ(terminal.Writes().size(), 2u);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Переполнение памяти"});
    EXPECT_EQ(ui.openProgressWindows, 0);
}

TEST_F(AcknowledgedSendTest, CancelEndsQuietlyWithinAPollAndSendsNothingMore) {
    Answers({});  // a terminal that never answers
    ui.cancelWhen = [this] { return clock.NowMs() >= 500; };
    EXPECT_FALSE(Send());
    EXPECT_EQ(terminal.Writes().size(), 1u) << "no send after the Cancel";
    EXPECT_LE(clock.NowMs(), 500u + kStopPollMs);
    EXPECT_TRUE(ui.MessageTexts().empty()) << "a stop is no failure to tell";

    // Asked before the first send: nothing goes out.
    terminal.ClearWrites();
    EXPECT_FALSE(Send());
    EXPECT_TRUE(terminal.Writes().empty());
}

}  // namespace
}  // namespace termlink
