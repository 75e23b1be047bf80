#pragma once
// The UI port of the command-line tool: messages go to stderr as UTF-8 with
// their captions, questions are answered No or Cancel (a script cannot be
// asked), file choosers answer the path given on the command line (or are
// cancelled), and progress, when asked to, tells each new text on stderr,
// without the bar. The stop flag, when given (set by an interrupt signal),
// is the progress window's Cancel.
#include <csignal>

#include "common/ui_port.h"

namespace common {

class ConsoleUi final : public UiPort {
public:
    // The number of messages shown with a warning or error icon.
    int warnings = 0;
    // What both file choosers answer; empty: they are cancelled.
    std::string chosenPath;
    // Written before each line, to tell apart the messages of loads that run
    // at once ("COM3: ").
    std::string prefix;
    // Whether progress texts are told: a transfer run by hand says what it
    // waits for; an unattended load that succeeds says nothing.
    bool tellsProgress = false;
    // Set when the user asks a running operation to stop; may stay null.
    const volatile std::sig_atomic_t* stopFlag = nullptr;

    void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) override;
    Answer AskYesNo(const std::string& caption, const std::string& text, MessageIcon icon) override;
    Answer AskYesNoCancel(const std::string& caption, const std::string& text, MessageIcon icon) override;
    bool AskOkCancel(const std::string& caption, const std::string& text, MessageIcon icon) override;
    std::optional<std::string> ChooseOpenFile(const FileChooser& chooser) override;
    std::optional<std::string> ChooseSaveFile(const FileChooser& chooser) override;
    std::unique_ptr<ProgressWindow> OpenProgress(const ProgressLook& look) override;
    std::unique_ptr<UploadCounter> OpenUploadCounter() override;
    void SetBusy(bool busy) override;
    bool OpenInTextEditor(const std::string& path) override;
};

}  // namespace common
