// The terminal's answer to the handshake against the task's own signature.
#include "loader/link/handshake_reply.h"

#include <gtest/gtest.h>

#include "loader/test_support.h"

namespace loader {
namespace {

using testing::Slice;

const FirmwareId kBatchTask = TerminalIdOf("8300RU004");
const FirmwareId kRuRadioTask = TerminalIdOf("80xxRU102");
const FirmwareId kOtherRadioTask = TerminalIdOf("84xxAT103");

TEST(HandshakeReply, TheReplyIsKeptToNineCharacters) {
    EXPECT_EQ(Slice(TerminalIdOf("8300RU004"), 0, 10), std::string("8300RU004\0", 10));
    EXPECT_EQ(Slice(TerminalIdOf("8300RU004-B2-LONG"), 0, 10), std::string("8300RU004\0", 10));
    EXPECT_EQ(Slice(TerminalIdOf("ACK"), 0, 10), std::string("ACK\0\0\0\0\0\0\0", 10));
    EXPECT_EQ(TerminalIdText(TerminalIdOf("80xxRU102X")), "80xxRU102");
}

TEST(HandshakeReply, AnRuIdentifierIsAcceptedWhateverTheTask) {
    for (const FirmwareId& task : {kBatchTask, kRuRadioTask, kOtherRadioTask}) {
        EXPECT_EQ(JudgeHandshakeReply("8300RU004", task), ReplyVerdict::Accepted);
        EXPECT_EQ(JudgeHandshakeReply("80xxRU102", task), ReplyVerdict::Accepted);
        EXPECT_EQ(JudgeHandshakeReply("ABCDRU", task), ReplyVerdict::Accepted) << "places five and six decide";
    }
    EXPECT_EQ(JudgeHandshakeReply("RU8300004", kBatchTask), ReplyVerdict::TryAgain) << "RU elsewhere does not";
}

TEST(HandshakeReply, NoReplyOrOneCharacterEndsTheAttemptSilently) {
    EXPECT_EQ(JudgeHandshakeReply("", kBatchTask), ReplyVerdict::Silent);
    EXPECT_EQ(JudgeHandshakeReply("?", kOtherRadioTask), ReplyVerdict::Silent);
}

TEST(HandshakeReply, AckTakesOnlyATaskWithoutRuInItsSignature) {
    EXPECT_EQ(JudgeHandshakeReply("ACK", kBatchTask), ReplyVerdict::Mismatch);
    EXPECT_EQ(CheckTaskSignature("ACK", kBatchTask), std::nullopt);
    EXPECT_EQ(JudgeHandshakeReply("ACK", kRuRadioTask), ReplyVerdict::Mismatch);
    EXPECT_EQ(JudgeHandshakeReply("ACK", kOtherRadioTask), ReplyVerdict::Accepted);
    EXPECT_EQ(CheckTaskSignature("ACK", kOtherRadioTask), "ACK");
}

TEST(HandshakeReply, OtherRepliesAreAskedAgainUnlessTheyNameTheTask) {
    for (const FirmwareId& task : {kBatchTask, kRuRadioTask, kOtherRadioTask}) {
        EXPECT_EQ(JudgeHandshakeReply("NAK", task), ReplyVerdict::TryAgain);
        EXPECT_EQ(JudgeHandshakeReply("8300-1.04", task), ReplyVerdict::TryAgain);
        EXPECT_EQ(CheckTaskSignature("NAK", task), std::string(TerminalIdText(task)));
    }
    EXPECT_EQ(JudgeHandshakeReply("84xxAT103", kOtherRadioTask), ReplyVerdict::Accepted) << "the task's own identifier";
}

}  // namespace
}  // namespace loader
