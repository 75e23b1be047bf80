#include "designer/editors/lookup_page.h"

#include <algorithm>

#include "designer/editors/box_rules.h"
#include "designer/editors/item_lists.h"
#include "designer/strings/string_ids.h"
#include "designer/task/calculator_entry.h"
#include "designer/task/lookup_view.h"

namespace editors {

namespace {

using namespace task::lookup;
using task::Byte;
using K = ControlKind;
namespace id = strings::id;

constexpr int kLargestNumber = 255;  // of a record length, an offset or a field length
constexpr int kNoMatchActions = 6;
constexpr int kBadRecordActions = 3;
// While data is read only once, a value without a match can only be inserted.
constexpr Byte kInsert = 2;
constexpr Byte kWarnAndInsert = 3;
constexpr Byte kTab = 9;
// Drawn in red while fixed-length records are chosen.
constexpr Rgb kWarningRed{200, 20, 30};

// The file-wide controls above; the field table and the options side by side below.
constexpr int kFileArea = 9100;
constexpr int kFieldTable = 9200;
constexpr int kOptionArea = 9300;
constexpr int kRowLabel = 9011;  // "#1" .. "#8"

std::vector<ControlSpec> LookupControls() {
    std::vector<ControlSpec> c = {
        {kFileArea, K::Group, 0, {0, 0, 0, 2}},
        {kFieldTable, K::Group, 0, {0, 1, 0}},
        {kOptionArea, K::Group, 0, {0, 1, 1}},
        {9001, K::Label, id::kLookupNameLabel, {kFileArea, 0, 0}},
        {LookupPage::kNameList, K::Combo, 0, {kFileArea, 0, 1}},
        {9002, K::Label, id::kLookupMemberLengthLabel, {kFileArea, 0, 2}},
        {LookupPage::kMemberLengthBox, K::Edit, 0, {kFileArea, 0, 3, 1, 3}},
        {9003, K::Label, id::kLookupFieldCountLabel, {kFileArea, 0, 4}},
        {LookupPage::kFieldCountList, K::Combo, 0, {kFileArea, 0, 5}},
        {LookupPage::kResetButton, K::Button, id::kLookupResetButton, {kFileArea, 0, 7}},
        {LookupPage::kFixedLengthRadio, K::Radio, id::kLookupFixedLengthRadio, {kFileArea, 1, 0, 2}},
        {LookupPage::kDelimiterRadio, K::Radio, id::kLookupDelimiterRadio, {kFileArea, 1, 2}},
        {LookupPage::kDelimiterBox, K::Edit, 0, {kFileArea, 1, 3, 1, 3}},
        {9004, K::Label, id::kLookupAsciiLabel, {kFileArea, 1, 4}},
        {9005, K::Label, id::kLookupKeyFieldHeading, {kFieldTable, 0, 1}},
        {9006, K::Label, id::kLookupOffsetHeading, {kFieldTable, 0, 2}},
        {LookupPage::kLengthHeading, K::Label, 0, {kFieldTable, 0, 3}},
        {LookupPage::kUploadableCheck, K::Check, id::kLookupUploadableCheck, {kOptionArea, 0, 0}},
        {9008, K::Label, id::kLookupNoMatchLabel, {kOptionArea, 1, 0}},
        {LookupPage::kNoMatchList, K::Combo, 0, {kOptionArea, 2, 0}},
        {9009, K::Label, id::kLookupBadRecordLabel, {kOptionArea, 3, 0}},
        {LookupPage::kBadRecordList, K::Combo, 0, {kOptionArea, 4, 0}},
        {LookupPage::kReadOnceCheck, K::Check, id::kLookupReadOnceCheck, {kOptionArea, 5, 0}},
        {LookupPage::kNegativeRemainsCheck, K::Check, id::kLookupNegativeRemainsCheck, {kOptionArea, 6, 0}},
        {LookupPage::kDeleteIfNullCheck, K::Check, id::kLookupDeleteIfNullCheck, {kOptionArea, 7, 0}},
        {LookupPage::kDelimitersOnlyWarning, K::Label, id::kLookupDelimitersOnlyWarning, {0, 2, 0, 2}},
    };
    for (int j = 0; j < kMaxFields; ++j) {
        const int row = j + 1;
        c.push_back({kRowLabel + j, K::Label, 0, {kFieldTable, row, 0}});
        c.push_back({LookupPage::kKeyRadio + j, K::Radio, 0, {kFieldTable, row, 1}});
        c.push_back({LookupPage::kOffsetBox + j, K::Edit, 0, {kFieldTable, row, 2, 1, 3}});
        c.push_back({LookupPage::kLengthBox + j, K::Edit, 0, {kFieldTable, row, 3, 1, 3}});
    }
    return c;
}

// The fields a record has: the stored number, of the eight places there are.
int FieldsInUse(const task::ConstLookupView& lookup) { return std::min<int>(lookup.FieldCount(), kMaxFields); }

// A delimited record holds its fields one after another, each followed by the
// delimiter but the last: its length and the fields' offsets follow from the
// maximum lengths. Nothing runs past 255, the largest a byte holds.
void DeriveDelimitedLayout(const task::LookupView& lookup) {
    const int fields = FieldsInUse(lookup);
    if (fields == 0) {
        lookup.SetRecordLength(0);
        return;
    }
    int length = fields - 1;
    int offset = 1;
    for (int j = 0; j < fields; ++j) {
        lookup.SetFieldOffset(j, static_cast<Byte>(std::min(offset, kLargestNumber)));
        offset += lookup.FieldLength(j) + 1;
        length += lookup.FieldLength(j);
    }
    lookup.SetRecordLength(static_cast<Byte>(std::min(length, kLargestNumber)));
}

}  // namespace

LookupPage::LookupPage(EditorContext& context, std::string title)
    : PageModel(context, "LOOKUPDLG", std::move(title), LookupControls()) {
    lookups_ = context.Live().lookups;
    SetItems(kNameList, TextItems(context, id::kFirstLookupFileName, task::kLookupCount));
    std::vector<std::string> counts;
    for (int n = 0; n <= kMaxFields; ++n) counts.push_back(" " + std::to_string(n));
    SetItems(kFieldCountList, std::move(counts));
    SetItems(kBadRecordList, TextItems(context, id::kFirstBadRecordActionName, kBadRecordActions));
    const std::string fieldNumbered = context.Text(id::kLookupFieldNumbered);
    for (int j = 0; j < kMaxFields; ++j) ShowText(kRowLabel + j, fieldNumbered + std::to_string(j + 1));
    Control(kDelimitersOnlyWarning).color = kWarningRed;
    BindControls();
    ShowLookup(0);
}

Locate LookupPage::ByteAt(std::size_t offset) {
    return [this, offset] { return &WorkingLookup()[offset]; };
}

void LookupPage::BindControls() {
    Bind(kMemberLengthBox, NumberBinding(Field::Whole(ByteAt(kRecordLength)), [](std::string_view text, int) {
        return ApplyWholeNumberRule(text, kLargestNumber);
    }));
    Bind(kFieldCountList, ListBinding(Field::Whole(ByteAt(kFieldCount))));
    for (int j = 0; j < kMaxFields; ++j) {
        Bind(kKeyRadio + j, RadioBinding(Field::Whole(ByteAt(kKeyField)), j));
        Bind(kOffsetBox + j, NumberBinding(Field::Whole(ByteAt(kFieldOffsets + j)), 0, kLargestNumber));
        Bind(kLengthBox + j, NumberBinding(Field::Whole(ByteAt(kFieldLengths + j)), 0, kLargestNumber));
    }
    Bind(kUploadableCheck, CheckBinding(Field::Whole(ByteAt(kUploadable))));
    Bind(kBadRecordList, ListBinding(Field::Whole(ByteAt(kBadRecordAction))));
    Bind(kReadOnceCheck, CheckBinding(Field::Whole(ByteAt(kReadOnce))));
    Bind(kNegativeRemainsCheck, CheckBinding(Field::Whole(ByteAt(kNegativeRemains))));
    Bind(kDeleteIfNullCheck, CheckBinding(Field::Whole(ByteAt(kDeleteIfNull))));
}

void LookupPage::ShowLookup(int lookup) {
    current_ = lookup;
    Control(kNameList).selection = lookup;
    ShowText(kDelimiterBox, std::to_string(task::ConstLookupView(WorkingLookup()).Delimiter()));
    FillNoMatchList();
    LoadControls();
}

// While data is read only once the list offers the two inserting actions alone.
void LookupPage::FillNoMatchList() {
    std::vector<std::string> actions = TextItems(Context(), id::kFirstNoMatchActionName, kNoMatchActions);
    const bool once = task::ConstLookupView(WorkingLookup()).ReadOnce() != 0;
    const Byte first = once ? kInsert : 0;
    if (once) actions = {actions[kInsert], actions[kWarnAndInsert]};
    Bind(kNoMatchList, ListBinding(Field::Whole(ByteAt(kNoMatchAction)), first));
    SetItems(kNoMatchList, std::move(actions));
}

void LookupPage::OnEdited(int id) {
    if (id != kDelimiterBox) return;
    const task::LookupView lookup(WorkingLookup());
    const DelimiterEntry typed = ApplyDelimiterRule(Control(id).text, lookup.Delimiter());
    lookup.SetDelimiter(static_cast<Byte>(typed.entry.value));
    ShowText(id, typed.entry.text);
    if (typed.carriageReturn) {
        Context().ShowMessage(id::kWarningCaption, id::kInvalidValue, common::MessageIcon::Warning);
    }
}

void LookupPage::OnChosen(int id, int) {
    if (id == kNameList) ShowLookup(Control(id).selection);
}

void LookupPage::OnClicked(int id) {
    const task::LookupView lookup(WorkingLookup());
    switch (id) {
        case kFixedLengthRadio: ChangeMode(false); break;
        case kDelimiterRadio: ChangeMode(true); break;
        case kReadOnceCheck: {
            const Byte action = lookup.NoMatchAction();
            const bool inserts = action == kInsert || action == kWarnAndInsert;
            if (lookup.ReadOnce() != 0 && !inserts) lookup.SetNoMatchAction(kInsert);
            FillNoMatchList();
            break;
        }
        case kResetButton: Reset(); break;
        default: break;
    }
}

// Delimited records start with the tab; choosing the mode they are already
// in keeps the delimiter the user gave.
void LookupPage::ChangeMode(bool delimited) {
    const task::LookupView lookup(WorkingLookup());
    if (!delimited) {
        lookup.SetDelimiter(0);
    } else if (lookup.Delimiter() == 0) {
        lookup.SetDelimiter(kTab);
    }
    ShowText(kDelimiterBox, std::to_string(lookup.Delimiter()));
}

void LookupPage::Reset() {
    for (task::LookupRecord& record : lookups_) {
        const task::LookupView lookup(record);
        lookup.SetRecordLength(0);
        lookup.SetFieldCount(0);
        lookup.SetKeyField(0);
        for (int j = 0; j < kMaxFields; ++j) {
            lookup.SetFieldOffset(j, 1);
            lookup.SetFieldLength(j, 0);
        }
        lookup.SetDelimiter(0);
        lookup.SetUploadable(1);
        lookup.SetNoMatchAction(0);
        lookup.SetBadRecordAction(0);
        lookup.SetReadOnce(0);
        lookup.SetNegativeRemains(0);
    }
    ShowLookup(0);
}

void LookupPage::Update() {
    const task::ConstLookupView lookup(WorkingLookup());
    const bool fixed = lookup.Delimiter() == 0;
    const int fields = FieldsInUse(lookup);
    Control(kFixedLengthRadio).checked = fixed;
    Control(kDelimiterRadio).checked = !fixed;
    ShowText(kLengthHeading, Context().Text(fixed ? id::kLookupLengthHeading : id::kLookupMaxLengthHeading));
    // A delimited record's length and offsets follow from the maximum lengths.
    Enable(kMemberLengthBox, fixed);
    Enable(kDelimiterBox, !fixed);
    for (int j = 0; j < kMaxFields; ++j) {
        Enable(kKeyRadio + j, j < fields);
        Enable(kOffsetBox + j, j < fields && fixed);
        Enable(kLengthBox + j, j < fields);
    }
    // The warning is drawn grey while the user heeds it.
    Enable(kDelimitersOnlyWarning, fixed);
}

void LookupPage::Commit() {
    for (task::LookupRecord& record : lookups_) {
        const task::LookupView lookup(record);
        if (lookup.KeyField() >= lookup.FieldCount()) lookup.SetKeyField(0);
        if (lookup.Delimiter() != 0) DeriveDelimitedLayout(lookup);
    }
    task::Task& live = Context().LiveTask();
    live.model.lookups = lookups_;
    task::NumberCalculatorEntry(live.model);
}

}  // namespace editors
