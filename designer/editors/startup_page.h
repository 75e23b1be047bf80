#pragma once
// The Startup page "STARTUPDLG": how the terminal program starts and
// separates the fields of its records, whether its built-in screens use the
// large font, and the texts of those screens, typed line by line, imported
// from another task file or reset to the defaults.
#include "designer/editors/page_model.h"
#include "designer/editors/screen_texts.h"

namespace editors {

class StartupPage final : public PageModel {
public:
    static constexpr int kProgramStartList = 451;
    static constexpr int kDelimiterCountList = 401;
    static constexpr int kFirstCodeBox = 301;  // and 302, the second delimiter's
    static constexpr int kFirstCharacterBox = 303;  // and 304
    static constexpr int kLargeFontCheck = 101;
    static constexpr int kScreenList = 410;
    static constexpr int kFirstDefaultLabel = 501;  // 501..508, a line's default text
    static constexpr int kFirstLineBox = 311;  // 311..318
    static constexpr int kImportButton = 201;
    static constexpr int kResetButton = 202;

    StartupPage(EditorContext& context, std::string title);

    // The program start, the delimiters (those not in use as 0) and the font
    // into StartupSettings; the texts too when they were changed.
    void Commit() override;

    // The Lookup page before this one may have renumbered the calculator's
    // entry in the task: the working copy follows, so OK keeps that number.
    void EarlierPageCommitted(const PageModel& page) override;

protected:
    void OnEdited(int id) override;
    void OnChosen(int id, int previous) override;
    void OnClicked(int id) override;
    void Update() override;

private:
    bool LargeFont() const;
    void NumberCalculatorEntry();
    void ShowScreens();
    void ShowScreen();
    void ShowDelimiter(int which, bool code, bool character);
    void EditCode(int which);
    void EditCharacter(int which);
    void Import();
    void Reset();

    task::StartupSettings startup_;  // the page's bytes: 1..3 and 68
    ScreenTexts texts_;
    bool textsChanged_ = false;
    int delimiters_ = 0;  // how many of the two are in use
    int screen_ = 0;
};

}  // namespace editors
