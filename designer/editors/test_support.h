#pragma once
// For the editors' tests: a task with the English texts and a scripted user,
// ready for a property sheet; and a small dialog and page of their own that
// exercise the mechanisms every real page and dialog is built on.
#include <array>
#include <memory>
#include <string>

#include "testing/scripted_ui.h"
#include "designer/editors/form_page.h"
#include "designer/editors/page_model.h"
#include "designer/editors/property_sheet.h"
#include "designer/strings/english_table.h"
#include "designer/task/test_support.h"

namespace editors::testing {

inline task::Task NewTask() {
    task::Task fresh;
    fresh.model = task::testing::FreshTask();
    return fresh;
}

struct SheetBench {
    task::Task task = NewTask();
    text::StringTable strings = strings::MakeStringTable();
    test_support::ScriptedUi ui;
    task::DefaultTexts defaults = task::testing::EnglishDefaults();

    std::unique_ptr<PropertySheet> Open(std::span<const PageKind> pages = DesignerPages()) {
        return std::make_unique<PropertySheet>(task, strings, ui, defaults, pages);
    }
};

// The sheet open on the Form page of a new task, for the Form page's
// dialogs: OpenFrom clicks a button of the page (a line's "more...", Time
// Stamp, Branch), and the dialog it opens is the active one.
struct FormBench : SheetBench {
    std::unique_ptr<PropertySheet> sheet;

    void OpenSheet() { sheet = Open(); }
    DialogModel& OpenFrom(int button) {
        if (!sheet) OpenSheet();
        sheet->Active().Click(button);
        return sheet->Active();
    }
    DialogModel& Active() { return sheet->Active(); }
    const ControlState& State(int id) { return *sheet->Active().State(id); }
    // The Form page's working copy of the form it shows, which the dialogs edit.
    task::FormRecord& Working() { return static_cast<FormPage&>(*sheet->Page(0)).WorkingForm(); }
    task::FormRecord& Live(int form = 0) { return task.model.forms[static_cast<std::size_t>(form)]; }
};

using SampleRecord = std::array<task::Byte, 10>;

// A record of ten bytes: a check box at 0, a list at 1, two radio buttons in
// bits 2-3 of byte 2, a number box at 3 and a text of 5 characters at 4..9.
// The text box is enabled only while the check box is checked; the button
// opens a dialog "Nested" like it on the same record. Its OK is refused
// while the number is 13, or when told.
class SampleDialog final : public DialogModel {
public:
    static constexpr int kCheck = 101, kRadioA = 151, kRadioB = 152, kNumber = 301, kText = 302, kList = 401;
    static constexpr int kOpen = 201, kLabel = 9001;

    SampleDialog(EditorContext& context, SampleRecord& record, std::string name, bool backUp)
        : DialogModel(context, std::move(name), "Sample",
                      {{kCheck, ControlKind::Check},
                       {kRadioA, ControlKind::Radio},
                       {kRadioB, ControlKind::Radio},
                       {kNumber, ControlKind::Edit},
                       {kText, ControlKind::Edit},
                       {kList, ControlKind::Combo},
                       {kOpen, ControlKind::Button},
                       {kLabel, ControlKind::Label, strings::id::kNilName}}),
          record_(record) {
        if (backUp) BackUp(record_);
        SetItems(kList, {"zero", "one", "two"});
        const auto at = [this](std::size_t offset) -> Locate { return [this, offset] { return &record_[offset]; }; };
        Bind(kCheck, CheckBinding(Field::Whole(at(0))));
        Bind(kList, ListBinding(Field::Whole(at(1))));
        Bind(kRadioA, RadioBinding(Field::Bits(at(2), {2, 2}), 1));
        Bind(kRadioB, RadioBinding(Field::Bits(at(2), {2, 2}), 2));
        Bind(kNumber, NumberBinding(Field::Whole(at(3)), 1, 80));
        Bind(kText, TextBinding(TextSlot(at(4), 6), [] { return std::size_t{5}; }));
        LoadControls();
    }

    bool refuseOk = false;
    std::vector<std::pair<std::string, bool>> closed;  // the dialogs it opened, as they closed

protected:
    void OnClicked(int id) override {
        if (id == kOpen) OpenDialog(std::make_unique<SampleDialog>(Context(), record_, "Nested", true));
    }
    void Update() override { Enable(kText, record_[0] != 0); }
    bool Accept() override {
        if (record_[3] == 13) Context().ShowMessage(strings::id::kWarningCaption, strings::id::kFormatMismatch, {});
        return !refuseOk && record_[3] != 13;
    }
    void OnDialogClosed(DialogModel& dialog, bool accepted) override {
        closed.emplace_back(dialog.TemplateName(), accepted);
    }

private:
    SampleRecord& record_;
};

// A page over a sample record of its own: label 9001 shows the list's byte,
// button 201 opens "SampleDlg" on the record (backing it up), and the commit
// writes the list's byte into the first byte of the task's TerminalSettings.
class SamplePage final : public PageModel {
public:
    static constexpr int kShown = 9001, kOpen = 201;

    SamplePage(EditorContext& context, std::string title)
        : PageModel(context, "SAMPLEDLG", std::move(title),
                    {{kShown, ControlKind::Label}, {kOpen, ControlKind::Button, strings::id::kFormMoreButton}}) {
        LoadControls();
    }

    SampleRecord record{1, 7, 0, 20, 'a', 'b', 0, 0, 0, 0};

    void Commit() override {
        Context().LiveTask().model.terminal[0] = record[1];
    }

protected:
    void OnClicked(int) override { OpenDialog(std::make_unique<SampleDialog>(Context(), record, "SampleDlg", true)); }
    void Update() override { ShowText(kShown, std::to_string(record[1])); }
};

inline std::unique_ptr<PageModel> MakeSamplePage(EditorContext& context, std::string title) {
    return std::make_unique<SamplePage>(context, std::move(title));
}

inline constexpr PageKind kSamplePages[] = {{"SAMPLEDLG", strings::id::kFormPageTitle, MakeSamplePage}};

// A dialog of two key-code boxes over a record of twelve bytes: box 303
// holds ten codes (bytes 0..9) and opens only while check 103 is checked;
// box 304 holds two (bytes 10..11). Its OK stores both.
class KeyCodesDialog final : public DialogModel {
public:
    static constexpr int kOpenCheck = 103, kTen = 303, kTwo = 304;
    using Record = std::array<task::Byte, 12>;

    KeyCodesDialog(EditorContext& context, Record& record)
        : DialogModel(context, "CodesDlg", "Codes",
                      {{kOpenCheck, ControlKind::Check, strings::id::kAddPrefixCheck},
                       {kTen, ControlKind::KeyCodes, 0, {0, -1, 0, 1, 24}},
                       {kTwo, ControlKind::KeyCodes, 0, {0, -1, 0, 1, 6}}}),
          record_(record) {
        AddKeyCodeBox(kTen, 10, std::span(record_).first(10));
        AddKeyCodeBox(kTwo, 2, std::span(record_).subspan(10));
        LoadControls();
    }

    bool open = true;

protected:
    void OnClicked(int id) override {
        if (id == kOpenCheck) open = !open;
    }
    void Update() override {
        Control(kOpenCheck).checked = open;
        Enable(kTen, open);
    }
    bool Accept() override {
        CodesOf(kTen).StoreInto(std::span(record_).first(10));
        CodesOf(kTwo).StoreInto(std::span(record_).subspan(10));
        return true;
    }

private:
    Record& record_;
};

// A page whose button 201 opens "CodesDlg" on its record (ESC 1, and A).
class KeyCodesPage final : public PageModel {
public:
    static constexpr int kOpen = 201;

    KeyCodesPage(EditorContext& context, std::string title)
        : PageModel(context, "CODESPAGE", std::move(title),
                    {{kOpen, ControlKind::Button, strings::id::kFormMoreButton}}) {
        LoadControls();
    }

    KeyCodesDialog::Record record{0x1B, 0x31, 0, 0, 0, 0, 0, 0, 0, 0, 0x41, 0};

    void Commit() override {}

protected:
    void OnClicked(int) override { OpenDialog(std::make_unique<KeyCodesDialog>(Context(), record)); }
};

inline std::unique_ptr<PageModel> MakeKeyCodesPage(EditorContext& context, std::string title) {
    return std::make_unique<KeyCodesPage>(context, std::move(title));
}

inline constexpr PageKind kKeyCodesPages[] = {{"CODESPAGE", strings::id::kFormPageTitle, MakeKeyCodesPage}};

// Sub-dialogs over the sample page: nested, a refused OK, Cancel restoring
// the backed-up record, OK keeping it, the page showing the outcome.
inline constexpr char kSubDialogScript[] =
    "click 201\n"
    "expect 401 item -1\n"
    "choose 401 2\n"
    "click 201\n"
    "expect 401 item 2\n"
    "choose 401 0\n"
    "set 301 13\n"
    "ok\n"
    "expect 301 text 13\n"
    "set 301 5\n"
    "click 1\n"
    "expect 401 item 0\n"
    "cancel\n"
    "expect 9001 text 7\n"
    "click 201\n"
    "choose 401 1\n"
    "click 1\n"
    "expect 9001 text 1\n"
    "ok\n";

}  // namespace editors::testing
