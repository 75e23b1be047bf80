// Edit, and New, open the real property sheet as main.cpp installs it; when
// it closes the simulator starts again at the main menu, over the committed task.
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "designer/editors/form_page.h"
#include "designer/editors/qt/sheet_launcher.h"
#include "designer/shell/ui_tests/designer_window_rig.h"
#include "testing/qt/controls.h"
#include "testing/qt/modal_dialog_watch.h"

namespace shell {
namespace {

using editors::FormPage;
using testing_qt::ControlOf;
using testing_qt::ModalDialogWatch;

class PropertySheetInMainWindowTest : public ::testing::Test, protected testing::DesignerWindowRig {
protected:
    PropertySheetInMainWindowTest() {
        window->SetPropertySheetLauncher([this] {
            editors::RunPropertySheet(session.CurrentTask(), session.Texts(), ui, session.DefaultTexts(), window.get());
        });
    }

    // Leaves the main menu for a form, so a restart shows.
    void EnterAForm() {
        session.CurrentTask().model.forms[0][task::form::kFieldType] = task::form::kText;
        engine.PressKey(1);  // Collect data
        ASSERT_EQ(engine.Screen().mode, simulator::Mode::Form);
    }
};

TEST_F(PropertySheetInMainWindowTest, EditWithOkCommitsThenRestartsTheSimulator) {
    EnterAForm();
    {
        ModalDialogWatch watch("PropertySheet", [](QDialog& sheet) {
            EXPECT_EQ(sheet.windowTitle(), "Quarrow - [ New file ]");
            emit ControlOf<QComboBox>(&sheet, FormPage::kRecordList)->activated(8);  // "nothing"
            QTest::mouseClick(ControlOf<QPushButton>(&sheet, 1), Qt::LeftButton);
        });
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    }
    EXPECT_EQ(session.CurrentTask().model.forms[0][task::form::kRecordAction], 8);
    EXPECT_TRUE(session.CurrentTask().modified);
    EXPECT_EQ(engine.Screen().mode, simulator::Mode::MainMenu);
}

TEST_F(PropertySheetInMainWindowTest, EditWithCancelKeepsTheTaskUnmodified) {
    EnterAForm();
    const task::TaskModel before = session.CurrentTask().model;
    {
        ModalDialogWatch watch("PropertySheet", [](QDialog& sheet) {
            emit ControlOf<QComboBox>(&sheet, FormPage::kRecordList)->activated(8);
            QTest::mouseClick(ControlOf<QPushButton>(&sheet, 2), Qt::LeftButton);
        });
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    }
    EXPECT_EQ(session.CurrentTask().model, before);
    EXPECT_FALSE(session.CurrentTask().modified);
    EXPECT_EQ(engine.Screen().mode, simulator::Mode::MainMenu);
}

TEST_F(PropertySheetInMainWindowTest, NewOpensTheSheetOnTheNewTask) {
    session.CurrentTask().model.forms[3][task::form::kRecordAction] = 5;
    {
        ModalDialogWatch watch("PropertySheet", [](QDialog& sheet) {
            emit ControlOf<QComboBox>(&sheet, FormPage::kNameList)->activated(3);
            EXPECT_EQ(ControlOf<QComboBox>(&sheet, FormPage::kRecordList)->currentIndex(), 0) << "a new task's";
            QTest::mouseClick(ControlOf<QPushButton>(&sheet, 2), Qt::LeftButton);
        });
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    }
    EXPECT_FALSE(session.CurrentTask().modified);
}

}  // namespace
}  // namespace shell
