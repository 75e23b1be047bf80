#include "designer/task/lookup_view.h"

#include <gtest/gtest.h>

#include "designer/task/view_test_support.h"

namespace task {
namespace {

using testing::ExpectFieldsReach;

TEST(LookupView, FieldsReachTheirBytes) {
    ExpectFieldsReach<LookupView, ConstLookupView>({
        {"record length", &LookupView::SetRecordLength, &ConstLookupView::RecordLength, 0},
        {"field count", &LookupView::SetFieldCount, &ConstLookupView::FieldCount, 1},
        {"key field", &LookupView::SetKeyField, &ConstLookupView::KeyField, 2},
        {"delimiter", &LookupView::SetDelimiter, &ConstLookupView::Delimiter, 19},
        {"uploadable", &LookupView::SetUploadable, &ConstLookupView::Uploadable, 20},
        {"no match", &LookupView::SetNoMatchAction, &ConstLookupView::NoMatchAction, 21},
        {"bad record", &LookupView::SetBadRecordAction, &ConstLookupView::BadRecordAction, 22},
        {"read once", &LookupView::SetReadOnce, &ConstLookupView::ReadOnce, 23},
        {"negative remains", &LookupView::SetNegativeRemains, &ConstLookupView::NegativeRemains, 24},
        {"delete if null", &LookupView::SetDeleteIfNull, &ConstLookupView::DeleteIfNull, 25},
    });
    ExpectFieldsReach<LookupView, ConstLookupView>(
        {
            {"offset", &LookupView::SetFieldOffset, &ConstLookupView::FieldOffset, 3},
            {"length", &LookupView::SetFieldLength, &ConstLookupView::FieldLength, 11},
        },
        7);
}

TEST(LookupView, DefinedNeedsARecordLengthAndFields) {
    LookupRecord record{};
    const LookupView view(record);
    view.SetRecordLength(20);
    EXPECT_FALSE(view.IsDefined());
    view.SetFieldCount(3);
    EXPECT_TRUE(view.IsDefined());
    view.SetRecordLength(0);
    EXPECT_FALSE(view.IsDefined());
}

}  // namespace
}  // namespace task
