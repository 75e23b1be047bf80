#include "designer/link/attempts.h"

#include <gtest/gtest.h>

#include <deque>

#include "testing/scripted_ui.h"

namespace termlink {
namespace {

using common::Answer;
using common::MessageIcon;

const Notice kQuestion{"Error", "Failed to download, would you like to retry?", MessageIcon::Question};

struct Command {
    test_support::ScriptedUi ui;
    std::deque<AttemptEnd> ends;  // how each attempt ends, in order
    std::vector<std::string> log;

    AttemptEnd Go() {
        return RepeatWhileAsked(
            ui, kQuestion,
            [this] {
                log.push_back("attempt");
                const AttemptEnd end = ends.front();
                ends.pop_front();
                return end;
            },
            [this] { log.push_back("reset"); });
    }
};

TEST(Attempts, AFailureAsksAndYesTriesAgainFromTheStart) {
    Command run;
    run.ends = {AttemptEnd::Failed, AttemptEnd::Failed, AttemptEnd::Delivered};
    run.ui.answers = {Answer::Yes, Answer::Yes};
    EXPECT_EQ(run.Go(), AttemptEnd::Delivered);
    EXPECT_EQ(run.log, (std::vector<std::string>{"attempt", "reset", "attempt", "reset", "attempt"}));
    ASSERT_EQ(run.ui.events.size(), 2u);
    EXPECT_EQ(run.ui.events[0].kind, test_support::ShownEvent::Kind::Question);
    EXPECT_EQ(run.ui.events[0].caption, "Error");
    EXPECT_EQ(run.ui.events[0].text, "Failed to download, would you like to retry?");
    EXPECT_EQ(run.ui.events[0].icon, MessageIcon::Question);
}

TEST(Attempts, NoEndsAfterTheFailureAndAStopAsksNothing) {
    Command declined;
    declined.ends = {AttemptEnd::Failed};
    declined.ui.answers = {Answer::No};
    EXPECT_EQ(declined.Go(), AttemptEnd::Failed);
    EXPECT_EQ(declined.log, std::vector<std::string>{"attempt"});
    EXPECT_EQ(declined.ui.events.size(), 1u);

    Command stopped;
    stopped.ends = {AttemptEnd::Failed, AttemptEnd::Stopped};
    stopped.ui.answers = {Answer::Yes};
    EXPECT_EQ(stopped.Go(), AttemptEnd::Stopped);
    EXPECT_EQ(stopped.ui.events.size(), 1u);  // only the question after the failure

    Command delivered;
    delivered.ends = {AttemptEnd::Delivered};
    EXPECT_EQ(delivered.Go(), AttemptEnd::Delivered);
    EXPECT_TRUE(delivered.ui.events.empty());
}

}  // namespace
}  // namespace termlink
