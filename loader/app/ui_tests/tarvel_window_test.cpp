// The main form as widgets on the offscreen platform: its look, the pages
// made on first use, both pages driven by control id, Escape, F1, and a load
// through the virtual terminal over a real pseudo-terminal.
#include "loader/app/tarvel_window.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "common/clock.h"
#include "common/cp1251.h"
#include "designer/link/system_serial_link.h"
#include "loader/app/tarvel_program.h"
#include "loader/test_support.h"
#include "testing/qt/controls.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"
#include "testing/vterm_process.h"

namespace tarvel {
namespace {

using loader::testing::Cp;
using loader::testing::PatternFile;
using testing_qt::ControlOf;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "(none)";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

class TarvelWindowTest : public ::testing::Test {
protected:
    TarvelWindowTest() {
        setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
        std::filesystem::create_directories(folder.File("ports"));
        std::filesystem::create_directories(folder.File("no-tty"));
        setenv("MOSTREL_SYS_CLASS_TTY", folder.File("no-tty").c_str(), 1);
    }
    ~TarvelWindowTest() override {
        unsetenv("MOSTREL_PORT_MAP");
        unsetenv("MOSTREL_SYS_CLASS_TTY");
    }

    // The form and window as the program makes them, over the system's
    // serial link and the port map of the test's folder.
    void Open(std::vector<std::string> ports = {"COM1", "COM3", "COM12"}) {
        form = std::make_unique<loader::pages::TarvelForm>(
            loader::pages::FormParts{session, folder.Path(), folder.File("TARVEL.ini"), std::move(ports)});
        form->Start("");
        window = std::make_unique<TarvelWindow>(*form, folder.Path());
        window->SetHelpOpener([this](const QString& path) {
            helpOpened << path;
            return true;
        });
        window->show();
    }

    template <typename T>
    T* Control(int id) {
        return ControlOf<T>(window.get(), id);
    }

    void Choose(int id, int index) {
        QComboBox* list = Control<QComboBox>(id);
        ASSERT_NE(list, nullptr) << id;
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    void Click(int id) {
        QPushButton* button = Control<QPushButton>(id);
        ASSERT_NE(button, nullptr) << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    std::string WriteFile(const std::string& name, const loader::testing::Bytes& bytes) {
        folder.Write(name, std::string(bytes.begin(), bytes.end()));
        return folder.File(name);
    }

    test_support::TempFolder folder;
    test_support::ScriptedUi ui;
    common::SteadyClock clock;
    std::unique_ptr<termlink::SerialLink> port = termlink::MakeSystemSerialLink();
    loader::LoaderSession session{ui, clock, *port};
    std::unique_ptr<loader::pages::TarvelForm> form;
    std::unique_ptr<TarvelWindow> window;
    QStringList helpOpened;
};

TEST_F(TarvelWindowTest, TheFormItsTabsAndTheLoadPage) {
    Open();
    EXPECT_EQ(window->windowTitle(), "Tarvel ver 1.0.0.15");
    auto* tabs = Control<QTabWidget>(1023);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), Text("Загрузка задач"));
    EXPECT_EQ(tabs->tabText(1), Text("Конвертирвание задач"));
    EXPECT_EQ(tabs->currentIndex(), 0);

    ASSERT_NE(Control<QLineEdit>(1006), nullptr);
    EXPECT_EQ(Control<QLineEdit>(1006)->text(), "Unknow");
    EXPECT_TRUE(Control<QLineEdit>(1006)->isReadOnly());
    EXPECT_EQ(Control<QPushButton>(1042)->text(), Text("Открыть"));
    EXPECT_EQ(Control<QComboBox>(1000)->currentText(), "Cradle-IR");
    EXPECT_EQ(Control<QComboBox>(1045)->count(), 3);
    EXPECT_EQ(Control<QComboBox>(1045)->currentText(), "COM1");
    EXPECT_EQ(Control<QComboBox>(1002)->currentText(), "115200 bps");
    EXPECT_EQ(Control<QPushButton>(1020)->text(), Text("Найти подставку"));
    EXPECT_FALSE(Control<QLabel>(1046)->isVisible());
    EXPECT_EQ(Control<QLabel>(1046)->text(), Text("Поиск подставки, пожалуйста подождите..."));
    EXPECT_EQ(Control<QPushButton>(1)->text(), Text("Загрузить"));
    EXPECT_EQ(Control<QPushButton>(2)->text(), Text("Выход"));
    QStringList groups;
    for (QGroupBox* group : window->findChildren<QGroupBox*>()) groups << group->title();
    EXPECT_EQ(groups, (QStringList{Text("Файл"), Text("Настройки")}));
    QStringList labels;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->property("controlId").toInt() > 9000) labels << label->text();
    }
    EXPECT_EQ(labels, (QStringList{Text("Загрузить через      -"), Text("Номер СОМ порта     -"),
                                   Text("Скорость передачи - ")}));
}

TEST_F(TarvelWindowTest, TheConvertPageIsMadeWhenFirstShown) {
    Open();
    EXPECT_EQ(Control<QLineEdit>(1036), nullptr);
    Control<QTabWidget>(1023)->setCurrentIndex(1);
    ASSERT_NE(Control<QLineEdit>(1036), nullptr);
    EXPECT_EQ(Control<QLineEdit>(1036)->text(), Text("Откройте файл"));
    EXPECT_EQ(Control<QLineEdit>(1037)->text(), Text("Откройте файл"));
    EXPECT_EQ(Control<QComboBox>(1040)->currentText(), Text("модель 80xx"));
    EXPECT_EQ(Control<QPushButton>(1035)->text(), Text("Конвертировать"));
    EXPECT_EQ(Control<QPushButton>(1044)->text(), Text("Выход"));
    // Back and forth: the same widgets, only hidden and shown.
    QLineEdit* source = Control<QLineEdit>(1036);
    Control<QTabWidget>(1023)->setCurrentIndex(0);
    Control<QTabWidget>(1023)->setCurrentIndex(1);
    EXPECT_EQ(Control<QLineEdit>(1036), source);
}

TEST_F(TarvelWindowTest, ExitSavesThePagesChoicesAndClosesTheWindow) {
    Open();
    Choose(1000, 0);
    Choose(1045, 2);
    Choose(1002, 4);
    Click(2);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(FileBytes(folder.File("TARVEL.ini")), "Unknow\r0\r12\r4\r");
}

TEST_F(TarvelWindowTest, EscapeRunsTheCloseRoutineOnce) {
    Open();
    Choose(1045, 1);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(FileBytes(folder.File("TARVEL.ini")), "Unknow\r1\r3\r0\r");
    folder.Write("TARVEL.ini", "edited");
    window->close();
    window.reset();
    EXPECT_EQ(FileBytes(folder.File("TARVEL.ini")), "edited");
}

TEST_F(TarvelWindowTest, F1OpensTheHelpBesideTheProgram) {
    Open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Control<QComboBox>(1002)->setFocus();
    // Through the window system, as a key press reaches the program.
    QTest::keyClick(window->windowHandle(), Qt::Key_F1);
    EXPECT_EQ(helpOpened, QStringList{QString::fromStdString(folder.File("Tarvel.html"))});
}

TEST_F(TarvelWindowTest, TheConvertPageConvertsAFile) {
    Open();
    const std::string source = WriteFile("shop.UZX", PatternFile("8300RU004", 18954));
    Control<QTabWidget>(1023)->setCurrentIndex(1);
    ui.chosenPaths = {source};
    Click(1034);
    EXPECT_EQ(Control<QLineEdit>(1036)->text().toStdString(), source);
    EXPECT_EQ(Control<QLineEdit>(1037)->text().toStdString(), folder.File("shop_convert.UZX"));
    Choose(1040, 2);
    Click(1035);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{Cp("Файл сконвертирован")}));
    const std::string written = FileBytes(folder.File("shop_convert.UZX"));
    EXPECT_EQ(written.size(), 19279u);
    EXPECT_EQ(written.substr(0, 10), std::string("8500RU004\0", 10));
    // Exit from this page closes the window and keeps no settings.
    Click(1044);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(FileBytes(folder.File("TARVEL.ini")), "(none)");
}

TEST_F(TarvelWindowTest, LoadsATaskIntoTheVirtualTerminal) {
    std::string error;
    const auto vterm = test_support::VtermProcess::Start(
        {"--com", "COM5", "--firmware", "8300RU004", "--once", "--image-out", folder.File("image")}, error);
    ASSERT_TRUE(vterm) << error;
    Open(PortNames());
    ASSERT_EQ(Control<QComboBox>(1045)->count(), 1);
    EXPECT_EQ(Control<QComboBox>(1045)->itemText(0), "COM5");

    const std::string task = WriteFile("shop.UZX", PatternFile("8300RU004", 18954));
    ui.chosenPaths = {task};
    Click(1042);
    Choose(1000, 0);
    Choose(1045, 0);
    Choose(1002, 0);
    Click(1);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{Cp("Загрузка завершена!")}));
    EXPECT_EQ(vterm->WaitForExit(5000), 0);
    EXPECT_EQ(FileBytes(folder.File("image")).size(), 20000u);
    EXPECT_EQ(FileBytes(folder.File("TARVEL.ini")), task + "\r0\r5\r0\r");
}

}  // namespace
}  // namespace tarvel
