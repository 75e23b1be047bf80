#include "designer/editors/form_page.h"

#include "designer/editors/advance_dialog.h"
#include "designer/editors/date_time_stamp_dialog.h"
#include "designer/editors/edit_rules.h"
#include "designer/editors/form_branch_dialog.h"
#include "designer/editors/item_lists.h"
#include "designer/editors/lookup_advance_dialog.h"
#include "designer/strings/string_ids.h"
#include "designer/task/form_view.h"
#include "designer/task/normalize.h"

namespace editors {
namespace {

using namespace task::form;
using task::Byte;
using K = ControlKind;

constexpr int kLines = task::kFormLines;
constexpr int kMaxInputLength = 80;
constexpr int kFieldTypes = 19;    // "nil" and the 18 types
constexpr int kRecordActions = 9;
constexpr int kLookupFields = 8;
constexpr Byte kKeypad = 1;

// The form-wide controls sit in one area, the line rows in a table below it.
constexpr int kFormArea = 9100;
constexpr int kLineTable = 9200;
constexpr int kRowLabel = 9021;  // "#1" .. "#8"

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// Types whose value is typed or scanned, or taken from a variable, or compared.
bool IsEntryType(int type) { return InRange(type, kText, kAutoPlusMinus) || InRange(type, kAlphameric, kCompare); }
// Types whose lookup field may take a value from a file field or add it to one.
bool IsNumericType(int type) {
    return type == kInteger || type == kReal || type == kAutoPlusMinus || InRange(type, kVariable1, kVariable3);
}

std::vector<ControlSpec> FormControls() {
    std::vector<ControlSpec> c = {
        {kFormArea, K::Group, 0, {0, 0, 0}},
        {kLineTable, K::Group, 0, {0, 1, 0}},
        {9001, K::Label, strings::id::kFormNameLabel, {kFormArea, 0, 0}},
        {FormPage::kNameList, K::Combo, 0, {kFormArea, 0, 1}},
        {9002, K::Label, strings::id::kFormFontLabel, {kFormArea, 0, 2}},
        {FormPage::kFontList, K::Combo, 0, {kFormArea, 0, 3}},
        {9006, K::Label, strings::id::kFormLookupLabel, {kFormArea, 0, 4}},
        {FormPage::kLookupFileList, K::Combo, 0, {kFormArea, 0, 5}},
        {FormPage::kTimeStampButton, K::Button, strings::id::kFormTimeStampButton, {kFormArea, 0, 7}},
        {9003, K::Label, strings::id::kFormEscLabel, {kFormArea, 1, 0}},
        {FormPage::kEscList, K::Combo, 0, {kFormArea, 1, 1}},
        {9004, K::Label, strings::id::kFormNextLabel, {kFormArea, 1, 2}},
        {FormPage::kNextList, K::Combo, 0, {kFormArea, 1, 3}},
        {9007, K::Label, strings::id::kFormRecordLabel, {kFormArea, 1, 4}},
        {FormPage::kRecordList, K::Combo, 0, {kFormArea, 1, 5}},
        {FormPage::kBranchButton, K::Button, strings::id::kFormBranchButton, {kFormArea, 1, 7}},
        {9005, K::Label, strings::id::kFormOnErrorLabel, {kFormArea, 2, 4}},
        {FormPage::kOnErrorList, K::Combo, 0, {kFormArea, 2, 5}},
        {9011, K::Label, strings::id::kFormTypeHeading, {kLineTable, 0, 1}},
        {9012, K::Label, strings::id::kFormPromptHeading, {kLineTable, 0, 2}},
        {9013, K::Label, strings::id::kFormInputSourceHeading, {kLineTable, 0, 3}},
        {9014, K::Label, strings::id::kFormMinLengthHeading, {kLineTable, 0, 4}},
        {9015, K::Label, strings::id::kFormMaxLengthHeading, {kLineTable, 0, 5}},
        {9016, K::Label, strings::id::kFormLineLookupHeading, {kLineTable, 0, 6}},
        {9017, K::Label, strings::id::kFormPropertiesHeading, {kLineTable, 0, 7}},
    };
    for (int i = 0; i < kLines; ++i) {
        const int row = i + 1;
        c.push_back({kRowLabel + i, K::Label, 0, {kLineTable, row, 0}});
        c.push_back({FormPage::kTypeList + i, K::Combo, 0, {kLineTable, row, 1}});
        c.push_back({FormPage::kPromptBox + i, K::Edit, 0, {kLineTable, row, 2, 1, 20, true}});
        c.push_back({FormPage::kSourceList + i, K::Combo, 0, {kLineTable, row, 3}});
        c.push_back({FormPage::kMinBox + i, K::Edit, 0, {kLineTable, row, 4, 1, 3}});
        c.push_back({FormPage::kMaxBox + i, K::Edit, 0, {kLineTable, row, 5, 1, 3}});
        c.push_back({FormPage::kLookupList + i, K::Combo, 0, {kLineTable, row, 6}});
        c.push_back({FormPage::kMoreButton + i, K::Button, strings::id::kFormMoreButton, {kLineTable, row, 7}});
    }
    return c;
}

// The output settings of a line: what the field dialogs add around its value.
void ClearOutputProperties(const task::FormView& form, int line) {
    form.SetInputMark(line, 0);
    form.InitialValueSlot(line)[0] = 0;
    form.PrefixSlot(line)[0] = 0;
    form.SuffixSlot(line)[0] = 0;
    form.SetHasPrefix(line, 0);
    form.SetHasSuffix(line, 0);
    form.SetAlignment(line, 0);
    form.SetFixedLengthValue(line, 0);
    form.SetFixedLength(line, 0);
}

// A line whose new type cannot use what its old type set starts afresh.
bool TypeChangeResets(int from, int to) {
    if (to == kUnused) return true;
    if (InRange(to, kFixedData, kCompare)) return from != kLookup && !InRange(from, kAlphameric, kCompare);
    if (InRange(to, kText, kLookup)) return InRange(from, kLookup, kPause);
    return false;
}

// Before the commit: only lines that output a value keep their output
// settings (a lookup line only when it saves the field's data).
bool KeepsOutputProperties(const task::ConstFormView& form, int line) {
    const int type = form.Type(line);
    if (type == kLookup) return form.HasInitialValue(line) != 0;
    return InRange(type, kText, kBoolean) || type == kFixedData || InRange(type, kAlphameric, kVariable3);
}

}  // namespace

FormPage::FormPage(EditorContext& context, std::string title)
    : PageModel(context, "FORMDLG", std::move(title), FormControls()) {
    forms_ = context.Live().forms;
    SetItems(kNameList, NumberedItems(context, strings::id::kFormNumbered, task::kFormCount));
    SetItems(kFontList, TextItems(context, strings::id::kFirstFontName, 2));
    SetItems(kEscList, TargetItems(context));
    SetItems(kNextList, TargetItems(context));
    std::vector<std::string> onError = TargetItems(context);
    onError.insert(onError.begin(), context.Text(strings::id::kSkipErrorName));
    SetItems(kOnErrorList, std::move(onError));
    std::vector<std::string> lookupFiles = TextItems(context, strings::id::kFirstLookupFileName, task::kLookupCount);
    lookupFiles.insert(lookupFiles.begin(), context.Text(strings::id::kNilName));
    SetItems(kLookupFileList, std::move(lookupFiles));
    SetItems(kRecordList, TextItems(context, strings::id::kFirstRecordActionName, kRecordActions));

    std::vector<std::string> types = TextItems(context, strings::id::kFirstFieldTypeName, kFieldTypes - 1);
    types.insert(types.begin(), context.Text(strings::id::kNilName));
    std::vector<std::string> sources = TextItems(context, strings::id::kFirstInputSourceName, 3);
    Append(sources, TextItems(context, strings::id::kFirstVariableName, 3));
    const std::string lineNumbered = context.Text(strings::id::kFormLineNumbered);
    for (int i = 0; i < kLines; ++i) {
        ShowText(kRowLabel + i, lineNumbered + std::to_string(i + 1));
        SetItems(kTypeList + i, types);
        SetItems(kSourceList + i, sources);
    }
    BindControls();
    Control(kNameList).selection = 0;
    ShowForm();
}

Locate FormPage::ByteAt(std::size_t offset) {
    return [this, offset] { return &WorkingForm()[offset]; };
}

void FormPage::BindControls() {
    Bind(kFontList, ListBinding(Field::Whole(ByteAt(kFont))));
    Bind(kEscList, ListBinding(Field::Whole(ByteAt(kEscTarget))));
    Bind(kNextList, ListBinding(Field::Whole(ByteAt(kNextTarget))));
    Bind(kOnErrorList, ListBinding(Field::Whole(ByteAt(kOnErrorTarget))));
    Bind(kLookupFileList, ListBinding(Field::Whole(ByteAt(kLookupFile))));
    Bind(kRecordList, ListBinding(Field::Whole(ByteAt(kRecordAction))));
    const auto promptLimit = [this] {
        return static_cast<std::size_t>(task::ConstFormView(WorkingForm()).TextWidth());
    };
    for (int i = 0; i < kLines; ++i) {
        Bind(kPromptBox + i, TextBinding(TextSlot(ByteAt(kPrompt + i * kPromptWidth), kPromptWidth), promptLimit));
        Bind(kSourceList + i, ListBinding(Field::Whole(ByteAt(kInputSource + i))));
        Bind(kMinBox + i, NumberBinding(Field::Whole(ByteAt(kMinLength + i)), 0, kMaxInputLength));
        Bind(kMaxBox + i, NumberBinding(Field::Whole(ByteAt(kMaxLength + i)), 0, kMaxInputLength));
        Bind(kLookupList + i, ListBinding(Field::Whole(ByteAt(kLookupField + i))));
    }
}

void FormPage::ShowForm() {
    // The type lists are not bound: a change of type needs the type it replaces.
    for (int i = 0; i < kLines; ++i) {
        Control(kTypeList + i).selection = SelectionFor(task::ConstFormView(WorkingForm()).Type(i), kFieldTypes);
        RebuildLookupList(i);
    }
    LoadControls();
}

void FormPage::RebuildLookupList(int line) {
    const task::FormView form(WorkingForm());
    std::vector<std::string> items{Context().Text(strings::id::kNilName)};
    Append(items, NumberedItems(Context(), strings::id::kFieldNumbered, kLookupFields));
    const int field = form.LookupField(line);
    if (IsNumericType(form.Type(line))) {
        Append(items, NumberedItems(Context(), strings::id::kMinusFieldNumbered, kLookupFields));
        Append(items, NumberedItems(Context(), strings::id::kPlusFieldNumbered, kLookupFields));
    } else if (field > kLookupFields && field <= 3 * kLookupFields) {
        // "-field n" and "+field n" add to or take from a number: other types read field n itself.
        const int plain = field & 7;
        form.SetLookupField(line, static_cast<Byte>(plain == 0 ? kLookupFields : plain));
    }
    SetItems(kLookupList + line, std::move(items));
}

void FormPage::OnChosen(int id, int previous) {
    const int chosen = Control(id).selection;
    if (id == kNameList) {
        current_ = chosen;
        ShowForm();
    } else if (id >= kTypeList && id < kTypeList + kLines && chosen != previous) {
        ChangeType(id - kTypeList, static_cast<Byte>(chosen));
    }
}

void FormPage::OnClicked(int id) {
    task::FormRecord& form = WorkingForm();
    if (id == kTimeStampButton) {
        OpenDialog(std::make_unique<DateTimeStampDialog>(Context(), form));
    } else if (id == kBranchButton) {
        OpenDialog(std::make_unique<FormBranchDialog>(Context(), form));
    } else if (id >= kMoreButton && id < kMoreButton + kLines) {
        const int line = id - kMoreButton;
        if (task::ConstFormView(form).Type(line) == kLookup) {
            OpenDialog(std::make_unique<LookupAdvanceDialog>(Context(), form, line));
        } else {
            OpenDialog(std::make_unique<AdvanceDialog>(Context(), form, current_, line));
        }
    }
}

void FormPage::ChangeType(int line, Byte type) {
    const task::FormView form(WorkingForm());
    const int previous = form.Type(line);
    form.SetType(line, type);
    if (TypeChangeResets(previous, type)) {
        ClearOutputProperties(form, line);
        form.SetHasInitialValue(line, 0);
        form.SetCheckDigit(line, 0);
    }
    if (type == kPause) form.SetInputSource(line, kKeypad);
    if (type == kBoolean) {
        // A yes/no answer is one character long; the length boxes stay disabled for it.
        form.SetMinLength(line, 1);
        form.SetMaxLength(line, 1);
        ShowText(kMinBox + line, "1");
        ShowText(kMaxBox + line, "1");
    }
    RebuildLookupList(line);
}

void FormPage::Update() {
    const task::ConstFormView form(WorkingForm());
    for (int i = 0; i < kLines; ++i) {
        const int type = form.Type(i);
        // With the large font a form has four lines: rows 5 to 8 are closed whole.
        const bool open = i < form.ShownLines();
        const bool entry = IsEntryType(type);
        Enable(kTypeList + i, open);
        Enable(kPromptBox + i, open && type != kUnused && type != kExtension && type < kFieldTypes);
        Enable(kMoreButton + i, open && (InRange(type, kText, kFixedData) || InRange(type, kAlphameric, kCompare)));
        Enable(kSourceList + i, open && (entry || type == kBoolean || type == kPause));
        Enable(kLookupList + i, open && (entry || type == kBoolean || type == kLookup));
        Enable(kMinBox + i, open && entry);
        Enable(kMaxBox + i, open && entry);
    }
}

void FormPage::Commit() {
    for (task::FormRecord& record : forms_) {
        const task::FormView form(record);
        for (int i = 0; i < kLines; ++i) {
            if (!KeepsOutputProperties(form, i)) ClearOutputProperties(form, i);
        }
    }
    task::Task& live = Context().LiveTask();
    live.model.forms = forms_;
    live.modified = true;
    task::ClampFormFields(live.model);
    task::NormalizeForms(live.model);
}

}  // namespace editors
