// The unattended load from a command line, on real task files and the
// in-memory link.
#include "loader/link/unattended_load.h"

#include <gtest/gtest.h>

#include "loader/test_support.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"
#include "testing/test_terminal.h"

namespace loader {
namespace {

using common::Answer;
using test_support::ShownEvent;
using testing::Cp;
using testing::PatternFile;

class UnattendedLoadTest : public ::testing::Test {
protected:
    std::string WriteTask(const std::string& name, const testing::Bytes& bytes) {
        folder.Write(name, std::string(bytes.begin(), bytes.end()));
        return folder.File(name);
    }

    void AnswerEverything(std::string hello) {
        terminal.answer = [hello](const std::string& w) { return w == "CIPHER\r" ? hello : std::string("ACK\r"); };
    }

    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    test_support::TestTerminal terminal{pair};
    test_support::ScriptedUi ui;
    LoaderSession session{ui, clock, pair.host()};
    test_support::TempFolder folder;
};

TEST_F(UnattendedLoadTest, ALoadedTaskEndsWithoutAWord) {
    const std::string path = WriteTask("shop.Uzx", PatternFile("8300RU004", 18954));
    AnswerEverything("8300RU004\r");
    const UnattendedResult result = RunCommandLine(path + ",9600,3,0", session);
    EXPECT_EQ(result.end, UnattendedEnd::Loaded);
    EXPECT_EQ(result.load.taskPath, path);
    EXPECT_EQ(result.transfer.terminalId, "8300RU004");
    EXPECT_EQ(pair.host().openedDevice, "\\\\.\\COM3");
    EXPECT_EQ(pair.host().applied.back().rate, 9600u);
    EXPECT_EQ(terminal.Writes().size(), 201u) << "the mixed case extension read it as a batch task";
    for (const ShownEvent& e : ui.events) EXPECT_EQ(e.kind, ShownEvent::Kind::Progress);
}

TEST_F(UnattendedLoadTest, ARadioTaskByItsExtension) {
    const std::string path = WriteTask("route.atf", PatternFile("80xxRU102", 4714));
    AnswerEverything("80xxRU102\r");
    const UnattendedResult result = RunCommandLine(path + ",115200,12,0", session);
    EXPECT_EQ(result.end, UnattendedEnd::Loaded);
    EXPECT_EQ(terminal.Writes().size(), 51u) << "the handshake and 50 blocks";
}

TEST_F(UnattendedLoadTest, AFailedLoadEndsWithTheRetryQuestionAnswered) {
    const std::string path = WriteTask("shop.UZX", PatternFile("8300RU004", 18954));
    AnswerEverything("80xxRU102\r");  // a radio terminal
    const UnattendedResult result = RunCommandLine(path + ",9600,3,0", session);
    EXPECT_EQ(result.end, UnattendedEnd::LoadFailed);
    EXPECT_EQ(result.transfer.code, 1);
    ASSERT_EQ(ui.MessageTexts().size(), 1u);
    EXPECT_EQ(ui.MessageTexts()[0], Cp("Версия прошивки не совпадает с версией Quarrow"));
    EXPECT_EQ(ui.events.back().kind, ShownEvent::Kind::Question);
}

TEST_F(UnattendedLoadTest, AnUnreadableTaskIsToldAndNoPortOpened) {
    const std::string path = folder.File("missing.uzx");
    const UnattendedResult result = RunCommandLine(path + ",9600,3,1", session);
    EXPECT_EQ(result.end, UnattendedEnd::TaskRefused);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].caption, "Tarvel");
    EXPECT_EQ(ui.events[0].text, Cp("Файл (" + path + ") не существует."));
    EXPECT_TRUE(pair.host().ops.empty());
}

TEST_F(UnattendedLoadTest, ARefusedCommandLineStartsNothing) {
    const std::string path = WriteTask("shop.uzx", PatternFile("8300RU004", 18954));
    UnattendedResult result = RunCommandLine(path + ", 9600,3,1", session);
    EXPECT_EQ(result.end, UnattendedEnd::FormatError);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::Question);
    EXPECT_EQ(ui.events[0].caption, Cp("Ошибка"));

    ui.answers = {Answer::Yes};
    result = RunCommandLine(path + ",9600,3,256", session);
    EXPECT_EQ(result.end, UnattendedEnd::ContinueInteractively);
    EXPECT_TRUE(pair.host().ops.empty());

    ui.events.clear();
    EXPECT_EQ(RunCommandLine("shop.uzx,9600,3,1 /?", session).end, UnattendedEnd::Quit);
    EXPECT_EQ(RunCommandLine("", session).end, UnattendedEnd::Interactive);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(pair.host().ops.empty());
}

TEST_F(UnattendedLoadTest, TheTaskFileIsReadBeforeTheRestIsJudged) {
    // A file that cannot be read ends the run with the reader's message,
    // even when a later field is wrong too.
    const std::string missing = folder.File("missing.uzx");
    EXPECT_EQ(RunCommandLine(missing + ", 9600,3,1", session).end, UnattendedEnd::TaskRefused);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].text, Cp("Файл (" + missing + ") не существует."));
    // A text without a comma names no file: only the format question.
    ui.events.clear();
    EXPECT_EQ(RunCommandLine(missing, session).end, UnattendedEnd::FormatError);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::Question);
    EXPECT_TRUE(pair.host().ops.empty());
}

}  // namespace
}  // namespace loader
