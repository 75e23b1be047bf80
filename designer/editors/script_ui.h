#pragma once
// The user as an edit script plays it: every message box becomes one line
// "message CAPTION|TEXT" (UTF-8), a question is answered No (Cancel), and a file
// chooser answers the path the script's `file` action gave (or is cancelled).
#include <deque>
#include <functional>
#include <string>

#include "common/ui_port.h"

namespace editors {

class ScriptUi final : public common::UiPort {
public:
    // `print` receives each line.
    explicit ScriptUi(std::function<void(const std::string&)> print) : print_(std::move(print)) {}

    void AnswerNextFileChooser(std::string path) { paths_.push_back(std::move(path)); }

    void ShowMessage(const std::string& caption, const std::string& text, common::MessageIcon icon) override;
    common::Answer AskYesNo(const std::string& caption, const std::string& text, common::MessageIcon icon) override;
    common::Answer AskYesNoCancel(const std::string& caption, const std::string& text,
                                  common::MessageIcon icon) override;
    bool AskOkCancel(const std::string& caption, const std::string& text, common::MessageIcon icon) override;
    std::optional<std::string> ChooseOpenFile(const common::FileChooser& chooser) override;
    std::optional<std::string> ChooseSaveFile(const common::FileChooser& chooser) override;
    std::unique_ptr<common::ProgressWindow> OpenProgress(const common::ProgressLook& look) override;
    std::unique_ptr<common::UploadCounter> OpenUploadCounter() override;
    void SetBusy(bool) override {}
    // A script has no editor to show a file in.
    bool OpenInTextEditor(const std::string&) override { return false; }

private:
    std::optional<std::string> NextPath();

    std::function<void(const std::string&)> print_;
    std::deque<std::string> paths_;
};

// "message CAPTION|TEXT" for Windows-1251 texts; line breaks become blanks.
std::string MessageLine(const std::string& caption, const std::string& text);

}  // namespace editors
