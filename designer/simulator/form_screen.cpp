#include "designer/simulator/form_screen.h"

#include <algorithm>
#include <cstring>

#include "designer/simulator/clock_line.h"

namespace simulator {
namespace {

using namespace task::form;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLatinLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Whether a field of `type` accepts the typed character `c`.
bool AcceptsCharacter(int type, char c) {
    switch (type) {
        case kText:
        case kExtension: return true;
        case kInteger: return IsDigit(c);
        // A real value needs its decimal point.
        case kReal:
        case kAutoPlusMinus: return IsDigit(c) || c == '.';
        case kLetter: return IsLatinLetter(c);
        case kBoolean: return c != 0 && std::strchr("01FNTYfnty", c) != nullptr;
        default: return false;
    }
}

}  // namespace

void FormScreen::Start(task::FormRecord& form, int number) {
    form_ = &form;
    number_ = number;
    const FormFields fields = Fields();
    const int width = fields.Width();
    for (int i = 0; i < task::kFormLines; ++i) {
        Line& line = lines_[static_cast<std::size_t>(i)];
        line = Line{};
        const int prompt = fields.PromptLength(i);
        line.startColumn = std::min(prompt, width);
        const int maximum = fields.MaxLength(i);
        if (fields.Type(i) == kAutoPlusMinus && width >= prompt + 1 + 2 * maximum) {
            line.signColumn = true;
            line.startColumn = prompt + 1 + maximum;
        }
        if (fields.HasInitialValue(i)) line.input = fields.InitialValue(i);
    }
    const int next = NextInputLine(0);
    SetCurrentLine(fields.IsInput(0) ? 0 : std::max(next, 0));
}

int FormScreen::CurrentLine() const {
    return std::min<int>(task::ConstFormView(*form_).CurrentLine(), task::kFormLines - 1);
}

void FormScreen::SetCurrentLine(int line) {
    task::FormView(*form_).SetCurrentLine(static_cast<task::Byte>(std::clamp(line, 0, task::kFormLines - 1)));
}

int FormScreen::NextInputLine(int after) const {
    const FormFields fields = Fields();
    for (int j = after + 1; j < fields.LineCount(); ++j) {
        if (fields.IsInput(j)) return j;
    }
    return -1;
}

bool FormScreen::TakesInput(int line) const {
    const FormFields fields = Fields();
    return fields.IsInput(fields.Owner(line));
}

int FormScreen::Room(int line) const {
    return std::max(1, Fields().VisibleEnd() - lines_[static_cast<std::size_t>(line)].startColumn);
}

int FormScreen::Scroll(int line) const {
    return std::max(0, static_cast<int>(lines_[static_cast<std::size_t>(line)].input.size()) - Room(line));
}

int FormScreen::CursorColumn(int line) const {
    const Line& l = lines_[static_cast<std::size_t>(line)];
    const int shown = static_cast<int>(l.input.size()) - Scroll(line);
    // On a full line the cursor stays on the last character, which the next one replaces.
    const bool full = !l.input.empty() && static_cast<int>(l.input.size()) >= Fields().MaxLength(line);
    return std::min(l.startColumn + shown - (full ? 1 : 0), kLineCharacters - 1);
}

void FormScreen::ClearInput(int line) {
    lines_[static_cast<std::size_t>(line)].input.clear();
    const int extensions = Fields().ExtensionsAfter(line);
    for (int e = 1; e <= extensions; ++e) lines_[static_cast<std::size_t>(line + e)].input.clear();
}

FormScreen::Outcome FormScreen::Type(char c) {
    const FormFields fields = Fields();
    int current = CurrentLine();
    // An extension line takes the characters of the line it continues.
    if (!AcceptsCharacter(fields.Type(fields.Owner(current)), c)) return Outcome::WrongType;
    // With the cursor on the start column (a full one-character value) the
    // value starts afresh, its extension lines with it. A scrolled value keeps
    // its characters off the screen, so it is not one the cursor stands before.
    Line* line = &lines_[static_cast<std::size_t>(current)];
    if (!line->input.empty() && Scroll(current) == 0 && CursorColumn(current) == line->startColumn) {
        ClearInput(current);
    }

    const auto capacity = static_cast<std::size_t>(fields.MaxLength(current));
    if (line->input.size() >= capacity) {
        if (!line->input.empty()) line->input.back() = c;
        return Outcome::Done;
    }
    // At the visible end the input goes on on the extension line below, if any.
    const int next = current + 1;
    if (static_cast<int>(line->input.size()) >= Room(current) && next < task::kFormLines &&
        fields.IsExtension(next) && fields.MaxLength(next) > 0) {
        SetCurrentLine(next);
        return Type(c);
    }
    line->input.push_back(c);
    return Outcome::Done;
}

void FormScreen::Backspace() {
    const FormFields fields = Fields();
    const int current = CurrentLine();
    Line& line = lines_[static_cast<std::size_t>(current)];
    if (!line.input.empty()) {
        line.input.pop_back();
        return;
    }
    if (fields.IsExtension(current) && current > 0) {
        SetCurrentLine(current - 1);
        std::string& above = lines_[static_cast<std::size_t>(current - 1)].input;
        if (!above.empty()) above.pop_back();
    }
}

void FormScreen::PreviousLine() {
    const FormFields fields = Fields();
    const int current = CurrentLine();
    for (int j = fields.Owner(current) - 1; j >= 0; --j) {
        if (fields.IsInput(j)) {
            SetCurrentLine(j);
            return;
        }
    }
}

void FormScreen::NextLine() {
    const int next = NextInputLine(CurrentLine());
    if (next >= 0) SetCurrentLine(next);
}

FormScreen::Outcome FormScreen::Enter() {
    const FormFields fields = Fields();
    const int current = CurrentLine();
    // The minimum length counts the whole value, extension lines included.
    const int owner = fields.Owner(current);
    std::size_t length = lines_[static_cast<std::size_t>(owner)].input.size();
    for (int e = 1; e <= fields.ExtensionsAfter(owner); ++e) length += lines_[static_cast<std::size_t>(owner + e)].input.size();
    if (static_cast<int>(length) < fields.MinLength(owner)) return Outcome::TooShort;

    const int next = NextInputLine(current);
    if (current < fields.LineCount() - 1 && next >= 0) {
        SetCurrentLine(next);
        return Outcome::Done;
    }
    return Outcome::RecordComplete;
}

std::array<std::string, task::kFormLines> FormScreen::Inputs() const {
    std::array<std::string, task::kFormLines> inputs;
    for (std::size_t i = 0; i < inputs.size(); ++i) inputs[i] = lines_[i].input;
    return inputs;
}

std::array<std::string, task::kFormLines> FormScreen::PassDownParts(const std::string& record) const {
    const FormFields fields = Fields();
    std::array<std::string, task::kFormLines> parts;
    const int total = fields.LargeFont() ? 60 : 160;
    for (int i = 0; i < task::kFormLines; ++i) {
        if (fields.Type(i) != kPassDownField) continue;
        const int prompt = lines_[static_cast<std::size_t>(i)].startColumn;
        std::string rest = record.substr(0, static_cast<std::size_t>(std::max(0, total - fields.PromptLength(i))));
        // The record runs on over the extension lines below the pass-down line.
        for (int j = i; j < task::kFormLines && !rest.empty() && (j == i || fields.IsExtension(j)); ++j) {
            const int start = j == i ? prompt : lines_[static_cast<std::size_t>(j)].startColumn;
            const auto room = static_cast<std::size_t>(std::max(0, fields.Width() - start));
            parts[static_cast<std::size_t>(j)] = rest.substr(0, room);
            rest.erase(0, room);
        }
    }
    return parts;
}

std::string FormScreen::RenderLine(int line, const std::string& passDown, const FormContext& context) const {
    const FormFields fields = Fields();
    const int type = fields.Type(line);
    if (line >= fields.LineCount() && type == kUnused) return {};
    const Line& state = lines_[static_cast<std::size_t>(line)];

    std::string text = fields.Prompt(line).substr(0, static_cast<std::size_t>(std::min(fields.PromptLength(line), fields.Width())));
    if (type == kCounter) text += FourDigits(context.recordCount);
    text += passDown;
    if (state.signColumn) {
        const bool plus = fields.LookupField(line) >= 9 && fields.LookupField(line) <= 24;
        text.resize(static_cast<std::size_t>(state.startColumn - 1), ' ');
        text += plus ? '+' : ' ';
    }
    if (!TakesInput(line)) return text;

    if (text.size() < static_cast<std::size_t>(state.startColumn)) text.resize(static_cast<std::size_t>(state.startColumn), ' ');
    const int scroll = Scroll(line);
    text += state.input.substr(static_cast<std::size_t>(scroll));
    // Extension lines are filled with the mark of the line they continue.
    const char mark = fields.InputMark(fields.Owner(line));
    if (mark != 0) {
        if (scroll > 0) {
            text += mark;
        } else {
            const int end = std::min(fields.Width(), state.startColumn + fields.MaxLength(line));
            if (static_cast<int>(text.size()) < end) text.resize(static_cast<std::size_t>(end), mark);
        }
    }
    return text;
}

void FormScreen::Show(const FormContext& context, ScreenBuffer& screen) const {
    const FormFields fields = Fields();
    const auto passDown = PassDownParts(context.lastRecord);
    for (int i = 0; i < task::kFormLines; ++i) {
        std::string text = RenderLine(i, passDown[static_cast<std::size_t>(i)], context);
        if (text.size() > static_cast<std::size_t>(kLineCharacters)) text.resize(kLineCharacters);
        screen.lines[static_cast<std::size_t>(i)] = std::move(text);
    }
    screen.mode = Mode::Form;
    screen.highlight = 0;
    screen.wideSpacing = false;
    screen.columns = fields.Width();
    screen.cursorRow = CurrentLine();
    screen.cursorColumn = std::max(0, CursorColumn(CurrentLine()));
}

}  // namespace simulator
