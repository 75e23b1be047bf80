// The real dialogs behind the UI port, found by their names and control ids.
#include "common/qt/qt_ui_port.h"

#include <functional>

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "testing/qt/controls.h"
#include "testing/qt/modal_dialog_watch.h"

namespace qtui {
namespace {

using testing_qt::ControlOf;
using testing_qt::TopLevel;

TEST(QtUiPort, ProgressWindowShowsCaptionLabelAndPosition) {
    QtUiPort ui;
    {
        auto progress =
            ui.OpenProgress({common::Utf8ToCp1251("Передача"), "Opening COM7...", "ProgressDlg", 901, 870});
        QWidget* dialog = TopLevel("ProgressDlg");
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(dialog->windowTitle(), "Передача");
        QLabel* label = ControlOf<QLabel>(dialog, 901);
        EXPECT_EQ(label->text(), "Opening COM7...");
        QProgressBar* bar = ControlOf<QProgressBar>(dialog, 870);
        ASSERT_NE(bar, nullptr);
        // Busy until the operation knows how far it is.
        EXPECT_EQ(bar->maximum(), 0);
        progress->SetText(common::Utf8ToCp1251("Загрузка..."));
        EXPECT_EQ(label->text(), "Загрузка...");
        // A longer text gets the room it needs.
        progress->SetText("Waiting for the terminal on COM7 (attempt 1 of 3) and a little more besides...");
        EXPECT_GE(label->width(), label->sizeHint().width());
        progress->SetPosition(0);
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 100);
        EXPECT_EQ(bar->value(), 0);
        progress->SetPosition(42);
        EXPECT_EQ(bar->value(), 42);
        progress->SetPosition(140);
        EXPECT_EQ(bar->value(), 100);
    }
    EXPECT_EQ(TopLevel("ProgressDlg"), nullptr);  // closed with its owner object
}

TEST(QtUiPort, ProgressWindowHearsCancelEscapeAndClose) {
    QtUiPort ui;
    const auto pressCancel = [](QWidget* dialog) { ControlOf<QPushButton>(dialog, 2)->click(); };
    const auto pressEscape = [](QWidget* dialog) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialog, &escape);
    };
    const auto closeWindow = [](QWidget* dialog) { dialog->close(); };
    for (const auto& ask : std::vector<std::function<void(QWidget*)>>{pressCancel, pressEscape, closeWindow}) {
        auto progress = ui.OpenProgress({"Progress", "Downloading...", "ProgressDlg", 901, 870});
        QWidget* dialog = TopLevel("ProgressDlg");
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(progress->CancelRequested());
        ask(dialog);
        EXPECT_TRUE(progress->CancelRequested());
        // The window stays until the operation has ended; its button shows it was heard.
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(ControlOf<QPushButton>(dialog, 2)->isEnabled());
    }
}

TEST(QtUiPort, TheLoadersProgressWindowHasItsOwnNamesAndRange) {
    QtUiPort ui;
    auto progress = ui.OpenProgress(
        {common::Utf8ToCp1251("Передача данных..."), common::Utf8ToCp1251("Загрузка..."), "PROGRESSDLG", 0, 1009});
    QWidget* dialog = TopLevel("PROGRESSDLG");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Передача данных...");
    ASSERT_EQ(dialog->findChildren<QLabel*>().size(), 1);
    EXPECT_EQ(dialog->findChildren<QLabel*>()[0]->text(), "Загрузка...");
    QProgressBar* bar = ControlOf<QProgressBar>(dialog, 1009);
    ASSERT_NE(bar, nullptr);
    progress->SetRange(0, 200);
    progress->SetPosition(150);
    EXPECT_EQ(bar->maximum(), 200);
    EXPECT_EQ(bar->value(), 150);
    progress->SetPosition(205);
    EXPECT_EQ(bar->value(), 200) << "past the end shows the end";
}

TEST(QtUiPort, UploadCounterShowsEachText) {
    QtUiPort ui;
    {
        auto counter = ui.OpenUploadCounter();
        counter->Show("Data received : 0   ");
        counter->Show("Data received : 12");
        auto* box = qobject_cast<QLabel*>(TopLevel("UploadCounter"));
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(box->text(), "Data received : 12");
        EXPECT_EQ(box->height(), 40);
    }
    EXPECT_EQ(TopLevel("UploadCounter"), nullptr);
}

struct ShownBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
};

// Presses `button` on the next message box and records what it showed.
std::unique_ptr<testing_qt::ModalDialogWatch> Press(QMessageBox::StandardButton button, ShownBox& shown) {
    return std::make_unique<testing_qt::ModalDialogWatch>(QString(), [button, &shown](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        shown = {box->icon(), box->text()};
        box->button(button)->click();
    });
}

TEST(QtUiPort, QuestionsAnswerWithThePressedButton) {
    QtUiPort ui;
    ShownBox shown;
    {
        auto watch = Press(QMessageBox::Cancel, shown);
        EXPECT_EQ(ui.AskYesNoCancel("Q", common::Utf8ToCp1251("Сохранить?\r\nДа"), common::MessageIcon::Question),
                  common::Answer::Cancel);
    }
    EXPECT_EQ(shown.icon, QMessageBox::Question);
    EXPECT_EQ(shown.text, "Сохранить?\nДа");
    {
        auto watch = Press(QMessageBox::Yes, shown);
        EXPECT_EQ(ui.AskYesNo("Upload Data", "View?", common::MessageIcon::None), common::Answer::Yes);
    }
    EXPECT_EQ(shown.icon, QMessageBox::NoIcon);
    {
        auto watch = Press(QMessageBox::Ok, shown);
        EXPECT_TRUE(ui.AskOkCancel("Found", "Apply?", common::MessageIcon::Information));
    }
    EXPECT_EQ(shown.icon, QMessageBox::Information);
    {
        auto watch = Press(QMessageBox::Cancel, shown);
        EXPECT_FALSE(ui.AskOkCancel("Found", "Apply?", common::MessageIcon::Information));
    }
    {
        auto watch = Press(QMessageBox::Ok, shown);
        ui.ShowMessage("Error", "Format mismatch !!!", common::MessageIcon::Warning);
    }
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
}

// The room a title bar needs for a caption: the caption in bold and, beside
// it, an icon and three buttons at least as wide as the caption's line is high.
int LeastCaptionRoom(const QString& caption) {
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(caption) + 4 * metrics.height();
}

TEST(QtUiPort, MessageBoxesCutNeitherTheirCaptionNorTheirText) {
    QtUiPort ui;
    for (const char* caption : {"Error", "Upload Data", "\xD0\xE5\xE7\xF3\xEB\xFC\xF2\xE0\xF2 \xEF\xEE\xE8\xF1\xEA\xE0"}) {
        testing_qt::ModalDialogWatch watch(QString(), [caption](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            ASSERT_NE(box, nullptr);
            const QString title = QString::fromStdString(common::Cp1251ToUtf8(caption));
            EXPECT_EQ(box->windowTitle(), title);
            EXPECT_GE(box->width(), LeastCaptionRoom(title)) << title.toStdString();
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (label->text() != QStringLiteral("Time out!")) continue;
                EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(label->text()));
            }
            for (QPushButton* button : box->findChildren<QPushButton*>()) {
                const QFontMetrics metrics(button->font());
                EXPECT_GE(button->width(), metrics.horizontalAdvance(button->text()) + metrics.height())
                    << "a label clear of its button's edges";
            }
            box->button(QMessageBox::Ok)->click();
        });
        ui.ShowMessage(caption, "Time out!", common::MessageIcon::None);
    }
}

TEST(QtUiPort, FileChooserShowsTheChosenFilterFirst) {
    QtUiPort ui;
    common::FileChooser chooser;
    chooser.filters = {{"A85", "*.A85"}, {".UZX", "*.UZX"}, {"All", "*.ATF;*.UZX;*.A85"}};
    chooser.selectedFilter = 2;
    QString shownFilter;
    {
        testing_qt::ModalDialogWatch watch(QString(), [&](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            ASSERT_NE(files, nullptr);
            shownFilter = files->selectedNameFilter();
            files->reject();
        });
        EXPECT_EQ(ui.ChooseOpenFile(chooser), std::nullopt);
    }
    EXPECT_EQ(shownFilter, "All (*.ATF;*.UZX;*.A85)");
}

}  // namespace
}  // namespace qtui
