// The main form and the load page driven by control id: the start with and
// without a command line, Open, Load, Exit and the Close routine, on real
// settings and task files and the in-memory link.
#include "loader/pages/tarvel_form.h"

#include <gtest/gtest.h>

#include "loader/pages/form_test_support.h"
#include "loader/pages/load_page.h"

namespace loader::pages {
namespace {

using common::Answer;
using common::MessageIcon;
using loader::testing::Cp;
using loader::testing::PatternFile;
using test_support::ShownEvent;
using namespace load_ids;

class TarvelFormTest : public ::testing::Test, public testing::FormBench {
protected:
    Page& Load() { return *form->PageOf(kLoadTab); }
    int Selection(int id) { return Load().State(id).selection; }
    std::string Shown(int id) { return Load().State(id).text; }
    std::string BatchTask(const std::string& name) { return WriteFile(name, PatternFile("8300RU004", 18954)); }
};

TEST_F(TarvelFormTest, TheFormsTitleAndTabs) {
    EXPECT_EQ(TarvelForm::Title(), "Tarvel ver 1.0.0.15");
    EXPECT_EQ(TarvelForm::TabTitles()[0], Cp("Загрузка задач"));
    EXPECT_EQ(TarvelForm::TabTitles()[1], Cp("Конвертирвание задач"));
}

TEST_F(TarvelFormTest, WithoutASettingsFileThePageShowsTheDefaults) {
    EXPECT_EQ(form->Start(""), UnattendedEnd::Interactive);
    EXPECT_EQ(form->CurrentTab(), kLoadTab);
    EXPECT_EQ(form->PageOf(kConvertTab), nullptr) << "made on first use";
    EXPECT_EQ(Shown(kTaskFile), "Unknow");
    EXPECT_EQ(Load().State(kLinkList).items, (std::vector<std::string>{"RS-232\\Serial-SPP", "Cradle-IR"}));
    EXPECT_EQ(Selection(kLinkList), 1);
    EXPECT_EQ(Selection(kPortList), 0) << "COM1";
    EXPECT_EQ(Load().State(kSpeedList).items[0], "115200 bps");
    EXPECT_EQ(Load().State(kSpeedList).items[4], "9600 bps");
    EXPECT_EQ(Selection(kSpeedList), 0);
    EXPECT_FALSE(Load().State(kSearchBanner).visible);
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(TarvelFormTest, TheSettingsFileFillsThePage) {
    folder.Write("TARVEL.ini", "/t/a.UZX\r0\r3\r4\r");
    form->Start("");
    EXPECT_EQ(Shown(kTaskFile), "/t/a.UZX");
    EXPECT_EQ(Selection(kLinkList), 0);
    EXPECT_EQ(Selection(kPortList), 1) << "COM3";
    EXPECT_EQ(Selection(kSpeedList), 4);
}

TEST_F(TarvelFormTest, APortTheComputerLacksIsNotSelected) {
    folder.Write("TARVEL.ini", "/t/a.UZX\r0\r7\r4\r");
    form->Start("");
    EXPECT_EQ(Selection(kPortList), -1);
}

TEST_F(TarvelFormTest, AQuestionMarkEndsTheProgramSilentlyWithoutSaving) {
    EXPECT_EQ(form->Start(BatchTask("a.UZX") + ",9600,3,0 /?"), UnattendedEnd::Quit);
    EXPECT_TRUE(form->Closed());
    EXPECT_EQ(windowCloses, 1);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(SettingsFile(), "(none)");
}

TEST_F(TarvelFormTest, AFormatErrorAsksAndYesGoesOnWithTheSettingsFile) {
    folder.Write("TARVEL.ini", "/t/a.UZX\r0\r3\r4\r");
    ui.answers = {Answer::Yes};
    EXPECT_EQ(form->Start(BatchTask("b.UZX")), UnattendedEnd::ContinueInteractively);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::Question);
    EXPECT_EQ(ui.events[0].caption, Cp("Ошибка"));
    EXPECT_EQ(ui.events[0].text, Cp("Формат командной строки не верен:\r\n имя файла,скорость порта,номер СОМ порта, "
                                    "(RS-232 - 0 , Cradle IR - 1)  \r\nПродолжить работу?."));
    EXPECT_FALSE(form->Closed());
    EXPECT_EQ(Shown(kTaskFile), "/t/a.UZX");
    EXPECT_EQ(Selection(kPortList), 1);
}

TEST_F(TarvelFormTest, AFormatErrorAnsweredNoEndsWithoutSaving) {
    ui.answers = {Answer::No};
    EXPECT_EQ(form->Start(BatchTask("b.UZX") + ", 9600,3,0"), UnattendedEnd::FormatError);
    EXPECT_TRUE(form->Closed());
    EXPECT_EQ(SettingsFile(), "(none)");
}

TEST_F(TarvelFormTest, ACommandLineLoadEndsTheProgramWithoutSaving) {
    AnswerEverything("8300RU004\r");
    EXPECT_EQ(form->Start(BatchTask("b.UZX") + ",9600,3,0"), UnattendedEnd::Loaded);
    EXPECT_EQ(pair.host().openedDevice, "\\\\.\\COM3");
    EXPECT_TRUE(form->Closed());
    EXPECT_EQ(windowCloses, 1);
    EXPECT_TRUE(ui.MessageTexts().empty()) << "no completion message";
    EXPECT_EQ(SettingsFile(), "(none)");
}

TEST_F(TarvelFormTest, AfterAFormatErrorAnInteractiveLoadSaysItIsDone) {
    const std::string task = BatchTask("b.UZX");
    ui.answers = {Answer::Yes};
    form->Start(task + ",9600,3,2");
    AnswerEverything("8300RU004\r");
    Load().Choose(kPortList, 1);
    Load().Choose(kLinkList, 0);
    form->CurrentTaskFile() = task;
    Load().Click(kLoad);
    ASSERT_EQ(ui.MessageTexts().size(), 1u);
    EXPECT_EQ(ui.MessageTexts()[0], Cp("Загрузка завершена!"));
}

TEST_F(TarvelFormTest, LoadWithoutAFileWarnsAndDoesNothingElse) {
    form->Start("");
    form->CurrentTaskFile().clear();
    Load().Click(kLoad);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].caption, Cp("Внимание"));
    EXPECT_EQ(ui.events[0].text, Cp("Не выбран файл для закачки"));
    EXPECT_EQ(ui.events[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(pair.host().ops.empty());
    EXPECT_EQ(SettingsFile(), "(none)");
}

TEST_F(TarvelFormTest, TheUnknowPlaceholderIsReadAsARadioTaskThatDoesNotExist) {
    form->Start("");
    Load().Click(kLoad);
    ASSERT_EQ(ui.MessageTexts().size(), 1u);
    EXPECT_EQ(ui.MessageTexts()[0], Cp("Файл (Unknow) не существует."));
    EXPECT_TRUE(pair.host().ops.empty());
    EXPECT_EQ(SettingsFile(), "(none)");
}

TEST_F(TarvelFormTest, LoadKeepsThePagesChoicesAndSendsThere) {
    const std::string task = BatchTask("b.UZX");
    form->Start("");
    form->CurrentTaskFile() = task;
    Load().Choose(kLinkList, 0);
    Load().Choose(kPortList, 2);
    Load().Choose(kSpeedList, 3);
    AnswerEverything("8300RU004\r");
    Load().Click(kLoad);
    EXPECT_EQ(SettingsFile(), task + "\r0\r12\r3\r");
    EXPECT_EQ(pair.host().openedDevice, "\\\\.\\COM12");
    EXPECT_EQ(pair.host().applied.back().rate, 19200u);
    EXPECT_EQ(terminal.Writes().size(), 201u);
    EXPECT_EQ(ui.MessageTexts().back(), Cp("Загрузка завершена!"));
}

TEST_F(TarvelFormTest, LoadWithoutAPortGoesWhereTheSettingsSayAndLeavesTheFile) {
    folder.Write("TARVEL.ini", "/t/a.UZX\r0\r7\r4\r");
    form->Start("");
    form->CurrentTaskFile() = BatchTask("b.UZX");
    AnswerEverything("8300RU004\r");
    Load().Choose(kSpeedList, 0);
    Load().Click(kLoad);
    EXPECT_EQ(pair.host().openedDevice, "\\\\.\\COM7");
    EXPECT_EQ(pair.host().applied.back().rate, 9600u) << "the settings' speed, not the page's";
    EXPECT_EQ(SettingsFile(), "/t/a.UZX\r0\r7\r4\r");
}

TEST_F(TarvelFormTest, OpenStartsInTheProgramsFolderUntilAFileIsShown) {
    form->Start("");
    ui.chosenPaths = {"", "/t/c.A85", ""};
    Load().Click(kOpen);
    ASSERT_EQ(ui.choosers.size(), 1u);
    const common::FileChooser& chooser = ui.choosers[0];
    EXPECT_EQ(chooser.initialPath, folder.File("program"));
    ASSERT_EQ(chooser.filters.size(), 4u);
    EXPECT_EQ(chooser.filters[0].description, Cp("Все поддерживаемые форматы (*.UZX; *.ATF; *.A85)"));
    EXPECT_EQ(chooser.filters[0].pattern, "*.UZX; *.ATF; *.A85");
    EXPECT_EQ(chooser.filters[1].description, Cp("Задача для bath-терминалов (*.UZX)"));
    EXPECT_EQ(chooser.filters[3].pattern, "*.A85");
    EXPECT_EQ(chooser.selectedFilter, 3u);
    EXPECT_EQ(Shown(kTaskFile), "Unknow") << "Cancel keeps the field";

    Load().Click(kOpen);
    EXPECT_EQ(Shown(kTaskFile), "/t/c.A85");
    Load().Click(kOpen);
    EXPECT_EQ(ui.choosers[2].initialPath, "/t/c.A85");
    EXPECT_EQ(Shown(kTaskFile), "/t/c.A85");
    EXPECT_EQ(SettingsFile(), "(none)") << "the file is neither read nor remembered here";
}

TEST_F(TarvelFormTest, ExitFromTheLoadPageSavesItsChoicesOnce) {
    form->Start("");
    form->CurrentTaskFile() = "/t/d.ATF";
    Load().Choose(kPortList, 1);
    Load().Choose(kSpeedList, 2);
    Load().Click(kExit);
    EXPECT_EQ(SettingsFile(), "/t/d.ATF\r1\r3\r2\r");
    EXPECT_EQ(windowCloses, 1);
    // The window going, or its pages, ask again: the routine has run.
    folder.Write("TARVEL.ini", "later");
    form->Close(CloseKind::Ordinary);
    EXPECT_EQ(windowCloses, 1);
    EXPECT_EQ(SettingsFile(), "later");
}

TEST_F(TarvelFormTest, ClosingFromTheConvertPageSavesNothing) {
    form->Start("");
    Load().Choose(kPortList, 1);
    PageAt(kConvertTab).Click(1044);
    EXPECT_EQ(windowCloses, 1);
    EXPECT_EQ(SettingsFile(), "(none)");
}

TEST_F(TarvelFormTest, BackOnTheLoadPageItsChoicesAreSavedAgain) {
    form->Start("");
    PageAt(kConvertTab);
    PageAt(kLoadTab);
    form->Close(CloseKind::Ordinary);
    EXPECT_EQ(SettingsFile(), "Unknow\r1\r1\r0\r");
}

TEST_F(TarvelFormTest, ASettingsFileThatCannotBeWrittenIsToldAndTheLoadStillGoes) {
    // A folder stands where TARVEL.ini would be written.
    folder.Write("TARVEL.ini/inside", "");
    const std::string notSaved =
        Cp("Не удаётся сохранить настройки в файл TARVEL.ini. Они действуют до выхода из программы.");
    form->Start("");
    form->CurrentTaskFile() = BatchTask("b.UZX");
    Load().Choose(kLinkList, 0);
    Load().Choose(kPortList, 2);
    AnswerEverything("8300RU004\r");
    Load().Click(kLoad);
    ASSERT_EQ(ui.MessageTexts().size(), 2u);
    EXPECT_EQ(ui.MessageTexts()[0], notSaved);
    EXPECT_EQ(ui.MessageTexts()[1], Cp("Загрузка завершена!"));
    EXPECT_EQ(pair.host().openedDevice, "\\\\.\\COM12") << "the page's choices hold for this run";

    ui.events.clear();
    Load().Click(kExit);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{notSaved});
    EXPECT_EQ(windowCloses, 1);
}

TEST_F(TarvelFormTest, WithoutAPortClosingLeavesTheSettingsFile) {
    testing::FormBench noPorts(std::vector<std::string>{});
    noPorts.folder.Write("TARVEL.ini", "/t/a.UZX\r0\r7\r4\r");
    noPorts.form->Start("");
    EXPECT_TRUE(noPorts.form->PageOf(kLoadTab)->State(kPortList).items.empty());
    noPorts.form->PageOf(kLoadTab)->Choose(kSpeedList, 0);
    noPorts.form->Close(CloseKind::Ordinary);
    EXPECT_EQ(noPorts.SettingsFile(), "/t/a.UZX\r0\r7\r4\r");
}

}  // namespace
}  // namespace loader::pages
