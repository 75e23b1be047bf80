// The sheet around the pages: order, titles, caption, first showing, OK and Cancel.
#include "designer/editors/property_sheet.h"

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/editors/form_page.h"
#include "designer/editors/test_support.h"
#include "designer/task/form_view.h"

namespace editors {
namespace {

using task::form::kFieldType;
using task::form::kPrompt;

TEST(PropertySheet, SixPagesInTheirOrderWithTheirTitles) {
    testing::SheetBench bench;
    const auto sheet = bench.Open();
    ASSERT_EQ(sheet->PageCount(), 6);
    const char* templates[] = {"FORMDLG", "MENUDLG", "LOOKUPDLG", "BARCODESETTINGDLG", "SETTINGSDLG", "STARTUPDLG"};
    const char* titles[] = {"Form", "Menu", "Lookup", "Barcode", "Settings", "Startup"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(sheet->PageTemplate(i), templates[i]);
        EXPECT_EQ(sheet->FindPage(templates[i]), i);
        EXPECT_EQ(sheet->PageTitle(i), titles[i]);
    }
    EXPECT_EQ(sheet->FindPage("GridDlg"), -1);
}

TEST(PropertySheet, CaptionNamesTheTaskFile) {
    testing::SheetBench bench;
    EXPECT_EQ(bench.Open()->Caption(), "Quarrow - [ New file ]");
    bench.task.currentPath = "C:\\tasks\\shop.UZX";
    EXPECT_EQ(bench.Open()->Caption(), "Quarrow - [ C:\\tasks\\shop.UZX ]");
    bench.task.currentPath = "Unknow";
    EXPECT_EQ(bench.Open()->Caption(), "Quarrow - [ New file ]");
}

TEST(PropertySheet, TitlesAndCaptionFollowTheLanguage) {
    testing::SheetBench bench;
    ASSERT_GE(bench.strings.FindLanguages(MOSTREL_BIN_DIR), 1);
    ASSERT_TRUE(bench.strings.LoadLanguage(common::Utf8ToCp1251("Русский")));
    const auto sheet = bench.Open();
    EXPECT_EQ(sheet->Caption(), "Quarrow - [ Новый файл ]");
    EXPECT_EQ(sheet->PageTitle(0), "Форма");
    EXPECT_EQ(sheet->PageTitle(5), "Запуск");
    EXPECT_EQ(sheet->Page(0)->State(FormPage::kTypeList)->items[1], "текст");
}

TEST(PropertySheet, PagesAreInitialisedWhenFirstShownFromTheTaskAsItIsThen) {
    testing::SheetBench bench;
    const auto sheet = bench.Open();
    EXPECT_EQ(sheet->CurrentPage(), 0);
    EXPECT_NE(sheet->Page(0), nullptr) << "the first page is shown at once";
    for (int i = 1; i < 6; ++i) EXPECT_EQ(sheet->Page(i), nullptr) << i;
    sheet->ShowPage(3);
    EXPECT_EQ(sheet->CurrentPage(), 3);
    ASSERT_NE(sheet->Page(3), nullptr);
    EXPECT_EQ(sheet->Page(3)->TemplateName(), "BARCODESETTINGDLG");
    EXPECT_EQ(&sheet->Active(), sheet->Page(3));
    sheet->ShowPage(0);
    EXPECT_EQ(&sheet->Active(), sheet->Page(0));
}

TEST(PropertySheet, CancelLeavesTheTaskAsItWas) {
    testing::SheetBench bench;
    const task::TaskModel before = bench.task.model;
    auto sheet = bench.Open();
    sheet->Active().Choose(FormPage::kTypeList, task::form::kText);
    sheet->Active().SetText(FormPage::kPromptBox, "Lost");
    sheet->ShowPage(1);
    sheet->Cancel();
    EXPECT_FALSE(sheet->IsOpen());
    EXPECT_FALSE(sheet->Accepted());
    EXPECT_EQ(bench.task.model, before);
    EXPECT_FALSE(bench.task.modified);

    // The next opening reads the task again: the cancelled edits are gone.
    sheet = bench.Open();
    EXPECT_EQ(sheet->Active().State(FormPage::kPromptBox)->text, "");
    EXPECT_EQ(sheet->Active().State(FormPage::kTypeList)->selection, 0);
}

TEST(PropertySheet, OkCommitsTheInitialisedPagesAndMarksTheTask) {
    testing::SheetBench bench;
    const task::TaskModel before = bench.task.model;
    const auto sheet = bench.Open();
    sheet->Active().Choose(FormPage::kTypeList, task::form::kText);
    sheet->Active().SetText(FormPage::kPromptBox, "Kept");
    sheet->Ok();
    EXPECT_FALSE(sheet->IsOpen());
    EXPECT_TRUE(sheet->Accepted());
    EXPECT_TRUE(bench.task.modified);
    EXPECT_EQ(bench.task.model.forms[0][kFieldType], task::form::kText);
    EXPECT_EQ(task::ConstFormView(bench.task.model.forms[0]).Prompt(0), "Kept");
    // Pages never shown leave their blocks alone.
    EXPECT_EQ(bench.task.model.menus, before.menus);
    EXPECT_EQ(bench.task.model.lookups, before.lookups);
    EXPECT_EQ(bench.task.model.startup, before.startup);
    EXPECT_EQ(bench.task.model.texts, before.texts);
    EXPECT_EQ(bench.task.model.barcode, before.barcode);
}

}  // namespace
}  // namespace editors
