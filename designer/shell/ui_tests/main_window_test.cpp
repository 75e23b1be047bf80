// The designer's main window on the offscreen platform, driven through its
// menu, its accelerators and its dialogs, with a scripted UI port.
#include "designer/shell/main_window.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QMimeData>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "testing/memory_link.h"
#include "designer/shell/about_box.h"
#include "designer/shell/link_label.h"
#include "designer/shell/preferences_dialog.h"
#include "common/qt/qt_text.h"
#include "designer/shell/ui_tests/designer_window_rig.h"
#include "designer/simulator/qt/terminal_window.h"
#include "designer/task/task_file.h"
#include "testing/qt/controls.h"
#include "testing/qt/modal_dialog_watch.h"

namespace shell {
namespace {

using common::Answer;
using testing_qt::ControlOf;
using testing_qt::ModalDialogWatch;

QAction* MenuAction(QMenu* menu, int command) {
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->data().toInt() == command) return action;
    }
    return nullptr;
}

class MainWindowTest : public ::testing::Test, protected testing::DesignerWindowRig {
protected:
    // Chooses the menu entry as a click would; the command runs from the event loop.
    void Choose(int command) {
        QAction* action = MenuAction(window->PopupMenu(), command);
        ASSERT_NE(action, nullptr) << command;
        action->trigger();
        QCoreApplication::processEvents();
    }
};

TEST_F(MainWindowTest, BorderlessTerminalSizedWindowWithItsClientAndMenu) {
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->windowTitle().toStdString(), "New file[*] - Quarrow");
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->size(), QSize(200, 459));
    EXPECT_EQ(window->pos(), QPoint(300, 50));
    auto* client = window->findChild<QWidget*>("Client");
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->geometry(), QRect(0, 0, 200, 459));
    EXPECT_EQ(client->property("controlId").toInt(), 100);

    QMenu* menu = window->PopupMenu();
    EXPECT_EQ(menu->objectName(), "PopMenu8300");
    ASSERT_EQ(menu->actions().size(), 14);
    EXPECT_EQ(menu->actions()[5]->text(), "&Edit\tCtrl+E");
    EXPECT_EQ(menu->actions()[5]->data().toInt(), 2000);
    EXPECT_TRUE(menu->actions()[11]->isSeparator());

    QTest::mouseClick(client, Qt::RightButton, {}, QPoint(100, 300));
    EXPECT_TRUE(menu->isVisible());
    menu->close();
}

TEST_F(MainWindowTest, NewAcceleratorAsksAboutUnsavedChanges) {
    task::Task& t = session.CurrentTask();
    t.modified = true;
    t.model.forms[0][task::form::kLineText] = 'Q';
    const task::TaskModel edited = t.model;

    ui.answers = {Answer::Cancel};
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].text, "Save current program ?");
    EXPECT_EQ(t.model, edited);
    EXPECT_TRUE(t.modified);

    ui.answers = {Answer::No};
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(t.model, task::testing::FreshTask());
    EXPECT_FALSE(t.modified);
}

TEST_F(MainWindowTest, SaveAsAddsTheRecentEntryThatReopensTheFile) {
    session.CurrentTask().model.forms[1][task::form::kLineText] = 'R';
    ui.chosenPaths = {folder.File("inventory")};
    Choose(1040);
    const std::string path = folder.File("inventory.UZX");
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(session.CurrentTask().currentPath, path);

    QMenu* menu = window->PopupMenu();
    ASSERT_EQ(menu->actions().size(), 16);
    EXPECT_EQ(menu->actions()[12]->text(), qtui::FromNativePath("&1:  " + path));
    EXPECT_EQ(menu->actions()[12]->data().toInt(), 3300);
    EXPECT_TRUE(menu->actions()[13]->isSeparator());
    EXPECT_EQ(menu->actions()[14]->data().toInt(), 9030);

    ui.answers = {Answer::No};
    Choose(1010);  // New: the task is unnamed and empty again
    ASSERT_TRUE(session.CurrentTask().currentPath.empty());
    Choose(3300);
    EXPECT_EQ(session.CurrentTask().currentPath, path);
    EXPECT_EQ(session.CurrentTask().model.forms[1][task::form::kLineText], 'R');
}

TEST_F(MainWindowTest, TheTitleNamesTheTaskAndMarksChangesAndSaveConfirms) {
    ui.chosenPaths = {folder.File("inventory")};
    Choose(1040);
    EXPECT_EQ(window->windowTitle().toStdString(), "inventory.UZX[*] - Quarrow");
    EXPECT_FALSE(window->isWindowModified());
    auto* note = window->findChild<QLabel*>("TransientNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text().toStdString(), "Saved: inventory.UZX");
    EXPECT_TRUE(window->rect().contains(note->geometry()));
    note->hide();

    session.CurrentTask().modified = true;
    Choose(2000);  // Edit: the property sheet changed the task
    EXPECT_TRUE(window->isWindowModified());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_TRUE(note->isVisible()) << "Save confirms too";

    // A task of an earlier layout is upgraded as it is read: changed at once.
    task::TaskModel old = task::testing::FreshTask();
    old.startup[task::startup::kLayoutRevision] = 3;
    task::testing::WriteBytes(folder.File("old.UZX"), task::EncodeTaskFile(old));
    window->OpenFile(folder.File("old.UZX"));
    EXPECT_EQ(window->windowTitle().toStdString(), "old.UZX[*] - Quarrow");
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(MainWindowTest, ARecentFileWithCyrillicInItsPathShowsItInTheMenu) {
    ui.chosenPaths = {folder.File("склад")};
    Choose(1040);
    QAction* recent = MenuAction(window->PopupMenu(), 3300);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), QStringLiteral("&1:  ") + QString::fromUtf8(folder.Path()) + QStringLiteral("/склад.UZX"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("склад.UZX[*] - Quarrow"));
}

TEST_F(MainWindowTest, ATaskFileDroppedOnTheTerminalOpens) {
    task::TaskModel dropped = task::testing::FreshTask();
    dropped.forms[2][task::form::kLineText] = 'D';
    task::testing::WriteBytes(folder.File("dropped.UZX"), task::EncodeTaskFile(dropped));

    auto drag = [this](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(100, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        return enter.isAccepted();
    };
    EXPECT_FALSE(drag({QUrl(QStringLiteral("https://velmora.example/a.UZX"))}));
    EXPECT_FALSE(drag({QUrl::fromLocalFile(QStringLiteral("/a.UZX")), QUrl::fromLocalFile(QStringLiteral("/b.UZX"))}));
    EXPECT_TRUE(drag({QUrl::fromLocalFile(QString::fromStdString(folder.File("dropped.UZX")))}));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder.File("dropped.UZX")))});
    QDropEvent drop(QPointF(100, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    QCoreApplication::processEvents();
    EXPECT_EQ(session.CurrentTask().currentPath, folder.File("dropped.UZX"));
    EXPECT_EQ(session.CurrentTask().model.forms[2][task::form::kLineText], 'D');
    EXPECT_EQ(window->windowTitle().toStdString(), "dropped.UZX[*] - Quarrow");
}

TEST_F(MainWindowTest, WithoutTranslucencyTheWindowIsCutToTheCase) {
    EXPECT_TRUE(window->mask().isEmpty()) << "the offscreen platform draws translucency";
    window->CutToOutline(true);
    QRegion outline = window->mask();
    EXPECT_TRUE(outline.contains(QPoint(100, 230)));
    EXPECT_TRUE(outline.contains(QPoint(100, 440)));
    for (const QPoint corner : {QPoint(0, 0), QPoint(199, 0), QPoint(0, 458), QPoint(199, 458)}) {
        EXPECT_FALSE(outline.contains(corner)) << corner.x() << "," << corner.y();
    }
    window->Terminal().setZoom(2.0);
    outline = window->mask();
    EXPECT_TRUE(outline.contains(QPoint(200, 460)));
    EXPECT_FALSE(outline.contains(QPoint(1, 1)));
    EXPECT_GT(outline.boundingRect().width(), 380);
    EXPECT_LE(outline.boundingRect().right(), 399);
    window->CutToOutline(false);
    EXPECT_TRUE(window->mask().isEmpty());
}

TEST_F(MainWindowTest, CloseWaitsForTheSavePrompt) {
    session.CurrentTask().modified = true;
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(session.CurrentTask().modified);

    ui.answers = {Answer::No};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, AboutBoxLinksDropTheirUnderlineUnderTheMouse) {
    ModalDialogWatch about("AboutBox", [](QDialog& box) {
        auto* site = ControlOf<LinkLabel>(&box, 1014);
        auto* mail = ControlOf<LinkLabel>(&box, 1015);
        ASSERT_NE(site, nullptr);
        ASSERT_NE(mail, nullptr);
        EXPECT_EQ(mail->Target().scheme(), "mailto");
        EXPECT_TRUE(site->font().underline());
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(site, &enter);
        EXPECT_FALSE(site->font().underline());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(site, &leave);
        EXPECT_TRUE(site->font().underline());
        ControlOf<QPushButton>(&box, 1)->click();
    });
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_TRUE(about.Handled());
}

TEST_F(MainWindowTest, PreferencesOkKeepsTheChoicesAndLoadsTheLanguage) {
    std::ofstream(folder.File("ru.lng"), std::ios::binary)
        << common::Utf8ToCp1251("Русский\r\n11=Настройки\r\n1101=&Новая\r\n1218=Да\r\n");
    DesignerSession withLanguage(ui, folder.Path());
    withLanguage.Start();
    simulator::Engine secondEngine(withLanguage.CurrentTask(), withLanguage.Texts(), ui, time);
    MainWindow second(withLanguage, secondEngine);
    second.show();

    {
        ModalDialogWatch preferences("PreferencesDlg", [](QDialog& d) {
            QDialog* dialog = &d;
            auto* language = ControlOf<QComboBox>(dialog, 404);
            ASSERT_NE(language, nullptr);
            EXPECT_TRUE(language->isEnabled());
            ASSERT_EQ(language->count(), 2);
            EXPECT_EQ(language->itemText(0), "Default <English>");
            EXPECT_EQ(ControlOf<QComboBox>(dialog, 401)->currentText(), "Cradle-IR");
            EXPECT_EQ(ControlOf<QComboBox>(dialog, 403)->count(), 5);
            ASSERT_NE(ControlOf<QLabel>(dialog, 905), nullptr);
            ASSERT_NE(ControlOf<QPushButton>(dialog, 1013), nullptr);
            language->setCurrentIndex(1);
            ControlOf<QComboBox>(dialog, 402)->setCurrentIndex(0);
            ControlOf<QCheckBox>(dialog, 102)->setChecked(true);
            ControlOf<QPushButton>(dialog, 1)->click();
        });
        second.Dispatch(2100);
        ASSERT_TRUE(preferences.Handled());
    }

    EXPECT_TRUE(withLanguage.Texts().LanguageLoaded());
    EXPECT_EQ(second.PopupMenu()->actions()[0]->text(), "&Новая");
    EXPECT_TRUE(second.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Preferences stored;
    ReadSettings(stored);
    EXPECT_EQ(common::Cp1251ToUtf8(stored.language), "Русский");
    EXPECT_EQ(stored.receiveVia, 0);
    EXPECT_TRUE(stored.alwaysOnTop);

    // Opened again in that language, the dialog shows its texts.
    ModalDialogWatch again("PreferencesDlg", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Настройки");
        EXPECT_EQ(ControlOf<QPushButton>(&dialog, 1)->text(), "Да");
        EXPECT_EQ(ControlOf<QComboBox>(&dialog, 404)->currentIndex(), 1);
        ControlOf<QPushButton>(&dialog, 2)->click();
    });
    second.Dispatch(2100);
}

TEST_F(MainWindowTest, InRussianQtsOwnButtonsTheAboutBoxAndTheLabelsAreRussianAndWhole) {
    std::ofstream(folder.File("ru.lng"), std::ios::binary) << common::Utf8ToCp1251(
        "Русский\r\n1240=ru\r\n19=&Найти подставку\r\n1246=О программе Quarrow\r\n1248=Версия\r\n");
    Preferences russianChosen;
    russianChosen.language = common::Utf8ToCp1251("Русский");
    ASSERT_TRUE(WriteSettings(russianChosen));
    DesignerSession russian(ui, folder.Path());
    russian.Start();
    simulator::Engine russianEngine(russian.CurrentTask(), russian.Texts(), ui, time);
    auto second = std::make_unique<MainWindow>(russian, russianEngine);

    auto cancelText = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text().toStdString();
    };
    EXPECT_EQ(cancelText(), "Отмена") << "Qt's translations (qt6-translations-l10n) are installed";

    {
        ModalDialogWatch about("AboutBox", [](QDialog& box) {
            EXPECT_EQ(box.windowTitle().toStdString(), "О программе Quarrow");
            bool versionShown = false;
            for (QLabel* label : box.findChildren<QLabel*>()) versionShown |= label->text().startsWith("Версия ");
            EXPECT_TRUE(versionShown);
            ControlOf<QPushButton>(&box, 1)->click();
        });
        second->Dispatch(9030);
    }
    {
        ModalDialogWatch preferences("PreferencesDlg", [](QDialog& dialog) {
            auto* detect = ControlOf<QPushButton>(&dialog, 1013);
            ASSERT_NE(detect, nullptr);
            EXPECT_EQ(detect->text().toStdString(), "&Найти подставку");
            const QFontMetrics metrics(detect->font());
            EXPECT_GE(detect->width(), metrics.horizontalAdvance("Найти подставку") + metrics.height())
                << "the label keeps clear of the button's edges";
            ControlOf<QComboBox>(&dialog, 404)->setCurrentIndex(0);  // back to English
            ControlOf<QPushButton>(&dialog, 1)->click();
        });
        second->Dispatch(2100);
    }
    EXPECT_EQ(cancelText(), "Cancel");
    second.reset();
}

TEST_F(MainWindowTest, PreferencesCancelLeavesTheMenuNamingTheRecentFilesItWillOpen) {
    // Another run of the designer wrote the settings file meanwhile.
    Preferences elsewhere = session.CurrentPreferences();
    elsewhere.recentFiles = {"/tasks/other.UZX"};
    ASSERT_TRUE(WriteSettings(elsewhere));

    {
        ModalDialogWatch cancel("PreferencesDlg", [](QDialog& dialog) { ControlOf<QPushButton>(&dialog, 2)->click(); });
        window->Dispatch(2100);
    }

    QAction* recent = MenuAction(window->PopupMenu(), 3300);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), "&1:  /tasks/other.UZX");
}

TEST_F(MainWindowTest, PreferencesListPortsAndDetectTheCradle) {
    setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
    setenv("MOSTREL_SYS_CLASS_TTY", folder.File("no-tty").c_str(), 1);
    std::filesystem::create_directories(folder.File("ports"));
    for (const char* com : {"COM1", "COM2", "COM4"}) {
        std::filesystem::create_symlink(std::string("/dev/ttyFAKE") + com, folder.File(std::string("ports/") + com));
    }
    Preferences stored;
    stored.portPosition = 7;  // beyond the three ports: the first is shown
    ASSERT_TRUE(shell::WriteSettings(stored));

    common::TestClock clock;
    test_support::MemoryLinkPair pair(clock);
    // The cradle sits on COM2, the second port opened: only there is the probe echoed.
    pair.host().onWrite = [&pair](const std::vector<std::uint8_t>& bytes) {
        const auto& ops = pair.host().ops;
        const auto opens = std::count(ops.begin(), ops.end(), test_support::MemoryLink::Op::Open);
        if (opens == 2 && bytes.size() == 1 && bytes[0] == 0x0F) pair.far().Write(std::string(1, '\x0F'));
    };
    TransferCommands transfers(session, pair.host(), clock);

    PreferencesDialog dialog(session, &transfers, window.get());
    auto* ports = ControlOf<QComboBox>(&dialog, 405);
    ASSERT_NE(ports, nullptr);
    ASSERT_EQ(ports->count(), 3);
    EXPECT_TRUE(ports->itemText(1).startsWith("COM2 - Virtual port"));
    EXPECT_EQ(ports->currentIndex(), 0);

    ControlOf<QPushButton>(&dialog, 1013)->click();
    ASSERT_FALSE(ui.MessageTexts().empty());
    EXPECT_EQ(ui.MessageTexts().back(), "Cradle is connected to COM2");
    EXPECT_EQ(ports->currentIndex(), 1);
    // Each port tried was told on the progress window, which has closed again.
    EXPECT_EQ(ui.events.front().kind, test_support::ShownEvent::Kind::Progress);
    EXPECT_EQ(ui.progressTexts, (std::vector<std::string>{"Looking for the infrared cradle on COM1...",
                                                          "Looking for the infrared cradle on COM2..."}));
    EXPECT_EQ(ui.openProgressWindows, 0);

    ControlOf<QPushButton>(&dialog, 1)->click();
    Preferences kept;
    ReadSettings(kept);
    EXPECT_EQ(kept.portPosition, 1);
    EXPECT_EQ(kept.comPort, 2);
    unsetenv("MOSTREL_PORT_MAP");
    unsetenv("MOSTREL_SYS_CLASS_TTY");
}

}  // namespace
}  // namespace shell
