#pragma once
// The UI port for tests: answers come from a script, and everything shown is
// recorded in order so a test can assert on the exact texts.
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/ui_port.h"

namespace test_support {

struct ShownEvent {
    enum class Kind { Message, Question, OkCancelQuestion, OpenChooser, SaveChooser, Progress, Counter, Busy, Editor };
    Kind kind;
    std::string caption;
    std::string text;
    common::MessageIcon icon = common::MessageIcon::None;
};

class ScriptedUi final : public common::UiPort {
public:
    // Answers for every question, consumed in order; No when the script is
    // empty. An OK/Cancel question takes Yes for OK and anything else for Cancel.
    std::deque<common::Answer> answers;
    // Paths for the file choosers, consumed in order; an empty string means Cancel.
    std::deque<std::string> chosenPaths;

    std::vector<ShownEvent> events;
    std::vector<common::FileChooser> choosers;  // every file chooser opened, in order
    std::vector<common::ProgressLook> progressLooks;     // every progress window opened, in order
    std::vector<std::pair<int, int>> progressRanges;    // every SetRange of every progress window
    std::vector<int> progressPositions;  // every SetPosition of every progress window
    std::vector<std::string> progressTexts;  // every SetText of every progress window
    // Asked whenever a progress window is asked whether the user wants to
    // stop; never stops when empty.
    std::function<bool()> cancelWhen;
    int cancelPolls = 0;  // how often any progress window was asked
    std::vector<std::string> counterTexts;  // every text the upload counter showed
    // Whether OpenInTextEditor finds a program to show the file.
    bool editorOpens = true;
    int openProgressWindows = 0;
    int openCounters = 0;

    void ShowMessage(const std::string& caption, const std::string& text, common::MessageIcon icon) override;
    common::Answer AskYesNo(const std::string& caption, const std::string& text, common::MessageIcon icon) override;
    common::Answer AskYesNoCancel(const std::string& caption, const std::string& text, common::MessageIcon icon) override;
    bool AskOkCancel(const std::string& caption, const std::string& text, common::MessageIcon icon) override;
    std::optional<std::string> ChooseOpenFile(const common::FileChooser& chooser) override;
    std::optional<std::string> ChooseSaveFile(const common::FileChooser& chooser) override;
    std::unique_ptr<common::ProgressWindow> OpenProgress(const common::ProgressLook& look) override;
    std::unique_ptr<common::UploadCounter> OpenUploadCounter() override;
    void SetBusy(bool busy) override;
    bool OpenInTextEditor(const std::string& path) override;

    // The texts of the Message events, in order.
    std::vector<std::string> MessageTexts() const;

private:
    common::Answer NextAnswer();
    std::optional<std::string> NextPath();
};

}  // namespace test_support
