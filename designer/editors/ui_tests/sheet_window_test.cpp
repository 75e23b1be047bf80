// The property sheet's window on the offscreen platform: its make-up, the
// wiring of OK and Cancel, and that a write-back is never taken for an edit.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/editors/form_page.h"
#include "designer/editors/lookup_page.h"
#include "designer/editors/qt/property_sheet_dialog.h"
#include "designer/editors/qt/sheet_launcher.h"
#include "designer/editors/test_support.h"
#include "designer/task/form_view.h"
#include "testing/qt/controls.h"
#include "testing/qt/modal_dialog_watch.h"

namespace editors {
namespace {

using testing_qt::ControlOf;
using testing_qt::ModalDialogWatch;

class SheetWindowTest : public ::testing::Test {
protected:
    void Open() {
        sheet = bench.Open();
        window = std::make_unique<PropertySheetDialog>(*sheet);
        window->show();
    }
    QWidget* Page(const char* name) { return window->findChild<QWidget*>(name); }

    testing::SheetBench bench;
    std::unique_ptr<PropertySheet> sheet;
    std::unique_ptr<PropertySheetDialog> window;
};

TEST_F(SheetWindowTest, SixTabsOkAndCancelAndNoApply) {
    bench.task.currentPath = "/tasks/shop.UZX";
    Open();
    EXPECT_EQ(window->objectName(), "PropertySheet");
    EXPECT_EQ(window->windowTitle(), "Quarrow - [ /tasks/shop.UZX ]");
    EXPECT_FALSE(window->windowIcon().isNull());
    auto* tabs = window->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    const QStringList titles{"Form", "Menu", "Lookup", "Barcode", "Settings", "Startup"};
    const QStringList names{"FORMDLG", "MENUDLG", "LOOKUPDLG", "BARCODESETTINGDLG", "SETTINGSDLG", "STARTUPDLG"};
    ASSERT_EQ(tabs->count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(tabs->tabText(i), titles[i]);
        EXPECT_EQ(tabs->widget(i)->objectName(), names[i]);
    }
    EXPECT_EQ(tabs->currentIndex(), 0);
    auto* buttons = window->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    ASSERT_EQ(buttons->buttons().size(), 2) << "OK and Cancel, no Apply";
    auto* ok = ControlOf<QPushButton>(window.get(), 1);
    auto* cancel = ControlOf<QPushButton>(window.get(), 2);
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(cancel->text(), "Cancel");
}

TEST_F(SheetWindowTest, EveryControlOfTheFormPageHasItsWidget) {
    Open();
    QWidget* page = Page("FORMDLG");
    ASSERT_NE(page, nullptr);
    for (const ControlSpec& controlSpec : sheet->Page(0)->Controls()) {
        EXPECT_NE(ControlOf<QWidget>(page, controlSpec.id), nullptr) << controlSpec.id;
    }
    EXPECT_EQ(ControlOf<QLabel>(page, 9001)->text(), "Name :");
    EXPECT_EQ(ControlOf<QPushButton>(page, FormPage::kTimeStampButton)->text(), "Time Stamp");
    EXPECT_EQ(ControlOf<QComboBox>(page, FormPage::kTypeList + 7)->count(), 19);
    EXPECT_FALSE(ControlOf<QLineEdit>(page, FormPage::kPromptBox)->isEnabled()) << "a nil line has no prompt";
}

TEST_F(SheetWindowTest, PagesGetTheirWidgetsWhenFirstShown) {
    Open();
    EXPECT_EQ(sheet->Page(2), nullptr);
    auto* tabs = window->findChild<QTabWidget*>();
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(2).center());
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_NE(sheet->Page(2), nullptr);
    EXPECT_EQ(sheet->CurrentPage(), 2);
}

TEST_F(SheetWindowTest, EveryControlOfTheMenuLookupAndSettingsPagesHasItsWidget) {
    Open();
    auto* tabs = window->findChild<QTabWidget*>();
    for (const char* name : {"MENUDLG", "LOOKUPDLG", "SETTINGSDLG"}) {
        const int index = sheet->FindPage(name);
        tabs->setCurrentIndex(index);
        for (const ControlSpec& controlSpec : sheet->Page(index)->Controls()) {
            QWidget* widget = ControlOf<QWidget>(Page(name), controlSpec.id);
            ASSERT_NE(widget, nullptr) << name << ' ' << controlSpec.id;
            EXPECT_TRUE(widget->isVisible()) << name << ' ' << controlSpec.id << ": shown with its page";
        }
    }
}

TEST_F(SheetWindowTest, TheLookupWarningIsRedForFixedLengthRecordsAndGreyOtherwise) {
    bench.task.model.lookups[0][task::lookup::kDelimiter] = 0;
    Open();
    auto* tabs = window->findChild<QTabWidget*>();
    tabs->setCurrentIndex(sheet->FindPage("LOOKUPDLG"));
    QWidget* page = Page("LOOKUPDLG");
    auto* warning = ControlOf<QLabel>(page, LookupPage::kDelimitersOnlyWarning);
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(warning->isEnabled());
    EXPECT_EQ(warning->palette().color(QPalette::Active, QPalette::WindowText), QColor(200, 20, 30));
    QTest::mouseClick(ControlOf<QAbstractButton>(page, LookupPage::kDelimiterRadio), Qt::LeftButton);
    EXPECT_FALSE(warning->isEnabled()) << "drawn in the grey of disabled text";
    EXPECT_EQ(ControlOf<QLineEdit>(page, LookupPage::kDelimiterBox)->text(), "9");
}

TEST_F(SheetWindowTest, AWriteBackIsNoEdit) {
    Open();
    auto* type = ControlOf<QComboBox>(Page("FORMDLG"), FormPage::kTypeList);
    type->setCurrentIndex(1);
    emit type->activated(1);  // the user chooses "text"
    auto* prompt = ControlOf<QLineEdit>(Page("FORMDLG"), FormPage::kPromptBox);
    ASSERT_TRUE(prompt->isEnabled());
    QSignalSpy edits(prompt, &QLineEdit::textEdited);
    prompt->insert(QStringLiteral("Quantity of the article"));
    EXPECT_EQ(prompt->text(), "Quantity of the arti") << "cut back to 20 characters at once";
    EXPECT_EQ(edits.count(), 1) << "the cut was written back without a second edit";
    EXPECT_EQ(task::ConstFormView(static_cast<FormPage*>(sheet->Page(0))->WorkingForm()).Prompt(0),
              "Quantity of the arti");
}

TEST(SheetLauncher, OkCommitsAndCancelLeavesTheTask) {
    testing::SheetBench bench;
    {
        ModalDialogWatch watch("PropertySheet", [](QDialog& dialog) {
            emit ControlOf<QComboBox>(&dialog, FormPage::kRecordList)->activated(3);  // the user's "pass down"
            QTest::mouseClick(ControlOf<QPushButton>(&dialog, 2), Qt::LeftButton);
        });
        EXPECT_FALSE(RunPropertySheet(bench.task, bench.strings, bench.ui, bench.defaults, nullptr));
    }
    EXPECT_EQ(bench.task.model.forms[0][task::form::kRecordAction], 0);
    EXPECT_FALSE(bench.task.modified);
    {
        ModalDialogWatch watch("PropertySheet", [](QDialog& dialog) {
            emit ControlOf<QComboBox>(&dialog, FormPage::kRecordList)->activated(3);
            QTest::mouseClick(ControlOf<QPushButton>(&dialog, 1), Qt::LeftButton);
        });
        EXPECT_TRUE(RunPropertySheet(bench.task, bench.strings, bench.ui, bench.defaults, nullptr));
    }
    EXPECT_EQ(bench.task.model.forms[0][task::form::kRecordAction], 3);
    EXPECT_TRUE(bench.task.modified);
    {
        ModalDialogWatch watch("PropertySheet", [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        EXPECT_FALSE(RunPropertySheet(bench.task, bench.strings, bench.ui, bench.defaults, nullptr));
    }
}

TEST_F(SheetWindowTest, RussianTitlesAndLabels) {
    ASSERT_GE(bench.strings.FindLanguages(MOSTREL_BIN_DIR), 1);
    ASSERT_TRUE(bench.strings.LoadLanguage(common::Utf8ToCp1251("Русский")));
    Open();
    auto* tabs = window->findChild<QTabWidget*>();
    EXPECT_EQ(tabs->tabText(0), "Форма");
    EXPECT_EQ(tabs->tabText(3), "Штрихкоды");
    EXPECT_EQ(window->windowTitle(), "Quarrow - [ Новый файл ]");
    EXPECT_EQ(ControlOf<QLabel>(Page("FORMDLG"), 9012)->text(), "Подсказка");
    EXPECT_EQ(ControlOf<QPushButton>(window.get(), 2)->text(), "Отмена");
}

}  // namespace
}  // namespace editors
