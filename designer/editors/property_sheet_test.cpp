// The sheet around the pages: order, titles, caption, first showing, OK and Cancel.
#include "designer/editors/property_sheet.h"

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/editors/form_page.h"
#include "designer/editors/lookup_page.h"
#include "designer/editors/test_support.h"
#include "designer/task/calculator_entry.h"
#include "designer/task/form_view.h"
#include "designer/task/startup_view.h"

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

// A page with a working copy of the calculator entry, as the Startup page
// has: it hears the commits of the pages before it and writes its copy back.
class EntryPage final : public PageModel {
public:
    EntryPage(EditorContext& context, std::string title) : PageModel(context, "ENTRYDLG", std::move(title), {}) {
        entry = context.Live().startup;
    }
    void EarlierPageCommitted(const PageModel& page) override {
        heard.push_back(page.TemplateName());
        if (page.TemplateName() == "LOOKUPDLG") {
            const char digit = task::CalculatorDigit(Context().Live());
            task::NumberCalculatorEntry(task::StartupView(entry).ExtraTextSlot(0), digit);
        }
    }
    void Commit() override {
        std::copy_n(entry.begin() + task::startup::kExtraTexts, task::kWideSlot,
                    Context().LiveTask().model.startup.begin() + task::startup::kExtraTexts);
    }

    task::StartupSettings entry;
    std::vector<std::string> heard;
};

std::unique_ptr<PageModel> MakeEntryPage(EditorContext& context, std::string title) {
    return std::make_unique<EntryPage>(context, std::move(title));
}

std::unique_ptr<PageModel> MakeLookupPage(EditorContext& context, std::string title) {
    return std::make_unique<LookupPage>(context, std::move(title));
}

TEST(PropertySheet, ALaterPageHearsEachEarlierCommitAndKeepsTheCalculatorDigit) {
    static constexpr PageKind kPages[] = {
        {"ENTRYDLG", strings::id::kFormPageTitle, MakeEntryPage},
        {"LOOKUPDLG", strings::id::kLookupPageTitle, MakeLookupPage},
        {"ENTRYDLG", strings::id::kStartupPageTitle, MakeEntryPage},
        {"ENTRYDLG", strings::id::kStartupPageTitle, MakeEntryPage},
    };
    testing::SheetBench bench;
    const auto sheet = bench.Open(kPages);
    sheet->ShowPage(2);
    sheet->ShowPage(1);
    sheet->Active().Choose(LookupPage::kFieldCountList, 1);
    sheet->Active().SetText(LookupPage::kLengthBox, "8");
    sheet->Ok();
    EXPECT_TRUE(static_cast<EntryPage*>(sheet->Page(0))->heard.empty()) << "it committed first";
    EXPECT_EQ(static_cast<EntryPage*>(sheet->Page(2))->heard, (std::vector<std::string>{"ENTRYDLG", "LOOKUPDLG"}));
    EXPECT_EQ(sheet->Page(3), nullptr) << "never shown, never told";
    EXPECT_EQ(task::ConstStartupView(bench.task.model.startup).ExtraText(0), "9. Calculator       ")
        << "the later page's commit wrote its copy, numbered after the lookups";
}

}  // namespace
}  // namespace editors
