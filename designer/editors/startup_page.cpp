#include "designer/editors/startup_page.h"

#include "common/cp1251.h"
#include "designer/editors/item_lists.h"
#include "designer/editors/text_import.h"
#include "designer/strings/string_ids.h"
#include "designer/task/calculator_entry.h"
#include "designer/task/startup_view.h"

namespace editors {
namespace {

namespace id = strings::id;
using K = ControlKind;
using S = StartupPage;

constexpr int kStartArea = 9001;
constexpr int kDelimiterGroup = 9004;
constexpr int kTextGroup = 9011;
constexpr int kButtonArea = 9013;
// Empty labels in the last column of an area take the width to spare, so
// its lists and boxes keep their natural widths.
constexpr int kStartSpacer = 9003;
constexpr int kDelimiterSpacer = 9010;
constexpr int kButtonSpacer = 9014;

constexpr int kMaxCode = 255;
constexpr int kCarriageReturn = 13;  // ends a record line: no delimiter
constexpr int kComma = ',';

std::vector<ControlSpec> StartupControls() {
    std::vector<ControlSpec> c = {
        {kStartArea, K::Group, 0, {0, 0, 0}},
        {9002, K::Label, id::kStartupProgramStartLabel, {kStartArea, 0, 0}},
        {S::kProgramStartList, K::Combo, 0, {kStartArea, 0, 1}},
        {kStartSpacer, K::Label, 0, {kStartArea, 0, 2, 1, 0, true}},
        {kDelimiterGroup, K::Group, id::kStartupDelimitersGroup, {0, 1, 0}},
        {9005, K::Label, id::kStartupDelimiterCountLabel, {kDelimiterGroup, 0, 0}},
        {S::kDelimiterCountList, K::Combo, 0, {kDelimiterGroup, 0, 1, 3}},
    };
    for (int which = 0; which < 2; ++which) {
        const int row = 1 + which;
        c.push_back({9006 + 2 * which, K::Label, id::kStartupAsciiLabel, {kDelimiterGroup, row, 0}});
        c.push_back({S::kFirstCodeBox + which, K::Edit, 0, {kDelimiterGroup, row, 1, 1, 4}});
        c.push_back({9007 + 2 * which, K::Label, id::kStartupTextLabel, {kDelimiterGroup, row, 2}});
        c.push_back({S::kFirstCharacterBox + which, K::Edit, 0, {kDelimiterGroup, row, 3, 1, 2}});
    }
    c.push_back({kDelimiterSpacer, K::Label, 0, {kDelimiterGroup, 0, 4, 1, 0, true}});
    c.push_back({S::kLargeFontCheck, K::Check, id::kStartupLargeFontLabel, {0, 2, 0}});
    c.push_back({kTextGroup, K::Group, id::kStartupTextsGroup, {0, 3, 0}});
    c.push_back({9012, K::Label, id::kStartupScreensLabel, {kTextGroup, 0, 0}});
    c.push_back({S::kScreenList, K::Combo, 0, {kTextGroup, 0, 1}});
    for (int line = 0; line < screens::kMaxLines; ++line) {
        c.push_back({S::kFirstDefaultLabel + line, K::Label, 0, {kTextGroup, 1 + line, 0}});
        c.push_back({S::kFirstLineBox + line, K::Edit, 0, {kTextGroup, 1 + line, 1, 1, 20, true}});
    }
    c.push_back({kButtonArea, K::Group, 0, {0, 4, 0}});
    c.push_back({S::kImportButton, K::Button, id::kStartupImportButton, {kButtonArea, 0, 0}});
    c.push_back({S::kResetButton, K::Button, id::kStartupResetButton, {kButtonArea, 0, 1}});
    c.push_back({kButtonSpacer, K::Label, 0, {kButtonArea, 0, 2, 1, 0, true}});
    return c;
}

int DelimitersInUse(const task::ConstStartupView& startup) {
    if (startup.FirstSeparator() == 0) return 0;
    return startup.SecondSeparator() == 0 ? 1 : 2;
}

}  // namespace

StartupPage::StartupPage(EditorContext& context, std::string title)
    : PageModel(context, "STARTUPDLG", std::move(title), StartupControls()), startup_(context.Live().startup) {
    texts_.Load(context.Live());
    delimiters_ = DelimitersInUse(task::ConstStartupView(startup_));

    SetItems(kProgramStartList, TextItems(context, id::kFirstProgramStartName, 2));
    std::vector<std::string> counts{context.Text(id::kNilName)};
    Append(counts, TextItems(context, id::kFirstDelimiterCountName, 2));
    SetItems(kDelimiterCountList, std::move(counts));
    Control(kDelimiterCountList).selection = delimiters_;
    const auto at = [this](std::size_t offset) -> Locate { return [this, offset] { return &startup_[offset]; }; };
    Bind(kProgramStartList, ListBinding(Field::Whole(at(task::startup::kStartWithMenu))));
    Bind(kLargeFontCheck, CheckBinding(Field::Whole(at(task::startup::kLargeFontScreens))));
    for (int which = 0; which < 2; ++which) ShowDelimiter(which, true, true);
    ShowScreens();
    LoadControls();
}

// The calculator's item number follows the lookups the task has now: those
// loaded, or those an earlier page has just committed.
void StartupPage::NumberCalculatorEntry() {
    task::NumberCalculatorEntry(texts_.Entry(screens::kCalculatorEntry), task::CalculatorDigit(Context().Live()));
}

void StartupPage::EarlierPageCommitted(const PageModel&) { NumberCalculatorEntry(); }

bool StartupPage::LargeFont() const { return startup_[task::startup::kLargeFontScreens] != 0; }

// The screen list, labelled for the font, and the chosen screen: after the
// texts were loaded, imported, reset or exchanged for the other font.
void StartupPage::ShowScreens() {
    NumberCalculatorEntry();
    std::vector<std::string> names = TextItems(Context(), id::kFirstScreenName, screens::kScreenCount);
    for (int s = 0; s < screens::kScreenCount; ++s) names[s] += screens::SizeLabel(s, LargeFont());
    SetItems(kScreenList, std::move(names));
    Control(kScreenList).selection = screen_;
    ShowScreen();
}

void StartupPage::ShowScreen() {
    const int lines = screens::LineCount(screen_, LargeFont());
    for (int line = 0; line < screens::kMaxLines; ++line) {
        const bool shown = line < lines;
        std::string text, defaultText;
        if (shown) {
            const screens::TextEntry entry = screens::LineEntry(screen_, line);
            text = common::Cp1251ToUtf8(task::SlotText(texts_.Entry(entry)));
            defaultText = common::Cp1251ToUtf8(Context().DefaultTexts().Text(DefaultTextId(entry, LargeFont())));
        }
        ShowText(kFirstLineBox + line, std::move(text));
        ShowText(kFirstDefaultLabel + line, std::move(defaultText));
        Enable(kFirstLineBox + line, shown);
    }
}

void StartupPage::ShowDelimiter(int which, bool code, bool character) {
    const int value = startup_[task::startup::kFirstSeparator + static_cast<std::size_t>(which)];
    if (code) ShowText(kFirstCodeBox + which, std::to_string(value));
    if (character) ShowText(kFirstCharacterBox + which, CharacterText(value));
}

// A code that is no number, or a carriage return (which ends a record
// line), leaves the delimiter as it was.
void StartupPage::EditCode(int which) {
    ControlState& box = Control(kFirstCodeBox + which);
    int code = 0;
    if (!ParseDigits(box.text, code)) {
        ShowDelimiter(which, true, false);
        return;
    }
    if (code == kCarriageReturn) {
        Context().ShowMessage(id::kWarningCaption, id::kInvalidValue, common::MessageIcon::Warning);
        ShowDelimiter(which, true, false);
        return;
    }
    if (code > kMaxCode) {
        code = kMaxCode;
        box.text = std::to_string(code);
    }
    startup_[task::startup::kFirstSeparator + static_cast<std::size_t>(which)] = static_cast<task::Byte>(code);
    ShowDelimiter(which, false, true);
}

void StartupPage::EditCharacter(int which) {
    ControlState& box = Control(kFirstCharacterBox + which);
    const CharacterEntry entry = ApplyCharacterRule(box.text);
    if (entry.code == kCarriageReturn) {
        Context().ShowMessage(id::kWarningCaption, id::kInvalidValue, common::MessageIcon::Warning);
    }
    if (entry.code <= 0 || entry.code == kCarriageReturn) {
        ShowDelimiter(which, false, true);
        return;
    }
    box.text = entry.text;
    startup_[task::startup::kFirstSeparator + static_cast<std::size_t>(which)] = static_cast<task::Byte>(entry.code);
    ShowDelimiter(which, true, false);
}

void StartupPage::OnEdited(int id) {
    if (id == kFirstCodeBox || id == kFirstCodeBox + 1) return EditCode(id - kFirstCodeBox);
    if (id == kFirstCharacterBox || id == kFirstCharacterBox + 1) return EditCharacter(id - kFirstCharacterBox);
    const int line = id - kFirstLineBox;
    if (line < 0 || line >= screens::kMaxLines) return;
    ControlState& box = Control(id);
    const TextEntry typed = ApplyTextRule(box.text, static_cast<std::size_t>(screens::Columns(screen_, LargeFont())));
    box.text = typed.text;
    task::SetSlotText(texts_.Entry(screens::LineEntry(screen_, line)), typed.stored);
    textsChanged_ = true;
}

void StartupPage::OnChosen(int id, int) {
    if (id == kDelimiterCountList) delimiters_ = Control(id).selection;
    if (id == kScreenList) {
        screen_ = Control(id).selection;
        ShowScreen();
    }
}

void StartupPage::OnClicked(int id) {
    if (id == kLargeFontCheck) {
        // The screens of both widths start afresh with the defaults of the new one.
        texts_.ApplyWidth(Context().DefaultTexts(), LargeFont());
        textsChanged_ = true;
        ShowScreens();
    } else if (id == kImportButton) {
        Import();
    } else if (id == kResetButton) {
        Reset();
    }
}

void StartupPage::Import() {
    common::FileChooser chooser;
    chooser.title = common::Utf8ToCp1251(Context().Text(id::kStartupImportButton));
    chooser.filters = {{common::Utf8ToCp1251(Context().Text(id::kOpenFilterTask)), "*.UZX"}};
    const std::optional<std::string> path = Context().Ui().ChooseOpenFile(chooser);
    if (!path) return;
    const ImportedTask imported = ReadImportedTask(*path, Context().DefaultTexts());
    switch (imported.status) {
        case task::ReadStatus::CannotOpen: return;
        case task::ReadStatus::FormatMismatch:
            Context().ShowMessage(id::kErrorCaption, id::kFormatMismatch, common::MessageIcon::Warning);
            return;
        case task::ReadStatus::TooShort:
            Context().ShowMessage(id::kErrorCaption, id::kFileTooShort, common::MessageIcon::Warning);
            return;
        case task::ReadStatus::Ok: break;
    }
    texts_.Load(imported.model);
    startup_[task::startup::kLargeFontScreens] = imported.model.startup[task::startup::kLargeFontScreens];
    textsChanged_ = true;
    screen_ = 0;
    ShowScreens();
}

void StartupPage::Reset() {
    const task::StartupView startup(startup_);
    startup.SetStartWithMenu(0);
    startup.SetFirstSeparator(kComma);
    startup.SetSecondSeparator(0);
    delimiters_ = 1;
    Control(kDelimiterCountList).selection = delimiters_;
    for (int which = 0; which < 2; ++which) ShowDelimiter(which, true, true);
    task::TaskModel fresh;
    task::MakeNewTask(fresh, Context().DefaultTexts());
    texts_.Load(fresh);
    texts_.ApplyWidth(Context().DefaultTexts(), LargeFont());
    // OK writes the defaults just shown.
    textsChanged_ = true;
    screen_ = 0;
    ShowScreens();
}

void StartupPage::Update() {
    Enable(kFirstCodeBox, delimiters_ >= 1);
    Enable(kFirstCharacterBox, delimiters_ >= 1);
    Enable(kFirstCodeBox + 1, delimiters_ == 2);
    Enable(kFirstCharacterBox + 1, delimiters_ == 2);
}

void StartupPage::Commit() {
    const task::StartupView live(Context().LiveTask().model.startup);
    const task::ConstStartupView working(startup_);
    live.SetStartWithMenu(working.StartWithMenu());
    live.SetFirstSeparator(delimiters_ >= 1 ? working.FirstSeparator() : 0);
    live.SetSecondSeparator(delimiters_ == 2 ? working.SecondSeparator() : 0);
    live.SetLargeFontScreens(working.LargeFontScreens());
    if (!textsChanged_) return;
    texts_.Store(Context().LiveTask().model);
}

}  // namespace editors
