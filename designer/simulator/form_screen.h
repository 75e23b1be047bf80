#pragma once
// One running form: the input typed on each of its lines, the current line
// (kept in the form's byte 1014, as the terminal program keeps it) and the
// drawing of the form onto the screen.
#include <array>
#include <string>

#include "designer/simulator/form_fields.h"
#include "designer/simulator/screen_buffer.h"

namespace simulator {

// What the screen needs from outside the form.
struct FormContext {
    int recordCount = 0;      // counter lines
    std::string lastRecord;   // pass-down lines
};

class FormScreen {
public:
    enum class Outcome { Done, WrongType, TooShort, RecordComplete };

    // Starts form `number` (0..9) held in `form`, which must outlive the run:
    // clears every input, places the input columns, sets the initial values
    // and the first input line.
    void Start(task::FormRecord& form, int number);
    int Number() const { return number_; }

    void Show(const FormContext& context, ScreenBuffer& screen) const;

    // Types one character on the current line.
    Outcome Type(char c);
    void Backspace();
    void PreviousLine();
    void NextLine();
    // ENTER: the next input line, or the end of the record.
    Outcome Enter();

    // The typed input of every line, for the output record.
    std::array<std::string, task::kFormLines> Inputs() const;
    int CurrentLine() const;

private:
    struct Line {
        std::string input;
        int startColumn = 0;
        bool signColumn = false;  // auto +/- line with room for the sign column
    };

    FormFields Fields() const { return FormFields(*form_); }
    void SetCurrentLine(int line);
    int NextInputLine(int after) const;
    // Characters of input the line shows before it scrolls or continues.
    int Room(int line) const;
    int Scroll(int line) const;
    int CursorColumn(int line) const;
    bool TakesInput(int line) const;  // types 1 to 6 and their extension lines
    void ClearInput(int line);
    std::string RenderLine(int line, const std::string& passDown, const FormContext& context) const;
    std::array<std::string, task::kFormLines> PassDownParts(const std::string& record) const;

    task::FormRecord* form_ = nullptr;
    int number_ = 0;
    std::array<Line, task::kFormLines> lines_{};
};

}  // namespace simulator
