// The unattended command line: what it loads, and every way it is refused.
#include "loader/command_line.h"

#include <gtest/gtest.h>

#include "testing/scripted_ui.h"
#include "loader/test_support.h"

namespace loader {
namespace {

using testing::Cp;

CommandLineVerdict VerdictOf(std::string_view text) { return ParseCommandLine(text).verdict; }

TEST(CommandLine, FourFieldsLoadTheTask) {
    const ParsedCommandLine parsed = ParseCommandLine("C:\\Tasks\\store.uzx,115200,3,1");
    ASSERT_EQ(parsed.verdict, CommandLineVerdict::Load);
    EXPECT_EQ(parsed.load.taskPath, "C:\\Tasks\\store.uzx");
    EXPECT_EQ(parsed.load.kind, TaskKind::Batch);
    EXPECT_EQ(parsed.load.target.speedIndex, 0);
    EXPECT_EQ(parsed.load.target.portNumber, 3);
    EXPECT_EQ(parsed.load.target.linkType, 1);

    // Arguments joined by spaces keep the spaces of a file name.
    const ParsedCommandLine spaced = ParseCommandLine("/home/anna/my tasks/shop.A85,9600,12,0");
    ASSERT_EQ(spaced.verdict, CommandLineVerdict::Load);
    EXPECT_EQ(spaced.load.taskPath, "/home/anna/my tasks/shop.A85");
    EXPECT_EQ(spaced.load.target.speedIndex, 4);
    EXPECT_EQ(spaced.load.target.portNumber, 12);
    EXPECT_EQ(spaced.load.target.linkType, 0);

    const int speeds[] = {0, 1, 2, 3, 4};
    const char* texts[] = {"115200", "57600", "38400", "19200", "9600"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ParseCommandLine(std::string("t.uzx,") + texts[i] + ",1,0").load.target.speedIndex, speeds[i]);
    }
    // Numbers are read as numbers: spaces around them and a leading zero do no harm.
    EXPECT_EQ(ParseCommandLine("t.uzx,57600, 7 ,01").load.target.portNumber, 7);
    EXPECT_EQ(ParseCommandLine("t.uzx,57600, 7 ,01").load.target.linkType, 1);
}

TEST(CommandLine, NothingStartsTheWindowAndAHelpRequestEndsSilently) {
    EXPECT_EQ(VerdictOf(""), CommandLineVerdict::Interactive);
    EXPECT_EQ(VerdictOf("/?"), CommandLineVerdict::Quit);
    EXPECT_EQ(VerdictOf("task.uzx,9600,3,1 /?"), CommandLineVerdict::Quit) << "anywhere in the line";
    EXPECT_EQ(VerdictOf("a/?b"), CommandLineVerdict::Quit) << "even without a comma";
    EXPECT_EQ(VerdictOf(" "), CommandLineVerdict::FormatError) << "the line is not trimmed";
}

TEST(CommandLine, MissingFieldsAreFormatErrors) {
    EXPECT_EQ(VerdictOf("task.uzx"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,9600"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,9600,3"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,9600,3,"), CommandLineVerdict::FormatError) << "no link type";
    EXPECT_EQ(VerdictOf("task.uzx,9600,,1"), CommandLineVerdict::FormatError) << "no port";
}

TEST(CommandLine, TheSpeedIsOneOfTheFiveRatesExactlyAsWritten) {
    EXPECT_EQ(VerdictOf("task.uzx, 9600,3,1"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,9600 ,3,1"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,4800,3,1"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,09600,3,1"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,,3,1"), CommandLineVerdict::FormatError);
}

TEST(CommandLine, ThePortIsAPositiveWholeNumber) {
    EXPECT_EQ(VerdictOf("task.uzx,9600,0,1"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,9600,-3,1"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,9600,COM3,1"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,9600,3x,1"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,9600,99999999999,1"), CommandLineVerdict::FormatError) << "too large for a port";
    EXPECT_EQ(VerdictOf("task.uzx,9600,255,1"), CommandLineVerdict::Load);
}

TEST(CommandLine, TheLinkTypeIsZeroOrOneAsAWholeNumber) {
    EXPECT_EQ(VerdictOf("task.uzx,9600,3,2"), CommandLineVerdict::FormatError) << "IrDA is not offered";
    EXPECT_EQ(VerdictOf("task.uzx,9600,3,256"), CommandLineVerdict::FormatError) << "not 0 modulo 256";
    EXPECT_EQ(VerdictOf("task.uzx,9600,3,257"), CommandLineVerdict::FormatError) << "not 1 modulo 256";
    EXPECT_EQ(VerdictOf("task.uzx,9600,3,-1"), CommandLineVerdict::FormatError);
    EXPECT_EQ(VerdictOf("task.uzx,9600,3,1,1"), CommandLineVerdict::FormatError) << "a fifth field";
    EXPECT_EQ(VerdictOf("task.uzx,9600,3,cradle"), CommandLineVerdict::FormatError);
}

TEST(CommandLine, TheCommandLineTellsTaskKindsByExtensionInAnyCase) {
    EXPECT_EQ(ParseCommandLine("shop.Uzx,9600,3,1").load.kind, TaskKind::Batch);
    EXPECT_EQ(ParseCommandLine("shop.a85,9600,3,1").load.kind, TaskKind::Batch);
    EXPECT_EQ(ParseCommandLine("shop.ATF,9600,3,1").load.kind, TaskKind::Radio);
    EXPECT_EQ(ParseCommandLine("shop.txt,9600,3,1").load.kind, TaskKind::Radio) << "any other extension";
    EXPECT_EQ(ParseCommandLine("shop,9600,3,1").load.kind, TaskKind::Radio) << "no extension at all";
    EXPECT_EQ(ParseCommandLine("old.uzx.bak,9600,3,1").load.kind, TaskKind::Radio) << "the last dot counts";
}

TEST(CommandLine, TheLoadButtonTellsTaskKindsByExtensionExactlyAsWritten) {
    EXPECT_EQ(TaskKindForLoadButton("shop.UZX"), TaskKind::Batch);
    EXPECT_EQ(TaskKindForLoadButton("shop.uzx"), TaskKind::Batch);
    EXPECT_EQ(TaskKindForLoadButton("shop.A85"), TaskKind::Batch);
    EXPECT_EQ(TaskKindForLoadButton("shop.a85"), TaskKind::Batch);
    EXPECT_EQ(TaskKindForLoadButton("shop.Uzx"), TaskKind::Radio) << "mixed case is not a batch task here";
    EXPECT_EQ(TaskKindForLoadButton("Unknow"), TaskKind::Radio);
    EXPECT_EQ(LoadExtensionOf("Unknow"), "");
    EXPECT_EQ(LoadExtensionOf("a.b.UZX"), "UZX");
}

TEST(CommandLine, TheFormatErrorAsksWhetherToGoOn) {
    test_support::ScriptedUi ui;
    ui.answers = {common::Answer::Yes};
    EXPECT_TRUE(AskToContinueAfterFormatError(ui));
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, test_support::ShownEvent::Kind::Question);
    EXPECT_EQ(ui.events[0].caption, Cp("Ошибка"));
    EXPECT_EQ(ui.events[0].text, Cp("Формат командной строки не верен:\r\n имя файла,скорость порта,номер СОМ "
                                    "порта, (RS-232 - 0 , Cradle IR - 1)  \r\nПродолжить работу?."));
    EXPECT_EQ(ui.events[0].icon, common::MessageIcon::Question);
    EXPECT_FALSE(AskToContinueAfterFormatError(ui)) << "No ends the program";
}

}  // namespace
}  // namespace loader
