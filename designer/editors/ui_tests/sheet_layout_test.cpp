// The sheet laid out like a property page: every label, list and button gets
// the room its text needs, in English and in Russian, at any scale (CTest
// also runs this with QT_SCALE_FACTOR=2). With MOSTREL_SCREENSHOTS naming a
// folder, the pages are saved there as PNG files to look at.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/editors/barcode_fields.h"
#include "designer/editors/form_page.h"
#include "designer/task/task_model.h"
#include "designer/editors/qt/editor_dialog.h"
#include "designer/editors/qt/property_sheet_dialog.h"
#include "designer/editors/test_support.h"
#include "testing/qt/controls.h"

namespace editors {
namespace {

void ExpectNothingCutOff(QWidget& page, const QString& longPrompt) {
    for (QWidget* widget : page.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&page)) continue;
        const bool hasText = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QComboBox*>(widget);
        if (!hasText) continue;
        const QString id = widget->property("controlId").toString();
        EXPECT_GE(widget->width(), widget->sizeHint().width()) << id.toStdString();
        EXPECT_GE(widget->height(), widget->minimumSizeHint().height()) << id.toStdString();
    }
    // A prompt box shows a prompt of twenty capitals whole.
    if (longPrompt.isEmpty()) return;
    auto* prompt = testing_qt::ControlOf<QLineEdit>(&page, FormPage::kPromptBox);
    ASSERT_NE(prompt, nullptr);
    EXPECT_GT(prompt->width(), prompt->fontMetrics().horizontalAdvance(longPrompt));
}

// No two controls share a place: each has its own cell of its grid.
void ExpectNoOverlap(const DialogModel& model, QWidget& window) {
    std::vector<std::pair<int, QRect>> placed;
    for (const ControlSpec& controlSpec : model.Controls()) {
        if (controlSpec.kind == ControlKind::Group) continue;  // a group holds its controls
        QWidget* widget = testing_qt::ControlOf<QWidget>(&window, controlSpec.id);
        ASSERT_NE(widget, nullptr) << controlSpec.id;
        const QRect area(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        for (const auto& [id, other] : placed) EXPECT_FALSE(area.intersects(other)) << controlSpec.id << " and " << id;
        placed.emplace_back(controlSpec.id, area);
    }
}

void SaveScreenshot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("MOSTREL_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    window.grab().save(QDir(folder).filePath(QStringLiteral("%1-x%2.png").arg(QLatin1String(name), scale)));
}

void LoadRussian(testing::SheetBench& bench) {
    ASSERT_GE(bench.strings.FindLanguages(MOSTREL_BIN_DIR), 1);
    ASSERT_TRUE(bench.strings.LoadLanguage(common::Utf8ToCp1251("Русский")));
}

void CheckFormPage(testing::SheetBench& bench, const QString& longPrompt, const char* shotName) {
    bench.task.model.forms[0][task::form::kFieldType] = task::form::kAutoPlusMinus;
    bench.task.model.forms[0][task::form::kFieldType + 1] = task::form::kVariable3;
    bench.task.model.forms[0][task::form::kLookupField + 1] = 24;  // "+field 8"
    bench.task.model.forms[0][task::form::kOnErrorTarget] = 21;  // "menu  10"
    const auto sheet = bench.Open();
    PropertySheetDialog window(*sheet);
    window.show();
    window.adjustSize();
    QWidget* page = window.findChild<QWidget*>("FORMDLG");
    ASSERT_NE(page, nullptr);
    ExpectNothingCutOff(*page, longPrompt);
    ExpectNoOverlap(*sheet->Page(0), *page);
    EXPECT_GE(window.width(), window.minimumSizeHint().width());
    SaveScreenshot(window, shotName);
}

TEST(SheetLayout, TheFormPageGivesEveryTextItsRoom) {
    testing::SheetBench bench;
    CheckFormPage(bench, QStringLiteral("QUANTITY OF ARTICLES"), "form-page-en");
}

TEST(SheetLayout, TheRussianFormPageGivesEveryTextItsRoom) {
    testing::SheetBench bench;
    LoadRussian(bench);
    CheckFormPage(bench, QStringLiteral("КОЛИЧЕСТВО НА СКЛАДЕ"), "form-page-ru");
}

// The newest of the sheet's open dialogs as its window, checked and saved.
void CheckDialog(PropertySheet& sheet, const char* shotName) {
    EditorDialog dialog(sheet, sheet.DialogCount() - 1, {}, nullptr);
    dialog.show();
    dialog.adjustSize();
    ExpectNoOverlap(sheet.Dialog(sheet.DialogCount() - 1), dialog);
    ExpectNothingCutOff(dialog, {});
    EXPECT_GE(dialog.width(), dialog.minimumSizeHint().width());
    EXPECT_GE(dialog.height(), dialog.minimumSizeHint().height());
    SaveScreenshot(dialog, shotName);
}

TEST(SheetLayout, TheGridDialogShowsEveryCellWhole) {
    testing::SheetBench bench;
    const auto sheet = bench.Open(testing::kKeyCodesPages);
    ASSERT_EQ(sheet->Page(0)->Click(testing::KeyCodesPage::kOpen), EventError::None);
    ASSERT_EQ(sheet->Dialog(0).Click(testing::KeyCodesDialog::kTen), EventError::None);
    CheckDialog(*sheet, "grid-dialog-en");
}

// Each of the Form page's dialogs, the grid over a line's prefix too, in the
// bench's language; `suffix` names the screenshots.
void CheckFormDialogs(testing::SheetBench& bench, const std::string& suffix) {
    bench.task.model.forms[0][task::form::kFieldType] = task::form::kReal;
    bench.task.model.forms[0][task::form::kFieldType + 1] = task::form::kLookup;
    bench.task.model.forms[0][task::form::kPartialMode] = 3;
    bench.task.model.forms[0][task::form::kHasPrefix] = 1;
    bench.task.model.forms[0][task::form::kPrefix] = 0x1B;
    bench.task.model.forms[0][task::form::kFnTarget] = 12;
    bench.task.model.forms[0][task::form::kFnTarget + 1] = 11;
    const struct {
        std::vector<int> clicks;  // from the Form page
        const char* name;
    } dialogs[] = {
        {{FormPage::kMoreButton}, "advance-dialog"},
        {{FormPage::kMoreButton, 303}, "grid-over-advance"},
        {{FormPage::kMoreButton + 1}, "lookup-advance-dialog"},
        {{FormPage::kTimeStampButton}, "date-time-stamp-dialog"},
        {{FormPage::kBranchButton}, "branch-dialog"},
        {{FormPage::kBranchButton, 3}, "summation-dialog"},
        {{FormPage::kBranchButton, 4}, "remains-dialog"},
    };
    for (const auto& [clicks, name] : dialogs) {
        SCOPED_TRACE(name);
        const auto sheet = bench.Open();
        for (const int id : clicks) ASSERT_EQ(sheet->Active().Click(id), EventError::None) << id;
        CheckDialog(*sheet, (name + suffix).c_str());
    }
}

TEST(SheetLayout, TheFormDialogsGiveEveryTextItsRoom) {
    testing::SheetBench bench;
    CheckFormDialogs(bench, "-en");
}

TEST(SheetLayout, TheRussianFormDialogsGiveEveryTextItsRoom) {
    testing::SheetBench bench;
    LoadRussian(bench);
    CheckFormDialogs(bench, "-ru");
}

// A page of the sheet shown in its window, and the dialogs its buttons open.
void CheckPageAndDialogs(testing::SheetBench& bench, const char* templateName, std::vector<int> dialogButtons,
                         const std::string& shotName) {
    const auto sheet = bench.Open();
    PropertySheetDialog window(*sheet);
    window.show();
    const int index = sheet->FindPage(templateName);
    window.findChild<QTabWidget*>()->setCurrentIndex(index);
    window.adjustSize();
    QWidget* page = window.findChild<QWidget*>(templateName);
    ASSERT_NE(page, nullptr);
    ExpectNothingCutOff(*page, {});
    ExpectNoOverlap(*sheet->Page(index), *page);
    SaveScreenshot(window, shotName.c_str());
    for (int button : dialogButtons) {
        ASSERT_EQ(sheet->Page(index)->Click(button), EventError::None);
        EditorDialog dialog(*sheet, 0, {}, nullptr);
        dialog.show();
        dialog.adjustSize();
        ExpectNothingCutOff(dialog, {});
        ExpectNoOverlap(sheet->Dialog(0), dialog);
        SaveScreenshot(dialog, (shotName + "-" + sheet->Dialog(0).TemplateName()).c_str());
        sheet->Cancel();
    }
}

TEST(SheetLayout, TheMenuLookupAndSettingsPagesGiveEveryTextItsRoom) {
    const std::vector<int> settingsDialogs = {202, 203, 204};
    for (const bool russian : {false, true}) {
        const std::string language = russian ? "-ru" : "-en";
        testing::SheetBench bench;
        if (russian) LoadRussian(bench);
        bench.task.model.lookups[0][task::lookup::kDelimiter] = 0;  // the warning in red
        bench.task.model.lookups[0][task::lookup::kFieldCount] = 3;
        CheckPageAndDialogs(bench, "MENUDLG", {}, "menu-page" + language);
        CheckPageAndDialogs(bench, "LOOKUPDLG", {}, "lookup-page" + language);
        CheckPageAndDialogs(bench, "SETTINGSDLG", settingsDialogs, "settings-page" + language);
    }
}

std::vector<int> BarcodeDialogButtons() {
    std::vector<int> buttons;
    for (const barcode::DialogEntry& entry : barcode::Dialogs()) buttons.push_back(entry.button);
    return buttons;
}

TEST(SheetLayout, TheBarcodeAndStartupPagesAndTheirDialogsGiveEveryTextItsRoom) {
    for (const bool russian : {false, true}) {
        const std::string language = russian ? "-ru" : "-en";
        testing::SheetBench bench;
        if (russian) LoadRussian(bench);
        bench.task.model.startup[task::startup::kCodeIdEnabled] = 1;
        bench.task.model.startup[task::startup::kCodeIds] = 0x1D;  // " variable1", the longest code ID
        bench.task.model.startup[task::startup::kCodeIds + 2] = 0x1B;
        bench.task.model.startup[task::startup::kCodeIds + 3] = 0x0F;
        CheckPageAndDialogs(bench, "BARCODESETTINGDLG", BarcodeDialogButtons(), "barcode-page" + language);
        CheckPageAndDialogs(bench, "STARTUPDLG", {}, "startup-page" + language);
    }
}

TEST(SheetLayout, ControlsWithoutAPlaceGetARowEach) {
    testing::SheetBench bench;
    const auto sheet = bench.Open(testing::kSamplePages);
    ASSERT_EQ(sheet->Page(0)->Click(testing::SamplePage::kOpen), EventError::None);
    EditorDialog dialog(*sheet, 0, {}, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.objectName(), "SampleDlg");
    ExpectNoOverlap(sheet->Dialog(0), dialog);
    ExpectNothingCutOff(dialog, {});
    SaveScreenshot(dialog, "sample-dialog");
}

}  // namespace
}  // namespace editors
