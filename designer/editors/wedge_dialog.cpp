#include "designer/editors/wedge_dialog.h"

#include "designer/editors/box_rules.h"
#include "designer/editors/item_lists.h"
#include "designer/strings/string_ids.h"

namespace editors {

namespace {

using namespace task::terminal;
using K = ControlKind;
namespace id = strings::id;

constexpr int kKeyboardTypes = 32;
constexpr int kLargestNumber = 255;  // milliseconds of delay, seconds of time-out

constexpr int kRadioArea = 9100;

// A framed group of three radio buttons with their captions.
struct RadioGroup {
    int group;
    int titleId;
    int firstRadio;
    int firstNameId;
};

constexpr RadioGroup kRadioGroups[] = {
    {9101, id::kWedgeDigitsGroup, WedgeDialog::kFirstDigitsRadio, id::kFirstDigitsLayoutName},
    {9102, id::kWedgeShiftLockGroup, WedgeDialog::kFirstShiftLockRadio, id::kFirstShiftLockName},
    {9103, id::kWedgeCapitalLockGroup, WedgeDialog::kFirstCapitalRadio, id::kFirstCapitalLockName},
};

std::vector<ControlSpec> WedgeControls() {
    std::vector<ControlSpec> c = {
        {9001, K::Label, id::kWedgeTypeLabel, {0, 0, 0}},
        {WedgeDialog::kTypeList, K::Combo, 0, {0, 0, 1, 2}},
        {9002, K::Label, id::kWedgeDelayLabel, {0, 1, 0}},
        {WedgeDialog::kDelayBox, K::Edit, 0, {0, 1, 1, 1, 3}},
        {9003, K::Label, id::kWedgeDelayUnit, {0, 1, 2}},
        {9004, K::Label, id::kWedgeTimeoutLabel, {0, 2, 0}},
        {WedgeDialog::kTimeoutBox, K::Edit, 0, {0, 2, 1, 1, 3}},
        {9005, K::Label, id::kWedgeTimeoutUnit, {0, 2, 2}},
        {WedgeDialog::kNumericKeypadCheck, K::Check, id::kWedgeNumericKeypadCheck, {0, 3, 0, 3}},
        {WedgeDialog::kAddReturnCheck, K::Check, id::kWedgeAddReturnCheck, {0, 4, 0, 3}},
        {kRadioArea, K::Group, 0, {0, 5, 0, 3}},
    };
    for (int g = 0; g < 3; ++g) {
        const RadioGroup& group = kRadioGroups[g];
        c.push_back({group.group, K::Group, group.titleId, {kRadioArea, 0, g}});
        for (int r = 0; r < 3; ++r) {
            c.push_back({group.firstRadio + r, K::Radio, group.firstNameId + r, {group.group, r, 0}});
        }
    }
    return c;
}

}  // namespace

WedgeDialog::WedgeDialog(EditorContext& context, task::TerminalSettings& settings)
    : DialogModel(context, "KeyboardWedgeDlg", context.DirectText(id::kWedgeTitle), WedgeControls()),
      settings_(settings) {
    BackUp(settings_);
    SetItems(kTypeList, TextItems(context, id::kFirstKeyboardTypeName, kKeyboardTypes));
    const auto at = [this](std::size_t offset) -> Locate { return [this, offset] { return &settings_[offset]; }; };
    const auto number = [](std::string_view text, int) { return ApplyWholeNumberRule(text, kLargestNumber); };
    Bind(kTypeList, ListBinding(Field::Whole(at(kKeyboardType))));
    Bind(kDelayBox, NumberBinding(Field::Whole(at(kCharacterDelay)), number));
    Bind(kTimeoutBox, NumberBinding(Field::Whole(at(kTransmitTimeout)), number));
    Bind(kNumericKeypadCheck, CheckBinding(Field::Bits(at(kWedgeFlags), kNumericKeypad)));
    Bind(kAddReturnCheck, CheckBinding(Field::Whole(at(kAddReturn))));
    // A value no radio button stands for checks none and stays until the user chooses.
    for (int r = 0; r < 3; ++r) {
        Bind(kFirstDigitsRadio + r, RadioBinding(Field::Bits(at(kWedgeFlags), kDigitsLayout), r));
        Bind(kFirstShiftLockRadio + r, RadioBinding(Field::Bits(at(kWedgeFlags), kShiftLockType), r));
        Bind(kFirstCapitalRadio + r, RadioBinding(Field::Bits(at(kWedgeFlags), kCapitalLock), 1 << r));
    }
    LoadControls();
}

bool WedgeDialog::Accept() {
    Context().WriteLive([this](task::TaskModel& model) { model.terminal = settings_; });
    return true;
}

}  // namespace editors
