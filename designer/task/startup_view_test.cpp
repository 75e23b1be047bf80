#include "designer/task/startup_view.h"

#include <gtest/gtest.h>

#include "designer/task/view_test_support.h"

namespace task {
namespace {

using testing::ExpectFieldsReach;
using testing::OffsetIn;

TEST(StartupView, FieldsReachTheirBytes) {
    ExpectFieldsReach<StartupView, ConstStartupView>({
        {"revision", &StartupView::SetLayoutRevision, &ConstStartupView::LayoutRevision, 0},
        {"start", &StartupView::SetStartWithMenu, &ConstStartupView::StartWithMenu, 1},
        {"first separator", &StartupView::SetFirstSeparator, &ConstStartupView::FirstSeparator, 2},
        {"second separator", &StartupView::SetSecondSeparator, &ConstStartupView::SecondSeparator, 3},
        {"separate files", &StartupView::SetSeparateDataFiles, &ConstStartupView::SeparateDataFiles, 4},
        {"upload port", &StartupView::SetUploadPort, &ConstStartupView::UploadPort, 5},
        {"download port", &StartupView::SetDownloadPort, &ConstStartupView::DownloadPort, 27},
        {"baud rate", &StartupView::SetBaudRate, &ConstStartupView::BaudRate, 28},
        {"backlight", &StartupView::SetBacklight, &ConstStartupView::Backlight, 29},
        {"backlight idle", &StartupView::SetBacklightIdle, &ConstStartupView::BacklightIdle, 30},
        {"data deletion", &StartupView::SetDataDeletion, &ConstStartupView::DataDeletion, 31},
        {"entry option", &StartupView::SetEntryOption, &ConstStartupView::EntryOption, 32},
        {"entry duration", &StartupView::SetEntryDuration, &ConstStartupView::EntryDuration, 33},
        {"large font", &StartupView::SetLargeFontScreens, &ConstStartupView::LargeFontScreens, 68},
        {"key mapping", &StartupView::SetFunctionKeyMapping, &ConstStartupView::FunctionKeyMapping, 82},
        {"code ids", &StartupView::SetCodeIdEnabled, &ConstStartupView::CodeIdEnabled, 84},
        {"modem speed", &StartupView::SetModemSpeed, &ConstStartupView::ModemSpeed, 115},
        {"key click", &StartupView::SetKeyClick, &ConstStartupView::KeyClick, 137},
        {"good read", &StartupView::SetGoodReadBeep, &ConstStartupView::GoodReadBeep, 138},
        {"warning", &StartupView::SetWarningBeep, &ConstStartupView::WarningBeep, 139},
        {"old vibrator", &StartupView::SetOldVibratorDuration, &ConstStartupView::OldVibratorDuration, 256},
        {"vibrator", &StartupView::SetVibratorDuration, &ConstStartupView::VibratorDuration, 257},
        {"field replacement", &StartupView::SetFieldReplacement, &ConstStartupView::FieldReplacement, 258},
    });
    ExpectFieldsReach<StartupView, ConstStartupView>(
        {
            {"protected function", &StartupView::SetProtectedFunction, &ConstStartupView::ProtectedFunction, 34},
            {"function key", &StartupView::SetFunctionKey, &ConstStartupView::FunctionKey, 58},
            {"protected sound", &StartupView::SetProtectedSound, &ConstStartupView::ProtectedSound, 140},
        },
        2);
}

TEST(StartupView, SlotsSitWhereTheLayoutPutsThem) {
    StartupSettings settings{};
    const StartupView view(settings);
    EXPECT_EQ(OffsetIn(settings, view.UploadPhoneSlot()), 6u);
    EXPECT_EQ(view.UploadPhoneSlot().size(), 21u);
    EXPECT_EQ(OffsetIn(settings, view.DownloadPhoneSlot()), 116u);
    EXPECT_EQ(OffsetIn(settings, view.PasswordSlot()), 46u);
    EXPECT_EQ(view.PasswordSlot().size(), 12u);
    EXPECT_EQ(OffsetIn(settings, view.CodeIdSlot(14)), 85u + 14 * 2);
    EXPECT_EQ(OffsetIn(settings, view.ExtraTextSlot(4)), 150u + 4 * 21);

    view.SetExtraText(4, "8. Calculator, a long one");
    EXPECT_EQ(view.ExtraText(4), "8. Calculator, a lon");
    EXPECT_EQ(settings[254], 0);
    EXPECT_EQ(settings[255], 0) << "the fifth text ends at byte 254";
}

}  // namespace
}  // namespace task
