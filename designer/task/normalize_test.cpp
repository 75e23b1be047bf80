#include "designer/task/normalize.h"

#include <cstring>

#include <gtest/gtest.h>

#include "designer/task/form_view.h"
#include "designer/task/menu_view.h"
#include "designer/task/test_support.h"

namespace task {
namespace {

using namespace form;
using testing::FreshTask;

void SetPrompt(FormRecord& f, int line, const char* text) {
    std::memset(&f[kPrompt + line * kPromptWidth], 0, kPromptWidth);
    std::memcpy(&f[kPrompt + line * kPromptWidth], text, std::strlen(text));
}

std::string Prompt(const FormRecord& f, int line) { return ConstFormView(f).Prompt(line); }

TEST(NormalizeForms, CutsPromptsToTheFontWidth) {
    TaskModel model = FreshTask();
    FormRecord& f = model.forms[0];
    f[kFont] = 1;
    f[kFieldType] = kText;
    SetPrompt(f, 0, "12345678901234567890");
    NormalizeForms(model);
    EXPECT_EQ(Prompt(f, 0), "123456789012345");
}

TEST(NormalizeForms, ExtensionLinesTakeTheLengthLeftOver) {
    TaskModel model = FreshTask();
    FormRecord& f = model.forms[0];
    f[kFieldType] = kText;
    f[kFieldType + 1] = kExtension;
    f[kFieldType + 2] = kExtension;
    f[kMaxLength] = 80;
    f[kAutoEnter] = 3;
    f[kInputMark] = '_';
    SetPrompt(f, 0, "Name:");
    SetPrompt(f, 1, "leftover");
    f[kHasPrefix + 1] = 1;
    NormalizeForms(model);
    EXPECT_EQ(f[kMaxLength + 1], 65);
    EXPECT_EQ(f[kMaxLength + 2], 45);
    EXPECT_EQ(f[kAutoEnter + 2], 3);
    EXPECT_EQ(f[kInputMark + 1], '_');
    EXPECT_EQ(Prompt(f, 1), "") << "an extension line has no prompt of its own";
    EXPECT_EQ(f[kHasPrefix + 1], 0);
    EXPECT_EQ(f[kMaxLength + 3], 80) << "an unused line gets the default length";

    // A short line leaves nothing for its extension, never a negative length.
    f[kMaxLength] = 10;
    NormalizeForms(model);
    EXPECT_EQ(f[kMaxLength + 1], 0);
    EXPECT_EQ(f[kMaxLength + 2], 0);
}

TEST(NormalizeForms, ClearsUnusedLinesAndCountsSystemMenuLines) {
    TaskModel model = FreshTask();
    FormRecord& f = model.forms[2];
    SetPrompt(f, 4, "stale");
    f[kInputSource + 4] = 0;
    f[kPartialMaxLength + 4] = 5;
    f[kAutoEnter + 4] = 0;
    f[kInputMark + 4] = '*';
    EXPECT_EQ(NormalizeForms(model), 7);
    EXPECT_EQ(Prompt(f, 4), "");
    EXPECT_EQ(f[kInputSource + 4], 2);
    EXPECT_EQ(f[kPartialMaxLength + 4], 20);
    EXPECT_EQ(f[kAutoEnter + 4], 1);
    EXPECT_EQ(f[kInputMark + 4], 0);

    model.lookups[0][lookup::kRecordLength] = 12;
    EXPECT_EQ(NormalizeForms(model), 7) << "a lookup file needs fields too";
    model.lookups[0][lookup::kFieldCount] = 2;
    EXPECT_EQ(NormalizeForms(model), 8);
}

TEST(ClampFormFields, LengthsLargeFontAndPrompts) {
    TaskModel model = FreshTask();
    FormRecord& f = model.forms[0];
    f[kFieldType] = kText;
    f[kMinLength] = 50;
    f[kMaxLength] = 30;
    f[kFieldType + 1] = kInteger;
    f[kMinLength + 1] = 85;
    f[kMaxLength + 1] = 90;
    f[kFieldType + 2] = kFixedData;
    f[kLookupField + 2] = 3;
    SetPrompt(f, 2, "kept");
    f[kFieldType + 3] = kLookup;
    f[kLookupField + 3] = 4;
    ClampFormFields(model);
    EXPECT_EQ(f[kMinLength], 30);
    EXPECT_EQ(f[kMaxLength], 30);
    EXPECT_EQ(f[kMinLength + 1], 80);
    EXPECT_EQ(f[kMaxLength + 1], 80);
    EXPECT_EQ(f[kLookupField + 2], 0);
    EXPECT_EQ(Prompt(f, 2), "kept");
    EXPECT_EQ(f[kLookupField + 3], 4);

    FormRecord& large = model.forms[1];
    large[kFont] = 1;
    for (int j = 0; j < kFormLines; ++j) large[kFieldType + j] = kText;
    SetPrompt(large, 6, "gone");
    ClampFormFields(model);
    EXPECT_EQ(large[kFieldType + 3], kText);
    for (int j = 4; j < kFormLines; ++j) EXPECT_EQ(large[kFieldType + j], kUnused);
    EXPECT_EQ(Prompt(large, 6), "");
}

void SetItem(MenuRecord& m, int item, const char* text) {
    std::memcpy(&m[menu::kItems + item * kWideSlot], text, std::strlen(text));
}

TEST(PadMenusAndCountLines, CountsFilledItemsAndPads) {
    TaskModel model = FreshTask();
    MenuRecord& m = model.menus[0];
    SetItem(m, 0, "1.Stock");
    SetItem(m, 1, "     ");
    SetItem(m, 3, "\xC0");  // a Cyrillic letter counts as visible
    m[menu::kShowCaption] = 1;
    std::memcpy(&m[menu::kCaption], "Caption longer than twenty", 21);
    PadMenusAndCountLines(model);
    EXPECT_EQ(m[menu::kVisibleItems], 2);
    EXPECT_EQ(ConstMenuView(m).Item(0), "1.Stock             ");
    EXPECT_EQ(ConstMenuView(m).Caption(), "Caption longer than ");
    EXPECT_EQ(model.menus[1][menu::kVisibleItems], 0) << "an empty menu counts no items";

    MenuRecord& large = model.menus[2];
    large[menu::kFont] = 1;
    SetItem(large, 0, "               x");  // the visible character lies past 15 columns
    PadMenusAndCountLines(model);
    EXPECT_EQ(large[menu::kVisibleItems], 0);
    EXPECT_EQ(ConstMenuView(large).Item(0), std::string(15, ' '));
}

TEST(PadMenusAndCountLines, LineCountEndsAtTheLastInputLine) {
    TaskModel model = FreshTask();
    FormRecord& f = model.forms[0];
    f[kFieldType + 2] = kLookup;
    PadMenusAndCountLines(model);
    EXPECT_EQ(f[kLineCount], 0);
    f[kFieldType + 4] = kText;
    PadMenusAndCountLines(model);
    EXPECT_EQ(f[kLineCount], 5);
    f[kFieldType + 7] = kCompare;
    PadMenusAndCountLines(model);
    EXPECT_EQ(f[kLineCount], 8);
}

}  // namespace
}  // namespace task
