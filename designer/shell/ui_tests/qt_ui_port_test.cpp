// The real dialogs behind the UI port, found by their names and control ids.
#include "designer/shell/qt_ui_port.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "common/cp1251.h"

namespace shell {
namespace {

QWidget* TopLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name) return w;
    }
    return nullptr;
}

template <typename T>
T* ControlOf(QWidget* parent, int controlId) {
    for (T* child : parent->findChildren<T*>()) {
        if (child->property("controlId").toInt() == controlId) return child;
    }
    return nullptr;
}

TEST(QtUiPort, ProgressWindowShowsCaptionLabelAndPosition) {
    QtUiPort ui;
    {
        auto progress = ui.OpenProgress(common::Utf8ToCp1251("Передача"), "Downloading...");
        QWidget* dialog = TopLevel("ProgressDlg");
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(dialog->windowTitle(), "Передача");
        EXPECT_EQ(ControlOf<QLabel>(dialog, 901)->text(), "Downloading...");
        QProgressBar* bar = ControlOf<QProgressBar>(dialog, 870);
        ASSERT_NE(bar, nullptr);
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

TEST(QtUiPort, QuestionsAnswerWithThePressedButton) {
    QtUiPort ui;
    const auto press = [](QMessageBox::StandardButton button, QMessageBox::Icon* icon, QString* text) {
        QTimer::singleShot(0, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            *icon = box->icon();
            *text = box->text();
            box->button(button)->click();
        });
    };
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    press(QMessageBox::Cancel, &icon, &text);
    EXPECT_EQ(ui.AskYesNoCancel("Q", common::Utf8ToCp1251("Сохранить?\r\nДа"), common::MessageIcon::Question),
              common::Answer::Cancel);
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(text, "Сохранить?\nДа");

    press(QMessageBox::Yes, &icon, &text);
    EXPECT_EQ(ui.AskYesNo("Upload Data", "View?", common::MessageIcon::None), common::Answer::Yes);
    EXPECT_EQ(icon, QMessageBox::NoIcon);

    press(QMessageBox::Ok, &icon, &text);
    ui.ShowMessage("Error", "Format mismatch !!!", common::MessageIcon::Warning);
    EXPECT_EQ(icon, QMessageBox::Warning);
}

}  // namespace
}  // namespace shell
