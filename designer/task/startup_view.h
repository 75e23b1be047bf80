#pragma once
// Typed access to StartupSettings: how the terminal program starts and
// writes its records, the terminal's system settings, and the five texts of
// its buzzer and calculator entries. Indices: protected functions 0..11,
// function keys 0..6, code ids 0..14, protected sounds 0..2, texts 0..4.
#include <string>
#include <string_view>

#include "designer/task/record_view.h"
#include "designer/task/task_model.h"

namespace task {

class ConstStartupView : public ConstRecordView<kStartupSettingsSize> {
public:
    explicit ConstStartupView(const StartupSettings& settings) : ConstRecordView(settings) {}

    Byte LayoutRevision() const { return At(startup::kLayoutRevision); }
    // 0: the task starts with form 1, else with menu 1.
    Byte StartWithMenu() const { return At(startup::kStartWithMenu); }
    // Character codes put between the fields of a record; 0 = none.
    Byte FirstSeparator() const { return At(startup::kFirstSeparator); }
    Byte SecondSeparator() const { return At(startup::kSecondSeparator); }
    // Non-zero: a data file per form. While 0 the clock line shows the record counter.
    Byte SeparateDataFiles() const { return At(startup::kClockLineMode); }
    Byte LargeFontScreens() const { return At(startup::kLargeFontScreens); }

    Byte UploadPort() const { return At(startup::kUploadPort); }
    ConstSlot UploadPhoneSlot() const { return SlotAt(startup::kUploadPhone, startup::kPhoneWidth); }
    Byte DownloadPort() const { return At(startup::kDownloadPort); }
    ConstSlot DownloadPhoneSlot() const { return SlotAt(startup::kDownloadPhone, startup::kPhoneWidth); }
    Byte BaudRate() const { return At(startup::kBaudRate); }
    Byte ModemSpeed() const { return At(startup::kModemSpeed); }
    Byte Backlight() const { return At(startup::kBacklight); }
    Byte BacklightIdle() const { return At(startup::kBacklightIdle); }
    Byte DataDeletion() const { return At(startup::kDataDeletion); }
    Byte EntryOption() const { return At(startup::kEntryOption); }
    Byte EntryDuration() const { return At(startup::kEntryDuration); }
    Byte KeyClick() const { return At(startup::kKeyClick); }
    Byte GoodReadBeep() const { return At(startup::kGoodReadBeep); }
    Byte WarningBeep() const { return At(startup::kWarningBeep); }
    Byte VibratorDuration() const { return At(startup::kVibratorDuration); }
    Byte OldVibratorDuration() const { return At(startup::kOldVibratorDuration); }

    Byte ProtectedFunction(int index) const { return At(startup::kProtectedFunctions, index); }
    Byte ProtectedSound(int index) const { return At(startup::kProtectedSounds, index); }
    ConstSlot PasswordSlot() const { return SlotAt(startup::kPassword, startup::kPasswordWidth); }
    Byte FunctionKeyMapping() const { return At(startup::kFunctionKeyMapping); }
    Byte FunctionKey(int index) const { return At(startup::kFunctionKeys, index); }

    Byte CodeIdEnabled() const { return At(startup::kCodeIdEnabled); }
    ConstSlot CodeIdSlot(int index) const { return SlotAt(startup::kCodeIds, startup::kCodeIdWidth, index); }
    Byte FieldReplacement() const { return At(startup::kFieldReplacement); }

    ConstSlot ExtraTextSlot(int index) const { return SlotAt(startup::kExtraTexts, kWideSlot, index); }
    std::string ExtraText(int index) const { return SlotText(ExtraTextSlot(index)); }
};

class StartupView : public RecordView<ConstStartupView, kStartupSettingsSize> {
public:
    explicit StartupView(StartupSettings& settings) : RecordView(settings) {}

    void SetLayoutRevision(Byte value) const { Put(startup::kLayoutRevision, value); }
    void SetStartWithMenu(Byte value) const { Put(startup::kStartWithMenu, value); }
    void SetFirstSeparator(Byte value) const { Put(startup::kFirstSeparator, value); }
    void SetSecondSeparator(Byte value) const { Put(startup::kSecondSeparator, value); }
    void SetSeparateDataFiles(Byte value) const { Put(startup::kClockLineMode, value); }
    void SetLargeFontScreens(Byte value) const { Put(startup::kLargeFontScreens, value); }

    void SetUploadPort(Byte value) const { Put(startup::kUploadPort, value); }
    Slot UploadPhoneSlot() const { return WritableSlotAt(startup::kUploadPhone, startup::kPhoneWidth); }
    void SetDownloadPort(Byte value) const { Put(startup::kDownloadPort, value); }
    Slot DownloadPhoneSlot() const { return WritableSlotAt(startup::kDownloadPhone, startup::kPhoneWidth); }
    void SetBaudRate(Byte value) const { Put(startup::kBaudRate, value); }
    void SetModemSpeed(Byte value) const { Put(startup::kModemSpeed, value); }
    void SetBacklight(Byte value) const { Put(startup::kBacklight, value); }
    void SetBacklightIdle(Byte value) const { Put(startup::kBacklightIdle, value); }
    void SetDataDeletion(Byte value) const { Put(startup::kDataDeletion, value); }
    void SetEntryOption(Byte value) const { Put(startup::kEntryOption, value); }
    void SetEntryDuration(Byte value) const { Put(startup::kEntryDuration, value); }
    void SetKeyClick(Byte value) const { Put(startup::kKeyClick, value); }
    void SetGoodReadBeep(Byte value) const { Put(startup::kGoodReadBeep, value); }
    void SetWarningBeep(Byte value) const { Put(startup::kWarningBeep, value); }
    void SetVibratorDuration(Byte value) const { Put(startup::kVibratorDuration, value); }
    void SetOldVibratorDuration(Byte value) const { Put(startup::kOldVibratorDuration, value); }

    void SetProtectedFunction(int index, Byte value) const { Put(startup::kProtectedFunctions, index, value); }
    void SetProtectedSound(int index, Byte value) const { Put(startup::kProtectedSounds, index, value); }
    Slot PasswordSlot() const { return WritableSlotAt(startup::kPassword, startup::kPasswordWidth); }
    void SetFunctionKeyMapping(Byte value) const { Put(startup::kFunctionKeyMapping, value); }
    void SetFunctionKey(int index, Byte value) const { Put(startup::kFunctionKeys, index, value); }

    void SetCodeIdEnabled(Byte value) const { Put(startup::kCodeIdEnabled, value); }
    Slot CodeIdSlot(int index) const { return WritableSlotAt(startup::kCodeIds, startup::kCodeIdWidth, index); }
    void SetFieldReplacement(Byte value) const { Put(startup::kFieldReplacement, value); }

    Slot ExtraTextSlot(int index) const { return WritableSlotAt(startup::kExtraTexts, kWideSlot, index); }
    void SetExtraText(int index, std::string_view text) const { SetSlotText(ExtraTextSlot(index), text); }
};

}  // namespace task
